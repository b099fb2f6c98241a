#include "schematic/editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::area;
using test::drawRows;

// The pixel a user clicks for a cell: the point its wires pass through.
Pixel at(int column, int row) {
    return {(column - 1) * 9 + 2, (row - 1) * 9 + 2};
}

class EditorTest : public ::testing::Test {
  protected:
    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    Editor editor{grid, undoCopy, symbols};

    DrawingChanges click(Pixel p, MouseButton button = MouseButton::Left) {
        editor.mouseMove(p, false);
        DrawingChanges changes = editor.mousePress(p, button);
        changes.merge(editor.mouseRelease(p, button));
        return changes;
    }
    // Line tool: a press per corner, the last one with the right button.
    void line(std::vector<Cell> points) {
        for (std::size_t i = 0; i < points.size(); ++i)
            click(at(points[i].column, points[i].row),
                  i + 1 == points.size() ? MouseButton::Right : MouseButton::Left);
    }
};

TEST(PixelGeometry, CellsAndSnapping) {
    EXPECT_EQ(cellOfPixel({0, 0}), (Cell{1, 1}));
    EXPECT_EQ(cellOfPixel({6, 6}), (Cell{1, 1}));
    EXPECT_EQ(cellOfPixel({7, 16}), (Cell{2, 3}));
    EXPECT_EQ(cellOfPixel({897, 717}), (Cell{100, 80}));
    EXPECT_EQ(cellOfPixel({-40, 5000}), (Cell{1, 80}));  // dragged beyond the image
    EXPECT_EQ(snapToCell({7, 16}), (Pixel{9, 18}));
    EXPECT_EQ(snapToCell({6, 15}), (Pixel{0, 9}));
    EXPECT_EQ(cellBoxTopLeft({3, 2}), (Pixel{16, 7}));
}

TEST_F(EditorTest, PlacesTheSymbolUnderThePreviewAndKeepsTheOldDrawingForUndo) {
    drawRows(grid, 1, 1, {"2"});
    editor.selectSymbol(1);  // resistor, 1 x 3 cells
    editor.mouseMove({100, 100}, false);
    // Centred on the pointer: top-left = pointer - half the 27 x 9 box, snapped down.
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{81, 90}));
    EXPECT_TRUE(editor.previews().symbolVisible);
    const DrawingChanges changes = click({100, 100});
    EXPECT_EQ(area(grid, 10, 11, 3, 1), "1x1\n");
    EXPECT_TRUE(changes.changed);
    ASSERT_EQ(changes.glyphs.size(), 1u);
    EXPECT_EQ(changes.glyphs[0], (PlacedSymbol{10, 11, 1}));
    EXPECT_EQ(area(undoCopy, 1, 1, 1, 1), "2\n");
    EXPECT_EQ(undoCopy.at(11, 11), '0');
    EXPECT_EQ(editor.currentSymbol(), 1);
}

TEST_F(EditorTest, ThePreviewStaysWhereTheWholeSymbolFits) {
    editor.selectSymbol(25);  // 5 x 5 op-amp
    editor.mouseMove({0, 0}, false);
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{9, 9}));
    click({897, 717});
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{95 * 9, 75 * 9}));
    EXPECT_EQ(grid.at(99, 78), '#');
    EXPECT_EQ(grid.at(100, 78), 'J');
}

TEST_F(EditorTest, RightClickSwitchesTheFormWithoutPlacing) {
    editor.selectSymbol(1);
    EXPECT_TRUE(click({200, 200}, MouseButton::Right).glyphs.empty());
    EXPECT_EQ(editor.currentSymbol(), 7);
    EXPECT_TRUE(grid.empty());
    click({200, 200}, MouseButton::Right);
    EXPECT_EQ(editor.currentSymbol(), 1);

    // The mouse pointer has no other form, and tools ignore the right click's switch.
    editor.selectSymbol(0);
    click({200, 200}, MouseButton::Right);
    EXPECT_EQ(editor.currentSymbol(), 0);
    editor.startNode();
    click({200, 200}, MouseButton::Right);
    EXPECT_EQ(editor.currentSymbol(), 0);
    EXPECT_TRUE(grid.empty());
}

