#include "graphics/miniature.h"

#include <gtest/gtest.h>

#include <memory>

namespace volmira {
namespace {

using enum MiniatureShape;

MiniatureItem item(MiniatureShape shape, std::vector<PlotPoint> points) {
    return {shape, points};
}

std::unique_ptr<Network> oneBranch(int column, int row, std::string path) {
    auto network = std::make_unique<Network>();
    network->branchCount = 1;
    network->branch(1).startColumn = static_cast<std::uint8_t>(column);
    network->branch(1).startRow = static_cast<std::uint8_t>(row);
    network->branch(1).path = std::move(path);
    return network;
}

TEST(Miniature, BranchLineRunsUpToTheCellBeforeTheEndNode) {
    // From the node at (4, 2): right, right, down; the end node is (6, 3).
    const auto network = oneBranch(4, 2, "113");
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

}  // namespace
}  // namespace volmira
