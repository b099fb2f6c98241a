#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/value_text.h"

namespace volmira {
namespace {

struct FormatCase {
    int unit;
    int digits;
    double value;
    const char* expected;
};

class FormatValueTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, Writes) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatValue(c.unit, c.digits, c.value), c.expected)
        << "unit " << c.unit << ", " << c.digits << " digits, " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatValueTest,
                         testing::Values(FormatCase{kUnitOhm, 9, 123456, "123,456 kOhm"},
                                         FormatCase{kUnitOhm, 4, 123456, "123,5 kOhm"},
                                         FormatCase{kUnitHertz, 8, 1000, "1 kHz"},
                                         FormatCase{kUnitAmpere, 9, 5e-15, "5E-15"},
                                         FormatCase{kUnitDecibel, 9, kMinusInfinity, "unendlich"},
                                         FormatCase{kUnitOhm, 7, 0, "0 Ohm"},
                                         FormatCase{kUnitNone, 7, 0, "0 "},
                                         FormatCase{kUnitVolt, 7, -0.0, "0 V"}));

// Each prefix range from its first value to just below the next one.
INSTANTIATE_TEST_SUITE_P(
    PrefixRanges, FormatValueTest,
    testing::Values(
        FormatCase{kUnitFarad, 7, 1e-12, "1 pF"}, FormatCase{kUnitFarad, 7, 10e-12, "10 pF"},
        FormatCase{kUnitFarad, 7, 999.9999e-12, "999,9999 pF"},
        FormatCase{kUnitFarad, 7, 1e-9, "1 nF"},
        FormatCase{kUnitFarad, 7, 999.9999e-9, "999,9999 nF"},
        FormatCase{kUnitFarad, 7, 1e-6, "1 uF"}, FormatCase{kUnitFarad, 7, 22e-6, "22 uF"},
        FormatCase{kUnitFarad, 7, 1e-3, "1 mF"}, FormatCase{kUnitVolt, 7, 0.1, "100 mV"},
        FormatCase{kUnitVolt, 7, 1, "1 V"}, FormatCase{kUnitVolt, 7, 999.9999, "999,9999 V"},
        FormatCase{kUnitOhm, 7, 1e3, "1 kOhm"}, FormatCase{kUnitOhm, 7, 999e3, "999 kOhm"},
        FormatCase{kUnitOhm, 7, 1e6, "1 MOhm"}, FormatCase{kUnitHertz, 7, 2.5e9, "2,5 GHz"},
        FormatCase{kUnitHertz, 7, 1e12, "1 THz"},
        FormatCase{kUnitHertz, 7, 999.9999e12, "999,9999 THz"},
        FormatCase{kUnitWatt, 7, 1.5e-4, "150 uW"},
        FormatCase{kUnitCoulomb, 3, 12.34e-3, "12,3 mAs"}, FormatCase{kUnitVar, 5, 3.3, "3,3 var"},
        FormatCase{kUnitVoltAmpere, 5, 0.5, "500 mVA"}, FormatCase{kUnitNone, 5, 4700, "4,7 k"}));

// The prefix follows the rounded value, not the raw one.
INSTANTIATE_TEST_SUITE_P(Rounding, FormatValueTest,
                         testing::Values(FormatCase{kUnitOhm, 6, 999999.6, "1 MOhm"},
                                         FormatCase{kUnitOhm, 7, 999999.6, "999,9996 kOhm"},
                                         FormatCase{kUnitVolt, 3, 0.99951, "1 V"},
                                         FormatCase{kUnitFarad, 6, 999.9999e-12, "1 nF"},
                                         FormatCase{kUnitHertz, 4, 999.96e12, "1E+15 Hz"},
                                         FormatCase{kUnitOhm, 4, 1.00049, "1 Ohm"},
                                         FormatCase{kUnitOhm, 1, 149, "100 Ohm"},
                                         // Fewer digits than the integer part needs: zeros fill it.
                                         FormatCase{kUnitOhm, 2, 123456, "120 kOhm"},
                                         FormatCase{kUnitOhm, 1, 56000, "60 kOhm"}));

// Digit counts outside 1..17 are clamped; 17 digits that would need more than 20 characters give
// way, the unit stays.
INSTANTIATE_TEST_SUITE_P(
    Limits, FormatValueTest,
    testing::Values(FormatCase{kUnitVolt, 0, 1234, "1 kV"}, FormatCase{kUnitVolt, -3, 1234, "1 kV"},
                    FormatCase{kUnitVolt, 99, 1234.5, "1,2345 kV"},
                    FormatCase{kUnitOhm, 17, -123456.78901234567, "-123,4567890123 kOhm"},
                    FormatCase{13, 17, -1.2345678901234567e-7, "-1,2345678901235E-07"}));

INSTANTIATE_TEST_SUITE_P(Negative, FormatValueTest,
                         testing::Values(FormatCase{kUnitOhm, 7, -2200, "-2,2 kOhm"},
                                         FormatCase{kUnitAmpere, 4, -5e-15, "-5E-15"}));

