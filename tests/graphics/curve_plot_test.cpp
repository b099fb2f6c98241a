// The plots' geometry: round ticks, the frequency axis's labels, the curve plot's scales and rows
// with their clipping, the y-scaling; the locus plot's bounds, scale, curves and pointer, and its
// sweep through the engine.
#include "graphics/curve_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/frequency_axis.h"
#include "graphics/locus_plot.h"
#include "graphics/locus_sweep.h"
#include "graphics/nice_ticks.h"
#include "graphics/sweep_window.h"
#include "graphics/y_scaling.h"
#include "graphics_fixtures.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

std::vector<std::string> labels(const TickTable& table) {
    std::vector<std::string> out;
    for (const Tick& tick : table) out.push_back(tick.label);
    return out;
}

TickTable ticks(double lo, double hi, int intervals = 10) {
    return NiceTicks({.lo = lo, .hi = hi, .intervals = intervals});
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

TEST(NiceTicks, LabelsOfTenIntervals) {
    const std::pair<std::pair<double, double>, std::vector<std::string>> cases[] = {
        // Inside the range, with prefixes.
        {{0, 0.137}, {" 0", "20m", "40m", "60m", "80m", "100m", "120m"}},
        // Crossing zero: built outward from an exact 0.
        {{-0.3, 1.2}, {"-200m", " 0", "200m", "400m", "600m", "800m", "1", "1,2"}},
        // Both ends negative: the mirrored ticks, rising.
        {{-7, -3}, {"-7", "-6,5", "-6", "-5,5", "-5", "-4,5", "-4", "-3,5", "-3"}},
        // Digits until neighbours differ.
        {{1000, 1001}, {"1k", "1,0002k", "1,0004k", "1,0006k", "1,0008k", "1,001k"}},
    };
    for (const auto& [range, expected] : cases) {
        SCOPED_TRACE(range.first);
        EXPECT_EQ(labels(ticks(range.first, range.second)), expected);
    }
    EXPECT_EQ(ticks(-0.3, 1.2).ticks[1].value, 0.0);
    EXPECT_EQ(labels(ticks(3.7, 13)).front(), "4");  // rounded up onto the step
}

TEST(NiceTicks, WideLabelsThinTheTicks) {
    TickRequest request{.lo = 0, .hi = 20, .intervals = 20, .length = 100, .widthCheck = true};
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

std::map<std::string, int> byText(const FrequencyLabels& labels) {
    std::map<std::string, int> out;
    for (const AxisLabel& label : labels) out[label.text] = label.position;
    return out;
}

TEST(FrequencyAxis, DecadeLabelsOfTheDefaultRange) {
    // Six decades over 896 columns: 149 columns each, so 1, 2 and 5 but not 3.
    const auto labels = byText(frequencyAxisLabels(DeriveBounds(20, 20000, false), true, {}));
    EXPECT_EQ(labels.size(), 18u);
    EXPECT_EQ(labels.at("20"), 224);
    EXPECT_EQ(labels.at("20k"), 672);
    EXPECT_EQ(labels.at("1"), 30);
    EXPECT_EQ(labels.at("500k"), 881);
    EXPECT_FALSE(labels.contains("3"));
    EXPECT_FALSE(labels.contains("200m"));  // below the widened range
}

TEST(FrequencyAxis, DecadeLabelsOfNarrowerAndWiderRanges) {
    // Large view over 100 Hz .. 10 kHz: 448 columns per decade, all but 6..9.
    const auto two = byText(frequencyAxisLabels(DeriveBounds(100, 10000, true), true, {}));
    EXPECT_EQ(two.at("100"), 0);
    EXPECT_EQ(two.at("10k"), 896);
    EXPECT_EQ(two.at("1k"), 448);
    EXPECT_TRUE(two.contains("400"));
    EXPECT_FALSE(two.contains("600"));
    // 1 mHz .. 1 GHz in the large view: 74.7 columns per decade, the decades alone, with the
    // prefix groups from milli to giga.
    const auto nine = byText(frequencyAxisLabels(DeriveBounds(1e-3, 1e9, true), true, {}));
    EXPECT_EQ(nine.size(), 13u);
    EXPECT_EQ(nine.at("1m"), 0);
    EXPECT_EQ(nine.at("100m"), 149);
    EXPECT_EQ(nine.at("1G"), 896);
    // A value curve's capacitor from 1 nF to 1 uF: the small prefixes, with the unit.
    const auto farad = byText(frequencyAxisLabels(DeriveBounds(1e-9, 1e-6, true), true, {}, "F"));
    EXPECT_EQ(farad.at("1nF"), 0);
    EXPECT_EQ(farad.at("1uF"), 896);
    EXPECT_EQ(farad.at("200n"), 687);
}

TEST(FrequencyAxis, RoundValuesUnderADecadeAndOnTheLinearAxis) {
    // 500 Hz .. 2 kHz in the large view: less than a decade, so round values at their columns.
    const SweepRange narrow = DeriveBounds(500, 2000, true);
    const auto logLabels = byText(frequencyAxisLabels(narrow, true, {}));
    EXPECT_EQ(logLabels.at("1k"), 448);
    EXPECT_EQ(logLabels.at("2k"), 896);
    const auto linear = byText(frequencyAxisLabels(DeriveBounds(20, 20000, false), false, {}));
    EXPECT_EQ(linear.at(" 0"), 224);  // half a column left of 20 Hz
    EXPECT_EQ(linear.at("10k"), 448);
    EXPECT_EQ(linear.at("-8k"), 44);
}

ScaleRecord scaled(double lo, double hi) {
    ScaleRecord scale{.lo = lo, .hi = hi, .autoRange = 0};
    ComputeScale(scale);
    return scale;
}

int row(const ScaleRecord& scale, double v, Clip expectedClip = Clip::None) {
    const ValueRow out = valueRow(scale, plotRows(scale, false), v, kCurveRowOffset);
    EXPECT_EQ(out.clip, expectedClip) << v;
    return out.row;
}

TEST(CurvePlot, AutomaticRangeAlwaysHoldsZero) {
    for (const auto& [minSeen, maxSeen, signClass] :
         {std::tuple{2.0, 8.0, kAtOrAboveZero}, {-8.0, -2.0, kCrossesZero}}) {
        ScaleRecord scale{.minSeen = minSeen, .maxSeen = maxSeen};
        ComputeScale(scale);
        EXPECT_EQ(scale.lo, std::min(minSeen, 0.0)) << minSeen;
        EXPECT_EQ(scale.hi, std::max(maxSeen, 0.0)) << minSeen;
        EXPECT_EQ(scale.span, 8) << minSeen;
        EXPECT_EQ(scale.signClass, signClass) << minSeen;
    }
    // A chosen sub-range is kept.
    EXPECT_EQ(scaled(-10, -2).signClass, kBelowZero);
    EXPECT_EQ(scaled(-10, -2).lo, -10);
}

TEST(CurvePlot, RowsOfTheThreeSignClassesWithClipping) {
    const ScaleRecord above = scaled(0, 10);
    EXPECT_EQ(row(above, 10), 12);  // 333 - 327 - 1 + 7
    EXPECT_EQ(row(above, 0), 339);
    EXPECT_EQ(row(above, 5), 175);  // 163.5 rounds away from zero
    EXPECT_EQ(row(above, 12, Clip::Top), 12);
    EXPECT_EQ(row(above, -1, Clip::Bottom), 339);

    const ScaleRecord crossing = scaled(-5, 5);
    EXPECT_EQ(plotRows(crossing, false).zero, 170);
    EXPECT_EQ(row(crossing, 5), 12);
    EXPECT_EQ(row(crossing, 0), 176);  // k = 0 counts as above zero
    EXPECT_EQ(row(crossing, -5), 341);
    EXPECT_EQ(row(crossing, -9, Clip::Bottom), 341);

    const ScaleRecord below = scaled(-10, -2);
    EXPECT_EQ(row(below, -2), 14);
    EXPECT_EQ(row(below, -10), 341);
    EXPECT_EQ(row(below, 0, Clip::Top), 14);
    // The large view has its own bottom.
    EXPECT_EQ(valueRow(above, plotRows(above, true), 0, kCurveRowOffset).row, 596);
}

TEST(CurvePlot, CurveSkipsUnsolvedPointsAndMarksClippedOnes) {
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    const int slot = selectorSlot(1);
    for (int point : {224, 225, 227, 228}) plot->curves.at(1, slot, point) = point - 224;
    plot->scale(1) = scaled(0, 3);
    plot->curves.at(1, slot, 228) = 7;  // above the chosen range
    plot->curves.at(1, slot, 0) = 1;    // point 0 is never drawn
    const CurvePlotModel model = DrawCurvePlot(*plot, {range, true, 1, 1}, {});
    ASSERT_EQ(model.curves.size(), 1u);
    const std::vector<PlotPoint> expected{{224, 339}, {225, 230}, {227, 12}, {228, 12}};
    EXPECT_EQ(model.curves[0], expected);
    EXPECT_EQ(model.topClips, (std::vector<PlotPoint>{{228, 4}}));
    EXPECT_TRUE(model.bottomClips.empty());
    EXPECT_EQ(model.yTitle, "A");
    // Labels every 0.5 below the top row; their rows sit two below the curve's.
    ASSERT_FALSE(model.yLabels.empty());
    EXPECT_EQ(model.yLabels.front().text, " 0");
    EXPECT_EQ(model.yLabels.front().position, 341);
    EXPECT_EQ(model.yLabels.back().text, "3");
    EXPECT_EQ(model.yLabels.back().position, 14);
}

TEST(CurvePlot, NothingIsDrawnWithoutARange) {
    auto plot = std::make_unique<PlotState>();
    ResetPlot(*plot);
    const SweepRange range = DeriveBounds(20, 20000, false);
    const CurvePlotModel model = DrawCurvePlot(*plot, {range, true, 4, 1}, {});
    // minSeen 1e30 > 0 becomes 0, maxSeen -1e35 < 0 becomes 0: span 0.
    EXPECT_EQ(plot->scale(4).span, 0);
    EXPECT_TRUE(model.curves.empty());
    EXPECT_TRUE(model.yLabels.empty());
}

// Whatever bounds the fields accept, whatever the quantity and the axis, a real sweep lays out
// inside the plot: every curve point in the window's columns and the plot's rows, every label
// on the image.
TEST(CurvePlot, AnyAcceptedRangeLaysOutInsideThePlot) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> decade(-6, 12);  // 1 uHz .. 1 THz
    const char* const resistors[] = {"1m", "47", "1k", "22k", "1M", "1G"};
    const auto width = [](std::string_view text) { return 6 * static_cast<int>(text.size()); };
    for (int round = 0; round < 60; ++round) {
        test::LowPass lowPass(resistors[round % 6]);
        GraphicState& state = lowPass.state;
        const double fMin = std::pow(10.0, decade(random));
        const double fMax = round % 10 == 0 ? fMin : std::pow(10.0, decade(random));
        state.range = DeriveBounds(fMin, fMax, round % 7 == 0);
        state.logarithmic = round % 3 != 0;
        state.button = 1 + round % kQuantityButtons;
        SCOPED_TRACE(::testing::Message() << fMin << " .. " << fMax << " button " << state.button
                                          << " log " << state.logarithmic);
        if (!state.range.set) continue;
        ResetPlot(*state.plot);
        lowPass.sweep();
        const CurvePlotModel model =
            DrawCurvePlot(*state.plot, {state.range, state.logarithmic, state.button, 1}, width);
        for (const std::vector<PlotPoint>& curve : model.curves)
            for (const PlotPoint& p : curve) {
                ASSERT_TRUE(p.x >= state.range.firstPoint && p.x <= state.range.lastPoint) << p.x;
                ASSERT_TRUE(p.y >= model.rows.top && p.y <= model.rows.bottom + kCurveRowOffset)
                    << p.y;
            }
        for (const AxisLabel& label : model.yLabels)
            ASSERT_TRUE(label.position >= 0 && label.position <= model.height) << label.text;
        for (const AxisLabel& label : model.frequencyLabels)
            ASSERT_TRUE(label.position >= 0 && label.position < model.width) << label.text;
        ASSERT_GE(model.yAxisWidth, kMinYAxisWidth);
    }
}

TEST(YScaling, MarkerChoosesASubRangeAndAus1RestoresIt) {
    EXPECT_EQ(scaleMarkerHeight(150, 106), 53);
    EXPECT_EQ(scaleMarkerHeight(100, 106), kScaleMarkerMinHeight);
    ScaleRecord scale = scaled(0, 327);  // one unit per row
    scale.autoRange = 1;
    ASSERT_TRUE(YTeilbereich(scale, plotRows(scale, false), 106, 100));
    EXPECT_DOUBLE_EQ(scale.hi, 242);  // 333 - 106 + 15
    EXPECT_DOUBLE_EQ(scale.lo, 148);  // 333 - 106 - 100 + 21
    EXPECT_EQ(scale.autoRange, 0);
    ComputeScale(scale);
    EXPECT_DOUBLE_EQ(scale.span, 94);
    restoreAutoRange(scale);
    EXPECT_EQ(scale.autoRange, 1);
    ScaleRecord empty;
    EXPECT_FALSE(YTeilbereich(empty, PlotRows{}, 106, 100));
    EXPECT_EQ(empty.autoRange, 1);
}

constexpr int kButton = 8;  // the impedance
const TextWidth kSevenPixelsPerCharacter = [](std::string_view text) {
    return static_cast<int>(text.size()) * 7;
};

// Curve 1 over the user's window: value = point - 223 (1..449) at `phase`.
std::unique_ptr<PlotState> ramp(double phase) {
    auto plot = std::make_unique<PlotState>();
    const int slot = selectorSlot(kButton);
    for (int point = 224; point <= 672; ++point) {
        plot->curves.at(1, slot, point) = point - 223;
        plot->phases.at(1, slot, point) = phase;
    }
    return plot;
}

TEST(LocusPlot, AQuantityOnThePositiveRealAxisIsScaledByItsRealRange) {
    auto plot = ramp(0);
    plot->curves.at(1, selectorSlot(kButton), 300) = 0;  // never joins the curve
    const SweepRange range = DeriveBounds(20, 20000, false);
    const LocusBounds bounds = RebuildFromStore(*plot, range, kButton, 1);
    EXPECT_EQ(bounds.imMin, 0);
    EXPECT_EQ(bounds.imMax, 0);
    EXPECT_EQ(bounds.reMin, 0);
    EXPECT_EQ(bounds.reMax, 449);
    EXPECT_EQ(plot->scale(kButton).maxSeen, 449);

    const LocusView view{range, kButton};
    const LocusPlotModel model =
        DrawLocusPlot(*plot, bounds, view, kSevenPixelsPerCharacter, kSevenPixelsPerCharacter);
    EXPECT_DOUBLE_EQ(model.scale.unitsPerPixel, 449.0 / 430);
    EXPECT_EQ(model.origin, (PlotPoint{234, 0}));
    ASSERT_EQ(model.curves.size(), 1u);
    const std::vector<PlotPoint>& points = model.curves[0].points;
    EXPECT_EQ(points.size(), 448u);
    EXPECT_EQ(points.front(), (PlotPoint{235, 0}));
    EXPECT_EQ(points.back(), (PlotPoint{664, 0}));  // 430 columns right of the origin
    ASSERT_FALSE(model.realLabels.empty());
    EXPECT_EQ(model.realLabels.front().position, 234);
    EXPECT_EQ(model.realLabels.front().text, " 0");
    EXPECT_GT(model.realLabels.back().position, 600);
}

TEST(LocusPlot, APointerOverAnUnsolvedPointHides) {
    auto plot = ramp(std::atan2(3.0, 4.0));
    SweepRange range = DeriveBounds(20, 20000, false);
    const LocusBounds bounds = RebuildFromStore(*plot, range, kButton, 1);
    const LocusScale scale = locusScale(bounds, false);
    // Point 224 + 100 has the value 101 at 4 + 3j: 80,8 + 60,6j.
    const LocusPointer shown = PlaceLocusPointer(*plot, scale, {range, kButton, 1, 1, 100});
    EXPECT_TRUE(shown.visible);
    EXPECT_EQ(shown.point, 324);
    EXPECT_EQ(shown.tip, scale.pixel({80.8, 60.6}));
    EXPECT_EQ(shown.square, (PlotPoint{shown.tip.x - 2, shown.tip.y - 3}));
    scrollWindow(range, 300);  // the pointer now lands beyond the solved points
    EXPECT_FALSE(PlaceLocusPointer(*plot, scale, {range, kButton, 1, 1, 400}).visible);
}

TEST(LocusPlot, TallBoundsScaleByTheImaginaryRange) {
    const LocusBounds bounds{-10, 50, -100, 200};
    const LocusScale scale = locusScale(bounds, true);
    EXPECT_DOUBLE_EQ(scale.unitsPerPixel, 300 / (1.743 * 335));
    EXPECT_DOUBLE_EQ(scale.originX, 10 / scale.unitsPerPixel + 10);
    EXPECT_FALSE(locusScale(LocusBounds{}, false).drawable());
}

// The current of a series R, L, C loop runs on a circle through the origin (1 mA across at
// resonance, 1,59 kHz), so the bounds grow as the sweep goes on.
TEST(LocusSweep, ProbesFirstThenWidensAsPointsLeaveTheBounds) {
    Calculation calc;
    ASSERT_TRUE(test::analyseWithValues(calc, test::seriesRlcLoop(), [](const std::string& n) {
        return n[0] == 'R' ? "1k" : n[0] == 'L' ? "100m" : "100n";
    }));
    const int branch = test::branchOf(calc, "R 1");

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
