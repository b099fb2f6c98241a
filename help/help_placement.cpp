#include "help/help_placement.h"

namespace volmira {

namespace {

constexpr int kContextWidth = 395;
constexpr int kNarrowWidth = 290;
constexpr int kTopicWidth = 600;
constexpr int kTopicHeight = 430;

}  // namespace

ScreenBox contextHelpBox(const ScreenBox& client, bool graphicMode) {
    const int top = client.top + client.height - 247;
    if (graphicMode) return {client.left + 10, top, kContextWidth, 240};
    return {client.left + client.width - 400, top, kContextWidth, 242};
}

ScreenBox composerHelpBox(const ScreenBox& composer) {
    return {composer.left, composer.top, kNarrowWidth, 242};
}

ScreenPoint composerPointer(const ScreenBox& composer) {
    return {composer.left + 120, composer.top + 160};
}

ScreenBox topicHelpBox(const ScreenBox& client) {
    return {client.left + (client.width - kTopicWidth) / 2,
            client.top + (client.height - kTopicHeight) / 2, kTopicWidth, kTopicHeight};
}

ScreenBox helpPrintPanelBox(const ScreenBox& client) {
    return {client.left + 250, client.top + 130, 281, 126};
}

}  // namespace volmira
