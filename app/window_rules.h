#pragma once
// Size and place of the main window by the screen's size, the warning for small screens, and
// when the window's own scroll bars are needed.
#include <string>

namespace volmira {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct WindowGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// The window designed for 1024 x 768 screens; below that it scrolls.
inline constexpr int kDesignWidth = 1024;
inline constexpr int kDesignHeight = 740;

// Size set during start-up: 800 x 570 on screens less than 1000 pixels wide, else 1024 x 740.
WindowGeometry startupGeometry(ScreenSize screen);

// Placement when the window is first shown, given the start-up geometry. Screens of exactly
// 1000 or 1050 pixels keep the start-up size at the top-left corner.
WindowGeometry shownGeometry(ScreenSize screen, const WindowGeometry& startup);

// The part of the screen a window may cover (without panels and docks).
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// `g` (the client area) moved and shrunk so that the window with its frame lies inside `area`;
// a window cut this way scrolls, as on a small screen. An empty area changes nothing.
WindowGeometry fittedGeometry(WindowGeometry g, ScreenArea area, int frameWidth, int frameHeight);

// A stored window made to fit the screen: no larger than the screen, and moved to its left or
// top edge where it would reach beyond.
WindowGeometry clampedToScreen(WindowGeometry g, ScreenSize screen);

// Screens less than 1000 pixels wide get the warning panel with this text.
bool screenWarningNeeded(ScreenSize screen);
std::string screenWarningText(ScreenSize screen);

// Horizontal scroll bar hidden from 1020 pixels of width on, vertical from 730 of height.
struct ScrollBarsShown {
    bool horizontal = true;
    bool vertical = true;
};
ScrollBarsShown windowScrollBars(int width, int height);

}  // namespace volmira
