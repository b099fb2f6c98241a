#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_grid_text.h"
#include "schematic/wire_tools.h"

namespace volmira {
namespace {

using test::area;
using test::drawRows;

struct MergeCase {
    int code;
    char present;
    int expected;
};

TEST(WireCell, MergesWithWhatItPasses) {
    const MergeCase cases[] = {
        // a vertical wire cell
        {10, '0', 10},
        {10, '1', 11},
        {10, '7', 11},
        {10, 'B', 44},
        {10, 'C', 44},
        {10, 'F', 44},
        {10, 'H', 44},
        {10, 'D', 46},
        {10, 'E', 47},
        {10, 'G', 51},
        {10, '2', 10},
        {10, '3', 10},
        {10, 'x', 10},
        {10, 'I', 10},
        // a horizontal wire cell
        {4, '0', 4},
        {4, '2', 11},
        {4, '7', 11},
        {4, 'B', 44},
        {4, 'D', 44},
        {4, 'E', 44},
        {4, 'G', 44},
        {4, 'C', 45},
        {4, 'F', 48},
        {4, 'H', 50},
        {4, '1', 4},
        {4, '6', 4},
        {4, 'z', 4},
        // other codes are placed as they are
        {40, '1', 40},
        {45, '2', 45},
        {11, 'H', 11},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " over " + c.present);
        EXPECT_EQ(mergedWireCode(c.code, c.present), c.expected);

        SchematicGrid grid;
        grid.set(7, 9, c.present);
        DrawingChanges changes;
        placeWireCell(grid, {7, 9}, c.code, changes);
        EXPECT_EQ(grid.at(7, 9), SymbolCatalogue::instance().cell(c.expected, 0, 0));
        ASSERT_EQ(changes.glyphs.size(), 1u);
        EXPECT_EQ(changes.glyphs[0], (PlacedSymbol{7, 9, static_cast<SymbolCode>(c.expected)}));
        EXPECT_EQ(changes.changed, c.present != grid.at(7, 9));
    }
}

TEST(WireCell, OutsideTheGridIsNeverWritten) {
    for (Cell outside : {Cell{5, 0}, Cell{5, 81}, Cell{0, 5}, Cell{101, 5}, Cell{-3, -3}}) {
        SchematicGrid grid;
        DrawingChanges changes;
        placeWireCell(grid, outside, 10, changes);
        EXPECT_TRUE(grid.empty());
        EXPECT_TRUE(changes.glyphs.empty());
        EXPECT_FALSE(changes.changed);
    }
}

TEST(LineCorner, JoinsThePreviousAndTheCurrentDirection) {
    using D = Direction;
    struct Case {
        D previous, current;
        int code;
    } cases[] = {
        {D::VonUnten, D::VonLinks, 40},  {D::VonUnten, D::VonRechts, 41},
        {D::VonUnten, D::VonOben, 10},   {D::VonUnten, D::VonUnten, 10},
        {D::VonOben, D::VonLinks, 42},   {D::VonOben, D::VonRechts, 43},
        {D::VonOben, D::VonOben, 10},    {D::VonOben, D::VonUnten, 10},
        {D::VonRechts, D::VonUnten, 42}, {D::VonRechts, D::VonOben, 40},
        {D::VonRechts, D::VonRechts, 4}, {D::VonRechts, D::VonLinks, 4},
        {D::VonLinks, D::VonOben, 41},   {D::VonLinks, D::VonUnten, 43},
        {D::VonLinks, D::VonRechts, 4},  {D::VonLinks, D::VonLinks, 4},
        {D::None, D::VonLinks, 0},       {D::VonOben, D::None, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.previous) * 10 + int(c.current));
        EXPECT_EQ(cornerCode(c.previous, c.current), c.code);
    }
}

