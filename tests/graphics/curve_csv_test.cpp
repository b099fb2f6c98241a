// The graphic mode's value curve on the window, and what it shows as German CSV read back.
#include "graphics/curve_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <vector>

#include "analysis/german_csv.h"
#include "graphics/graphic_state.h"
#include "graphics/locus_plot.h"
#include "graphics/sweep_window.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

constexpr int kVoltageButton = 2;  // FgGroesse2, "Spannung"

// The RC low-pass (1 kOhm, 1 uF) at 1 kHz, its capacitor's branch chosen.
struct LowPass {
    Calculation calc;
    GraphicState state;
    SweepPlan plan;
    LowPass() {
        test::analyseWithValues(calc, test::rcLowPass(), [](const std::string& name) {
            return name[0] == 'R' ? "1k" : "1u";
        });
        state.branch = test::branchOf(calc, "C1");
        state.button = kVoltageButton;
    }
    void sweep() {
        sweepWindowPoints(calc, *state.plot, state.target(), state.branch, plan,
                          [](int, int) { return true; });
    }
};

std::vector<std::vector<std::string>> readBack(const std::string& csv) {
    EXPECT_EQ(csv.rfind(kCsvStart, 0), 0u);
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv.substr(kCsvStart.size()));
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<std::string>& fields = rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ';');) fields.push_back(cell);
    }
    return rows;
}

double number(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return std::stod(text);
}

TEST(ValueCurve, SweepsTheComponentsValueAtTheSingleFrequencyOverTheWindow) {
    LowPass lp;
    const int r = findComponent(lp.calc.network(), "R1");
    const std::optional<ValueCurve> curve = valueCurveFor(lp.calc.network(), r, kBoundDigits);
    ASSERT_TRUE(curve);
    EXPECT_EQ(curve->from, "100 Ohm");
    EXPECT_EQ(curve->to, "10 kOhm");
    lp.state.valueCurve = *curve;
    EXPECT_FALSE(acceptRangeBound(lp.state, "0").accepted);
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "10k", "100"), kValueRangeReversedMessage);
    lp.state.range = DeriveBounds(100, 10000, false);
    lp.sweep();
    const double wC = 2 * std::numbers::pi * 1000 * 1e-6;
    for (int point : {kNormalFirstPoint, 448, kNormalLastPoint}) {
        const double value = pointFrequency(lp.state.range, point, true);
        EXPECT_NEAR(lp.state.plot->curves.at(1, 0, point),
                    1 / std::sqrt(1 + wC * value * wC * value), 1e-12);
    }
    EXPECT_EQ(lp.calc.network().component(r).value, 1000);
}

TEST(CurveCsv, ReadsBackAsShownForCurvesAndLocusPlots) {
    LowPass lp;
    lp.state.range = DeriveBounds(20, 20000, false);
    lp.sweep();
    CurveCsvView view{lp.state.range, true, kVoltageButton};
    view.curveNames[0] = "R 1 = 1 kOhm";
    auto rows = readBack(curveCsv(*lp.state.plot, view));
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Frequenz [Hz]", "Spannung [V] (R 1 = 1 kOhm)"}));
    ASSERT_EQ(rows.size(), std::size_t(kNormalLastPoint - kNormalFirstPoint + 2));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int point = kNormalFirstPoint + int(i) - 1;
        EXPECT_NEAR(number(rows[i][0]) / pointFrequency(lp.state.range, point, true), 1, 5e-8);
        EXPECT_NEAR(number(rows[i][1]) / lp.state.plot->curves.at(1, 0, point), 1, 5e-8);
    }

    view.locus = true;
    view.curveNames[0].clear();
    rows = readBack(curveCsv(*lp.state.plot, view));
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Frequenz [Hz]", "Re Spannung [V]", "Im Spannung [V]"}));
    const ComplexValue z = locusValue(*lp.state.plot, 1, 0, 448);
    const auto& row = rows[std::size_t(448 - kNormalFirstPoint + 1)];
    EXPECT_NEAR(number(row[1]), z.re, 1e-8 * std::abs(z.re));
    EXPECT_NEAR(number(row[2]), z.im, 1e-8 * std::abs(z.im));
}

}  // namespace
}  // namespace volmira
