#include "help/help_print_layout.h"

namespace volmira {

namespace {

constexpr int kLineStep = 55;
constexpr int kParagraphSpace = 30;
constexpr int kPageSpace = 100;
constexpr int kTextHeight = 42;
constexpr int kTitleHeight = 48;

int pageHeight(const LineRange& lines) {
    int height = 0;
    for (int n = lines.first; n <= lines.last; ++n)
        height += kLineStep + (topicLine(n).style == LineStyle::Paragraph ? kParagraphSpace : 0);
    return height;
}

}  // namespace

std::vector<HelpSheet> helpSheets(int first, int last, int sheetHeight) {
    std::vector<HelpSheet> sheets;
    if (first < 1 || last > kTopicPageCount || first > last) return sheets;
    for (int page = 1; page <= kTopicPageCount; ++page)
        if (pageHeight(pageLines(page)) > sheetHeight) return sheets;
    int y = 0;
    for (int page = first; page <= last; ++page) {
        const LineRange lines = pageLines(page);
        if (sheets.empty() || y + pageHeight(lines) > sheetHeight) {
            sheets.emplace_back();
            y = 0;
        }
        for (int n = lines.first; n <= lines.last; ++n) {
            const TopicLine line = topicLine(n);
            if (line.style == LineStyle::Paragraph) y += kParagraphSpace;
            const bool title = line.style == LineStyle::Title;
            sheets.back().push_back({line.text, title, y, title ? kTitleHeight : kTextHeight});
            y += kLineStep;
        }
        y += kPageSpace;
    }
    return sheets;
}

}  // namespace volmira
