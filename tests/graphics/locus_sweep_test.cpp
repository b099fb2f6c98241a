#include "graphics/locus_sweep.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/test_drawings.h"

namespace volmira {
namespace {

// The current of a series R, L, C loop runs on a circle through the origin (1 mA across at
// resonance, 1,59 kHz), so the bounds grow as the sweep goes on.
TEST(LocusSweep, ProbesFirstThenWidensAsPointsLeaveTheBounds) {
    Calculation calc;
    ASSERT_TRUE(calc.analyse(test::seriesRlcLoop()).ok());
    bool changed = false;
    for (const auto& [name, value] : {std::pair{"R 1", "1k"}, {"L 1", "100m"}, {"C 1", "100n"}})
        calc.storeValue(findComponent(calc.network(), name), value, changed);
    ASSERT_FALSE(calc.confirmValues());
    const int branch = calc.network().component(findComponent(calc.network(), "R 1")).branch;

    const auto plot = std::make_unique<PlotState>();
    const auto plan = std::make_unique<SweepPlan>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    EXPECT_EQ(locusProbePoints(range), (std::array<int, 5>{224, 336, 448, 560, 672}));
    LocusBounds bounds;
    std::vector<int> solvedAtRedraw;
    const SweepOutcome outcome = SweepLocusWindow(
        calc, *plot, bounds, {range, true, 1, 1}, branch, *plan, [](int, int) { return true; },
        [&](const LocusScale&) { solvedAtRedraw.push_back(plot->computedCount); });
    EXPECT_FALSE(outcome.failed);
    ASSERT_GE(solvedAtRedraw.size(), 2u);
    EXPECT_EQ(solvedAtRedraw.front(), 5);  // the axes stand on the probes
    EXPECT_EQ(plot->computedCount, 449);
    const LocusBounds all = RebuildFromStore(*plot, range, 1, 1);
    EXPECT_DOUBLE_EQ(bounds.imMax, all.imMax);
    EXPECT_DOUBLE_EQ(bounds.imMin, all.imMin);
    EXPECT_NEAR(all.reMax, 1e-3, 1e-6);
}

}  // namespace
}  // namespace volmira
