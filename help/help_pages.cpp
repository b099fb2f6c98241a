#include "help/help_pages.h"

#include "help/topic_text.h"

namespace volmira {

namespace {

constexpr std::array<LineRange, kTopicPageCount> kPages{{{1, 12},
                                                         {13, 27},
                                                         {28, 42},
                                                         {43, 58},
                                                         {59, 73},
                                                         {75, 80},
                                                         {81, 96},
                                                         {97, 112},
                                                         {113, 125},
                                                         {126, 141},
                                                         {142, 155},
                                                         {156, 171},
                                                         {172, 184}}};

constexpr std::array<ContentsEntry, kContentsEntryCount> kContents{
    {{1, 1}, {13, 2}, {43, 4}, {81, 7}, {97, 8}, {113, 9}, {126, 10}, {156, 12}}};

constexpr int kContentsTop = 65;
constexpr int kContentsSpacing = 30;

}  // namespace

TopicLine topicLine(int number) {
    const std::string_view raw = kTopicText.at(std::size_t(number - 1));
    TopicLine line;
    if (raw.empty()) return line;
    line.style = raw.front() == '1'   ? LineStyle::Title
                 : raw.front() == '2' ? LineStyle::Paragraph
                                      : LineStyle::Continuation;
    line.text = raw.substr(1);
    return line;
}

LineRange pageLines(int page) {
    return kPages.at(std::size_t(page - 1));
}

const std::array<ContentsEntry, kContentsEntryCount>& contentsEntries() {
    return kContents;
}

int contentsEntryAt(int y) {
    if (y < kContentsTop) return -1;
    const int entry = (y - kContentsTop) / kContentsSpacing;
    return entry < kContentsEntryCount ? entry : -1;
}

int previousPage(int page) {
    return page > 1 ? page - 1 : page;
}

int nextPage(int page) {
    return page < kTopicPageCount ? page + 1 : page;
}

}  // namespace volmira
