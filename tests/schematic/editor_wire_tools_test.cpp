#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "schematic/wire_tools.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::area;
using test::drawRows;

// A wire cell placed over each cell it may meet, and the code that results.
struct MergeCase {
    int code;
    std::string_view present;
    std::vector<int> expected;
};

TEST(WireCell, MergesWithWhatItPasses) {
    const MergeCase cases[] = {
        {10, "017BCFHDEG23xI", {10, 11, 11, 44, 44, 44, 44, 46, 47, 51, 10, 10, 10, 10}},
        {4, "027BDEGCFH16z", {4, 11, 11, 44, 44, 44, 44, 45, 48, 50, 4, 4, 4}},
        // other codes are placed as they are
        {40, "1", {40}},
        {45, "2", {45}},
        {11, "H", {11}},
    };
    for (const MergeCase& c : cases) {
        ASSERT_EQ(c.present.size(), c.expected.size());
        for (std::size_t i = 0; i < c.present.size(); ++i) {
            const char present = c.present[i];
            const int expected = c.expected[i];
            SCOPED_TRACE(std::to_string(c.code) + " over " + present);
            EXPECT_EQ(mergedWireCode(c.code, present), expected);

            SchematicGrid grid;
            grid.set(7, 9, present);
            DrawingChanges changes;
            placeWireCell(grid, {7, 9}, c.code, changes);
            EXPECT_EQ(grid.at(7, 9), SymbolCatalogue::instance().cell(expected, 0, 0));
            ASSERT_EQ(changes.glyphs.size(), 1u);
            EXPECT_EQ(changes.glyphs[0], (PlacedSymbol{7, 9, static_cast<SymbolCode>(expected)}));
            EXPECT_EQ(changes.changed, present != grid.at(7, 9));
        }
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

TEST(LineEnd, JoinsWhatItEndsOnAsTheLiveSidesRequire) {
    using D = Direction;
    struct Case {
        D travel;
        std::vector<std::string> before;  // 3 x 3 around the end cell (21, 21)
        std::vector<std::string> after;
    } cases[] = {
        // An empty end cell becomes a wire end, one short of a node mark joins the mark.
        {D::VonUnten, {"000", "000", "000"}, {"000", "020", "000"}},
        {D::VonUnten, {"1H1", "000", "000"}, {"1C1", "020", "000"}},
        {D::VonRechts, {"200", "G00", "200"}, {"200", "E10", "200"}},
        // A wire end becomes a corner, a wire or node mark a T-junction, a corner a T too.
        {D::VonUnten, {"000", "110", "000"}, {"000", "140", "000"}},
        {D::VonLinks, {"020", "020", "000"}, {"020", "060", "000"}},
        {D::VonUnten, {"000", "111", "000"}, {"000", "1C1", "000"}},
        {D::VonOben, {"000", "1H1", "000"}, {"000", "1F1", "000"}},
        {D::VonLinks, {"000", "031", "020"}, {"000", "0C1", "020"}},
        // What connects there already stays; a lone wire cell of the other direction turns.
        {D::VonRechts, {"000", "0H0", "000"}, {"000", "0H0", "000"}},
        {D::VonUnten, {"020", "070", "020"}, {"020", "070", "020"}},
        {D::VonUnten, {"000", "010", "000"}, {"000", "020", "000"}},
        // Never a component.
        {D::VonUnten, {"000", "1x1", "000"}, {"000", "1x1", "000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before[0] + "/" + c.before[1] + "/" + c.before[2] + " travel " +
                     std::to_string(int(c.travel)));
        SchematicGrid grid;
        drawRows(grid, 20, 20, c.before);
        DrawingChanges changes;
        joinLineEnd(grid, {21, 21}, c.travel, changes);
        EXPECT_EQ(area(grid, 20, 20, 3, 3),
                  c.after[0] + "\n" + c.after[1] + "\n" + c.after[2] + "\n");
    }
}

TEST(LineJoints, AStartJoinsLikeAnEndAndACornerOnAWireIsAJunction) {
    SchematicGrid grid;
    DrawingChanges changes;
    // Leaving the cell below a node mark downward: the mark becomes a T opening downward.
    drawRows(grid, 10, 10, {"1H1"});
    joinLineStart(grid, {11, 11}, Direction::VonOben, changes);
    EXPECT_EQ(area(grid, 10, 10, 3, 2), "1C1\n020\n");
    joinLineCorner(grid, {5, 5}, Direction::VonLinks, Direction::VonOben, changes);
    EXPECT_EQ(grid.at(5, 5), '4');
    drawRows(grid, 20, 5, {"020", "020", "020"});
    joinLineCorner(grid, {21, 6}, Direction::VonRechts, Direction::VonRechts, changes);
    EXPECT_EQ(area(grid, 20, 5, 3, 3), "020\n0B0\n020\n");
}

// Nothing is written outside the grid, and nothing beyond its edge connects.
TEST(WireTools, StopAtTheGridEdge) {
    for (Cell outside : {Cell{5, 0}, Cell{5, 81}, Cell{0, 5}, Cell{101, 5}, Cell{-3, -3}}) {
        SchematicGrid grid;
        DrawingChanges changes;
        placeWireCell(grid, outside, 10, changes);
        EXPECT_TRUE(grid.empty());
        EXPECT_TRUE(changes.glyphs.empty());
        EXPECT_FALSE(changes.changed);
    }
    SchematicGrid grid;
    DrawingChanges changes;
    joinLineEnd(grid, {50, 1}, Direction::VonUnten, changes);
    EXPECT_EQ(grid.at(50, 1), '2');
    joinLineEnd(grid, {50, 0}, Direction::VonUnten, changes);
    EXPECT_EQ(grid.at(50, 1), '2');

    drawRows(grid, 1, 1, {"11"});
    EXPECT_EQ(nodeCodeFor(grid, {1, 1}), 0);
    drawRows(grid, 99, 80, {"11"});
    EXPECT_EQ(nodeCodeFor(grid, {100, 80}), 0);
    drawRows(grid, 98, 80, {"1"});
    EXPECT_EQ(nodeCodeFor(grid, {99, 80}), 50);
    EXPECT_EQ(nodeCodeFor(grid, {0, 5}), 0);
}

TEST(Rectangle, CornersAndEdgesJoinOrCrossWhatTheyMeetUnlessTooNarrow) {
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

    // One narrower than two cells is ignored.
    for (auto [a, b] : {std::pair{Cell{5, 5}, Cell{6, 9}}, std::pair{Cell{5, 5}, Cell{9, 6}},
                        std::pair{Cell{5, 5}, Cell{5, 5}}}) {
        SchematicGrid blank;
        DrawingChanges none;
        EXPECT_FALSE(layRectangle(blank, a, b, none));
        EXPECT_TRUE(blank.empty());
        EXPECT_TRUE(none.glyphs.empty());
    }
    grid.clear();
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

TEST(GroundMarks, GoBelowEveryWireEndThatLeadsDownIntoAnEmptyCell) {
    SchematicGrid grid;
    drawRows(grid, 1, 1, {"2734BCDEG1FH56Ix"});
    drawRows(grid, 30, 5, {"2", "2", "z"});  // the wire leads into a component: no mark
    drawRows(grid, 40, 80, {"2"});           // nothing below the last row
    DrawingChanges changes;
    setGroundMarks(grid, changes);
    EXPECT_EQ(area(grid, 1, 2, 16, 1), "IIIIIIIII0000000\n");
    EXPECT_EQ(area(grid, 30, 7, 1, 2), "z\n0\n");
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
