// The value sweep of the engine: the curve of the RC divider against R, the component's own
// value given back bit for bit on every way out, and each point equal to a single solve.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "analysis/calculation.h"
#include "analysis/value_points.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

// The RC low-pass at 1 kHz: C 1 = 1 uF, R 1 a value without a short binary form.
constexpr double kR = 1234.56789012345;

struct Divider {
    Calculation calc;
    int r = 0;
    Divider() {
        test::analyseWithValues(calc, test::rcLowPass(), [](const std::string& name) {
            return name[0] == 'R' ? "1,23456789012345k" : "1u";
        });
        r = findComponent(calc.network(), "R1");
        EXPECT_EQ(calc.network().component(r).value, kR);
    }
};

TEST(ValueSweep, CurveOfTheRcDividerFollowsItsClosedForm) {
    Divider d;
    std::vector<double> values(31);
    valuePoints({100, 100000}, true, 1000, values);
    EXPECT_EQ(values.front(), 100);
    EXPECT_EQ(values.back(), 100000);
    EXPECT_EQ(values[10], 1000);  // the nominal value, exactly
    EXPECT_NEAR(values[1] / values[0], std::pow(10.0, 0.1), 1e-12);
    std::vector<double> linear(5);
    valuePoints({1, 5}, false, 0, linear);
    EXPECT_EQ(linear, (std::vector<double>{1, 2, 3, 4, 5}));

    const int capacitorBranch = test::branchOf(d.calc, "C1");
    const double wC = 2 * std::numbers::pi * 1000 * 1e-6;
    std::size_t seen = 0;
    const SweepOutcome outcome =
        d.calc.sweepValues(d.r, values, [&](std::size_t i, const BranchCurrents& currents) {
            const double u = branchQuantities(d.calc.network(), currents, capacitorBranch,
                                              1)[ElectricalQuantity::Voltage];
            const double wRC = wC * values[i];
            EXPECT_NEAR(u, 1 / std::sqrt(1 + wRC * wRC), 1e-12) << values[i];
            ++seen;
            return true;
        });
    EXPECT_EQ(seen, values.size());
    EXPECT_EQ(outcome.pointsDone, values.size());
    EXPECT_TRUE(outcome.message().empty());
}

TEST(ValueSweep, GivesTheValueBackBitForBitAfterTheEndStopAndAFailure) {
    Divider d;
    const auto branchR = [&] { return d.calc.network().branch(test::branchOf(d.calc, "R1")).R; };
    const double sumBefore = branchR();
    const auto expectRestored = [&] {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(d.calc.network().component(d.r).value),
                  std::bit_cast<std::uint64_t>(kR));
        EXPECT_EQ(branchR(), sumBefore);
    };
    const std::vector<double> values{1, 10, 100, 1000, 10000};

    d.calc.sweepValues(d.r, values, [](std::size_t, const BranchCurrents&) { return true; });
    expectRestored();
    const SweepOutcome stopped =
        d.calc.sweepValues(d.r, values, [](std::size_t i, const BranchCurrents&) { return i < 2; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.pointsDone, 3u);
    expectRestored();
    EXPECT_THROW(d.calc.sweepValues(d.r, values,
                                    [](std::size_t, const BranchCurrents&) -> bool {
                                        throw std::runtime_error("solver failure");
                                    }),
                 std::runtime_error);
    expectRestored();
}

TEST(ValueSweep, EveryPointEqualsASingleSolveWithTheValueSet) {
    Divider d;
    const std::vector<double> values{47, 470, kR, 4700, 47000};
    std::vector<BranchQuantities> swept;
    d.calc.sweepValues(d.r, values, [&](std::size_t, const BranchCurrents& currents) {
        for (int b = 1; b <= d.calc.network().branchCount; ++b)
            swept.push_back(branchQuantities(d.calc.network(), currents, b, d.calc.voltage()));
        return true;
    });
    std::size_t row = 0;
    for (double value : values) {
        d.calc.parameterValue(d.r) = value;
        d.calc.resumBranches();
        d.calc.solve();
        for (int b = 1; b <= d.calc.network().branchCount; ++b, ++row)
            EXPECT_EQ(d.calc.quantities(b).value, swept[row].value) << value << " branch " << b;
    }
}

}  // namespace
}  // namespace volmira
