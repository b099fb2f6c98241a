// The sweep range and the frequency of every point; the window's sweep through the calculation
// engine and through a stand-in solver, scrolling, the readout of a column, the refusals before a
// sweep, and the pacing of the events during a sweep: due once the interval has passed, late by
// no more than a millisecond or one step, with few clock reads for short steps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "analysis/input_checks.h"
#include "graphics/event_pacer.h"
#include "graphics/readout.h"
#include "graphics/sweep_checks.h"
#include "graphics/sweep_window.h"
#include "graphics_fixtures.h"

namespace volmira {
namespace {

using test::kAlways;

constexpr int kCurrentSlot = 1;  // FgGroesse1, "Strom"

void expectRelative(double actual, double expected, double relative = 1e-12) {
    EXPECT_NEAR(actual, expected, relative * std::abs(expected));
}

TEST(SweepRange, DefaultLogarithmicRange) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    ASSERT_TRUE(range.set);
    EXPECT_EQ(range.firstPoint, 224);
    EXPECT_EQ(range.lastPoint, 672);
    // The user's range is the middle half, exactly.
    EXPECT_EQ(pointFrequency(range, 224, true), 20.0);
    EXPECT_EQ(pointFrequency(range, 672, true), 20000.0);
    // Widened by half the logarithmic width on each side; the points between by the same ratio.
    expectRelative(range.fMinExt, 20 * std::sqrt(20.0 / 20000));
    expectRelative(range.fMaxExt, 20000 * std::sqrt(20000.0 / 20));
    expectRelative(range.ratioPerPoint, std::pow(1e6, 1.0 / 896));
    for (int i = 0; i < 898; ++i) {
        SCOPED_TRACE(i);
        expectRelative(pointFrequency(range, i + 1, true) / pointFrequency(range, i, true),
                       range.ratioPerPoint);
    }
}

TEST(SweepRange, LinearAxis) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    EXPECT_EQ(range.fMinLin, 20 - 9990);
    EXPECT_EQ(range.fMaxLin, 20000 + 9990);
    EXPECT_EQ(pointFrequency(range, 224, false), 20.0);
    EXPECT_EQ(pointFrequency(range, 672, false), 20000.0);
    EXPECT_EQ(pointFrequency(range, 448, false), 10010.0);
}

TEST(SweepRange, LargeViewShowsTheUserRangeItself) {
    const SweepRange range = DeriveBounds(100, 1e5, true);
    EXPECT_EQ(range.firstPoint, 1);
    EXPECT_EQ(range.lastPoint, 896);
    EXPECT_EQ(pointFrequency(range, 0, true), 100.0);
    EXPECT_EQ(pointFrequency(range, 896, true), 1e5);
    expectRelative(pointFrequency(range, 448, true), std::sqrt(100 * 1e5));
    EXPECT_EQ(pointFrequency(range, 0, false), 100.0);
    EXPECT_EQ(pointFrequency(range, 896, false), 1e5);
}

TEST(SweepRange, UnusableBoundsLeaveTheRangeUnset) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [lo, hi] : {std::pair{0.0, 100.0},
                          {-5.0, 100.0},
                          {10.0, 0.0},
                          {nan, 100.0},
                          {10.0, std::numeric_limits<double>::infinity()}}) {
        SCOPED_TRACE(testing::Message() << lo << " " << hi);
        const SweepRange range = DeriveBounds(lo, hi, false);
        EXPECT_FALSE(range.set);
        EXPECT_EQ(pointFrequency(range, 300, true), 0);
        EXPECT_EQ(pointFrequency(range, 300, false), 0);
    }
    // Equal bounds give one frequency everywhere, never a number that is not finite.
    const SweepRange flat = DeriveBounds(50, 50, false);
    EXPECT_EQ(pointFrequency(flat, 0, true), 50);
    EXPECT_EQ(pointFrequency(flat, 896, false), 50);
}

