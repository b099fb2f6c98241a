// The solver and the voltage probe against an independent extended-precision nodal analysis, on
// seeded random drawings with wide value spreads and frequencies: every component current agrees,
// or the solve says that it is imprecise. VOLMIRA_REFERENCE_CASES sets the number of random
// drawings for the solver (default 300).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/topology.h"
#include "analysis/value_text.h"
#include "analysis/voltage_probe.h"
#include "support/random_drawings.h"
#include "support/reference_solver.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::LatticePlan;

double logUniform(std::mt19937& random, double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
}

// Values from 1 mOhm to 100 MOhm, 1 pH to 1 kH, 1 fF to 1 F; every third network with
// everyday values only.
void randomValues(std::mt19937& random, Network& network) {
    const bool everyday = random() % 3 == 0;
    // Per kind (resistor, inductor, capacitor): the everyday range, then the wide one.
    const double ranges[3][4] = {
        {1, 1e6, 1e-3, 1e8}, {1e-7, 1e-1, 1e-12, 1e3}, {1e-11, 1e-5, 1e-15, 1}};
    for (int k = 1; k <= network.componentCount; ++k) {
        Component& c = network.component(k);
        const double* range = ranges[static_cast<int>(c.kind()) - 1] + (everyday ? 0 : 2);
        c.value = logUniform(random, range[0], range[1]);
    }
    sumBranchValues(network);
}

// Anywhere from 1 mHz to 1 GHz, or at and near the resonance of a branch's L with some C.
double randomFrequency(std::mt19937& random, const Network& network) {
    double l = 0, c = 0;
    for (int k = 1; k <= network.branchCount; ++k) {
        l = network.branch(k).L != 0 && random() % 2 ? network.branch(k).L : l;
        c = network.branch(k).C != 0 && random() % 2 ? network.branch(k).C : c;
    }
    if (l == 0 || c == 0 || random() % 3 != 0) return logUniform(random, 1e-3, 1e9);
    const double detune[] = {0, 1e-9, -1e-6, 1e-3, -0.1};
    const double f = (1 + detune[random() % 5]) / (kTwoPi * std::sqrt(l * c));
    return std::clamp(f, 1e-3, 1e9);
}

std::string shortText(std::complex<double> value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g%+.9gj", value.real(), value.imag());
    return text;
}

struct Tally {
    int cases = 0, points = 0, agreed = 0, flagged = 0, needlesslyFlagged = 0, shorted = 0,
        undecided = 0;
};

// The program's currents against the reference at one frequency.
void compare(const Network& network, const BranchCurrents& currents, const SolveStatus& status,
             double frequency, double voltage, Tally& tally) {
    const test::ReferenceCurrents reference = test::referenceCurrents(network, frequency, voltage);
    if (!reference.solved) {
        // Bare wire across the source, the one way a drawing has no solution.
        ++tally.shorted;
        EXPECT_EQ(status.message(), kSolverFailureMessage);
        return;
    }
    ++tally.points;
    double largest = 0;
    for (int k = 0; k < network.branchCount; ++k)
        largest = std::max(largest, std::abs(reference.current[k]));
    std::string wrong;
    bool undecided = false;
    for (int k = 0; k < network.branchCount; ++k) {
        const Branch& branch = network.branches[k];
        if (branch.R == 0 && branch.L == 0 && branch.C == 0) continue;
        const auto expected = branch.reversed ? -reference.current[k] : reference.current[k];
        const double error = std::abs(currents.current[k] - expected);
        if (error <= 1e-6 * std::abs(expected) || error <= 1e-8 * largest) continue;
        // Beyond the reference's own precision nothing is decided.
        if (error <= reference.uncertainty[k]) {
            undecided = true;
            continue;
        }
        wrong += " branch " + std::to_string(k + 1) + ": " + shortText(currents.current[k]) +
                 " A, exact " + shortText(expected) + " A;";
    }
    const bool warned = !status.message().empty();
    tally.undecided += undecided && wrong.empty();
    if (wrong.empty()) {
        ++tally.agreed;
        tally.needlesslyFlagged += warned;
    } else if (warned) {
        ++tally.flagged;
    } else {
        ADD_FAILURE() << "at " << frequency << " Hz, largest current " << largest
                      << " A, without a message:" << wrong;
    }
}

// Analyses the drawing, gives it random values and compares three frequencies: two through the
// sweep form, one through the single solve.
void check(const SchematicGrid& grid, std::mt19937& random, Tally& tally) {
    auto network = std::make_unique<Network>();
    if (!analyseNetwork(grid, {}, *network).ok()) return;
    SCOPED_TRACE(test::drawingText(grid));
    ++tally.cases;
    randomValues(random, *network);
    auto solver = std::make_unique<AcSolver>();
    auto currents = std::make_unique<BranchCurrents>();
    const double voltage = logUniform(random, 1e-3, 1e3);
    solver->prepareSweep(*network);
    for (int point = 0; point < 2; ++point) {
        const double f = randomFrequency(random, *network);
        compare(*network, *currents, solver->solveSweepPoint(f, voltage, *currents), f, voltage,
                tally);
    }
    const double f = randomFrequency(random, *network);
    compare(*network, *currents, solver->solve(*network, f, voltage, *currents), f, voltage, tally);
}

