// The editor as the drawing view drives it: pixel geometry and zoom, symbols, lines, rectangles,
// nodes and ground marks, macros, moves of the drawing, and undo and redo.
#include "schematic/editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "schematic/drawing_zoom.h"
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

// The cells under every pixel are the zoom's test.
TEST(PixelGeometry, CellsSnappingAndTheHandCursor) {
    EXPECT_EQ(cellOfPixel({-40, 5000}), (Cell{1, 80}));  // dragged beyond the image
    EXPECT_EQ(snapToCell({7, 16}), (Pixel{9, 18}));
    EXPECT_EQ(snapToCell({6, 15}), (Pixel{0, 9}));
    EXPECT_EQ(cellBoxTopLeft({3, 2}), (Pixel{16, 7}));
    // Outside the drawing mode the hand shows over the cells a click means something on.
    SchematicGrid grid;
    drawRows(grid, 1, 1, {"1x12"});
    EXPECT_TRUE(showsHandCursor(grid, 2, at(2, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 2, at(1, 1)));
    EXPECT_TRUE(showsHandCursor(grid, 3, at(4, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 3, at(5, 1)));
    EXPECT_FALSE(showsHandCursor(grid, 1, at(2, 1)));
}

TEST(DrawingZoom, StepsStopAtTheirEnds) {
    EXPECT_EQ(zoomedIn(100), 125);
    EXPECT_EQ(zoomedOut(100), 75);
    EXPECT_EQ(zoomedIn(400), 400);
    EXPECT_EQ(zoomedOut(50), 50);
    EXPECT_EQ(zoomedIn(110), 125);  // between steps: the next one
    EXPECT_EQ(zoomedOut(110), 100);
}

// Where the view shows the middle of a cell, a click names that cell, at every zoom; at 100 %
// every pixel is its own image pixel.
TEST(DrawingZoom, ClicksNameTheCellShownUnderThem) {
    for (const int percent : {50, 100, 200, 300}) {
        SCOPED_TRACE(percent);
        for (int row = 1; row <= kGridRows; ++row) {
            for (int column = 1; column <= kGridColumns; ++column) {
                const GridPixel box = cellBoxTopLeft({column, row});
                for (const int inside : {0, 4, 8}) {
                    // The view pixel whose span holds this image pixel's middle.
                    const GridPixel view{((box.x + inside) * 2 + 1) * percent / 200,
                                         ((box.y + inside) * 2 + 1) * percent / 200};
                    if (percent < 100 && inside != 4) continue;  // edges merge when shrunk
                    ASSERT_EQ(cellAtPixel(imagePixelAt(view, percent)), (GridCell{column, row}))
                        << column << "," << row << " +" << inside;
                }
            }
        }
    }
    EXPECT_EQ(imagePixelAt({-1, -3}, 200), (GridPixel{-1, -2}));
    EXPECT_EQ(imagePixelAt({123, 456}, 100), (GridPixel{123, 456}));
}

TEST_F(EditorTest, PlacesTheSymbolUnderThePreviewAndKeepsTheOldDrawingForUndo) {
    drawRows(grid, 1, 1, {"2"});
    editor.selectSymbol(1);  // resistor, 1 x 3 cells
    editor.mouseMove({100, 100}, false);
    // Centred on the pointer: top-left = pointer - half the 27 x 9 box, snapped down.
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{81, 90}));
    const DrawingChanges changes = click({100, 100});
    EXPECT_EQ(area(grid, 10, 11, 3, 1), "1x1\n");
    EXPECT_TRUE(changes.changed);
    ASSERT_EQ(changes.glyphs.size(), 1u);
    EXPECT_EQ(changes.glyphs[0], (PlacedSymbol{10, 11, 1}));
    EXPECT_EQ(area(undoCopy, 1, 1, 1, 1) + area(undoCopy, 10, 11, 3, 1), "2\n000\n");
}

TEST_F(EditorTest, ThePreviewStaysWhereTheWholeSymbolOrMacroFits) {
    editor.selectSymbol(25);  // 5 x 5 op-amp
    editor.mouseMove({0, 0}, false);
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{9, 9}));
    click({897, 717});
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{95 * 9, 75 * 9}));
    EXPECT_EQ(grid.at(99, 78), '#');
    EXPECT_EQ(grid.at(100, 78), 'J');
    // A macro wider than the drawing keeps its top-left corner inside it.
    SymbolList wide;
    wide.append({200, 2, 4});
    editor.startMacro(wide);
    editor.mouseMove({400, 400}, false);
    EXPECT_EQ(editor.previews().symbolTopLeft.x, 9);
}

