#include "graphics/curve_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "graphics/curve_memory.h"
#include "graphics/sweep_points.h"

namespace volmira {
namespace {

constexpr auto kAlways = [](int, int) { return true; };

// Every quantity is a function of the frequency; the points solved are noted.
struct Solver {
    double (*value)(double f);
    std::vector<double> frequencies;
    void operator()(double f, BranchQuantities& out) {
        frequencies.push_back(f);
        out.value.fill(value(f));
        out.phase.fill(0.5);
    }
};

double rising(double f) {
    return f;
}
// A resonance dip at 1 kHz with a zero at the low end.
double dip(double f) {
    return f < 60 ? 0 : std::abs(std::log(f / 1000)) + 1;
}

std::unique_ptr<PlotState> swept(const SweepRange& range, double (*value)(double),
                                 bool logarithmic = true) {
    auto plot = std::make_unique<PlotState>();
    Solver solver{value, {}};
    SweepWindow(*plot, {range, logarithmic, 1, 1}, solver, kAlways);
    return plot;
}

TEST(CurveTools, StretchSolvesOnlyTheOddPointsAgain) {
    const SweepRange old = DeriveBounds(20, 20000, false);
    auto plot = swept(old, rising);
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

    Solver solver{rising, {}};
    SweepWindow(*plot, {range, true, 1, 1}, solver, kAlways);
    EXPECT_EQ(solver.frequencies.size(), 224u);
    EXPECT_NEAR(solver.frequencies.front(), pointFrequency(range, 225, true), 1e-9);
}

TEST(CurveTools, StretchOnTheLinearAxis) {
    const SweepRange old = DeriveBounds(100, 500, false);
    auto plot = swept(old, rising, false);
    const SweepRange range = StretchTwice(*plot, old, false, 1);
    EXPECT_DOUBLE_EQ(range.fMinLin, 100);
    EXPECT_DOUBLE_EQ(range.fMaxLin, 500);
    EXPECT_DOUBLE_EQ(range.fMin, 200);
    EXPECT_DOUBLE_EQ(pointFrequency(range, 448, false), plot->curves.at(1, 0, 448));
}

TEST(CurveTools, RippleIgnoresZeros) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto plot = swept(range, dip);
    ASSERT_TRUE(ZoomToRipple(*plot, range, 1, 1));
    EXPECT_NEAR(plot->scale(1).lo, 1, 0.01);
    EXPECT_NEAR(plot->scale(1).hi, std::log(20.0) + 1, 1e-9);
    EXPECT_EQ(plot->scale(1).autoRange, 0);
    // A flat curve has no ripple to show.
    auto flat = swept(range, [](double) { return 2.0; });
    EXPECT_FALSE(ZoomToRipple(*flat, range, 1, 1));
    EXPECT_EQ(flat->scale(1).autoRange, 1);
}

TEST(CurveTools, ExtremeSearch) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto monotonic = swept(range, rising);
    for (int cursor : {0, 223, 400}) {
        const ExtremeFound none = FindNextExtreme(*monotonic, range, 1, 1, cursor);
        EXPECT_EQ(none.point, -1);
        EXPECT_EQ(none.cursor, 223);
    }
    auto plot = swept(range, dip);
    const ExtremeFound first = FindNextExtreme(*plot, range, 1, 1, 0);
    EXPECT_NEAR(pointFrequency(range, first.point, true), 1000, 15);
    EXPECT_EQ(first.cursor, first.point - 1);
    EXPECT_EQ(FindNextExtreme(*plot, range, 1, 1, first.cursor).point, -1);
}

TEST(CurveMemory, ImageKeepsItsRowsAndCurveMemoryItsAxis) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    auto plot = swept(range, dip);
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

}  // namespace
}  // namespace volmira
