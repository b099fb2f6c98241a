// Undo and redo through the editor: many steps, the ring's capacity, moves with the component
// records, a new network, and steps that change nothing.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "schematic/editor.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::drawRows;

Pixel at(int column, int row) {
    return {(column - 1) * 9 + 2, (row - 1) * 9 + 2};
}

class DrawingHistoryTest : public ::testing::Test {
  protected:
    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    Editor editor{grid, undoCopy, symbols};
    std::array<Component, 1> records{};

    // Places a resistor at a new place each time; returns the drawing before.
    SchematicGrid place(int n) {
        const SchematicGrid before = grid;
        const Pixel p = at(5 + (n % 20) * 4, 5 + (n / 20) * 3);
        editor.mouseMove(p, false);
        editor.mousePress(p, MouseButton::Left);
        editor.mouseRelease(p, MouseButton::Left);
        EXPECT_NE(grid, before);
        return before;
    }
};

TEST_F(DrawingHistoryTest, SixtyStepsBackAndForth) {
    editor.selectSymbol(1);
    std::vector<SchematicGrid> states;
    for (int n = 0; n < 60; ++n) states.push_back(place(n));
    states.push_back(grid);
    for (int n = 59; n >= 0; --n) {
        EXPECT_TRUE(editor.undo().changed);
        ASSERT_EQ(grid, states[std::size_t(n)]) << n;
    }
    EXPECT_FALSE(editor.undo().changed);
    for (int n = 1; n <= 60; ++n) {
        editor.redo();
        ASSERT_EQ(grid, states[std::size_t(n)]) << n;
    }
    EXPECT_FALSE(editor.redo().changed);
    EXPECT_EQ(symbols.size(), 60);
}

TEST_F(DrawingHistoryTest, ANewChangeForgetsTheRedoStepsAndTheOldestStepsGo) {
    editor.selectSymbol(1);
    for (int n = 0; n < DrawingHistory::kCapacity + 20; ++n) place(n);
    while (editor.undo().changed) {
    }
    EXPECT_EQ(editor.history().undoSteps(), 0);
    EXPECT_EQ(symbols.size(), 20);  // the first twenty steps were dropped from the full ring

    editor.redo();
    place(150);
    EXPECT_EQ(editor.history().redoSteps(), 0);
    EXPECT_FALSE(editor.redo().changed);
}

TEST_F(DrawingHistoryTest, MovesTakeTheRecordsBackAndForth) {
    stamp(grid, 1, 10, 20);
    records[0].row = 20, records[0].column = 11, records[0].code = 1;
    const SchematicGrid start = grid;
    editor.moveDrawing(MoveDirection::Right, records);
    editor.moveDrawing(MoveDirection::Right, records);
    editor.moveDrawing(MoveDirection::Down, records);
    const SchematicGrid moved = grid;
    EXPECT_EQ(records[0].column, 13);
    EXPECT_EQ(records[0].row, 21);

    editor.undo(records);
    editor.undo(records);
    editor.undo(records);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(records[0].column, 11);
    EXPECT_EQ(records[0].row, 20);
    // A value entered meanwhile stays: the records move, they are not restored.
    records[0].value = 470;
    editor.redo(records);
    editor.redo(records);
    editor.redo(records);
    EXPECT_EQ(grid, moved);
    EXPECT_EQ(records[0].column, 13);
    EXPECT_EQ(records[0].row, 21);
    EXPECT_EQ(records[0].value, 470);
}

TEST_F(DrawingHistoryTest, NewNetworkIsAStepAndEmptyStepsAreSkipped) {
    drawRows(grid, 5, 5, {"1x1"});
    editor.startLine();
    // A line begun and ended without a segment records a step that changes nothing.
    editor.mouseMove(at(20, 20), false);
    editor.mousePress(at(20, 20), MouseButton::Left);
    editor.mouseRelease(at(20, 20), MouseButton::Left);
    EXPECT_FALSE(editor.endLineByKey().changed);
    const SchematicGrid drawing = grid;
    editor.newNetwork();
    EXPECT_TRUE(grid.empty());
    editor.undo();
    EXPECT_EQ(grid, drawing);
    EXPECT_EQ(editor.history().undoSteps(), 1);  // the empty line's step is still there
    EXPECT_FALSE(editor.undo().changed);         // but taking it back changes nothing
    editor.redo();
    EXPECT_TRUE(grid.empty());
}

TEST_F(DrawingHistoryTest, EscapeEndsALineAtThePointerLikeTheRightButton) {
    editor.startLine();
    const auto press = [&](Cell c) {
        editor.mouseMove(at(c.column, c.row), false);
        editor.mousePress(at(c.column, c.row), MouseButton::Left);
        editor.mouseRelease(at(c.column, c.row), MouseButton::Left);
    };
    press({5, 5});
    editor.mouseMove(at(10, 5), false);
    EXPECT_TRUE(editor.endLineByKey().changed);
    EXPECT_EQ(test::area(grid, 4, 5, 8, 1), "01111110\n");
    EXPECT_EQ(editor.lineState(), LineState::Ein);
    EXPECT_FALSE(editor.endLineByKey().changed);  // no line: nothing to end
}

}  // namespace
}  // namespace volmira
