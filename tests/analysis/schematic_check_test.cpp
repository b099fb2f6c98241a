#include "analysis/schematic_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::drawingText;

TEST(SchematicCheckTest, ProperDrawingsPass) {
    auto drawings = test::analysableDrawings();
    drawings.emplace_back("grid", test::junctionGrid(5, 5));
    drawings.emplace_back("empty", SchematicGrid{});
    for (const auto& [name, grid] : drawings) {
        const SchematicFault fault = checkSchematic(grid);
        EXPECT_FALSE(fault.found) << name << " at column " << fault.column << ", row " << fault.row
                                  << "\n"
                                  << drawingText(grid);
    }
}

struct FaultCase {
    const char* what;
    std::function<void(SchematicGrid&)> change;  // applied to the series loop
    SchematicFault expected;
};

void setText(SchematicGrid& grid, int column, int row, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        grid.set(column + static_cast<int>(i), row, text[i]);
}

TEST(SchematicCheckTest, FindsTheFirstOpenEnd) {
    // The series loop spans columns 2..9 and rows 2..7; changes go below or replace its cells.
    const std::vector<FaultCase> cases = {
        {"wire ending in an empty cell: the pair's first cell",
         [](SchematicGrid& g) { setText(g, 20, 10, "11"); },
         {true, 21, 10, 0, 0}},
        {"wire starting from an empty cell",
         [](SchematicGrid& g) { g.set(2, 7, '0'); },
         {true, 2, 7, 0, 0}},
        {"'10' is looked for before '01' in the same row",
         [](SchematicGrid& g) { setText(g, 20, 10, "0110"); },
         {true, 22, 10, 0, 0}},
        {"rows before pairs: an earlier row wins",
         [](SchematicGrid& g) {
             setText(g, 20, 12, "10");
             setText(g, 20, 11, "G1H");
         },
         {true, 20, 11, 0, 0}},
        {"wire into the side of a vertical node mark",
         [](SchematicGrid& g) { setText(g, 20, 10, "H1G"); },
         {true, 21, 10, 0, 0}},
        {"wire into the closed side of E",
         [](SchematicGrid& g) { setText(g, 20, 10, "H1E"); },
         {true, 21, 10, 0, 0}},
        {"wire leaving the closed side of D",
         [](SchematicGrid& g) { setText(g, 20, 10, "D1H"); },
         {true, 20, 10, 0, 0}},
        {"open side of E",
         [](SchematicGrid& g) { setText(g, 20, 10, "E0"); },
         {true, 20, 10, 0, 0}},
        {"open side of D",
         [](SchematicGrid& g) { setText(g, 20, 10, "0D"); },
         {true, 20, 10, 0, 0}},
        {"capacitor lead cut below: the wire above the gap, marker down-left",
         [](SchematicGrid& g) { g.set(9, 6, '0'); },
         {true, 9, 5, -4, 4}},
        {"vertical wire under a horizontal node mark: marker up-left",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "H");
             setText(g, 30, 21, "2");
         },
         {true, 30, 21, -4, -4}},
        {"vertical wire under F, whose sides do not go down",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "F");
             setText(g, 30, 21, "2");
         },
         {true, 30, 21, -4, -4}},
        {"vertical wire above C, whose sides do not go up",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "G");
             setText(g, 30, 21, "2");
             setText(g, 30, 22, "C");
         },
         {true, 30, 21, -4, 4}},
        {"vertical wire ending below in an empty cell",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "G");
             setText(g, 30, 21, "2");
         },
         {true, 30, 21, -4, 4}},
        {"the first and the last row are not looked at",
         [](SchematicGrid& g) {
             setText(g, 20, 1, "10");
             setText(g, 20, kGridRows, "01");
         },
         {}},
        {"a vertical wire in row 2 is checked against row 1",
         [](SchematicGrid& g) {
             setText(g, 40, 2, "2");
             setText(g, 40, 3, "I");
         },
         {true, 40, 2, -4, -4}},
    };
    for (const FaultCase& c : cases) {
        SchematicGrid grid = test::seriesRlcLoop();
        c.change(grid);
        const SchematicFault fault = checkSchematic(grid);
        EXPECT_EQ(fault.found, c.expected.found) << c.what;
        EXPECT_EQ(fault.column, c.expected.column) << c.what;
        EXPECT_EQ(fault.row, c.expected.row) << c.what;
        EXPECT_EQ(fault.shiftX, c.expected.shiftX) << c.what;
        EXPECT_EQ(fault.shiftY, c.expected.shiftY) << c.what;
    }
}

}  // namespace
}  // namespace volmira
