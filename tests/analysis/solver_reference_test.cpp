// The solver against an independent extended-precision nodal analysis, on random drawings with
// wide value spreads and frequencies: every component current agrees, or the solve says that it
// is imprecise. VOLMIRA_REFERENCE_CASES sets the number of random drawings (default 300).
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
    for (int k = 1; k <= network.componentCount; ++k) {
        Component& c = network.component(k);
        switch (c.kind()) {
            case ComponentKind::Resistor:
                c.value = everyday ? logUniform(random, 1, 1e6) : logUniform(random, 1e-3, 1e8);
                break;
            case ComponentKind::Inductor:
                c.value =
                    everyday ? logUniform(random, 1e-7, 1e-1) : logUniform(random, 1e-12, 1e3);
                break;
            case ComponentKind::Capacitor:
                c.value = everyday ? logUniform(random, 1e-11, 1e-5) : logUniform(random, 1e-15, 1);
                break;
        }
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
    const std::function<SchematicGrid()> builders[] = {
        test::invertingAmplifier,
        test::nonInvertingAmplifier,
        test::activeLowPass,
        test::twoInvertingStages,
        test::leftPointingInvertingAmplifier,
        test::leftPointingNonInvertingAmplifier,
        test::leftPointingTwoInvertingStages,
        test::invertingAmplifierWithSourceResistor,
    };
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
        switch (seed % 4) {
            case 0:
                check(test::drawLattice(test::randomLattice(random)), random, tally);
                break;
            case 1:
                check(test::drawLattice(test::randomLadder(random)), random, tally);
                break;
            case 2:
                check(opAmpDrawing(random), random, tally);
                break;
            default:
                check(drawings[random() % drawings.size()].second, random, tally);
        }
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
        auto currents = std::make_unique<BranchCurrents>();
        const SolveStatus status =
            std::make_unique<AcSolver>()->solve(*network, 100, 230, *currents);
        EXPECT_EQ(status.message(), "");
        Tally tally;
        compare(*network, *currents, status, 100, 230, tally);
        EXPECT_EQ(tally.agreed, 1);
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
            auto currents = std::make_unique<BranchCurrents>();
            const SolveStatus status =
                std::make_unique<AcSolver>()->solve(*network, 1e3, 1, *currents);
            Tally tally;
            compare(*network, *currents, status, 1e3, 1, tally);
            EXPECT_EQ(tally.points, 1);
        }
    }
    EXPECT_GE(largest, 68);
}

}  // namespace
}  // namespace volmira