TEST(SweepRange, HugeBoundsGiveEveryPointWithoutOverflow) {
    // fMax squared overflows from 1.4e154 on; in logarithms nothing does.
    for (const bool largeView : {false, true})
        for (auto [lo, hi] : {std::pair{20.0, 1.4e154}, {kMinFrequency, kMaxFrequency}}) {
            SCOPED_TRACE(testing::Message() << lo << " " << hi << (largeView ? " large" : ""));
            const SweepRange range = DeriveBounds(lo, hi, largeView);
            ASSERT_TRUE(range.set);
            EXPECT_EQ(pointFrequency(range, range.largeView ? 0 : 224, true), lo);
            EXPECT_EQ(pointFrequency(range, range.largeView ? 896 : 672, true), hi);
            for (int i = 0; i < 896; ++i) {
                const double f = pointFrequency(range, i, true);
                ASSERT_TRUE(std::isfinite(f) && f > 0) << i;
                ASSERT_LT(f, pointFrequency(range, i + 1, true)) << i;
                ASSERT_TRUE(std::isfinite(pointFrequency(range, i, false))) << i;
            }
        }
    // A widened range beyond the largest number is no range.
    EXPECT_FALSE(DeriveBounds(1, 1e300, false).set);
}

TEST(WindowSweep, SolvesEveryUnsolvedPointOfTheWindowAsTheSingleSolveDoes) {
    test::LowPass lp;
    int lastSolved = 0, window = 0;
    const SweepOutcome outcome = lp.sweep([&](int solved, int windowPoints) {
        lastSolved = solved;
        window = windowPoints;
        return true;
    });
    EXPECT_EQ(outcome.pointsDone, 449u);
    EXPECT_EQ(window, 449);
    EXPECT_EQ(lastSolved, 449);  // the progress reaches the last point
    EXPECT_EQ(lp.state.plot->computedCount, 449);
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 223)));
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 673)));

    // The last point, exactly 20 kHz, against the single-frequency calculation.
    ASSERT_TRUE(lp.calc.acceptFrequency("20k").accepted);
    lp.calc.solve();
    const BranchQuantities single = lp.calc.quantities(1);
    for (int slot = 0; slot < kQuantityCount; ++slot)
        EXPECT_NEAR(lp.state.plot->curves.at(1, slot, 672), single.value[std::size_t(slot)],
                    1e-9 * (1 + std::abs(single.value[std::size_t(slot)])))
            << slot;
    const ScaleRecord& scale = lp.state.plot->scale(1);
    EXPECT_LT(scale.minSeen, scale.maxSeen);

    // A second sweep of the same window finds nothing to solve; scrolling onto unsolved points
    // calls for one, and the window never leaves the store.
    EXPECT_EQ(lp.sweep().pointsDone, 0u);
    SweepRange& range = lp.state.range;
    EXPECT_FALSE(windowHasUnsolved(*lp.state.plot, range));
    scrollWindow(range, 225);
    EXPECT_EQ(range.lastPoint, 673);
    EXPECT_TRUE(windowHasUnsolved(*lp.state.plot, range));
    scrollWindow(range, 950);
    EXPECT_EQ(range.firstPoint, 450);
    EXPECT_EQ(range.lastPoint, 898);
}

TEST(WindowSweep, StopKeepsThePointsSolvedSoFarAndTheNextSweepFinishesTheWindow) {
    test::LowPass lp;
    EXPECT_TRUE(lp.sweep([](int solved, int) { return solved < 10; }).stopped);
    EXPECT_EQ(lp.state.plot->computedCount, 10);
    EXPECT_TRUE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 233)));
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 234)));
    EXPECT_EQ(lp.sweep().pointsDone, 439u);
}

TEST(WindowSweep, LinearPointsAtOrBelowZeroHertzAreNotPlanned) {
    test::LowPass lp;
    lp.state.logarithmic = false;
    scrollWindow(lp.state.range, 0);
    planWindowSweep(*lp.state.plot, lp.state.target(), lp.plan);
    EXPECT_EQ(lp.plan.windowPoints, 449);
    EXPECT_LT(lp.plan.count, 449);
    EXPECT_GT(lp.plan.frequency[0], 0);
}

