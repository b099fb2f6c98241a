// Random lattice drawings: whatever the drawing, the analysis either reports one of its errors or
// gives a square system whose meshes are independent closed loops through the source.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "analysis/ac_solver.h"
#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::Sketch;

// Lattice points 4 columns and 5 rows apart; the source joins points (0,0) and (0,1) from the
// left. Each lattice edge is a wire or carries one component; points become junctions, node
// marks, corners, ground marks or end nodes by the edges they have.
SchematicGrid randomLattice(std::mt19937& random) {
    std::uniform_int_distribution<int> columnsOf(2, 6), rowsOf(2, 5), percent(0, 99);
    const int nx = columnsOf(random), ny = rowsOf(random);
    auto px = [](int i) { return 6 + 4 * i; };
    auto py = [](int j) { return 2 + 5 * j; };
    // Edges: right of point (i, j) and below it.
    bool right[8][8] = {}, down[8][8] = {}, stub[8][8] = {};
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            right[i][j] = i + 1 < nx && percent(random) < 70;
            down[i][j] = j + 1 < ny && percent(random) < 70;
            stub[i][j] = !down[i][j] && percent(random) < 20;  // a ground mark below
        }
    Sketch s;
    s.put(test::code::cornerDownRight, 2, 2)
        .put(test::code::verticalSource, 1, 3)
        .put(test::code::cornerUpRight, 2, 7)
        .horizontalWire(2, 3, 5)
        .horizontalWire(7, 3, 5);
    auto part = [&](bool vertical) {
        const int roll = percent(random);
        if (roll < 40) return 0;
        return (roll < 70 ? 1 : roll < 85 ? 2 : 3) + (vertical ? 6 : 0);
    };
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const int c = px(i), r = py(j);
            if (right[i][j]) {
                s.horizontalWire(r, c + 1, c + 3);
                if (const int code = part(false)) s.put(code, c + 1, r);
            }
            if (down[i][j]) {
                s.verticalWire(c, r + 1, r + 4);
                if (const int code = part(true)) s.put(code, c, r + 1 + percent(random) % 2);
            }
            if (stub[i][j]) s.put(test::code::ground, c, r + 1);
            const bool up = j > 0 && down[i][j - 1];
            const bool left = (i > 0 && right[i - 1][j]) || (i == 0 && j <= 1);
            const bool rightSide = right[i][j];
            const bool downSide = down[i][j] || stub[i][j];
            const int sides = up + left + rightSide + downSide;
            char cell = '0';
            if (sides == 4)
                cell = 'B';
            else if (sides == 3)
                cell = !up ? 'C' : !rightSide ? 'D' : !left ? 'E' : 'F';
            else if (sides == 2) {
                if (left && rightSide)
                    cell = percent(random) < 50 ? 'H' : '1';
                else if (up && downSide)
                    cell = percent(random) < 50 ? 'G' : '2';
                else if (rightSide && downSide)
                    cell = '3';
                else if (left && downSide)
                    cell = '4';
                else if (up && rightSide)
                    cell = '5';
                else
                    cell = '6';
            } else if (sides == 1) {
                cell = up ? 'I' : rightSide ? 'J' : left ? 'K' : '0';
            }
            s.grid().set(c, r, cell);
        }
    }
    return s.grid();
}

// Node incidence of branch k: +1 at its start, -1 at its end.
int incidence(const Branch& branch, int node) {
    return (branch.startNode == node ? 1 : 0) - (branch.endNode == node ? 1 : 0);
}

int rankOf(const Network& n) {
    std::array<std::array<double, kMaxBranches>, kMaxMeshes> rows{};
    for (int m = 0; m < n.meshCount; ++m)
        for (int k = 0; k < kMaxBranches; ++k)
            rows[static_cast<std::size_t>(m)][static_cast<std::size_t>(k)] =
                n.meshRows[static_cast<std::size_t>(m)][static_cast<std::size_t>(k)];
    int rank = 0;
    for (std::size_t col = 0; col < kMaxBranches && rank < n.meshCount; ++col) {
        int pivot = -1;
        for (int r = rank; r < n.meshCount; ++r)
            if (std::abs(rows[static_cast<std::size_t>(r)][col]) > 1e-9) pivot = r;
        if (pivot < 0) continue;
        std::swap(rows[static_cast<std::size_t>(pivot)], rows[static_cast<std::size_t>(rank)]);
        const auto& p = rows[static_cast<std::size_t>(rank)];
        for (int r = 0; r < n.meshCount; ++r) {
            if (r == rank) continue;
            auto& row = rows[static_cast<std::size_t>(r)];
            const double f = row[col] / p[col];
            for (std::size_t c = 0; c < kMaxBranches; ++c) row[c] -= f * p[c];
        }
        ++rank;
    }
    return rank;
}

TEST(TopologyRandomTest, AnalysedLatticesGiveSquareSolvableSystems) {
    auto network = std::make_unique<Network>();
    auto solver = std::make_unique<AcSolver>();
    auto currents = std::make_unique<BranchCurrents>();
    int analysed = 0, withGround = 0, meshes = 0;
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        std::mt19937 random(seed);
        const SchematicGrid grid = randomLattice(random);
        const int error = analyseNetwork(grid, {}, *network).errorCode;
        SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + test::drawingText(grid));
        if (error != 0) {
            EXPECT_FALSE(analysisErrorMessage(error).empty());
            EXPECT_EQ(network->branchCount, 0);
            continue;
        }
        ++analysed;
        withGround += network->hasGround;
        meshes += network->meshCount;
        const Network& n = *network;
        ASSERT_EQ(n.kclCount + n.opAmpCount + n.meshCount, n.branchCount);
        ASSERT_EQ(rankOf(n), n.meshCount);
        const int nodes = n.nodeCount + (n.hasGround ? 1 : 0);
        for (int m = 0; m < n.meshCount; ++m) {
            const SignRow& row = n.meshRows[static_cast<std::size_t>(m)];
            EXPECT_EQ(row[0], 1);
            EXPECT_EQ(row[1], -1);
            // A closed loop enters every node as often as it leaves it.
            for (int node = 1; node <= nodes; ++node) {
                int balance = 0;
                for (int k = 1; k <= n.branchCount; ++k)
                    balance += row[static_cast<std::size_t>(k - 1)] * incidence(n.branch(k), node);
                EXPECT_EQ(balance, 0) << "mesh " << m + 1 << ", node " << node;
            }
        }
        // Every component lies in its branch and is marked on its cells.
        for (int c = 1; c <= n.componentCount; ++c) {
            const Component& component = n.component(c);
            EXPECT_EQ(n.branchMap.componentAt(component.column, component.row), c);
            EXPECT_EQ(n.branchMap.branchAt(component.column, component.row), component.branch);
        }
        // With a positive resistance in every branch the system has one solution.
        for (int k = 1; k <= n.branchCount; ++k) network->branch(k).R = 10.0 + k;
        const SolveStatus status = solver->solve(*network, 0, 1, *currents);
        EXPECT_FALSE(status.failed());
    }
    // The lattices are varied enough to be worth it.
    EXPECT_GT(analysed, 300);
    EXPECT_GT(withGround, 100);
    EXPECT_GT(meshes, 3 * analysed);
}

}  // namespace
}  // namespace volmira
