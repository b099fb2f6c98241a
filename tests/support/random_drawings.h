#pragma once
// Drawings on a lattice for tests that need many of them: junctions 4 columns and 5 rows apart,
// the source joining points (0,0) and (0,1) from the left; each lattice edge is missing, a wire
// or carries one component; a point without a lower edge may carry a ground mark below it.
// Random lattices, ladders with a return rail and resistor grids all come from one plan.
#include <array>
#include <random>

#include "schematic/grid.h"

namespace volmira::test {

struct LatticePlan {
    static constexpr int kMaxColumns = 23, kMaxRows = 15;
    int columns = 2, rows = 2;
    // The edge right of point (i, j) and the one below it: present, and the symbol code of its
    // component (0: a bare wire).
    std::array<std::array<bool, kMaxRows>, kMaxColumns> right{}, down{}, ground{};
    std::array<std::array<int, kMaxRows>, kMaxColumns> rightPart{}, downPart{};
    // A point with two edges in line becomes a node mark rather than a wire cell; a vertical
    // part sits one cell lower.
    std::array<std::array<bool, kMaxRows>, kMaxColumns> nodeMark{}, partLower{};
};

SchematicGrid drawLattice(const LatticePlan& plan);

// Any lattice of 2..6 x 2..5 points, 70 % of the edges present, 60 % of them with a component
// (R, L or C), a fifth of the free points grounded; points with two edges in line become wire
// cells or node marks at random.
LatticePlan randomLattice(std::mt19937& random);

// A ladder of 1..12 sections: series parts on the top rail, shunt parts down to a bare return
// rail, which carries no, one or several ground marks.
LatticePlan randomLadder(std::mt19937& random);

// A ladder of 1..22 sections whose bare return rail carries a ground mark at its start, its end
// and, from three sections on, in its middle: loops of bare wire through ground. One section is
// a voltage divider of two resistors; longer ladders take R, L and C in turn.
LatticePlan groundedRailLadder(int sections);

// A grid of columns x rows points with a resistor on every edge.
LatticePlan resistorGrid(int columns, int rows);

}  // namespace volmira::test
