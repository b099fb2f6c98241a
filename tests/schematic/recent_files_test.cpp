#include "schematic/recent_files.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

using Entries = std::array<std::string, kRecentFileCount>;

TEST(RecentFiles, CaptionsShowTheFileNameWithItsFolder) {
    struct Case {
        std::string_view path;
        std::string_view caption;
    };
    const Case cases[] = {
        {"", ""},
        {"/tmp/volmira/gui/t4.nwb", "\xE2\x80\xA6/gui/t4.nwb"},
        {"C:\\Netze\\Tiefpass\\Tp1.NWB", "\xE2\x80\xA6\\Tiefpass\\Tp1.NWB"},
        {"/home/anna/netze\\RCL.nwb", "\xE2\x80\xA6/netze\\RCL.nwb"},  // either separator
        {"/gui/t4.nwb", "/gui/t4.nwb"},  // nothing before the folder: whole
        {"gui/t4.nwb", "gui/t4.nwb"},
        {"t4.nwb", "t4.nwb"},
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
    EXPECT_EQ(recent.captionOfSlot(1), "/x/zwei.nwb");
    EXPECT_EQ(recent.captionOfSlot(2), "/x/eins.nwb");
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
