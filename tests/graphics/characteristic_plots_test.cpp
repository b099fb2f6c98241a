// Where the characteristic values and the poles and zeros are drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/characteristic_markers.h"
#include "graphics/pole_zero_plot.h"

namespace volmira {
namespace {

TEST(CharacteristicMarkers, SitOnTheSweepColumnsOfTheirFrequencies) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    EXPECT_NEAR(frequencyColumn(range, true, 20), 224, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, true, 20000), 672, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, false, range.fMaxLin), 896, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, false, pointFrequency(range, 300, false)), 300, 1e-9);

    CharacteristicValues values;
    values.quantity = ElectricalQuantity::Voltage;
    values.hasCutoffs = true;
    values.maximum = ValueAt{632.5, 2.0};
    values.lowerCutoff = 200;
    values.upperCutoff = 1e6;  // beyond the drawn columns: no mark
    ScaleRecord scale;
    scale.lo = 0;
    scale.hi = 2;
    scale.span = 2;
    CurvePlotModel model;
    model.rows = plotRows(scale, false);
    const std::vector<CharacteristicMarker> marks =
        characteristicMarkers(values, model, scale, range, true);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].kind, CharacteristicMarker::Kind::Resonance);
    EXPECT_EQ(marks[0].x, 448);  // the geometric middle of 20 Hz .. 20 kHz
    EXPECT_EQ(marks[0].y, valueRow(scale, model.rows, 2.0, kCurveRowOffset).row);
    EXPECT_EQ(marks[1].y, valueRow(scale, model.rows, std::sqrt(2.0), kCurveRowOffset).row);
}

TEST(PoleZeroPlot, PairsMirrorAboutTheRealAxisAndTheLeftHalfGetsTheRoom) {
    PolesAndZeros result;
    result.poles = {{{-1000, 2000}}, {{-1000, -2000}}};
    result.zeros = {{{0, 0}}};
    const PoleZeroPlotModel model = layoutPoleZeroPlot(result, 400, 300);
    ASSERT_EQ(model.marks.size(), 3u);
    EXPECT_LT(model.marks[0].x, model.originX);
    EXPECT_EQ(model.marks[0].x, model.marks[1].x);
    EXPECT_EQ(model.marks[0].y - model.originY, model.originY - model.marks[1].y);
    EXPECT_EQ(model.marks[2].x, model.originX);
    EXPECT_FALSE(model.marks[2].pole);
    EXPECT_GT(model.originX, 400 / 2);  // nothing lies right of the imaginary axis
}

}  // namespace
}  // namespace volmira