TEST_F(EditorTest, ToolButtonsSwitchTheOtherToolsOff) {
    editor.selectSymbol(3);
    editor.startLine();
    EXPECT_EQ(editor.lineState(), LineState::Ein);
    EXPECT_EQ(editor.currentSymbol(), 0);
    EXPECT_FALSE(editor.previews().symbolVisible);
    EXPECT_TRUE(editor.previews().markerVisible);
    editor.startRectangle();
    EXPECT_EQ(editor.lineState(), LineState::Aus);
    EXPECT_TRUE(editor.rectangleOn());
    editor.startNode();
    EXPECT_FALSE(editor.rectangleOn());
    EXPECT_TRUE(editor.nodeOn());
    editor.selectSymbol(5);
    EXPECT_FALSE(editor.nodeOn());
    EXPECT_EQ(editor.currentSymbol(), 5);
    EXPECT_TRUE(editor.previews().symbolVisible);
    EXPECT_FALSE(editor.previews().markerVisible);
}

TEST_F(EditorTest, LineStatesAndDirectionsFollowThePresses) {
    editor.selectSymbol(2);
    editor.startLine();
    click(at(10, 10));
    EXPECT_EQ(editor.lineState(), LineState::Beg);
    EXPECT_EQ(editor.lineStart(), (Cell{10, 10}));
    EXPECT_EQ(editor.direction(), Direction::None);
    EXPECT_TRUE(grid.empty());  // nothing before the first direction

    editor.mouseMove(at(10, 4), false);
    EXPECT_EQ(editor.direction(), Direction::VonUnten);
    EXPECT_EQ(editor.previews().band, (PixelRect{at(10, 4).x, at(10, 4).y, 1, 6 * 9 + 1}));
    editor.mouseMove(at(15, 11), false);  // further right than down
    EXPECT_EQ(editor.direction(), Direction::VonLinks);
    EXPECT_EQ(editor.previews().markerCell, (Cell{15, 10}));

    click(at(15, 11));
    EXPECT_EQ(editor.lineState(), LineState::Beg);
    EXPECT_EQ(editor.previousLineStart(), (Cell{10, 10}));
    EXPECT_EQ(editor.lineStart(), (Cell{15, 10}));
    EXPECT_EQ(editor.previousDirection(), Direction::VonLinks);

    editor.mouseMove(at(15, 20), false);
    EXPECT_TRUE(editor.previews().cornerVisible);
    EXPECT_EQ(editor.previews().cornerCode, 41);
    EXPECT_EQ(editor.previews().cornerCell, (Cell{15, 10}));

    click(at(15, 20), MouseButton::Right);
    EXPECT_EQ(editor.lineState(), LineState::Ein);
    EXPECT_EQ(editor.direction(), Direction::None);
    EXPECT_EQ(editor.previousDirection(), Direction::None);
    EXPECT_FALSE(editor.previews().cornerVisible);
    EXPECT_FALSE(editor.previews().band.has_value());
}

TEST_F(EditorTest, SegmentsJoinAtTheirCornersAndTheLineReachesTheLastClick) {
    editor.startLine();
    line({{3, 3}, {7, 3}, {7, 6}, {4, 6}, {4, 8}});
    EXPECT_EQ(area(grid, 2, 2, 8, 8),
              "00000000\n"
              "01111400\n"
              "00000200\n"
              "00000200\n"
              "00311600\n"
              "00200000\n"
              "00200000\n"
              "00000000\n");
}

TEST_F(EditorTest, ALoopClosedOnItsStartIsClosed) {
    editor.startLine();
    line({{10, 5}, {20, 5}, {20, 15}, {10, 15}, {10, 5}});
    EXPECT_EQ(area(grid, 10, 5, 1, 1) + area(grid, 20, 5, 1, 1) + area(grid, 20, 15, 1, 1) +
                  area(grid, 10, 15, 1, 1),
              "3\n4\n6\n5\n");
}

TEST_F(EditorTest, ALineNeverOverwritesAComponent) {
    drawRows(grid, 14, 5, {"1x1"});
    editor.startLine();
    click(at(10, 5));
    const DrawingChanges across = click(at(20, 5), MouseButton::Right);
    // The line stops on the resistor's lead, which it joins straight on.
    EXPECT_EQ(area(grid, 9, 5, 9, 1), "011111x10\n");
    EXPECT_EQ(across.hint, kLineStopsAtComponent);
    EXPECT_EQ(editor.lineState(), LineState::Ein);

    // A line begun on the component's body is refused.
    const DrawingChanges on = click(at(15, 5));
    EXPECT_EQ(on.hint, kLineStopsAtComponent);
    EXPECT_EQ(editor.lineState(), LineState::Ein);
    EXPECT_EQ(grid.at(15, 5), 'x');
}

TEST_F(EditorTest, ARightClickOnTheLastJointEndsTheLineThere) {
    editor.startLine();
    click(at(5, 5));
    click(at(10, 5));
    click(at(10, 5), MouseButton::Right);
    EXPECT_EQ(area(grid, 4, 5, 8, 1), "01111110\n");
    EXPECT_EQ(editor.lineState(), LineState::Ein);
}

