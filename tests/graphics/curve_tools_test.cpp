// The curve tools: stretch, ripple zoom, extreme search, image and curve memory; the value curve
// and what the window shows as German CSV read back.
#include "graphics/curve_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <vector>

#include "analysis/german_csv.h"
#include "graphics/curve_csv.h"
#include "graphics/curve_memory.h"
#include "graphics/locus_plot.h"
#include "graphics_fixtures.h"

namespace volmira {
namespace {

// A resonance dip at 1 kHz with a zero at the low end.
double dip(double f) {
    return f < 60 ? 0 : std::abs(std::log(f / 1000)) + 1;
}

std::unique_ptr<PlotState> swept(const SweepRange& range, test::FakeSolver solver = {},
                                 bool logarithmic = true) {
    auto plot = std::make_unique<PlotState>();
    test::sweepStandIn(*plot, {range, logarithmic, 1, 1}, solver, test::kAlways);
    return plot;
}

TEST(CurveTools, StretchSolvesOnlyTheOddPointsAgain) {
    const SweepRange old = DeriveBounds(20, 20000, false);
    auto plot = swept(old);
    const SweepRange range = StretchTwice(*plot, old, true, 1);
    EXPECT_NEAR(range.fMin, 20 * std::pow(1000.0, 0.25), 1e-9);
    EXPECT_NEAR(range.fMinExt, 20, 1e-9);
    EXPECT_NEAR(range.fMaxExt, 20000, 1e-6);
    EXPECT_EQ(range.firstPoint, 224);
    EXPECT_EQ(range.lastPoint, 672);
    // The old window lies on the even points with its frequencies.
    EXPECT_NEAR(plot->curves.at(1, 0, 2 * 112), pointFrequency(range, 224, true), 1e-9);
    EXPECT_FALSE(isComputed(plot->curves.at(1, 0, 225)));
    EXPECT_EQ(plot->scale(1).maxSeen, 20000);

    test::FakeSolver solver;
    test::sweepStandIn(*plot, {range, true, 1, 1}, solver, test::kAlways);
    EXPECT_EQ(solver.frequencies.size(), 224u);
    EXPECT_NEAR(solver.frequencies.front(), pointFrequency(range, 225, true), 1e-9);
}

TEST(CurveTools, StretchOnTheLinearAxis) {
    const SweepRange old = DeriveBounds(100, 500, false);
    auto plot = swept(old, {}, false);
    const SweepRange range = StretchTwice(*plot, old, false, 1);
    EXPECT_DOUBLE_EQ(range.fMinLin, 100);
    EXPECT_DOUBLE_EQ(range.fMaxLin, 500);
    EXPECT_DOUBLE_EQ(range.fMin, 200);
    EXPECT_DOUBLE_EQ(pointFrequency(range, 448, false), plot->curves.at(1, 0, 448));
}

TEST(CurveTools, RippleIgnoresZeros) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto plot = swept(range, {dip});
    ASSERT_TRUE(ZoomToRipple(*plot, range, 1, 1));
    EXPECT_NEAR(plot->scale(1).lo, 1, 0.01);
    EXPECT_NEAR(plot->scale(1).hi, std::log(20.0) + 1, 1e-9);
    EXPECT_EQ(plot->scale(1).autoRange, 0);
    // A flat curve has no ripple to show.
    auto flat = swept(range, {[](double) { return 2.0; }});
    EXPECT_FALSE(ZoomToRipple(*flat, range, 1, 1));
    EXPECT_EQ(flat->scale(1).autoRange, 1);
}

TEST(CurveTools, ExtremeSearch) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto monotonic = swept(range);
    for (int cursor : {0, 223, 400}) {
        const ExtremeFound none = FindNextExtreme(*monotonic, range, 1, 1, cursor);
        EXPECT_EQ(none.point, -1);
        EXPECT_EQ(none.cursor, 223);
    }
    auto plot = swept(range, {dip});
    const ExtremeFound first = FindNextExtreme(*plot, range, 1, 1, 0);
    EXPECT_NEAR(pointFrequency(range, first.point, true), 1000, 15);
    EXPECT_EQ(first.cursor, first.point - 1);
    EXPECT_EQ(FindNextExtreme(*plot, range, 1, 1, first.cursor).point, -1);
}

TEST(CurveMemory, ImageKeepsItsRowsAndCurveMemoryItsAxis) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto plot = swept(range, {dip});
    const CurvePlotView view{range, true, 1, 1, 1};
    const ImageMemory image = BurnIn(DrawCurvePlot(*plot, view, {}));
    const std::vector<PlotPoint> overlay = imageOverlay(image);
    ASSERT_EQ(overlay.size(), 449u);
    // Another quantity has another scale; the overlay stays where it was drawn.
    plot->curves.at(1, selectorSlot(2), 300) = 50;
    plot->scale(2).maxSeen = 50;
    const CurvePlotModel other = DrawCurvePlot(*plot, {range, true, 2, 1, 1}, {});
    ASSERT_EQ(other.curves.size(), 1u);
    EXPECT_NE(other.curves[0], overlay);
    EXPECT_EQ(imageOverlay(image), overlay);

    auto memory = std::make_unique<CurveMemory>();
    EXPECT_FALSE(curveMemoryMatches(*memory, range, true));
    StoreCurve(*memory, *plot, 1, range, true);
    EXPECT_TRUE(curveMemoryMatches(*memory, range, true));
    EXPECT_FALSE(curveMemoryMatches(*memory, range, false));
    EXPECT_LE(memory->key.size(), 50u);
    ScaleRecord scale;
    includeCurveMemory(scale, *memory, 1);
    EXPECT_DOUBLE_EQ(scale.minSeen, 0);
    ComputeScale(scale);
    EXPECT_EQ(curveMemoryLine(*memory, scale, plotRows(scale, false), 1).size(), 449u);

    // In the locus the memory's solved points widen the bounds at their phase, and its line
    // leaves out the zeros below 60 Hz.
    const LocusRow row = locusRow(*memory, 1);
    LocusBounds bounds;
    widenLocusBounds(bounds, row, DeriveBounds(20, 20000, true));  // the large view's window
    EXPECT_NEAR(bounds.imMax, dip(20000) * std::sin(0.5), 1e-9);
    EXPECT_NEAR(bounds.reMax, dip(20000) * std::cos(0.5), 1e-9);
    EXPECT_EQ(bounds.reMin, 0);
    const auto& values = memory->values[0];
    const auto zeros = std::count(values.begin(), values.end(), 0.0);
    EXPECT_GT(zeros, 50);
    EXPECT_EQ(locusLine(row, locusScale(bounds, false), range).size(), 449u - std::size_t(zeros));
    // A window reaching past the memory's last point takes what the memory holds.
    SweepRange late = range;
    late.firstPoint = 450;
    late.lastPoint = 898;
    LocusBounds lateBounds;
    widenLocusBounds(lateBounds, row, late);
    EXPECT_NEAR(lateBounds.reMax, bounds.reMax, 1e-9);
}

constexpr int kVoltageButton = 2;  // FgGroesse2, "Spannung"

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
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
}

TEST(ValueCurve, SweepsTheComponentsValueAtTheSingleFrequencyOverTheWindow) {
    test::LowPass lp;  // on the capacitor's voltage
    lp.state.branch = test::branchOf(lp.calc, "C1");
    lp.state.button = kVoltageButton;
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
    test::LowPass lp;  // on the capacitor's voltage
    lp.state.branch = test::branchOf(lp.calc, "C1");
    lp.state.button = kVoltageButton;
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
