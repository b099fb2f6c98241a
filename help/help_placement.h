#pragma once
// Where the help window and its print panel open, in screen pixels.
namespace volmira {

struct ScreenBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Windows narrower than this show the context help; wider ones the topics.
inline constexpr int kContextFormWidthLimit = 451;

// F1 in the main window, whose client area is `client`: bottom right in modes 1 to 3, bottom
// left in the graphic mode, where the curve fills the right.
ScreenBox contextHelpBox(const ScreenBox& client, bool graphicMode);
// The composer's narrow form at the composer's left edge, and the point the mouse pointer is
// moved to so that it rests on the composer.
ScreenBox composerHelpBox(const ScreenBox& composer);
struct ScreenPoint {
    int x = 0;
    int y = 0;
};
ScreenPoint composerPointer(const ScreenBox& composer);
// The topics, centred over the main window's client area.
ScreenBox topicHelpBox(const ScreenBox& client);
// "Hilfethemen ausdrucken" beside the main window's corner.
ScreenBox helpPrintPanelBox(const ScreenBox& client);

}  // namespace volmira
