#pragma once
// The script of the guided demonstration: for each of its twelve steps what is done in the main
// window (which control is pressed, where on the drawing the pointer clicks or drags, what is
// typed) and the lines shown afterwards. The window's driver carries the actions out with the
// real pointer; nothing here knows the window.
#include <cstdint>
#include <span>
#include <string_view>

#include "schematic/grid.h"

namespace volmira {

enum class DemoAction : std::uint8_t {
    Press,         // a left click on the control named `text`
    Hint,          // `text` in the yellow hint field beside the pointer
    Drag,          // the left button held on the drawing from `from` to `to`
    Click,         // a left click on the drawing at `from`
    RightClick,    // a right click on the drawing at `from`
    Redraw,        // the drawing painted anew from its symbols
    Type,          // `text` typed into row `row` of the value list, ended with Enter
    PickBranch,    // a click on the miniature `SbKlein` at pixel `from`
    PanelAside,    // the demonstration panel moves out of the curve's way
    ScrollHome,    // the window's content scrolls back to its top-left corner
    EnlargePanel,  // the panel grows for the closing text
};

struct DemoStepAction {
    DemoAction action;
    std::string_view text{};
    GridPixel from{};
    GridPixel to{};
    int row = 0;
};

struct DemoStep {
    std::span<const DemoStepAction> actions;
    std::span<const std::string_view> lines;
};

inline constexpr int kDemoStepCount = 12;
inline constexpr std::string_view kDemoPrompt = "Drücken Sie zur Fortsetzung die Eingabetaste";

// The lines shown when the demonstration starts.
std::span<const std::string_view> demoIntroLines();
// Step 1..12.
const DemoStep& demoStep(int step);

// Where the pointer stands to place a symbol's top-left corner on `cell`: the editor centres
// the floating symbol on the pointer.
GridPixel symbolPlacementPixel(int code, GridCell cell);

}  // namespace volmira
