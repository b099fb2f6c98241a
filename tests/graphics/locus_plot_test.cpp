#include "graphics/locus_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "graphics/sweep_window.h"

namespace volmira {
namespace {

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

}  // namespace
}  // namespace volmira
