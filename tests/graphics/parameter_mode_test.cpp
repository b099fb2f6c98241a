#include "graphics/parameter_mode.h"

#include <gtest/gtest.h>

#include <array>

#include "analysis/calculation.h"
#include "graphics/family_sweep.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// The RC low-pass with R 1 = 1,1 kOhm and C 1 = 1 uF, confirmed.
struct LowPass {
    Calculation calc;
    int resistor = 0;
    LowPass() {
        EXPECT_TRUE(calc.analyse(test::rcLowPass()).ok());
        resistor = findComponent(calc.network(), "R 1");
        bool changed = false;
        calc.storeValue(resistor, "1,1k", changed);
        calc.storeValue(findComponent(calc.network(), "C 1"), "1u", changed);
        EXPECT_FALSE(calc.confirmValues());
    }
};

TEST(ParameterMode, PickEditAndPickAgain) {
    LowPass lp;
    ParameterMode mode;
    EXPECT_EQ(mode.label(), kNoParameterLabel);
    EXPECT_FALSE(mode.pick(lp.calc.network(), 0));
    ASSERT_TRUE(mode.pick(lp.calc.network(), lp.resistor));
    EXPECT_EQ(mode.paramMode(), 1);
    EXPECT_EQ(mode.label(), "R 1:   Normalwert:  = 1,1 kOhm");
    EXPECT_EQ(mode.captions(),
              (ParameterCaptions{"820 Ohm", "1 kOhm", "1,1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
    ASSERT_TRUE(mode.edit(1, "2k"));
    mode.clearComponent();
    EXPECT_EQ(mode.paramMode(), 0);
    ASSERT_TRUE(mode.pick(lp.calc.network(), lp.resistor));
    EXPECT_EQ(mode.captions()[4], "2 kOhm");  // the edited values came back, sorted

    mode.reset();  // a new analysis forgets the component, not the values
    EXPECT_EQ(mode.paramComponent(), 0);
    EXPECT_EQ(mode.label(), kNoParameterLabel);
    ASSERT_TRUE(mode.pick(lp.calc.network(), lp.resistor));
    EXPECT_EQ(mode.captions()[4], "2 kOhm");
}

double resistanceSum(const Network& network) {
    double sum = 0;
    for (int b = 1; b <= network.branchCount; ++b) sum += network.branch(b).R;
    return sum;
}

TEST(ParameterMode, TheEnginesFamilyGivesTheComponentItsOwnValueBack) {
    LowPass lp;
    const int r = lp.resistor;
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