SchematicGrid opAmpDrawing(std::mt19937& random) {
    const std::function<SchematicGrid()> builders[] = {test::invertingAmplifier,
                                                       test::nonInvertingAmplifier,
                                                       test::activeLowPass,
                                                       test::twoInvertingStages,
                                                       test::leftPointingInvertingAmplifier,
                                                       test::leftPointingNonInvertingAmplifier,
                                                       test::leftPointingTwoInvertingStages,
                                                       test::invertingAmplifierWithSourceResistor};
    return builders[random() % std::size(builders)]();
}

TEST(SolverReference, RandomDrawingsAgreeOrAreFlagged) {
    const char* configured = std::getenv("VOLMIRA_REFERENCE_CASES");
    const int seeds = configured ? std::atoi(configured) : 300;
    Tally tally;
    const auto drawings = test::analysableDrawings();
    for (int seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        SCOPED_TRACE("seed " + std::to_string(seed));
        const int kind = seed % 4;
        check(kind == 0   ? test::drawLattice(test::randomLattice(random))
              : kind == 1 ? test::drawLattice(test::randomLadder(random))
              : kind == 2 ? opAmpDrawing(random)
                          : drawings[random() % drawings.size()].second,
              random, tally);
    }
    std::printf(
        "%d drawings, %d points: %d agree (%d of them flagged needlessly, %d beyond the "
        "reference's precision), %d wrong and flagged, %d short circuits\n",
        tally.cases, tally.points, tally.agreed, tally.needlesslyFlagged, tally.undecided,
        tally.flagged, tally.shorted);
    EXPECT_GT(tally.cases, seeds / 2);
    // The message is the exception, not the rule.
    EXPECT_LT(tally.flagged + tally.needlesslyFlagged, tally.points / 10);
}

// One complete solve of an analysed drawing against the reference.
Tally solvedAgainstReference(Network& network, double f, double ue) {
    auto currents = std::make_unique<BranchCurrents>();
    const SolveStatus status = std::make_unique<AcSolver>()->solve(network, f, ue, *currents);
    Tally tally;
    compare(network, *currents, status, f, ue, tally);
    return tally;
}

// Several ground marks on one return rail close loops of bare wire: they carry nothing and are
// no short circuit.
TEST(SolverReference, GroundMarksOnTheReturnRail) {
    for (const LatticePlan& plan : {test::groundedRailLadder(1), test::groundedRailLadder(8)}) {
        const SchematicGrid grid = test::drawLattice(plan);
        SCOPED_TRACE(test::drawingText(grid));
        auto network = std::make_unique<Network>();
        ASSERT_TRUE(analyseNetwork(grid, {}, *network).ok());
        const double everyday[] = {1e3, 9.03, 300e3, 180e-9, 86e-3, 30e-12, 9e-6, 4.7e3};
        for (int k = 1; k <= network->componentCount; ++k)
            network->component(k).value = everyday[k % std::size(everyday)];
        sumBranchValues(*network);
        const Tally tally = solvedAgainstReference(*network, 100, 230);
        EXPECT_EQ(tally.agreed, 1);
        EXPECT_EQ(tally.needlesslyFlagged, 0);  // no message
    }
}

// Grids of resistors, up to the largest inside the limits (70 branches), all analyse.
TEST(SolverReference, ResistorGridsUpToTheLimits) {
    std::mt19937 random(7);
    int largest = 0;
    for (int columns = 2; columns <= 12; ++columns) {
        for (int rows = 2; rows <= 8; ++rows) {
            // The three corners away from the source join two resistors into one branch.
            const int branches = (columns - 1) * rows + columns * (rows - 1) - 3 + 2;
            if (branches > kMaxBranches || columns * rows > kMaxNumberedNodes) continue;
            SCOPED_TRACE(std::to_string(columns) + " x " + std::to_string(rows));
            const SchematicGrid grid = test::drawLattice(test::resistorGrid(columns, rows));
            auto network = std::make_unique<Network>();
            ASSERT_EQ(analyseNetwork(grid, {}, *network).errorCode, 0);
            largest = std::max(largest, network->branchCount);
            randomValues(random, *network);
            EXPECT_EQ(solvedAgainstReference(*network, 1e3, 1).points, 1);
        }
    }
    EXPECT_GE(largest, 68);
}

// The voltage probe: its potentials against the reference's, and the walk along every branch
// arriving at the potential of its end node.
SchematicGrid randomDrawing(std::mt19937& random, int seed) {
    const int kind = seed % 4;
    return kind == 0   ? test::drawLattice(test::randomLattice(random))
           : kind == 1 ? test::drawLattice(test::randomLadder(random))
           : kind == 2 ? (seed % 8 == 2 ? test::invertingAmplifier() : test::activeLowPass())
                       : test::drawLattice(test::groundedRailLadder(1 + seed % 6));
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