TEST(LineEnd, JoinsNodeMarksAndCrossesPlainWires) {
    using D = Direction;
    struct Case {
        D travel;
        char end, beyond;
        char endAfter, beyondAfter;
    } cases[] = {
        {D::VonUnten, 'H', '0', 'C', '0'},  {D::VonUnten, '0', 'H', '2', 'C'},
        {D::VonUnten, '0', '0', '2', '0'},  {D::VonUnten, '1', '0', '7', '0'},
        {D::VonUnten, 'x', '0', 'x', '0'},  {D::VonUnten, 'G', '0', 'G', '0'},
        {D::VonOben, 'H', '0', 'F', '0'},   {D::VonOben, '0', 'H', '2', 'F'},
        {D::VonOben, '1', '1', '7', '1'},   {D::VonOben, '2', '0', '2', '0'},
        {D::VonLinks, 'G', '0', 'D', '0'},  {D::VonLinks, '0', 'G', '1', 'D'},
        {D::VonLinks, '0', '0', '1', '0'},  {D::VonLinks, '2', '0', '7', '0'},
        {D::VonRechts, 'G', '0', 'E', '0'}, {D::VonRechts, '0', 'G', '1', 'E'},
        {D::VonRechts, '2', 'G', '7', 'E'}, {D::VonRechts, 'H', '0', 'H', '0'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.end) + c.beyond + " travel " + std::to_string(int(c.travel)));
        SchematicGrid grid;
        const Cell end{20, 20};
        const Cell beyond = step(end, c.travel);
        grid.set(end.column, end.row, c.end);
        grid.set(beyond.column, beyond.row, c.beyond);
        DrawingChanges changes;
        joinLineEnd(grid, end, c.travel, changes);
        EXPECT_EQ(grid.at(end.column, end.row), c.endAfter);
        EXPECT_EQ(grid.at(beyond.column, beyond.row), c.beyondAfter);
    }
}

TEST(LineEnd, AtTheGridEdgeLooksNoFurther) {
    SchematicGrid grid;
    DrawingChanges changes;
    joinLineEnd(grid, {50, 1}, Direction::VonUnten, changes);
    EXPECT_EQ(grid.at(50, 1), '2');
    joinLineEnd(grid, {50, 0}, Direction::VonUnten, changes);
    EXPECT_EQ(grid.at(50, 1), '2');
}

TEST(LineStart, JoinsANodeMarkBehindOrUnderItLikeAnEnd) {
    SchematicGrid grid;
    drawRows(grid, 10, 10, {"1H1"});
    DrawingChanges changes;
    // Leaving the cell below the mark downward: the mark behind becomes a T opening downward.
    joinLineStart(grid, {11, 11}, Direction::VonOben, changes);
    EXPECT_EQ(area(grid, 10, 10, 3, 2), "1C1\n020\n");

    drawRows(grid, 30, 10, {"1H1"});
    joinLineStart(grid, {31, 10}, Direction::VonUnten, changes);
    EXPECT_EQ(grid.at(31, 10), 'F');

    // Anything else is a plain wire cell with the merge rule.
    drawRows(grid, 50, 10, {"1"});
    joinLineStart(grid, {50, 10}, Direction::VonOben, changes);
    EXPECT_EQ(grid.at(50, 10), '7');
}

TEST(Rectangle, CornersAndEdgesJoinOrCrossWhatTheyMeet) {
    SchematicGrid grid;
    drawRows(grid, 3, 6, {"1111111111"});  // a wire through the left and right edges
    DrawingChanges changes;
    ASSERT_TRUE(layRectangle(grid, {8, 9}, {5, 4}, changes));
    EXPECT_EQ(area(grid, 3, 4, 10, 6),
              "0031140000\n"
              "0020020000\n"
              "1171171111\n"
              "0020020000\n"
              "0020020000\n"
              "0051160000\n");
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(changes.glyphs.front(), (PlacedSymbol{5, 4, 40}));
}

