// Undo and redo through the editor: many steps and the ring's capacity, moves with the component
// records, a new network, and steps that change nothing.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "schematic/editor.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

Pixel at(int column, int row) {
    return {(column - 1) * 9 + 2, (row - 1) * 9 + 2};
}

class DrawingHistoryTest : public ::testing::Test {
  protected:
    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    Editor editor{grid, undoCopy, symbols};

    void click(Pixel p) {
        editor.mouseMove(p, false);
        editor.mousePress(p, MouseButton::Left);
        editor.mouseRelease(p, MouseButton::Left);
    }
};

TEST_F(DrawingHistoryTest, StepsBackAndForthUntilTheRingIsFull) {
    editor.selectSymbol(1);
    std::vector<SchematicGrid> states{grid};
    for (int n = 0; n < DrawingHistory::kCapacity + 20; ++n) {
        click(at(5 + (n % 20) * 4, 5 + (n / 20) * 3));
        states.push_back(grid);
    }
    // The oldest twenty steps were dropped.
    for (std::size_t n = states.size() - 1; n-- > 20;) {
        EXPECT_TRUE(editor.undo().changed);
        ASSERT_EQ(grid, states[n]) << n;
    }
    EXPECT_FALSE(editor.undo().changed);
    editor.redo();
    ASSERT_EQ(grid, states[21]);
    click(at(90, 70));  // a new change: nothing left to redo
    EXPECT_FALSE(editor.redo().changed);
    EXPECT_EQ(editor.history().redoSteps(), 0);
}

TEST_F(DrawingHistoryTest, MovesTakeTheRecordsBackAndForth) {
    stamp(grid, 1, 10, 20);
    std::array<Component, 1> records{};
    records[0].row = 20, records[0].column = 11, records[0].code = 1;
    const SchematicGrid start = grid;
    for (const auto d : {MoveDirection::Right, MoveDirection::Right, MoveDirection::Down})
        editor.moveDrawing(d, records);
    const SchematicGrid moved = grid;
    const auto cellOf = [&] { return GridCell{records[0].column, records[0].row}; };
    EXPECT_EQ(cellOf(), (GridCell{13, 21}));
    for (int k = 0; k < 3; ++k) editor.undo(records);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(cellOf(), (GridCell{11, 20}));
    // A value entered meanwhile stays: the records move, they are not restored.
    records[0].value = 470;
    for (int k = 0; k < 3; ++k) editor.redo(records);
    EXPECT_EQ(grid, moved);
    EXPECT_EQ(cellOf(), (GridCell{13, 21}));
    EXPECT_EQ(records[0].value, 470);
}

TEST_F(DrawingHistoryTest, NewNetworkIsAStepAndEmptyStepsAreSkipped) {
    test::drawRows(grid, 5, 5, {"1x1"});
    editor.startLine();
    // A line begun and ended by Escape without a segment records a step that changes nothing.
    click(at(20, 20));
    EXPECT_FALSE(editor.endLineByKey().changed);
    const SchematicGrid drawing = grid;
    editor.rememberDrawing();  // what "Netzwerk neu" does before clearing
    grid.clear();
    editor.undo();
    EXPECT_EQ(grid, drawing);
    EXPECT_EQ(editor.history().undoSteps(), 1);  // the empty line's step
    EXPECT_FALSE(editor.undo().changed);
    editor.redo();
    EXPECT_TRUE(grid.empty());
}

}  // namespace
}  // namespace volmira
