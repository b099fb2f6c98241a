#include "graphics/curve_plot.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/y_scaling.h"

namespace volmira {
namespace {

ScaleRecord scaled(double lo, double hi) {
    ScaleRecord scale;
    scale.lo = lo;
    scale.hi = hi;
    scale.autoRange = 0;
    ComputeScale(scale);
    return scale;
}

int row(const ScaleRecord& scale, double v, Clip expectedClip = Clip::None) {
    const ValueRow out = valueRow(scale, plotRows(scale, false), v, kCurveRowOffset);
    EXPECT_EQ(out.clip, expectedClip) << v;
    return out.row;
}

TEST(CurvePlot, AutomaticRangeAlwaysHoldsZero) {
    ScaleRecord positive;
    positive.minSeen = 2;
    positive.maxSeen = 8;
    ComputeScale(positive);
    EXPECT_EQ(positive.lo, 0);
    EXPECT_EQ(positive.hi, 8);
    EXPECT_EQ(positive.signClass, kAtOrAboveZero);
    ScaleRecord negative;
    negative.minSeen = -8;
    negative.maxSeen = -2;
    ComputeScale(negative);
    EXPECT_EQ(negative.lo, -8);
    EXPECT_EQ(negative.hi, 0);
    EXPECT_EQ(negative.span, 8);
    EXPECT_EQ(negative.signClass, kCrossesZero);
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
    EXPECT_EQ(model.frequencyLabels.count, 18);
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

}  // namespace
}  // namespace volmira
