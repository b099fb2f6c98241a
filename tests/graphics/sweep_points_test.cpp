#include "graphics/sweep_points.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/readout.h"
#include "graphics/sweep_checks.h"
#include "graphics/sweep_window.h"

namespace volmira {
namespace {

// A stand-in for the network: every quantity is the frequency, the phases 45 degrees.
struct CountingSolver {
    int solves = 0;
    void operator()(double frequency, BranchQuantities& out) {
        ++solves;
        out.value.fill(frequency);
        out.phase.fill(45 * kDegreeFactor);
    }
};

constexpr auto kAlways = [](int, int) { return true; };

TEST(Sweep, SolvesTheWindowOnceAndKeepsWhatAStopLeaves) {
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    const SweepTarget target{range, true, 1, 1};
    CountingSolver solver;
    int asked = 0;
    const int visited = SweepWindow(*plot, target, solver, [&](int done, int window) {
        EXPECT_EQ(window, 449);
        ++asked;
        return done < 10;  // Stop after the tenth point
    });
    EXPECT_EQ(visited, 10);
    EXPECT_EQ(asked, 10);
    EXPECT_EQ(plot->computedCount, 10);
    EXPECT_TRUE(isComputed(plot->curves.at(1, 1, 233)));
    EXPECT_FALSE(isComputed(plot->curves.at(1, 1, 234)));
    EXPECT_EQ(plot->curves.at(1, 7, 224), 20.0);  // every slot stored
    EXPECT_EQ(plot->scale(1).minSeen, 20.0);
    // The next run solves only what is missing, then nothing.
    SweepWindow(*plot, target, solver, kAlways);
    EXPECT_EQ(solver.solves, 449);
    EXPECT_EQ(plot->computedCount, 449);
    EXPECT_EQ(SweepWindow(*plot, target, solver, kAlways), 0);
    EXPECT_EQ(plot->scale(1).maxSeen, 20000.0);
    EXPECT_EQ(progressColumn(200, 449, 449), 205);
}

TEST(Sweep, PointsAtOrBelowZeroHertzStayUnsolved) {
    auto plot = std::make_unique<PlotState>();
    SweepRange range = DeriveBounds(20, 20000, false);
    range.firstPoint = 0;
    range.lastPoint = 896;
    CountingSolver solver;
    SweepWindow(*plot, {range, false, 1, 2}, solver, kAlways);
    EXPECT_FALSE(isComputed(plot->curves.at(1, 0, 223)));  // below 0 Hz on the linear axis
    EXPECT_TRUE(isComputed(plot->curves.at(1, 0, 224)));
    EXPECT_EQ(plot->computedCount, solver.solves);
    EXPECT_EQ(solver.solves, 896 - 224 + 1);
}

TEST(Sweep, ScrollingIntoUnsolvedPointsCallsForANewSweep) {
    auto plot = std::make_unique<PlotState>();
    SweepRange range = DeriveBounds(20, 20000, false);
    CountingSolver solver;
    SweepWindow(*plot, {range, true, 1, 1}, solver, kAlways);
    EXPECT_FALSE(windowHasUnsolved(*plot, range));
    scrollWindow(range, 225);
    EXPECT_EQ(range.lastPoint, 673);
    EXPECT_TRUE(windowHasUnsolved(*plot, range));
    // The window never leaves the store.
    scrollWindow(range, 950);
    EXPECT_EQ(range.firstPoint, 450);
    EXPECT_EQ(range.lastPoint, 898);
}

TEST(Readout, ValuesOfAColumn) {
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    const ReadoutSource source{*plot, range, true, 1, 1, 8};
    EXPECT_FALSE(readoutAt(source, 224));  // no curve yet
    CountingSolver solver;
    SweepWindow(*plot, {range, true, 1, 1}, solver, kAlways);
    const auto solved = readoutAt(source, 224);
    ASSERT_TRUE(solved);
    EXPECT_EQ(solved->frequency, "20 Hz");
    EXPECT_EQ(solved->value, "20 A");
    EXPECT_EQ(solved->phase, "45,000 \xC2\xB0");  // phases: fixed decimals
    // Slots beyond the phase cells show 0; an unsolved column its frequency only.
    EXPECT_EQ(readoutAt({*plot, range, true, 1, 6, 8}, 672)->phase, "0 \xC2\xB0");
    const auto unsolved = readoutAt(source, 100);
    ASSERT_TRUE(unsolved);
    EXPECT_FALSE(unsolved->frequency.empty());
    EXPECT_TRUE(unsolved->value.empty());
    EXPECT_TRUE(unsolved->phase.empty());
    EXPECT_FALSE(readoutAt(source, 897));
    EXPECT_FALSE(readoutAt(source, -1));
}

TEST(SweepChecks, RefusalsNameTheProblem) {
    EXPECT_EQ(sweepBoundMessage(0), "Frequenz 0 ist nicht erlaubt");
    EXPECT_TRUE(sweepBoundMessage(20).empty());  // other bounds as the frequency input
    EXPECT_EQ(sweepStartMessage(3, 0, 20, 2e4), kNoGainMessage);
    EXPECT_EQ(sweepStartMessage(6, 0, 20, 2e4), kNoGainMessage);
    EXPECT_TRUE(sweepStartMessage(1, 0, 20, 2e4).empty());
    EXPECT_EQ(sweepStartMessage(1, 5, 50, 50), "MinFrequenz > MaxFrequenz !");
}

}  // namespace
}  // namespace volmira
