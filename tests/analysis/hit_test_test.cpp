#include "analysis/hit_test.h"

#include <gtest/gtest.h>

#include <memory>

#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// The series loop: "R 1" at (4, 2) horizontal in branch 3; the branch map's own cells are the
// topology's tests.
TEST(HitTest, BranchAndComponentUnderAPixel) {
    auto network = std::make_unique<Network>();
    ASSERT_TRUE(analyseNetwork(test::seriesRlcLoop(), {}, *network).ok());
    const auto at = [&](int column, int row) {
        const GridPixel p = cellBoxTopLeft({column, row});
        return hitAtPixel(*network, p.x + 4, p.y + 4);
    };
    EXPECT_EQ(at(3, 2).component, 1);  // the resistor's left lead
    EXPECT_EQ(at(3, 2).branch, 3);
    EXPECT_EQ(at(3, 2).cell, (GridCell{3, 2}));
    EXPECT_EQ(at(5, 7).branch, 3);  // bottom wire
    EXPECT_EQ(at(5, 7).component, 0);
    EXPECT_EQ(at(2, 4).branch, 0);  // a node cell
    // Cell boxes begin two pixels left of and above their wires' crossing point.
    EXPECT_EQ(hitAtPixel(*network, -2, -2).cell, (GridCell{1, 1}));
    const NetworkHit outside = hitAtPixel(*network, -3, -12);
    EXPECT_EQ(outside.cell, (GridCell{0, -1}));
    EXPECT_EQ(outside.branch, 0);
}

}  // namespace
}  // namespace volmira
