// The miniature's shapes at 5 pixels per cell, and the branch and component under a pixel.
#include "graphics/miniature.h"

#include <gtest/gtest.h>

#include <memory>

#include "analysis/calculation.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using enum MiniatureShape;

MiniatureItem item(MiniatureShape shape, std::vector<PlotPoint> points) {
    return {shape, points};
}

TEST(Miniature, BranchLineRunsUpToTheCellBeforeTheEndNode) {
    // From the node at (4, 2): right, right, down; the end node is (6, 3).
    auto network = std::make_unique<Network>();
    network->branchCount = 1;
    network->branch(1).startColumn = 4;
    network->branch(1).startRow = 2;
    network->branch(1).path = "113";
    const SchematicGrid empty;
    const auto items = buildMiniature(empty, *network);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], item(Polyline, {{20, 10}, {25, 10}, {30, 10}}));
    // The highlight marks the start node's cell and the branch's, not the end node's.
    EXPECT_EQ(branchHighlightBoxes(*network, 1),
              (std::vector<PlotPoint>{{18, 8}, {23, 8}, {28, 8}}));
    EXPECT_TRUE(branchHighlightBoxes(*network, 0).empty());
    EXPECT_TRUE(branchHighlightBoxes(*network, 2).empty());
}

TEST(Miniature, SymbolsFollowTheirCellAndOrientation) {
    SchematicGrid grid;
    grid.set(10, 5, 'x');  // horizontal resistor: wire cell to its right
    grid.set(11, 5, '1');
    grid.set(20, 5, 'y');   // vertical inductor
    grid.set(30, 5, 'z');   // vertical capacitor
    grid.set(40, 5, 'C');   // junction
    grid.set(50, 10, '#');  // op-amp with its output to the right
    grid.set(51, 10, 'J');
    grid.set(60, 5, 'A');
    grid.set(70, 5, 'I');
    const Network none;  // not analysed: the symbols alone
    const auto items = buildMiniature(grid, none);
    const std::vector<MiniatureItem> expected{
        item(WhiteBox, {{46, 23}, {54, 28}}),  item(Filled, {{98, 21}, {103, 29}}),
        item(Clear, {{148, 23}, {153, 28}}),   item(Filled, {{148, 23}, {153, 25}}),
        item(Filled, {{148, 26}, {153, 28}}),  item(Filled, {{199, 24}, {202, 27}}),
        item(Ellipse, {{295, 20}, {306, 31}}), item(Filled, {{347, 25}, {354, 28}}),
        item(Clear, {{237, 40}, {256, 60}}),   item(Triangle, {{257, 50}, {237, 60}, {237, 40}}),
    };
    EXPECT_EQ(items, expected);
}

TEST(MiniatureHit, EveryCellOfABranchGivesItsNumberTwoPixelsEitherSideOfItsPoint) {
    Calculation calc;
    ASSERT_TRUE(calc.analyse(test::wheatstoneBridge()).ok());
    const Network& network = calc.network();
    ASSERT_GE(network.branchCount, 5);
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        int column = branch.startColumn, row = branch.startRow;
        // The cells between the start and the end node: wires and components of branch k.
        for (std::size_t step = 0; step + 1 < branch.path.size(); ++step) {
            stepAlongPath(branch.path[step], column, row);
            for (int dx : {-2, 0, 2})
                EXPECT_EQ(miniatureBranchAt(network, 5 * column + dx, 5 * row + dx), k)
                    << k << " " << column << "," << row;
        }
    }
    EXPECT_EQ(miniatureCell(7, 12), (GridCell{1, 2}));
    EXPECT_EQ(miniatureCell(8, 13), (GridCell{2, 3}));
    // An empty cell and a point outside the grid.
    EXPECT_EQ(miniatureBranchAt(network, 5 * 99, 5 * 79), 0);
    EXPECT_EQ(miniatureComponentAt(network, 5 * 99, 5 * 79), 0);
    EXPECT_EQ(miniatureBranchAt(network, -40, 10), 0);
}

TEST(MiniatureHit, ComponentsCoverTheirLeadCellsOnTheirOwnLine) {
    Calculation calc;
    ASSERT_TRUE(calc.analyse(test::rcLowPass()).ok());
    const Network& network = calc.network();
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& c = network.component(k);
        const bool horizontal = c.code <= 3;
        const int dx = horizontal ? 5 : 0, dy = horizontal ? 0 : 5;
        const int x = 5 * c.column, y = 5 * c.row;
        EXPECT_EQ(miniatureComponentAt(network, x - dx, y - dy), k);
        EXPECT_EQ(miniatureComponentAt(network, x + dx, y + dy), k);
        EXPECT_NE(miniatureComponentAt(network, x - 2 * dx, y - 2 * dy), k);
        // Beside its line: not the component.
        EXPECT_NE(miniatureComponentAt(network, x + dy, y + dx), k);
    }
}

}  // namespace
}  // namespace volmira