// Gain and phases: no prefix, digits less two decimals (at most three), 0 below the resolution.
INSTANTIATE_TEST_SUITE_P(FixedDecimals, FormatValueTest,
                         testing::Values(FormatCase{kUnitDecibel, 5, -23.399012, "-23,399 dB"},
                                         FormatCase{kUnitDecibel, 9, -23.399e-9, "0 dB"},
                                         FormatCase{kUnitDecibel, 5, 0.26294, "0,263 dB"},
                                         FormatCase{kUnitDecibel, 9, 1e5, "100000,000 dB"},
                                         FormatCase{kUnitDecibel, 2, 6.02, "6 dB"},
                                         FormatCase{kUnitDecibel, 9, -1e37, "-1E+37 dB"},
                                         FormatCase{kUnitDegree, 4, 91.16, "91,16 \xC2\xB0"},
                                         FormatCase{kUnitDegree, 4, -45.5, "-45,50 \xC2\xB0"},
                                         FormatCase{kUnitDegree, 3, 180, "180,0 \xC2\xB0"},
                                         FormatCase{kUnitDegree, 4, 4.206e-3, "0 \xC2\xB0"},
                                         FormatCase{kUnitDegree, 8, -0.0004, "0 \xC2\xB0"}));

// Outside the prefixes: exponent form, two-digit exponent, decimal comma.
INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FormatValueTest,
    testing::Values(FormatCase{kUnitAmpere, 9, 1.5e-13, "1,5E-13"},
                    FormatCase{kUnitAmpere, 4, 9.99999e-13, "1E-12"},
                    // The double 1e-12 lies a little below 1e-12: 17 digits show that, and as
                    // that needs 22 characters, 16 digits round it back to 1 pA.
                    FormatCase{kUnitAmpere, 17, 1e-12, "1 pA"},
                    FormatCase{kUnitAmpere, 3, 1.2345e-200, "1,23E-200"},
                    FormatCase{kUnitOhm, 7, 1e15, "1E+15 Ohm"},
                    FormatCase{kUnitOhm, 7, 2.5e16, "2,5E+16 Ohm"},
                    FormatCase{kUnitHertz, 9, 1e100, "1E+100 Hz"}));

// Codes above 12: plain number, no prefix, no unit.
INSTANTIATE_TEST_SUITE_P(
    PlainNumber, FormatValueTest,
    testing::Values(FormatCase{13, 7, 0, "0"}, FormatCase{13, 7, 123.456, "123,456"},
                    FormatCase{14, 4, 123456, "1,235E+05"}, FormatCase{15, 9, 123456, "123456"},
                    FormatCase{13, 7, 0.00012345, "0,00012345"},
                    FormatCase{13, 7, 0.00001, "0,00001"}, FormatCase{13, 7, 0.000001, "1E-06"},
                    FormatCase{13, 5, -2.5, "-2,5"}, FormatCase{13, 9, kMinusInfinity, "-1E+38"}));

// Values that are not numbers never show as such.
INSTANTIATE_TEST_SUITE_P(
    NotFinite, FormatValueTest,
    testing::Values(FormatCase{kUnitVolt, 7, std::numeric_limits<double>::infinity(), "unendlich"},
                    FormatCase{kUnitVolt, 7, -std::numeric_limits<double>::infinity(),
                               "-unendlich"},
                    FormatCase{kUnitVolt, 7, std::numeric_limits<double>::quiet_NaN(), "---"},
                    FormatCase{13, 7, std::numeric_limits<double>::quiet_NaN(), "---"},
                    FormatCase{13, 7, std::numeric_limits<double>::infinity(), "unendlich"}));

TEST(FormatValue, CompactLeavesOutTheBlank) {
    EXPECT_EQ(formatValue(kUnitHertz, 8, 1500, true), "1,5kHz");
    EXPECT_EQ(formatValue(kUnitVolt, 5, 2, true), "2V");
    EXPECT_EQ(formatValue(kUnitOhm, 7, 1e15, true), "1E+15Ohm");
    EXPECT_EQ(formatValue(kUnitAmpere, 9, 5e-15, true), "5E-15");
    EXPECT_EQ(formatValue(kUnitDegree, 4, 45, true), "45,00\xC2\xB0");
}

TEST(FormatValue, ReadsBackThroughTheParser) {
    // What the formatter writes, the parser reads back, within the rounding of the digits.
    const double values[] = {1e-15,  3.3e-13, 1e-12,  4.7e-9, 0.0033, 1,         2200, 999999.6,
                             1.5e12, 7.77e15, -1e-14, -0.5,   -4.7e5, 123456789, 1e300};
    for (int unit = 0; unit <= 15; ++unit) {
        if (unit == kUnitDecibel || unit == kUnitDegree) continue;  // fixed resolution
        for (int digits : {1, 3, 4, 7, 9, 12}) {
            for (double v : values) {
                const std::string text = formatValue(unit, digits, v);
                const std::optional<double> back = parseValue(text);
                ASSERT_TRUE(back.has_value()) << text;
                EXPECT_LE(std::abs(*back - v), std::abs(v) * 0.51 * std::pow(10.0, 1 - digits))
                    << text << " unit " << unit << " digits " << digits;
            }
        }
    }
}

}  // namespace
}  // namespace volmira
