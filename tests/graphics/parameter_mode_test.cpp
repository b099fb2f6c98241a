// The parameter mode: its five values around the component's, their edits and captions, the
// invalidation check, picking the component, and the family of five curves over a stand-in
// network and over the engine, after which the component always has its own value back.
#include "graphics/parameter_mode.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "analysis/value_text.h"
#include "graphics/family_sweep.h"
#include "graphics/parameter_values.h"
#include "graphics_fixtures.h"

namespace volmira {
namespace {

ParameterCaptions ohmCaptions(const ParameterValues& values) {
    return parameterCaptions(values, kUnitOhm);
}

TEST(ParameterValues, InitialValuesAroundTheComponentsValue) {
    // An E12 value takes its neighbours; 1,1 kOhm (its place among them) in the mode's test.
    EXPECT_EQ(ohmCaptions(initialParameterValues(E12Kind::Resistor, 1000)),
              (ParameterCaptions{"680 Ohm", "820 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
}

TEST(ParameterValues, NearTheTablesEndsTheValueIsScaled) {
    const E12Kind kind = E12Kind::Capacitor;
    const auto e = [kind](int i) { return e12Value(kind, i); };
    for (const double v : {e(1) / 10, e(2), e(94), e(96) * 10}) {
        const ParameterValues values = initialParameterValues(kind, v);
        EXPECT_EQ(values, (ParameterValues{v * 0.2, v * 0.5, v, v * 2, v * 5})) << v;
    }
    // Just inside both ends the table's neighbours are used.
    EXPECT_EQ(initialParameterValues(kind, e(3)), (ParameterValues{e(1), e(2), e(3), e(4), e(5)}));
    EXPECT_EQ(initialParameterValues(kind, e(93) * 1.01),
              (ParameterValues{e(92), e(93), e(93) * 1.01, e(94), e(95)}));
}

TEST(ParameterValues, EditedValuesAreSortedWithEmptySlotsLast) {
    ParameterValues values{100, NotComputed, 300, NotComputed, 500};
    ASSERT_TRUE(editParameterValue(values, 1, " 4,7k "));
    EXPECT_EQ(values, (ParameterValues{300, 500, 4700, NotComputed, NotComputed}));
    ASSERT_TRUE(editParameterValue(values, 2, ""));  // blank empties the slot
    EXPECT_EQ(values, (ParameterValues{300, 4700, NotComputed, NotComputed, NotComputed}));
    EXPECT_FALSE(editParameterValue(values, 1, "abc"));
    EXPECT_FALSE(editParameterValue(values, 1, "0"));
    EXPECT_EQ(values, (ParameterValues{300, 4700, NotComputed, NotComputed, NotComputed}));
    EXPECT_EQ(ohmCaptions(values)[2], "");

    E12Selection picked;
    for (const double v : {2200.0, 100.0, 470.0}) picked.toggle(v);
    EXPECT_EQ(valuesFromSelection(picked),
              (ParameterValues{100, 470, 2200, NotComputed, NotComputed}));
}

TEST(SweepSettings, ACaptionChangedAndChangedBack) {
    const ParameterCaptions captions{"680 Ohm", "820 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm"};
    const SweepSettings last = sweepSettings("20 Hz", "20 kHz", 1, 3, captions);
    ParameterCaptions edited = captions;
    edited[2] = "1,1 kOhm";
    EXPECT_TRUE(showInvalidation(sweepSettings("20 Hz", "20 kHz", 1, 3, edited), last, true));
    EXPECT_FALSE(showInvalidation(sweepSettings("20 Hz", "20 kHz", 1, 3, edited), last, false));
    EXPECT_FALSE(showInvalidation(sweepSettings(" 20 Hz ", "20 kHz", 1, 3, captions), last, true));
    // Without parameter mode the captions do not count; the mode itself does.
    const SweepSettings plain = sweepSettings("20 Hz", "20 kHz", 0, 0, captions);
    EXPECT_FALSE(sweepSettingsDiffer(sweepSettings("20 Hz", "20 kHz", 0, 0, edited), plain));
    EXPECT_TRUE(sweepSettingsDiffer(sweepSettings("20 Hz", "20 kHz", 1, 3, captions), plain));
    EXPECT_TRUE(sweepSettingsDiffer(sweepSettings("20 Hz", "2 kHz", 0, 0, captions), plain));
    // Only the first 15 characters are kept.
    EXPECT_FALSE(sweepSettingsDiffer(sweepSettings("123456789012345x", "", 0, 0, {}),
                                     sweepSettings("123456789012345y", "", 0, 0, {})));
}

TEST(ParameterMode, PickEditAndPickAgain) {
    test::LowPass lp("1,1k");
    const int resistor = findComponent(lp.calc.network(), "R 1");
    ParameterMode mode;
    EXPECT_EQ(mode.label(), kNoParameterLabel);
    EXPECT_FALSE(mode.pick(lp.calc.network(), 0));
    ASSERT_TRUE(mode.pick(lp.calc.network(), resistor));
    EXPECT_EQ(mode.paramMode(), 1);
    EXPECT_EQ(mode.label(), "R 1:   Normalwert:  = 1,1 kOhm");
    EXPECT_EQ(mode.captions(),
              (ParameterCaptions{"820 Ohm", "1 kOhm", "1,1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
    ASSERT_TRUE(mode.edit(1, "2k"));
    mode.clearComponent();
    EXPECT_EQ(mode.paramMode(), 0);
    // Values are remembered per component.
    ASSERT_TRUE(mode.pick(lp.calc.network(), findComponent(lp.calc.network(), "C 1")));
    EXPECT_EQ(mode.captions()[2], "1 uF");
    ASSERT_TRUE(mode.pick(lp.calc.network(), resistor));
    EXPECT_EQ(mode.captions()[4], "2 kOhm");  // the edited values came back, sorted

    mode.reset();  // a new analysis forgets the component, not the values
    EXPECT_EQ(mode.paramComponent(), 0);
    EXPECT_EQ(mode.label(), kNoParameterLabel);
    ASSERT_TRUE(mode.pick(lp.calc.network(), resistor));
    EXPECT_EQ(mode.captions()[4], "2 kOhm");
}

// A stand-in network whose every quantity is the parameter's value.
struct Family {
    double componentValue = 1234.5678901;  // not an E12 value, so a stale one shows
    double applied = 0;                    // what resync last handed to the "solver"
    std::unique_ptr<PlotState> plot = std::make_unique<PlotState>();
    SweepRange range = DeriveBounds(20, 20000, false);

    template <class KeepGoing>
    FamilySweepResult run(const ParameterValues& values, KeepGoing keepGoing) {
        auto resync = [this] { applied = componentValue; };
        auto solve = [this](double, BranchQuantities& out) {
            out.value.fill(applied);
            out.phase.fill(0);
        };
        return RunFamilySweep(values, componentValue, resync, [&](int curve) {
            const SweepTarget target{range, true, curve, 1};
            bool stopped = false;
            test::sweepStandIn(*plot, target, solve, [&](int done, int) {
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

double resistanceSum(const Network& network) {
    double sum = 0;
    for (int b = 1; b <= network.branchCount; ++b) sum += network.branch(b).R;
    return sum;
}

TEST(ParameterMode, TheEnginesFamilyGivesTheComponentItsOwnValueBack) {
    test::LowPass lp("1,1k");
    const int r = findComponent(lp.calc.network(), "R 1");
    const double own = lp.calc.network().component(r).value;
    std::array<double, kParameterValueCount> swept{};
    auto sweepCurve = [&](int curve) {
        swept[static_cast<std::size_t>(curve - 1)] = resistanceSum(lp.calc.network());
        return curve != 3;  // Stop during curve 3
    };
    const FamilySweepResult result =
        RunFamilySweep(ParameterValues{680, 820, 1000, 1200, 1500}, lp.calc, r, sweepCurve);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(swept, (std::array<double, 5>{680, 820, 1000, 0, 0}));
    EXPECT_EQ(lp.calc.network().component(r).value, own);
    EXPECT_EQ(resistanceSum(lp.calc.network()), own);
}

}  // namespace
}  // namespace volmira