TEST_F(EditorTest, UndoTakesBackTheWholeLine) {
    drawRows(grid, 1, 5, {"1x1"});
    editor.startLine();
    line({{10, 10}, {20, 10}, {20, 20}});
    const DrawingChanges changes = editor.undo();
    EXPECT_TRUE(changes.changed);
    EXPECT_TRUE(changes.repaintAll);
    EXPECT_EQ(area(grid, 1, 5, 3, 1), "1x1\n");
    EXPECT_EQ(grid.at(15, 10), '0');
}

TEST_F(EditorTest, LinesDraggedBeyondTheImageStopAtItsEdge) {
    editor.startLine();
    click({-50, 5});
    click({3000, 5});
    click({3000, 3000}, MouseButton::Right);
    EXPECT_EQ(area(grid, 1, 1, 3, 1), "111\n");
    EXPECT_EQ(grid.at(99, 1), '1');
    EXPECT_EQ(grid.at(100, 1), '4');
    EXPECT_EQ(grid.at(100, 79), '2');
    EXPECT_EQ(grid.at(100, 80), '2');
}

// From press to release; one narrower than 18 pixels is ignored and keeps the last undo level.
TEST_F(EditorTest, RectangleFromPressToRelease) {
    editor.startRectangle();
    editor.mouseMove(at(5, 5), false);
    editor.mousePress(at(5, 5), MouseButton::Left);
    editor.mouseMove(at(9, 8), true);
    EXPECT_EQ(editor.previews().band, (PixelRect{at(5, 5).x, at(5, 5).y, 4 * 9 + 1, 3 * 9 + 1}));
    const DrawingChanges changes = editor.mouseRelease(at(9, 8), MouseButton::Left);
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(area(grid, 5, 5, 5, 4), "31114\n20002\n20002\n51116\n");
    EXPECT_TRUE(undoCopy.empty());
    EXPECT_FALSE(editor.previews().band.has_value());

    editor.mousePress(at(20, 5), MouseButton::Left);
    editor.mouseMove(at(21, 9), true);
    const DrawingChanges narrow = editor.mouseRelease(at(21, 9), MouseButton::Left);
    EXPECT_FALSE(narrow.changed);
    EXPECT_TRUE(narrow.glyphs.empty());
    EXPECT_EQ(grid.at(20, 5), '0');
    EXPECT_TRUE(undoCopy.empty());
}

TEST_F(EditorTest, NodeToolTurnsAWireCellIntoTheFittingJunction) {
    drawRows(grid, 10, 10, {"11111"});
    editor.startNode();
    DrawingChanges changes = click(at(12, 10));
    EXPECT_EQ(grid.at(12, 10), 'H');
    EXPECT_EQ(changes.glyphs.at(0), (PlacedSymbol{12, 10, 50}));
    EXPECT_EQ(undoCopy.at(12, 10), '1');

    const SchematicGrid before = grid;
    changes = click(at(40, 40));
    EXPECT_FALSE(changes.changed);
    EXPECT_EQ(grid, before);
}

TEST_F(EditorTest, GroundMarksKeepTheToolAndCanBeUndone) {
    editor.selectSymbol(3);
    drawRows(grid, 10, 10, {"2"});
    const DrawingChanges changes = editor.groundMarks();
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(grid.at(10, 11), 'I');
    EXPECT_EQ(editor.currentSymbol(), 3);
    editor.undo();
    EXPECT_EQ(grid.at(10, 11), '0');
}

// The steps themselves are the history's tests: the symbol list follows the grid back, and the
// chosen symbol stays.
TEST_F(EditorTest, UndoTakesTheSymbolListBackAndKeepsTheChosenSymbol) {
    editor.selectSymbol(1);
    click(at(10, 10));
    click(at(20, 10));
    editor.undo();
    EXPECT_EQ(symbols.size(), 1);
    EXPECT_TRUE(editor.undo().changed);
    EXPECT_TRUE(symbols.empty());
    EXPECT_EQ(editor.currentSymbol(), 1);
}

TEST(HandCursor, ShowsOverClickableCells) {
    SchematicGrid grid;
    drawRows(grid, 1, 1, {"1x12"});
    EXPECT_TRUE(showsHandCursor(grid, 2, at(2, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 2, at(1, 1)));
    EXPECT_TRUE(showsHandCursor(grid, 3, at(4, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 3, at(5, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 1, at(2, 1)));
}

}  // namespace
}  // namespace volmira
