#include "schematic/macro_insert.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

// A horizontal resistor at (2, 2) and a vertical wire cell at (6, 3): 5 columns by 2 rows, with
// room between them.
SymbolList resistorAndWire() {
    SymbolList macro;
    macro.append({2, 2, 1});
    macro.append({6, 3, 10});
    return macro;
}

// A vertical wire down column 13 through the macro's rectangle at (10, 5).
SchematicGrid wireDownColumn13() {
    SchematicGrid grid;
    for (int row = 1; row <= 10; ++row) grid.set(13, row, '2');
    return grid;
}

TEST(MacroInsert, ExtentReachesTheLastCellOfAnyEntry) {
    const MacroExtent extent = macroExtent(resistorAndWire());
    EXPECT_EQ(extent.columns, 5);
    EXPECT_EQ(extent.rows, 2);
}

TEST(MacroInsert, CoverLeavesOnlyTheMacroInsideItsRectangle) {
    SchematicGrid grid = wireDownColumn13();
    const DrawingChanges changes = insertMacro(grid, resistorAndWire(), {10, 5}, MacroMode::Cover);
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(grid.rowText(5).substr(9, 5), "1x100");
    EXPECT_EQ(grid.rowText(6).substr(9, 5), "00002");
    EXPECT_EQ(grid.at(13, 4), '2');  // outside the rectangle
    EXPECT_EQ(grid.at(13, 7), '2');
    // The cleared cells are painted white before the macro's glyphs.
    ASSERT_EQ(changes.glyphs.size(), 10u + 2u);
    EXPECT_EQ(changes.glyphs.back(), (PlacedSymbol{14, 6, 10}));
}

TEST(MacroInsert, MixKeepsTheWiresBetweenTheMacrosSymbols) {
    SchematicGrid grid = wireDownColumn13();
    const DrawingChanges changes = insertMacro(grid, resistorAndWire(), {10, 5}, MacroMode::Mix);
    EXPECT_EQ(grid.rowText(5).substr(9, 5), "1x120");
    EXPECT_EQ(grid.rowText(6).substr(9, 5), "00022");
    EXPECT_EQ(changes.glyphs.size(), 2u);
}

TEST(MacroInsert, EntriesBeyondTheGridAreLeftOut) {
    SchematicGrid grid;
    insertMacro(grid, resistorAndWire(), {kGridColumns - 3, kGridRows}, MacroMode::Cover);
    EXPECT_EQ(grid.rowText(kGridRows).substr(kGridColumns - 4), "1x10");
}

}  // namespace
}  // namespace volmira
