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

TEST(SchematicCheckTest, FindsTheFirstSideThatLeadsNowhere) {
    // The series loop spans columns 2..9 and rows 2..7; changes go below or replace its cells.
    const std::vector<FaultCase> cases = {
        {"wire end: the marker moves left",
         [](SchematicGrid& g) { setText(g, 20, 10, "11"); },
         {true, 20, 10, -9, 0}},
        {"a loop closed on a crossing: its sides up and left lead nowhere",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "7114");
             setText(g, 30, 21, "2002");
             setText(g, 30, 22, "5116");
         },
         {true, 30, 20, -4, -4}},
        {"corner into the closed side of a node mark: the marker moves down",
         [](SchematicGrid& g) {
             setText(g, 30, 20, "31");
             setText(g, 30, 21, "H");
         },
         {true, 30, 20, -4, 4}},
        {"capacitor lead cut below: seen through the capacitor, the wire above the gap",
         [](SchematicGrid& g) { g.set(9, 6, '0'); },
         {true, 9, 5, -4, 4}},
        {"a wire at the grid's edge leads out of it",
         [](SchematicGrid& g) {
             setText(g, 40, 1, "2");
             setText(g, 40, 2, "I");
         },
         {true, 40, 1, -4, -4}},
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
