#include "graphics/nice_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace volmira {
namespace {

std::vector<std::string> labels(const TickTable& table) {
    std::vector<std::string> out;
    for (const Tick& tick : table) out.push_back(tick.label);
    return out;
}

TickTable ticks(double lo, double hi, int intervals = 10) {
    TickRequest request;
    request.lo = lo;
    request.hi = hi;
    request.intervals = intervals;
    return NiceTicks(request);
}

TEST(NiceTicks, StepIsTwoFiveOrTenTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(niceStep(0.0137), 0.02);
    EXPECT_DOUBLE_EQ(niceStep(3.1), 5);
    EXPECT_DOUBLE_EQ(niceStep(7), 10);
    EXPECT_DOUBLE_EQ(niceStep(1.5e6), 2e6);
    // Read at seven digits: just under 1 counts as 1.
    EXPECT_DOUBLE_EQ(niceStep(0.99999999), 2);
    EXPECT_EQ(niceStep(0), 0);
    EXPECT_EQ(niceStep(-1), 0);
}

TEST(NiceTicks, TicksStayInsideTheRangeWithPrefixedLabels) {
    EXPECT_EQ(labels(ticks(0, 0.137)),
              (std::vector<std::string>{" 0", "20m", "40m", "60m", "80m", "100m", "120m"}));
    // First tick rounded up onto the step.
    EXPECT_EQ(labels(ticks(3.7, 13)).front(), "4");
}

TEST(NiceTicks, SignClasses) {
    // Crossing zero: built outward from an exact 0.
    const TickTable crossing = ticks(-0.3, 1.2);
    EXPECT_EQ(labels(crossing), (std::vector<std::string>{"-200m", " 0", "200m", "400m", "600m",
                                                          "800m", "1", "1,2"}));
    EXPECT_EQ(crossing.ticks[1].value, 0.0);
    // Both ends negative: the mirrored ticks, rising.
    const TickTable negative = ticks(-7, -3);
    EXPECT_EQ(labels(negative).front(), "-7");
    EXPECT_EQ(labels(negative).back(), "-3");
    EXPECT_EQ(negative.ticks[1].value, -6.5);
}

TEST(NiceTicks, LabelsGetDigitsUntilNeighboursDiffer) {
    EXPECT_EQ(
        labels(ticks(1000, 1001)),
        (std::vector<std::string>{"1k", "1,0002k", "1,0004k", "1,0006k", "1,0008k", "1,001k"}));
}

TEST(NiceTicks, WideLabelsThinTheTicks) {
    TickRequest request;
    request.lo = 0;
    request.hi = 20;
    request.intervals = 20;
    request.length = 100;
    request.spacing = 2;
    request.widthCheck = true;
    const auto tenPixels = [](std::string_view) { return 10; };
    // Step 2 gives 11 labels of 10 px that need 220 px: n becomes Round(20 * 100 / 220) = 9,
    // whose step is 5.
    EXPECT_EQ(labels(NiceTicks(request, tenPixels)),
              (std::vector<std::string>{" 0", "5", "10", "15", "20"}));
    request.widthCheck = false;
    EXPECT_EQ(NiceTicks(request, tenPixels).count, 11);
}

TEST(NiceTicks, DegenerateRangesGiveNoTicksAndTablesStayBounded) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [lo, hi] :
         {std::pair{1.0, 1.0}, {2.0, 1.0}, {nan, 1.0}, {0.0, nan}, {0.0, inf}, {0.0, 1e-30}}) {
        SCOPED_TRACE(testing::Message() << lo << " " << hi);
        EXPECT_EQ(ticks(lo, hi).count, 0);
    }
    EXPECT_LE(ticks(0, 1, 100000).count, kMaxTicks);
    EXPECT_LE(ticks(-1e300, 1e300, 60).count, kMaxTicks);
    EXPECT_EQ(ticks(0, 1, 0).count, 0);
}

}  // namespace
}  // namespace volmira
