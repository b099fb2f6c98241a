#include <gtest/gtest.h>

#include "schematic/editor.h"

namespace volmira {
namespace {

class EditorMacroTest : public ::testing::Test {
  protected:
    EditorMacroTest() {
        macro.append({2, 2, 1});   // resistor
        macro.append({6, 3, 10});  // a vertical wire cell: 5 x 2 cells in all
    }
    void press(Pixel p) {
        editor.mouseMove(p, false);
        editor.mousePress(p, MouseButton::Left);
        editor.mouseRelease(p, MouseButton::Left);
    }

    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    Editor editor{grid, undoCopy, symbols};
    SymbolList macro;
};

// The macro is centred on the pointer like a symbol, lands on the cell under the preview's
// top-left corner, stays selected for further presses and ends with another tool.
TEST_F(EditorMacroTest, EachPressInsertsTheMacroUntilAnotherToolIsChosen) {
    editor.selectSymbol(4);
    editor.startMacro(macro);
    EXPECT_EQ(editor.currentSymbol(), 0);
    editor.setMacroMode(MacroMode::Mix);
    grid.set(12, 12, '2');
    press({100, 100});
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{72, 90}));
    EXPECT_EQ(grid.rowText(11).substr(8, 3), "1x1");
    EXPECT_EQ(grid.at(13, 12), '2');
    EXPECT_EQ(grid.at(12, 12), '2');  // mixed: kept between the macro's symbols
    EXPECT_EQ(undoCopy.at(9, 11), '0');

    press({300, 300});
    EXPECT_TRUE(editor.insertingMacro());
    EXPECT_EQ(undoCopy.at(9, 11), '1');
    editor.selectSymbol(1);
    EXPECT_FALSE(editor.insertingMacro());
}

// A macro wider than the drawing keeps its top-left corner inside it.
TEST_F(EditorMacroTest, AMacroWiderThanTheDrawingStaysAtItsLeftEdge) {
    SymbolList wide;
    wide.append({200, 2, 4});
    editor.startMacro(wide);
    editor.mouseMove({400, 400}, false);
    EXPECT_EQ(editor.previews().symbolTopLeft.x, 9);
}

}  // namespace
}  // namespace volmira