// The loop over a stand-in solver, as the printed curves solve their points.
TEST(Sweep, PointsAtOrBelowZeroHertzStayUnsolvedAndTheExtremesFollowTheValues) {
    auto plot = std::make_unique<PlotState>();
    SweepRange range = DeriveBounds(20, 20000, false);
    range.firstPoint = 0;
    range.lastPoint = 896;
    test::FakeSolver solver;
    EXPECT_EQ(test::sweepStandIn(*plot, {range, false, 1, 2}, solver, kAlways), 897);
    EXPECT_FALSE(isComputed(plot->curves.at(1, 0, 223)));  // below 0 Hz on the linear axis
    EXPECT_TRUE(isComputed(plot->curves.at(1, 0, 224)));
    EXPECT_EQ(plot->computedCount, 896 - 224 + 1);
    EXPECT_EQ(solver.frequencies.size(), 896u - 224 + 1);
    EXPECT_EQ(plot->curves.at(1, 7, 224), 20.0);  // every slot stored
    EXPECT_EQ(plot->scale(2).minSeen, 20.0);
    EXPECT_EQ(plot->scale(2).maxSeen, pointFrequency(range, 896, false));
}

TEST(Readout, ValuesOfAColumn) {
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    const ReadoutSource source{*plot, range, true, 1, 1, 8};
    EXPECT_FALSE(readoutAt(source, 224));  // no curve yet
    test::FakeSolver solver{.phase = 45 * kDegreeFactor};
    test::sweepStandIn(*plot, {range, true, 1, 1}, solver, kAlways);
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

TEST(SweepStart, BoundsRangeAndBranchAreCheckedBeforeTheCurveIsTouched) {
    EXPECT_EQ(acceptSweepBound("2,5k").text, "2,5 kHz");
    EXPECT_EQ(acceptSweepBound("0").message, "Frequenz 0 ist nicht erlaubt");
    EXPECT_EQ(acceptSweepBound("-20").message, "Negative Frequenz ist nicht erlaubt");
    EXPECT_FALSE(acceptSweepBound("zwanzig").accepted);
    // Gain and voltage phase need a branch with impedance.
    EXPECT_EQ(sweepStartMessage(3, 0, 20, 2e4), kNoGainMessage);
    EXPECT_EQ(sweepStartMessage(6, 0, 20, 2e4), kNoGainMessage);
    EXPECT_TRUE(sweepStartMessage(1, 0, 20, 2e4).empty());

    test::LowPass lp;
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "20 Hz", "20 kHz"), "");
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "1 kHz", "1 kHz"),
              "MinFrequenz > MaxFrequenz !");
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "-1 kHz", "2 kHz"),
              "Negative Frequenz ist nicht erlaubt");
}

using namespace std::chrono_literals;

EventPacer::Clock::time_point fakeTime;
int clockReads = 0;

EventPacer::Clock::time_point fakeNow() {
    ++clockReads;
    return fakeTime;
}

// Steps of `step` each until the pacer is due: the time that took, and the clock reads.
std::pair<std::chrono::microseconds, int> untilDue(EventPacer& pacer,
                                                   std::chrono::microseconds step) {
    const auto begin = fakeTime;
    clockReads = 0;
    do fakeTime += step;
    while (!pacer.due());
    return {std::chrono::duration_cast<std::chrono::microseconds>(fakeTime - begin), clockReads};
}

TEST(EventPacer, ShortStepsReadTheClockRarelyAndAreDueAboutOnTime) {
    EventPacer pacer(30ms, fakeNow);
    pacer.start();
    for (int run = 0; run < 3; ++run) {
        const auto [waited, reads] = untilDue(pacer, 1us);
        EXPECT_GE(waited, 30ms);
        EXPECT_LE(waited, 32ms);
        EXPECT_LT(reads, 100);  // of 30000 steps
        pacer.start();
    }
}

// Short steps before (a small network's sweep) leave no long stride behind.
TEST(EventPacer, LongStepsAreDueAtTheFirstStepPastTheInterval) {
    EventPacer pacer(30ms, fakeNow);
    pacer.start();
    (void)untilDue(pacer, 1us);
    pacer.start();
    EXPECT_EQ(untilDue(pacer, 20ms), std::make_pair(std::chrono::microseconds(40ms), 2));
}

}  // namespace
}  // namespace volmira
