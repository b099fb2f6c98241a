// The help's texts and their rules: the topic pages, the contents, the navigation, the context
// entries and their lookup, the window places and the printed sheets.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "help/context_help.h"
#include "help/context_text.h"
#include "help/help_pages.h"
#include "help/help_placement.h"
#include "help/help_print_layout.h"
#include "help/topic_text.h"

namespace volmira {
namespace {

// Characters, not bytes: the texts are UTF-8.
std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(TopicText, LinesAreStyledAndFitTheirWidth) {
    for (int n = 1; n <= kTopicLineCount; ++n) {
        const std::string_view raw = kTopicText[std::size_t(n - 1)];
        ASSERT_FALSE(raw.empty()) << n;
        EXPECT_NE(std::string_view("012").find(raw.front()), std::string_view::npos) << n;
        EXPECT_LE(characters(raw), 80u) << raw;
    }
    // Every page begins a paragraph or a topic, so that no page starts in mid-sentence.
    for (int page = 1; page <= kTopicPageCount; ++page)
        EXPECT_NE(topicLine(pageLines(page).first).style, LineStyle::Continuation) << page;
}

TEST(TopicText, ContentsLeadToTheirTitles) {
    for (const ContentsEntry& entry : contentsEntries()) {
        EXPECT_EQ(topicLine(entry.titleLine).style, LineStyle::Title) << entry.titleLine;
        EXPECT_EQ(pageLines(entry.page).first, entry.titleLine);
    }
    EXPECT_EQ(topicLine(contentsEntries()[3].titleLine).text, "Die Grenzen des Programms");
    const LineRange limits = pageLines(contentsEntries()[3].page);
    EXPECT_EQ(limits.first, 81);
    EXPECT_EQ(limits.last, 96);
}

TEST(HelpPages, NavigationStaysWithinThePages) {
    EXPECT_EQ(previousPage(1), 1);
    EXPECT_EQ(previousPage(7), 6);
    EXPECT_EQ(nextPage(13), 13);
    EXPECT_EQ(nextPage(12), 13);
    EXPECT_EQ(contentsEntryAt(64), -1);
    EXPECT_EQ(contentsEntryAt(65), 0);
    EXPECT_EQ(contentsEntryAt(65 + 3 * 30 + 29), 3);
    EXPECT_EQ(contentsEntryAt(65 + 8 * 30), -1);
}

TEST(ContextHelp, NamesFindTheirEntries) {
    // A family shares its entry; a member with an entry of its own keeps it.
    const ContextEntry* tools = contextEntry("Sym");
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(contextEntry("Sym3"), tools);
    ASSERT_NE(contextEntry("Sym15"), nullptr);
    EXPECT_NE(contextEntry("Sym15"), tools);
    // A name two windows use for different controls is told apart by the window.
    EXPECT_NE(contextEntry("EinSpei", "TDrForm"), contextEntry("EinSpei", "Tgrf"));
    EXPECT_EQ(contextEntry("EinSpei", "Tgrf"), contextEntry("EinSpei"));
    EXPECT_EQ(contextEntry("Sym3", "Tgrf"), tools);
    EXPECT_EQ(contextEntry(""), nullptr);
    EXPECT_EQ(contextEntry("1234"), nullptr);
    EXPECT_EQ(contextEntry("Unbekannt7"), nullptr);
}

TEST(ContextHelp, EntriesAreCompleteAndNamesUnique) {
    std::set<std::string> names;
    for (const ContextTopic& topic : contextTopics()) {
        EXPECT_FALSE(topic.entry.title.empty()) << topic.names;
        EXPECT_FALSE(topic.entry.lines[0].empty()) << topic.names;
        std::string_view list = topic.names;
        while (!list.empty()) {
            const std::size_t end = std::min(list.find(' '), list.size());
            EXPECT_TRUE(names.insert(std::string(list.substr(0, end))).second)
                << list.substr(0, end);
            list.remove_prefix(std::min(end + 1, list.size()));
        }
    }
}

TEST(HelpPlacement, WindowsOpenBesideTheirOwners) {
    const ScreenBox client{100, 50, 1000, 700};
    const ScreenBox modes = contextHelpBox(client, false);
    EXPECT_EQ(modes.left, 100 + 1000 - 400);
    EXPECT_EQ(modes.top, 50 + 700 - 247);
    EXPECT_EQ(modes.height, 242);
    const ScreenBox graphic = contextHelpBox(client, true);
    EXPECT_EQ(graphic.left, 110);
    EXPECT_EQ(graphic.height, 240);
    EXPECT_LT(modes.width, kContextFormWidthLimit);
    EXPECT_GE(topicHelpBox(client).width, kContextFormWidthLimit);

    const ScreenBox composer{300, 200, 370, 452};
    EXPECT_EQ(composerHelpBox(composer).left, 300);
    EXPECT_EQ(composerHelpBox(composer).width, 290);
    EXPECT_EQ(composerPointer(composer).x, 420);
    EXPECT_EQ(composerPointer(composer).y, 360);
    const ScreenBox panel = helpPrintPanelBox(client);
    EXPECT_EQ(panel.left, 350);
    EXPECT_EQ(panel.top, 180);
    EXPECT_EQ(panel.width, 281);
    EXPECT_EQ(panel.height, 126);
}

TEST(HelpPrintLayout, PagesStayWholeAndInOrder) {
    const int sheetHeight = 2600;
    const std::vector<HelpSheet> sheets = helpSheets(1, kTopicPageCount, sheetHeight);
    ASSERT_GT(sheets.size(), 1u);
    std::vector<std::string_view> expected;
    std::set<std::string_view> pageStarts;
    for (int page = 1; page <= kTopicPageCount; ++page) {
        pageStarts.insert(topicLine(pageLines(page).first).text);
        for (int n = pageLines(page).first; n <= pageLines(page).last; ++n)
            expected.push_back(topicLine(n).text);
    }
    std::vector<std::string_view> printed;
    for (const HelpSheet& sheet : sheets) {
        // A sheet begins with the first line of a topic page.
        EXPECT_TRUE(pageStarts.contains(sheet.front().text)) << sheet.front().text;
        int top = -1;
        for (const PrintedHelpLine& line : sheet) {
            EXPECT_GT(line.top, top);
            EXPECT_LT(line.top, sheetHeight);
            top = line.top;
            printed.push_back(line.text);
        }
    }
    EXPECT_EQ(printed, expected);
    EXPECT_TRUE(sheets.front().front().bold);

    EXPECT_EQ(helpSheets(7, 7, sheetHeight).size(), 1u);
    for (const auto& [from, to, height] :
         {std::tuple{0, 3, sheetHeight}, {5, 4, sheetHeight}, {1, 14, sheetHeight}, {1, 13, 500}})
        EXPECT_TRUE(helpSheets(from, to, height).empty()) << from << ".." << to << " " << height;
}

}  // namespace
}  // namespace volmira