TEST(Rectangle, NarrowerThanTwoCellsIsIgnored) {
    for (auto [a, b] : {std::pair{Cell{5, 5}, Cell{6, 9}}, std::pair{Cell{5, 5}, Cell{9, 6}},
                        std::pair{Cell{5, 5}, Cell{5, 5}}}) {
        SchematicGrid grid;
        DrawingChanges changes;
        EXPECT_FALSE(layRectangle(grid, a, b, changes));
        EXPECT_TRUE(grid.empty());
        EXPECT_TRUE(changes.glyphs.empty());
    }
    SchematicGrid grid;
    DrawingChanges changes;
    EXPECT_TRUE(layRectangle(grid, {5, 5}, {7, 7}, changes));
    EXPECT_EQ(area(grid, 5, 5, 3, 3), "314\n202\n516\n");
}

TEST(NodeTool, PicksTheJunctionThatFitsTheNeighbours) {
    struct Case {
        std::vector<std::string> around;  // 3 x 3 with the cell in the middle
        char expected;                    // '0': nothing fits
    } cases[] = {
        {{"000", "111", "000"}, 'H'},
        {{"020", "111", "020"}, 'B'},  // wires on all four sides
        {{"020", "020", "020"}, 'G'},
        {{"020", "121", "000"}, 'F'},
        {{"000", "121", "020"}, 'C'},
        {{"020", "021", "020"}, 'E'},
        {{"020", "120", "020"}, 'D'},
        {{"030", "H1G", "050"}, 'D'},  // "G" on the right has no side towards the cell
        {{"040", "010", "060"}, 'G'},  // corners leading down from above and up from below
        {{"000", "010", "000"}, '0'},
        {{"000", "110", "000"}, '0'},  // one side only
        {{"0F0", "D0E", "0C0"}, '0'},  // junctions facing away
        {{"0C0", "E0D", "0B0"}, 'B'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.around[0] + "/" + c.around[1] + "/" + c.around[2]);
        SchematicGrid grid;
        drawRows(grid, 10, 10, c.around);
        const int code = nodeCodeFor(grid, {11, 11});
        EXPECT_EQ(code == 0 ? '0' : SymbolCatalogue::instance().cell(code, 0, 0), c.expected);
    }
}

TEST(NodeTool, NeighboursBeyondTheEdgeDoNotConnect) {
    SchematicGrid grid;
    drawRows(grid, 1, 1, {"11"});
    EXPECT_EQ(nodeCodeFor(grid, {1, 1}), 0);
    drawRows(grid, 99, 80, {"11"});
    EXPECT_EQ(nodeCodeFor(grid, {100, 80}), 0);
    drawRows(grid, 98, 80, {"1"});
    EXPECT_EQ(nodeCodeFor(grid, {99, 80}), 50);
    EXPECT_EQ(nodeCodeFor(grid, {0, 5}), 0);
}

TEST(GroundMarks, GoBelowEveryWireEndThatLeadsDownIntoAnEmptyCell) {
    SchematicGrid grid;
    drawRows(grid, 1, 1, {"2734BCDEG1FH56Ix"});
    drawRows(grid, 1, 2, {"0000000000000000"});
    drawRows(grid, 30, 5, {"2", "2", "z"});  // the wire leads into a component: no mark
    drawRows(grid, 40, 80, {"2"});           // nothing below the last row
    DrawingChanges changes;
    setGroundMarks(grid, changes);
    EXPECT_EQ(area(grid, 1, 2, 16, 1), "IIIIIIIII0000000\n");
    EXPECT_EQ(grid.at(30, 8), '0');
    EXPECT_EQ(grid.at(30, 7), 'z');
    EXPECT_EQ(grid.at(40, 80), '2');
    EXPECT_EQ(changes.glyphs.size(), 9u);
    EXPECT_EQ(changes.glyphs[0], (PlacedSymbol{1, 2, 49}));

    // A second pass finds nothing more to do.
    DrawingChanges again;
    setGroundMarks(grid, again);
    EXPECT_FALSE(again.changed);
    EXPECT_TRUE(again.glyphs.empty());
}

}  // namespace
}  // namespace volmira
