#include "graphics/sweep_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/input_checks.h"
#include "analysis/value_text.h"

namespace volmira {
namespace {

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
    EXPECT_EQ(formatValue(kUnitHertz, 8, pointFrequency(range, 224, true)), "20 Hz");
    EXPECT_EQ(formatValue(kUnitHertz, 8, pointFrequency(range, 672, true)), "20 kHz");
    // Widened by half the logarithmic width on each side.
    expectRelative(pointFrequency(range, 0, true), 20 * std::sqrt(20.0 / 20000));
    expectRelative(pointFrequency(range, 896, true), 20000 * std::sqrt(20000.0 / 20));
    expectRelative(range.fMinExt, 20 * std::sqrt(20.0 / 20000));
    expectRelative(range.fMaxExt, 20000 * std::sqrt(20000.0 / 20));
    expectRelative(range.ratioPerPoint, std::pow(1e6, 1.0 / 896));
    // Every step is the same ratio, across the middle too.
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
    // The widened range reaches below 0 Hz: such points are not computed.
    EXPECT_LT(pointFrequency(range, 0, false), 0);
    EXPECT_GT(pointFrequency(range, 224, false), 0);
}

TEST(SweepRange, LargeViewShowsTheUserRangeItself) {
    const SweepRange range = DeriveBounds(100, 1e5, true);
    EXPECT_EQ(range.firstPoint, 1);
    EXPECT_EQ(range.lastPoint, 896);
    EXPECT_EQ(range.fMinExt, 100);
    EXPECT_EQ(range.fMaxExt, 1e5);
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

}  // namespace
}  // namespace volmira
