#include "graphics/family_sweep.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "graphics/sweep_points.h"

namespace volmira {
namespace {

// A stand-in network whose every quantity is the parameter's value.
struct Family {
    double componentValue = 1234.5678901;  // not an E12 value, so a stale one shows
    double applied = 0;                    // what resync last handed to the "solver"
    int resyncs = 0;
    std::unique_ptr<PlotState> plot = std::make_unique<PlotState>();
    SweepRange range = DeriveBounds(20, 20000, false);

    template <class KeepGoing>
    FamilySweepResult run(const ParameterValues& values, KeepGoing keepGoing) {
        auto resync = [this] {
            applied = componentValue;
            ++resyncs;
        };
        auto solve = [this](double, BranchQuantities& out) {
            out.value.fill(applied);
            out.phase.fill(0);
        };
        return RunFamilySweep(values, componentValue, resync, [&](int curve) {
            const SweepTarget target{range, true, curve, 1};
            bool stopped = false;
            SweepWindow(*plot, target, solve, [&](int done, int) {
                stopped = !keepGoing(curve, done);
                return !stopped;
            });
            return !stopped;
        });
    }
    bool solved(int curve, int point) const { return isComputed(plot->curves.at(curve, 1, point)); }
};

const ParameterValues kFive{680, 820, 1000, 1200, 1500};

TEST(FamilySweep, SweepsEachValueIntoItsCurveAndRestoresTheValue) {
    Family family;
    const FamilySweepResult result =
        family.run(ParameterValues{680, NotComputed, 1000, NotComputed, NotComputed},
                   [](int, int) { return true; });
    EXPECT_EQ(result.lastCurve, 5);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(family.plot->curves.at(1, 1, 300), 680);
    EXPECT_FALSE(family.solved(2, 300));  // an empty slot gives no curve
    EXPECT_EQ(family.plot->curves.at(3, 1, 672), 1000);
    EXPECT_EQ(family.componentValue, 1234.5678901);
    EXPECT_EQ(family.applied, 1234.5678901);  // the solver was brought back too
}

TEST(FamilySweep, StopDuringTheThirdCurveKeepsWhatWasSolved) {
    Family family;
    const FamilySweepResult result =
        family.run(kFive, [](int curve, int done) { return !(curve == 3 && done == 100); });
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.lastCurve, 3);
    EXPECT_TRUE(family.solved(1, 672) && family.solved(2, 672));
    EXPECT_TRUE(family.solved(3, 323));
    EXPECT_FALSE(family.solved(3, 324));
    EXPECT_FALSE(family.solved(4, 224));
    EXPECT_EQ(family.componentValue, 1234.5678901);
    EXPECT_EQ(family.applied, 1234.5678901);
}

TEST(FamilySweep, AFailureEscapingASolveRestoresTheValue) {
    Family family;
    EXPECT_THROW(family.run(kFive,
                            [](int curve, int done) {
                                if (curve == 2 && done == 5) throw std::runtime_error("solve");
                                return true;
                            }),
                 std::runtime_error);
    EXPECT_EQ(family.componentValue, 1234.5678901);
    EXPECT_EQ(family.applied, 1234.5678901);
}

}  // namespace
}  // namespace volmira