// A right click switches a symbol's form without placing it; the mouse pointer and the tools
// have no other form.
TEST_F(EditorTest, ToolButtonsSwitchTheOtherToolsOffAndRightClicksTheForm) {
    editor.selectSymbol(1);
    EXPECT_TRUE(click({200, 200}, MouseButton::Right).glyphs.empty());
    EXPECT_EQ(editor.currentSymbol(), 7);
    editor.selectSymbol(0);
    click({200, 200}, MouseButton::Right);
    EXPECT_EQ(editor.currentSymbol(), 0);

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
    click({200, 200}, MouseButton::Right);
    EXPECT_EQ(editor.currentSymbol(), 0);
    EXPECT_TRUE(grid.empty());
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
    // A loop closed on its start is closed; a right click on the last joint ends the line there.
    line({{10, 15}, {13, 15}, {13, 18}, {10, 18}, {10, 15}});
    EXPECT_EQ(area(grid, 10, 15, 4, 4), "3114\n2002\n2002\n5116\n");
    line({{5, 30}, {10, 30}, {10, 30}});
    EXPECT_EQ(area(grid, 4, 30, 8, 1), "01111110\n");
    EXPECT_EQ(editor.lineState(), LineState::Ein);
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

// The symbol list follows the grid back, the chosen symbol stays, and a line is one step.
TEST_F(EditorTest, UndoTakesBackTheWholeLineAndTheSymbolList) {
    editor.startLine();
    line({{10, 10}, {20, 10}, {20, 20}});
    const SchematicGrid withLine = grid;
    editor.selectSymbol(1);
    click(at(30, 30));
    editor.undo();
    EXPECT_EQ(grid, withLine);
    EXPECT_EQ(editor.currentSymbol(), 1);
    const DrawingChanges changes = editor.undo();
    EXPECT_TRUE(changes.changed);
    EXPECT_TRUE(changes.repaintAll);
    EXPECT_TRUE(grid.empty());
    EXPECT_TRUE(symbols.empty());
}

TEST_F(EditorTest, LinesDraggedBeyondTheImageStopAtItsEdge) {
    editor.startLine();
    click({-50, 5});
    click({3000, 5});
    click({3000, 3000}, MouseButton::Right);
    EXPECT_EQ(area(grid, 1, 1, 3, 1) + area(grid, 99, 1, 2, 1) + area(grid, 100, 79, 1, 2),
              "111\n14\n2\n2\n");
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
    EXPECT_TRUE(undoCopy.empty());
}

TEST_F(EditorTest, NodeToolAndGroundMarksChangeTheDrawingUndoably) {
    drawRows(grid, 10, 10, {"11111"});
    editor.startNode();
    const DrawingChanges changes = click(at(12, 10));
    EXPECT_EQ(grid.at(12, 10), 'H');
    EXPECT_EQ(changes.glyphs.at(0), (PlacedSymbol{12, 10, 50}));
    EXPECT_EQ(undoCopy.at(12, 10), '1');

    const SchematicGrid before = grid;
    EXPECT_FALSE(click(at(40, 40)).changed);
    EXPECT_EQ(grid, before);

    // Ground marks keep the tool and can be undone.
    editor.selectSymbol(3);
    drawRows(grid, 30, 10, {"2"});
    EXPECT_TRUE(editor.groundMarks().changed);
    EXPECT_EQ(grid.at(30, 11), 'I');
    EXPECT_EQ(editor.currentSymbol(), 3);
    editor.undo();
    EXPECT_EQ(grid.at(30, 11), '0');
}

TEST_F(EditorTest, StepsBackAndForthUntilTheRingIsFull) {
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

TEST_F(EditorTest, NewNetworkIsAStepAndEmptyStepsAreSkipped) {
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

// The macro is centred on the pointer like a symbol, lands on the cell under the preview's
// top-left corner, stays selected for further presses and ends with another tool.
TEST_F(EditorTest, EachPressInsertsTheMacroUntilAnotherToolIsChosen) {
    SymbolList macro;
    macro.append({2, 2, 1});   // resistor
    macro.append({6, 3, 10});  // a vertical wire cell: 5 x 2 cells in all
    editor.selectSymbol(4);
    editor.startMacro(macro);
    EXPECT_EQ(editor.currentSymbol(), 0);
    editor.setMacroMode(MacroMode::Mix);
    grid.set(12, 12, '2');
    click({100, 100});
    EXPECT_EQ(editor.previews().symbolTopLeft, (Pixel{72, 90}));
    EXPECT_EQ(grid.rowText(11).substr(8, 3), "1x1");
    EXPECT_EQ(grid.at(13, 12), '2');
    EXPECT_EQ(grid.at(12, 12), '2');  // mixed: kept between the macro's symbols
    EXPECT_EQ(undoCopy.at(9, 11), '0');

    click({300, 300});
    EXPECT_TRUE(editor.insertingMacro());
    EXPECT_EQ(undoCopy.at(9, 11), '1');
    editor.selectSymbol(1);
    EXPECT_FALSE(editor.insertingMacro());
}

TEST(ArrowImage, ThePressPositionPicksTheDirection) {
    struct Case {
        int x, y;
        std::optional<MoveDirection> expected;
    } cases[] = {
        {12, 22, MoveDirection::Down},  {8, 17, MoveDirection::Down},
        {22, 12, MoveDirection::Right}, {18, 8, MoveDirection::Right},
        {12, 2, MoveDirection::Up},     {16, 12, MoveDirection::Up},  // centre: up before left
        {2, 12, MoveDirection::Left},   {12, 14, MoveDirection::Left},
        {2, 2, std::nullopt},           {22, 22, std::nullopt},
        {7, 22, std::nullopt},          {17, 12, std::nullopt},
        {12, 13, MoveDirection::Left},  {12, 16, MoveDirection::Left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(arrowDirection(c.x, c.y), c.expected);
    }
}

class DrawingMoveTest : public EditorTest {
  protected:
    std::array<Component, 3> records{};

    void SetUp() override {
        grid.clear();
        undoCopy.clear();
        // A resistor with its letter at (11, 20), a vertical capacitor at (30, 41), and a record
        // of a component that has since been erased, at the very edge.
        stamp(grid, 1, 10, 20);
        stamp(grid, 9, 30, 40);
        records = {};
        records[0].row = 20, records[0].column = 11, records[0].code = 1;
        records[1].row = 41, records[1].column = 30, records[1].code = 9;
        records[2].row = 80, records[2].column = 1, records[2].code = 7;
    }
    std::string recordCells() const {
        std::string text;
        for (const Component& r : records)
            text += std::to_string(r.column) + "," + std::to_string(r.row) + " ";
        return text;
    }
};

// Each direction moves cells, symbols and records; with something at the edge it would push out,
// nothing changes.
TEST_F(DrawingMoveTest, EachDirectionMovesEverythingOrNothing) {
    struct Case {
        MoveDirection direction;
        int dc, dr;
        int column, row;  // at the edge the move would push out
    } cases[] = {{MoveDirection::Down, 0, 1, 50, 80},
                 {MoveDirection::Right, 1, 0, 100, 40},
                 {MoveDirection::Up, 0, -1, 50, 1},
                 {MoveDirection::Left, -1, 0, 1, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.direction));
        SetUp();
        SchematicGrid before = grid;
        DrawingChanges changes = editor.moveDrawing(c.direction, records);
        EXPECT_TRUE(changes.changed);
        EXPECT_TRUE(changes.repaintAll);
        EXPECT_EQ(undoCopy, before);
        for (int row = 1; row <= kGridRows; ++row)
            for (int column = 1; column <= kGridColumns; ++column)
                ASSERT_EQ(grid.at(column + c.dc, row + c.dr), before.at(column, row))
                    << column << "," << row;
        ASSERT_EQ(symbols.size(), 2);
        EXPECT_EQ(symbols[0], (PlacedSymbol{static_cast<std::uint8_t>(10 + c.dc),
                                            static_cast<std::uint8_t>(20 + c.dr), 1}));
        EXPECT_EQ(records[0].column, 11 + c.dc);
        EXPECT_EQ(records[0].row, 20 + c.dr);
        EXPECT_EQ(records[1].column, 30 + c.dc);
        EXPECT_EQ(records[1].row, 41 + c.dr);

        SetUp();
        grid.set(c.column, c.row, '2');
        before = grid;
        const std::string cellsBefore = recordCells();
        changes = editor.moveDrawing(c.direction, records);
        EXPECT_FALSE(changes.changed);
        EXPECT_FALSE(changes.repaintAll);
        EXPECT_EQ(grid, before);
        EXPECT_TRUE(undoCopy.empty());
        EXPECT_EQ(recordCells(), cellsBefore);
    }
}

// A record pushed off the grid names no cell any more. Undo and redo move the records along;
// a value entered meanwhile stays, as the records are moved, not restored.
TEST_F(DrawingMoveTest, UndoAndRedoMoveTheRecordsBackAndForth) {
    const SchematicGrid start = grid;
    for (const auto d : {MoveDirection::Down, MoveDirection::Right, MoveDirection::Right})
        editor.moveDrawing(d, records);
    const SchematicGrid moved = grid;
    EXPECT_EQ(recordCells(), "13,21 32,42 0,0 ");
    for (int k = 0; k < 3; ++k) editor.undo(records);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(recordCells().substr(0, 12), "11,20 30,41 ");
    records[0].value = 470;
    for (int k = 0; k < 3; ++k) editor.redo(records);
    EXPECT_EQ(grid, moved);
    EXPECT_EQ(recordCells(), "13,21 32,42 0,0 ");
    EXPECT_EQ(records[0].value, 470);
}

}  // namespace
}  // namespace volmira
