#include <gtest/gtest.h>

#include "schematic/recent_files.h"

namespace volmira {
namespace {

using Entries = std::array<std::string, kRecentFileCount>;

TEST(RecentFiles, CaptionsAreShortenedFromSeventeenCharactersOn) {
    struct Case {
        std::string_view path;
        std::string_view caption;
    };
    const Case cases[] = {
        {"", ""},
        {"C:\\Netz\\Tp1.NWB", "C:\\Netz\\Tp1"},                    // 15 characters
        {"C:\\Netze\\Tp1.NWB", "C:\\Netze\\Tp1"},                  // 16: shown whole
        {"C:\\Netzex\\Tp1.NWB", "C:\\...Tp1"},                     // 17: drive, "...", name
        {"/home/anna/netze/Bandfilter.nwb", "/ho...Bandfilter"},   // either separator
        {"/home/anna/netze\\RCL.Nwb", "/ho...RCL"},                // the last separator counts
        {"/home/anna/netze/Notiz.txt", "/ho...Notiz.txt"},         // other extensions stay
        {"/home/anna/netze/ohne_Punkt_NWB", "/ho...ohne_Punkt"},   // the fourth last goes too
        {"kurz.nwb", "kurz"},
        {"Tiefpä/Größe.nwb", "Tiefpä/Größe"},                      // 19 bytes, 16 characters
        {"Tiefpäs/Größe.nwb", "Tie...Größe"},                      // 17 characters
        {"/home/anna/Schaltungen_ohne_Ordnertrenner", "/ho...Schaltungen_ohne_Ordnertrenner"},
    };
    for (const Case& c : cases) EXPECT_EQ(recentFileCaption(c.path), c.caption) << c.path;
}

TEST(RecentFiles, NewPathBecomesSlotOneAndTheOldestDropsOut) {
    RecentFiles recent;
    for (const char* p : {"a", "b", "c", "d", "e"}) recent.add(p);
    EXPECT_EQ(recent.entries(), (Entries{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(recent.pathOfSlot(1), "e");
    EXPECT_EQ(recent.pathOfSlot(5), "a");
    recent.add("f");
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "d", "e", "f"}));
}

TEST(RecentFiles, ReopeningMovesToSlotOneWithoutDuplicating) {
    RecentFiles recent;
    recent.setEntries(std::vector<std::string>{"a", "b", "c", "d", "e"});
    recent.add("c");
    EXPECT_EQ(recent.entries(), (Entries{"a", "b", "d", "e", "c"}));
    recent.add("c");
    EXPECT_EQ(recent.entries(), (Entries{"a", "b", "d", "e", "c"}));
    recent.add("a");  // the oldest entry
    EXPECT_EQ(recent.entries(), (Entries{"b", "d", "e", "c", "a"}));
}

TEST(RecentFiles, EmptyPlacesFillFromTheNewestEnd) {
    RecentFiles recent;
    EXPECT_EQ(recent.captionOfSlot(1), "");
    recent.add("");
    EXPECT_EQ(recent.entries(), Entries{});
    recent.add("/x/eins.nwb");
    recent.add("/x/zwei.nwb");
    EXPECT_EQ(recent.entries(), (Entries{"", "", "", "/x/eins.nwb", "/x/zwei.nwb"}));
    EXPECT_EQ(recent.captionOfSlot(1), "/x/zwei");
    EXPECT_EQ(recent.captionOfSlot(2), "/x/eins");
    EXPECT_EQ(recent.captionOfSlot(3), "");
    EXPECT_EQ(recent.pathOfSlot(0), "");
    EXPECT_EQ(recent.pathOfSlot(6), "");
}

TEST(RecentFiles, SettingsWithTooFewTooManyOrDoubledEntriesAreMadeSound) {
    RecentFiles recent;
    recent.setEntries(std::vector<std::string>{"a", "b"});
    EXPECT_EQ(recent.entries(), (Entries{"", "", "", "a", "b"}));
    recent.setEntries(std::vector<std::string>{"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "d", "e", "f"}));
    // A hand-edited settings file holding a path twice: adding it keeps one copy.
    recent.setEntries(std::vector<std::string>{"x", "b", "x", "d", "e"});
    recent.add("x");
    EXPECT_EQ(recent.entries(), (Entries{"", "b", "d", "e", "x"}));
}

}  // namespace
}  // namespace volmira
