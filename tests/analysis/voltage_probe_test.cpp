// The probe's potentials against the extended-precision nodal reference on seeded random
// drawings, and the walk along every branch arriving at the potential of its end node.
#include "analysis/voltage_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/topology.h"
#include "analysis/value_text.h"
#include "support/random_drawings.h"
#include "support/reference_solver.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

double logUniform(std::mt19937& random, double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
}

SchematicGrid randomDrawing(std::mt19937& random, int seed) {
    switch (seed % 4) {
        case 0:
            return test::drawLattice(test::randomLattice(random));
        case 1:
            return test::drawLattice(test::randomLadder(random));
        case 2:
            return seed % 8 == 2 ? test::invertingAmplifier() : test::activeLowPass();
        default:
            return test::drawLattice(test::groundedRailLadder(1 + seed % 6));
    }
}

GridCell endCell(const Branch& b) {
    int column = b.startColumn, row = b.startRow;
    for (const char step : b.path) stepAlongPath(step, column, row);
    return {column, row};
}

TEST(VoltageProbe, AgreesWithTheReferenceAlongEveryBranch) {
    int compared = 0;
    for (int seed = 1; seed <= 80; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(static_cast<unsigned>(seed));
        auto network = std::make_unique<Network>();
        if (!analyseNetwork(randomDrawing(random, seed), {}, *network).ok()) continue;
        for (int k = 1; k <= network->componentCount; ++k) {
            Component& c = network->component(k);
            c.value = c.kind() == ComponentKind::Resistor   ? logUniform(random, 10, 1e5)
                      : c.kind() == ComponentKind::Inductor ? logUniform(random, 1e-6, 1e-2)
                                                            : logUniform(random, 1e-9, 1e-5);
        }
        sumBranchValues(*network);
        const double f = logUniform(random, 10, 1e5), ue = logUniform(random, 0.1, 10);
        auto solver = std::make_unique<AcSolver>();
        auto currents = std::make_unique<BranchCurrents>();
        if (solver->solve(*network, f, ue, *currents).failed()) continue;
        const test::ReferenceCurrents reference = test::referenceCurrents(*network, f, ue);
        if (!reference.solved) continue;
        auto table = std::make_unique<AllBranchTable>();
        recordAllBranches(*network, *currents, f, ue, *table);
        NodePotentials probe;
        nodePotentials(*network, *table, probe);

        // Voltages between every two nodes, whatever each side is measured against.
        double scale = ue;
        for (const auto& p : reference.potential) scale = std::max(scale, std::abs(p));
        const auto voltageOf = [](const auto& p, int a, int b) { return p[a] - p[b]; };
        for (int a = 1; a <= kSourceReturnSlot; ++a) {
            if (!probe.known[a]) continue;
            for (int b = 1; b <= kSourceReturnSlot; ++b) {
                if (!probe.known[b]) continue;
                ASSERT_LT(std::abs(voltageOf(probe.potential, a, b) -
                                   voltageOf(reference.potential, a, b)),
                          1e-7 * scale)
                    << a << " to " << b;
            }
        }
        if (network->hasGround) {
            EXPECT_EQ(probe.potential[network->groundNode()], 0.0);
        }
        // Walking each branch through its components arrives at its end node's potential.
        for (int k = 1; k <= network->branchCount; ++k) {
            const Branch& b = network->branch(k);
            const auto walked = potentialAlongBranch(*network, *table, probe, k, endCell(b));
            ASSERT_TRUE(walked.has_value()) << "branch " << k;
            EXPECT_LT(std::abs(*walked - probe.potential[b.endNode]), 1e-7 * scale) << k;
        }
        ++compared;
    }
    EXPECT_GT(compared, 50);
}

TEST(VoltageProbe, ReadingAgainstUe) {
    const ProbeReading r = probeReading({0, -2}, 4);
    EXPECT_DOUBLE_EQ(r.magnitude, 2);
    EXPECT_DOUBLE_EQ(r.phase, -90);
    EXPECT_NEAR(r.decibels, -6.0206, 1e-4);
    EXPECT_EQ(probeReading(0, 1).decibels, kMinusInfinity);
    EXPECT_EQ(probeText(r, 5), "U = 2 V   φ = -90,000 °   -6,021 dB");
}

}  // namespace
}  // namespace volmira
