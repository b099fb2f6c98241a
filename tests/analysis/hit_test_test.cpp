#include "analysis/hit_test.h"

#include <gtest/gtest.h>

#include <memory>

#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

TEST(HitTest, CellsOfPixelsIncludingThoseLeftOfAndAboveTheImage) {
    EXPECT_EQ(cellAtPixel({-2, -2}), (GridCell{1, 1}));
    EXPECT_EQ(cellAtPixel({6, 6}), (GridCell{1, 1}));
    EXPECT_EQ(cellAtPixel({7, 16}), (GridCell{2, 3}));
    EXPECT_EQ(cellAtPixel({-3, -12}), (GridCell{0, -1}));
    for (GridCell c : {GridCell{1, 1}, GridCell{57, 33}, GridCell{kGridColumns, kGridRows}}) {
        const GridPixel corner = cellBoxTopLeft(c);
        EXPECT_EQ(cellAtPixel(corner), c);
        EXPECT_EQ(cellAtPixel({corner.x + 8, corner.y + 8}), c);
    }
}

// The series loop: "R 1" at (4, 2) horizontal, the wire of its branch around the loop.
TEST(HitTest, BranchAndComponentAtACell) {
    auto network = std::make_unique<Network>();
    ASSERT_TRUE(analyseNetwork(test::seriesRlcLoop(), {}, *network).ok());
    const auto at = [&](int column, int row) {
        const GridPixel p = cellBoxTopLeft({column, row});
        return hitAtPixel(*network, p.x + 4, p.y + 4);
    };
    EXPECT_EQ(at(5, 7).branch, 3);  // bottom wire
    EXPECT_EQ(at(5, 7).component, 0);
    EXPECT_EQ(at(3, 2).component, 1);  // the resistor's left lead
    EXPECT_EQ(at(3, 2).branch, 3);
    EXPECT_EQ(at(2, 4).branch, 0);  // a node cell
    EXPECT_EQ(at(40, 40).branch, 0);
    EXPECT_EQ(hitAtPixel(*network, -20, 5).cell.column, -1);
    EXPECT_EQ(hitAtPixel(*network, -20, 5).branch, 0);
}

}  // namespace
}  // namespace volmira
