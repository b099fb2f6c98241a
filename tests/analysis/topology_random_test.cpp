// Random lattice drawings: whatever the drawing, the analysis either reports one of its errors or
// gives a square system whose meshes are independent closed loops.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "analysis/ac_solver.h"
#include "analysis/topology.h"
#include "support/random_drawings.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

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
        const SchematicGrid grid = test::drawLattice(test::randomLattice(random));
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
            // Through the source, or around it: its two halves go together.
            EXPECT_EQ(row[0], -row[1]);
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
