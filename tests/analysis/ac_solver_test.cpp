#include "analysis/ac_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <memory>
#include <new>
#include <numbers>

#include "analysis/hand_networks.h"

// Counts the allocations while a solve runs: a solve and a sweep must allocate nothing.
namespace {
bool countAllocations = false;
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (countAllocations) ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The replacement pair matches; the compiler cannot see that through the replacement.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace volmira {
namespace {

using test::HandBranch;
using test::HandNetwork;
using Complex = std::complex<double>;

constexpr double kPi = std::numbers::pi;

// The solver is large; one per test, on the heap.
struct Solved {
    std::unique_ptr<AcSolver> solver = std::make_unique<AcSolver>();
    std::unique_ptr<BranchCurrents> currents = std::make_unique<BranchCurrents>();
    SolveStatus status;
    Complex I(int branch) const { return currents->current[branch - 1]; }
};

// A complete solve; the sweep form, freshly prepared, must report and give the same.
Solved solveOnce(Network& network, double f, double ue) {
    Solved s;
    s.status = s.solver->solve(network, f, ue, *s.currents);
    auto sweep = std::make_unique<AcSolver>();
    sweep->prepareSweep(network);
    BranchCurrents point;
    const SolveStatus status = sweep->solveSweepPoint(f, ue, point);
    EXPECT_EQ(status.message(), s.status.message()) << "sweep form at " << f << " Hz";
    EXPECT_EQ(status.noResult, s.status.noResult);
    EXPECT_EQ(point.current, s.currents->current);
    return s;
}

Solved solveOnce(const HandNetwork& hand, double f, double ue) {
    Network network = test::toNetwork(hand);
    return solveOnce(network, f, ue);
}

void expectNear(Complex actual, Complex expected, double relative) {
    EXPECT_LE(std::abs(actual - expected), relative * std::abs(expected))
        << "actual " << actual << " expected " << expected;
}

// A current-law or op-amp row whose only entry stands in the last column is a sound equation;
// it used to be taken for a system without solution.
TEST(AcSolver, RowWithItsOnlyEntryInTheLastColumnIsSolved) {
    {
        SCOPED_TRACE("dead-end branch to a lone ground mark, recorded last");
        HandNetwork hand = test::completeNetwork(4, {{1, 2}, {1, 3}, {2, 3, 100}, {3, 4, 50}});
        ASSERT_EQ(hand.currentLawNodes.back(), 4);
        Solved s = solveOnce(hand, 1000, 1);
        EXPECT_FALSE(s.status.failed());
        expectNear(s.I(3), 0.01, 1e-12);
        EXPECT_EQ(s.I(4), Complex(0, 0));
    }
    {
        SCOPED_TRACE("op-amp whose input branch is recorded last");
        const double R1 = 1000, R2 = 3300, RL = 1000;
        HandNetwork hand = test::completeNetwork(
            5, {{1, 2}, {1, 5}, {2, 3, R1}, {3, 4, R2}, {4, 5, RL}, {3, 5}}, {{6}}, {4});
        Solved s = solveOnce(hand, 1000, 1);
        EXPECT_FALSE(s.status.failed());
        expectNear(s.I(5) * RL, -R2 / R1, 1e-9);
    }
}

// Rows that repeat others, or say nothing, are dropped: the system stays solvable as long as the
// rows left and the meshes determine every current.
TEST(AcSolver, RepeatedAndEmptyCurrentLawRowsAreDropped) {
    const double R = 200;
    HandNetwork repeated = test::seriesLoop(R, 0, 0);
    repeated.currentLawNodes.push_back(repeated.currentLawNodes.front());
    HandNetwork emptyGround = test::seriesLoop(R, 0, 0);
    emptyGround.nodes = 4;
    emptyGround.currentLawNodes.push_back(4);
    HandNetwork loose = test::seriesLoop(R, 0, 0);  // a resistor between two lone junctions
    loose.nodes = 5;
    loose.branches.push_back({4, 5, 50});
    loose.currentLawNodes.insert(loose.currentLawNodes.end(), {4, 5});
    for (const auto& [name, hand] : {std::pair{"a node's row twice", repeated},
                                     {"the row of a ground node without branches", emptyGround},
                                     {"a branch connected to nothing else", loose}}) {
        SCOPED_TRACE(name);
        Solved s = solveOnce(hand, 1000, 1);
        EXPECT_FALSE(s.status.failed());
        expectNear(s.I(3), 1 / R, 1e-12);
        for (int k = 4; k <= int(hand.branches.size()); ++k) EXPECT_EQ(s.I(k), Complex(0, 0));
    }
}

// Loops of bare wire beside the source carry a current no equation fixes: it is 0, and the
// components' currents are what they would be without the second wire.
TEST(AcSolver, LoopsOfBareWireCarryNothing) {
    const double R = 100;
    HandNetwork hand = test::completeNetwork(4, {{1, 2}, {1, 3}, {2, 4, R}, {4, 3}, {4, 3}});
    Solved s = solveOnce(hand, 1000, 2);
    EXPECT_EQ(s.status.message(), "");
    expectNear(s.I(3), 2 / R, 1e-14);
    EXPECT_EQ(s.I(4) + s.I(5), s.I(3));
    EXPECT_TRUE(s.I(4) == Complex(0, 0) || s.I(5) == Complex(0, 0));
}

// Bare wire across the source gives the failure message and finite numbers. A loop of inductor
// and capacitor alone at its resonance: the impedance is rounding noise, and the currents cannot
// be trusted to any digit.
TEST(AcSolver, ShortCircuitAndLostDigitsGiveTheirMessages) {
    Solved s = solveOnce(test::completeNetwork(3, {{1, 2}, {1, 3}, {2, 3}, {2, 3, 100}}), 1000, 1);
    EXPECT_TRUE(s.status.shortCircuit);
    EXPECT_EQ(s.status.message(), kSolverFailureMessage);
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(std::isfinite(std::abs(s.I(k)))) << k;
    const double L = 1e-3, C = 1e-6;
    Solved lost = solveOnce(test::seriesLoop(0, L, C), 1 / (2 * kPi * std::sqrt(L * C)), 1);
    EXPECT_FALSE(lost.status.failed());
    EXPECT_TRUE(lost.status.imprecise);
    EXPECT_EQ(lost.status.message(), kImpreciseResultMessage);
}

TEST(AcSolver, UndeterminedCurrentsGiveNoResult) {
    // A loop of two resistors beside the circuit, touching nothing: its current is free.
    HandNetwork floating;
    floating.nodes = 5;
    floating.branches = {{1, 2}, {1, 3}, {2, 3, 100}, {4, 5, 10}, {4, 5, 20}};
    floating.currentLawNodes = {2, 3, 4, 5};
    floating.meshes = {{1, 3, -2}};
    Solved s = solveOnce(floating, 1000, 1);
    EXPECT_TRUE(s.status.noResult);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.I(k), Complex(0, 0));

    // Row counts that do not add up to the branch count: no result rather than a guess.
    Network network = test::toNetwork(test::seriesLoop(100, 0, 0));
    network.meshCount = 0;
    EXPECT_TRUE(solveOnce(network, 1000, 1).status.noResult);
    // A sweep point before any preparation.
    BranchCurrents point;
    EXPECT_TRUE(std::make_unique<AcSolver>()->solveSweepPoint(1000, 1, point).noResult);
}

TEST(AcSolver, InvalidFrequenciesAreRefusedWithoutNumbersThatAreNotFinite) {
    Network withCapacitor = test::toNetwork(test::seriesLoop(100, 0, 1e-6));
    for (double f : {0.0, -50.0, std::nan(""), HUGE_VAL}) {
        SCOPED_TRACE(f);
        Solved s = solveOnce(withCapacitor, f, 1);
        EXPECT_TRUE(s.status.noResult);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(s.I(k), Complex(0, 0));
            EXPECT_TRUE(std::isfinite(withCapacitor.branch(k).X));
        }
    }
    // An inductor alone is a plain wire at f = 0.
    Solved dc = solveOnce(test::seriesLoop(100, 1e-3, 0), 0, 1);
    EXPECT_FALSE(dc.status.failed());
    expectNear(dc.I(3), 0.01, 1e-12);
}

TEST(AcSolver, TrialSolveStaysRealAndFixesTheDirections) {
    // Ladder with real resistances only: every imaginary part stays exactly 0.
    Network ladder = test::toNetwork(test::rcLadder(6, 100, 0));
    Solved s = solveOnce(ladder, 1000, 1);
    ASSERT_FALSE(s.status.failed());
    for (int k = 1; k <= ladder.branchCount; ++k) EXPECT_EQ(s.I(k).imag(), 0.0) << k;

    Network loop = test::toNetwork(test::seriesLoop(100, 1e-3, 1e-6));
    loop.branch(3).X = 12.5;
    assignReferenceDirections(loop);
    EXPECT_FALSE(loop.branch(1).reversed);
    EXPECT_TRUE(loop.branch(2).reversed);  // traced from the source to the bottom terminal
    EXPECT_FALSE(loop.branch(3).reversed);
    EXPECT_EQ(loop.branch(3).R, 100);  // the real values are back
    EXPECT_EQ(loop.branch(3).L, 1e-3);
    EXPECT_EQ(loop.branch(3).C, 1e-6);
    EXPECT_EQ(loop.branch(3).X, 12.5);
    Solved after = solveOnce(loop, 0.0001, 1);
    EXPECT_GT(after.I(2).real(), 0);  // with the flag the lead's current reads positive
}

// The sweep form reduces the incidence rows once; every point must still come out as from a
// complete solve at the same frequency, whatever points were solved before it (resonance of the
// series loop included), at f = 0 too where no capacitor forbids it.
TEST(AcSolver, SweepPointsAreTheCompleteSolveWhateverCameBefore) {
    const double L = 1e-3, C = 1e-6;
    const double resonance = 1 / (2 * kPi * std::sqrt(L * C));
    // The last one: two op-amps in cascade, each inverting; wire branches and a capacitor in the
    // second stage.
    const std::pair<const char*, HandNetwork> networks[] = {
        {"series RLC", test::seriesLoop(50, 10e-3, 1e-6)},
        {"series loop at resonance", test::seriesLoop(1, L, C)},
        {"ladder", test::rcLadder(30, 1000, 100e-9)},
        {"inverting amplifier", test::invertingAmplifier(1000, 10000, 2000)},
        {"two op-amps",
         test::completeNetwork(
             7,
             {HandBranch(1, 2), HandBranch(1, 3), HandBranch(2, 4, 1e3), HandBranch(4, 3),
              HandBranch(4, 5, 10e3), HandBranch(5, 6, 2.2e3, 0, 47e-9), HandBranch(6, 3),
              HandBranch(6, 7, 4.7e3), HandBranch(7, 3, 1e4)},
             {{4}, {7}}, {5, 7})}};
    for (const auto& [name, hand] : networks) {
        SCOPED_TRACE(name);
        Network network = test::toNetwork(hand);
        assignReferenceDirections(network);
        auto sweep = std::make_unique<AcSolver>();
        sweep->prepareSweep(network);
        bool capacitors = false;
        for (int k = 1; k <= network.branchCount; ++k) capacitors |= network.branch(k).C != 0;
        for (double f : {1e6, resonance, 10.0, 0.0, resonance * (1 + 1e-9), 159.154943, 1000.0,
                         33e3, 700.0, resonance}) {
            if (f == 0 && capacitors) continue;
            SCOPED_TRACE(f);
            Solved full = solveOnce(network, f, 2.0);
            ASSERT_FALSE(full.status.failed());
            BranchCurrents point;
            EXPECT_FALSE(sweep->solveSweepPoint(f, 2.0, point).failed());
            EXPECT_EQ(point.current, full.currents->current);
            EXPECT_EQ(point.reactance, full.currents->reactance);
        }
    }
}

TEST(AcSolver, SolvesAndSweepsAllocateNothing) {
    Network amplifier = test::toNetwork(test::invertingAmplifier(1e3, 1e4, 1e3));
    Network ladder = test::toNetwork(test::rcLadder(30, 1e3, 1e-7));
    auto solver = std::make_unique<AcSolver>();
    auto currents = std::make_unique<BranchCurrents>();
    allocations = 0;
    countAllocations = true;
    for (Network* network : {&amplifier, &ladder}) {
        solver->solve(*network, 1000, 1, *currents);
        solver->prepareSweep(*network);
        for (double f = 10; f < 1e5; f *= 1.5) solver->solveSweepPoint(f, 1, *currents);
    }
    countAllocations = false;
    EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace volmira
