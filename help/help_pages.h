#pragma once
// The paged topic help: 184 topic lines cut into 13 fixed pages, the eight contents entries and
// the navigation between pages.
#include <array>
#include <string_view>

namespace volmira {

inline constexpr int kTopicLineCount = 184;
inline constexpr int kTopicPageCount = 13;
inline constexpr int kContentsEntryCount = 8;

enum class LineStyle { Continuation, Paragraph, Title };

struct TopicLine {
    LineStyle style = LineStyle::Continuation;
    std::string_view text;  // without the style digit
};

// Line `number` (1..184) split into its style digit and its text.
TopicLine topicLine(int number);

struct LineRange {
    int first = 0;
    int last = 0;
};
// The lines of page 1..13.
LineRange pageLines(int page);

struct ContentsEntry {
    int titleLine = 0;
    int page = 0;
};
// The eight entries in the order of the contents.
const std::array<ContentsEntry, kContentsEntryCount>& contentsEntries();

// The entry under the height `y` of the contents (entries 30 pixels apart from y = 65), or -1.
int contentsEntryAt(int y);

// "<" and ">": the page stays where there is none before or after.
int previousPage(int page);
int nextPage(int page);

}  // namespace volmira
