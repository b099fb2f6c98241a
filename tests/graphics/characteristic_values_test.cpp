// Characteristic values found by solving at exactly their frequency, against closed forms, and
// where they and the poles and zeros are drawn.
#include "graphics/characteristic_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/value_text.h"
#include "graphics/characteristic_markers.h"
#include "graphics/characteristic_text.h"
#include "graphics/pole_zero_plot.h"
#include "graphics/range_frequencies.h"
#include "graphics/sweep_checks.h"
#include "graphics_fixtures.h"
#include "support/example_files.h"

namespace volmira {
namespace {

using test::logPoints;

constexpr double kPi = 3.141592653589793;

void expectRelative(std::optional<double> actual, double expected, double tolerance) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(*actual / expected, 1.0, tolerance) << *actual << " vs " << expected;
}

TEST(CharacteristicValues, RcLowPassCornerAndPhase) {
    test::LowPass lp;
    const double fc = 1 / (2 * kPi * 1e3 * 1e-6);
    // From far below the corner, so that the maximum in range is the direct-voltage value.
    const std::vector<double> f = logPoints(1e-3, 1e5);
    for (ElectricalQuantity q : {ElectricalQuantity::Voltage, ElectricalQuantity::Gain}) {
        const CharacteristicValues v =
            branchCharacteristics(lp.calc, test::branchOf(lp.calc, "C1"), q, f);
        expectRelative(v.upperCutoff, fc, 1e-9);
        EXPECT_FALSE(v.lowerCutoff);  // the maximum lies at the range's lower end
        EXPECT_FALSE(v.bandwidth);
        EXPECT_FALSE(v.unsound);
        // The capacitor's voltage lags by 45 degrees at the corner.
        ASSERT_EQ(v.phaseCrossings[2].size(), 1u);
        EXPECT_NEAR(v.phaseCrossings[2][0] / fc, 1.0, 1e-9);
        EXPECT_TRUE(v.phaseCrossings[0].empty());
    }
}

TEST(CharacteristicValues, SeriesRlcBandPassAgainstClosedForms) {
    Calculation calc;
    const double R = 100, L = 0.1, C = 253.3e-9;
    ASSERT_TRUE(test::analyseWithValues(calc, test::seriesRlcLoop(), [](const std::string& n) {
        return n[0] == 'R' ? "100" : n[0] == 'L' ? "100m" : "253,3n";
    }));
    const double f0 = 1 / (2 * kPi * std::sqrt(L * C));
    const double Q = std::sqrt(L / C) / R;
    const double half = 1 / (2 * Q);
    const std::vector<double> f = logPoints(100, 1e4);
    const CharacteristicValues v =
        branchCharacteristics(calc, test::branchOf(calc, "R1"), ElectricalQuantity::Current, f);
    expectRelative(v.lowerCutoff, f0 * (std::sqrt(1 + half * half) - half), 1e-9);
    expectRelative(v.upperCutoff, f0 * (std::sqrt(1 + half * half) + half), 1e-9);
    expectRelative(v.centre, f0, 1e-9);
    expectRelative(v.quality, Q, 1e-9);
    expectRelative(v.bandwidth, f0 / Q, 1e-9);
    ASSERT_TRUE(v.maximum);
    expectRelative(v.maximum->frequency, f0, 1e-6);
    expectRelative(v.maximum->value, 1 / R, 1e-12);
    ASSERT_EQ(v.phaseCrossings[0].size(), 1u);  // the current is in phase at resonance
    EXPECT_NEAR(v.phaseCrossings[0][0] / f0, 1.0, 1e-9);
    // The current's phase runs from +90 to -90: it passes +-45 at the cutoffs.
    ASSERT_EQ(v.phaseCrossings[1].size(), 1u);
    EXPECT_NEAR(v.phaseCrossings[1][0] / *v.lowerCutoff, 1.0, 1e-9);
}

// On each example's last branch, the values agree with a brute-force search on a fine sweep.
TEST(CharacteristicValues, ExamplesAgreeWithFineSweep) {
    for (const std::string& fileName : test::kExampleFiles) {
        SCOPED_TRACE(fileName);
        const LoadedNetwork example = test::loadExample(fileName);
        Calculation calc;
        ASSERT_TRUE(test::confirmExample(calc, example));
        const int branch = calc.network().component(calc.network().componentCount).branch;
        const double from = *parseValue(example.fields.fqVon),
                     to = *parseValue(example.fields.fqBis);
        const CharacteristicValues v =
            branchCharacteristics(calc, branch, ElectricalQuantity::Voltage, logPoints(from, to));

        const std::vector<double> fine = logPoints(from, to, 20001);
        std::vector<double> u(fine.size());
        calc.sweep(fine, [&](std::size_t i, const BranchCurrents& c) {
            u[i] = branchSample(calc.network(), c, branch, 1, ElectricalQuantity::Voltage).value;
            return true;
        });
        const std::size_t peak = std::size_t(std::max_element(u.begin(), u.end()) - u.begin());
        EXPECT_NEAR(v.maximum->value / u[peak], 1.0, 1e-6);
        if (peak > 0 && peak + 1 < u.size()) expectRelative(v.maximum->frequency, fine[peak], 3e-4);
        const double level = v.maximum->value / std::sqrt(2.0);
        std::optional<double> lower, upper;
        for (std::size_t i = peak; i > 0 && !lower; --i)
            if (u[i - 1] < level) lower = fine[i];
        for (std::size_t i = peak; i + 1 < u.size() && !upper; ++i)
            if (u[i + 1] < level) upper = fine[i];
        EXPECT_EQ(v.lowerCutoff.has_value(), lower.has_value());
        EXPECT_EQ(v.upperCutoff.has_value(), upper.has_value());
        if (lower && v.lowerCutoff) expectRelative(v.lowerCutoff, *lower, 3e-4);
        if (upper && v.upperCutoff) expectRelative(v.upperCutoff, *upper, 3e-4);
    }
}

TEST(CharacteristicValues, TheSweepLimitsBoundTheSearchAndMissingValuesShowADash) {
    test::LowPass lp;
    const int branch = test::branchOf(lp.calc, "C1");
    InputFields fields{"1 V", "1 kHz", "1m", "100k"};
    // Selector 2 is the voltage.
    const RangeCharacteristics found = userRangeCharacteristics(lp.calc, fields, branch, 2);
    ASSERT_TRUE(found.values);
    EXPECT_EQ(found.values->quantity, ElectricalQuantity::Voltage);
    expectRelative(found.values->upperCutoff, 1 / (2 * kPi * 1e3 * 1e-6), 1e-9);
    EXPECT_EQ(found.refusal, "");
    // Ending below the corner: no cutoff, and the rows show the dash for what is missing.
    fields.fqBis = "10";
    const std::optional<CharacteristicValues> below =
        userRangeCharacteristics(lp.calc, fields, branch, 2).values;
    ASSERT_TRUE(below);
    EXPECT_FALSE(below->lowerCutoff);
    EXPECT_FALSE(below->upperCutoff);
    const std::vector<CharacteristicRow> rows = characteristicRows(*below, 6);
    ASSERT_GE(rows.size(), 7u);
    EXPECT_EQ(rows[2].label, "-3 dB unterhalb");
    for (std::size_t r = 2; r < 7; ++r) EXPECT_EQ(rows[r].valueText, kMissingValue);
    EXPECT_NE(rows[0].valueText, kMissingValue);
    // A range that a sweep would refuse gives the sweep's message and no values.
    fields.fqVon = "200k";
    const RangeCharacteristics reversed = userRangeCharacteristics(lp.calc, fields, branch, 2);
    EXPECT_FALSE(reversed.values);
    EXPECT_EQ(reversed.refusal, kRangeReversedMessage);
    EXPECT_FALSE(
        userRangeCharacteristics(lp.calc, fields, lp.calc.network().branchCount + 1, 2).values);
}

// The values of a curve given as a function over 1 .. 100 Hz.
CharacteristicValues ofFunction(CurveSample (*at)(double)) {
    const std::vector<double> f = logPoints(1, 100);
    std::vector<CurveSample> samples;
    for (double x : f) samples.push_back(at(x));
    return findCharacteristics(ElectricalQuantity::Voltage, f, samples, at);
}

TEST(CharacteristicValues, FlatCurveHasNoFrequencyAndNoCrossingOfItsOwnPhase) {
    const CharacteristicValues v = ofFunction([](double) { return CurveSample{2.0, 0.0}; });
    ASSERT_TRUE(v.maximum);
    EXPECT_FALSE(v.maximum->frequency);
    EXPECT_FALSE(v.upperCutoff);
    for (const auto& crossings : v.phaseCrossings) EXPECT_TRUE(crossings.empty());
}

TEST(CharacteristicValues, PhaseWrapIsAPassingOfPlusMinus180) {
    // A phase falling through -180 comes back as +180: one passing of +-180, none of 0.
    const CharacteristicValues v = ofFunction([](double frequency) {
        return CurveSample{1.0, std::remainder(-170 - 20 * std::log10(frequency), 360.0)};
    });
    ASSERT_EQ(v.phaseCrossings[5].size(), 1u);
    EXPECT_NEAR(v.phaseCrossings[5][0], std::sqrt(10.0), 1e-9);
    EXPECT_TRUE(v.phaseCrossings[0].empty());
}

TEST(CharacteristicMarkers, SitOnTheSweepColumnsOfTheirFrequencies) {
    const SweepRange range = DeriveBounds(20, 20000, false);
    EXPECT_NEAR(frequencyColumn(range, true, 20), 224, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, true, 20000), 672, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, false, range.fMaxLin), 896, 1e-9);
    EXPECT_NEAR(frequencyColumn(range, false, pointFrequency(range, 300, false)), 300, 1e-9);

    CharacteristicValues values;
    values.hasCutoffs = true;
    values.maximum = ValueAt{632.5, 2.0};
    values.lowerCutoff = 200;
    values.upperCutoff = 1e6;  // beyond the drawn columns: no mark
    const ScaleRecord scale{.lo = 0, .hi = 2, .span = 2};
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
