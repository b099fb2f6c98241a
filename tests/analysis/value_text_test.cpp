// The value texts: what the parser reads, what the formatter writes, and the two together.
#include "analysis/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace volmira {
namespace {

struct Reading {
    const char* text;
    double value;
};

void expectReadings(std::initializer_list<Reading> readings) {
    for (const Reading& r : readings) {
        const std::optional<double> value = parseValue(r.text);
        ASSERT_TRUE(value.has_value()) << '"' << r.text << '"';
        // Exact: the prefix joins the exponent, so "3,3m" is the double nearest to 0.0033.
        EXPECT_EQ(*value, r.value) << r.text;
        EXPECT_FALSE(std::signbit(*value) && *value == 0) << r.text;
    }
}

TEST(ParseValue, ReadsValues) {
    // Prefixes, decimal comma, units.
    expectReadings({Reading("3,3m", 0.0033), Reading("1,5u", 1.5e-6), Reading("4k7", 4000),
                    Reading("2,2 kOhm", 2200), Reading("10mOhm", 0.01), Reading("0,001", 0.001),
                    Reading("1m", 0.001), Reading("1M", 1e6), Reading("47 uF", 47e-6),
                    Reading("1 pF", 1e-12), Reading("1n", 1e-9), Reading("1G", 1e9),
                    Reading("1T", 1e12), Reading("1,5 kHz", 1500), Reading("100 mH", 0.1),
                    Reading("1 MOhm", 1e6), Reading("12 Ohm", 12)});
    // The last prefix letter anywhere in the text wins.
    expectReadings({Reading("1 k m", 1e-3), Reading("5 mk", 5e3)});
    // Exponents.
    expectReadings({Reading("1e3", 1000), Reading("1E3", 1000), Reading("1e+3", 1000),
                    Reading("2,5e-3", 2.5e-3), Reading("1e-3k", 1), Reading("-1e38", -1e38)});
    // Signs and partial numbers.
    expectReadings({Reading("-5", -5), Reading("+5", 5), Reading("-2,2k", -2200),
                    Reading(",5", 0.5), Reading("1,", 1), Reading("-0", 0)});
    // Blanks around the text; text after the number is ignored.
    expectReadings(
        {Reading("  12 ", 12), Reading("\t7\r\n", 7), Reading("1 2", 1), Reading("33 Hz", 33)});
    // Nothing but the unit "Ohm": 0.
    expectReadings({Reading("", 0), Reading("   ", 0), Reading("Ohm", 0), Reading(" Ohm ", 0)});
}

TEST(ParseValue, RefusesFaults) {
    for (const char* text : {"1,2,3", "1e", "1e+", "e5", "E", "+-1", "--5", "-", "+", ",", "1-2",
                             "1e3e4", "1e3,5", "1,5e", "5-", "-e3 k",
                             // Text without a number is a typing error, not a silent 0.
                             "abc", "k", "uF", "unendlich",
                             // Out of the range of a double, also after the prefix.
                             "1e999", "-1e999", "1e-999", "1e300T", "99999e305"})
        EXPECT_FALSE(parseValue(text).has_value()) << text;
}

TEST(ParseValue, OddCorners) {
    // The windows turn a typed "." into ","; a full stop that gets through ends the number.
    EXPECT_EQ(parseValue("2.5k"), 2000);
    // Only the first "Ohm" goes: the second keeps its "m" and reads as milli.
    EXPECT_EQ(parseValue("1 OhmOhm"), 1e-3);
    // Twenty-five characters count: "1", blanks, then the prefix as the 25th or the 26th.
    EXPECT_EQ(parseValue("1" + std::string(23, ' ') + "k"), 1000);
    EXPECT_EQ(parseValue("1" + std::string(24, ' ') + "k"), 1);
    // Trimmed first: leading blanks do not use up the 25 characters.
    EXPECT_EQ(parseValue(std::string(30, ' ') + "1" + std::string(23, ' ') + "k"), 1000);
    // Characters, not bytes: after 24 two-byte characters the prefix is the 25th and counts.
    std::string text = "1";
    for (int i = 0; i < 23; ++i) text += "\xC2\xB0";
    EXPECT_EQ(parseValue(text + "k"), 1000);
    EXPECT_EQ(parseValue(text + "\xC2\xB0k"), 1);
}

struct Case {
    int unit;
    int digits;
    double value;
    const char* expected;
};

void expectTexts(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(formatValue(c.unit, c.digits, c.value), c.expected)
            << "unit " << c.unit << ", " << c.digits << " digits, " << c.value;
}

TEST(FormatValue, Writes) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectTexts({Case(kUnitOhm, 9, 123456, "123,456 kOhm"), Case(kUnitOhm, 4, 123456, "123,5 kOhm"),
                 Case(kUnitAmpere, 9, 5e-15, "5E-15"),
                 Case(kUnitDecibel, 9, kMinusInfinity, "unendlich"), Case(kUnitOhm, 7, 0, "0 Ohm"),
                 Case(kUnitNone, 7, 0, "0 "), Case(kUnitVolt, 7, -0.0, "0 V"),
                 Case(kUnitOhm, 7, -2200, "-2,2 kOhm"), Case(kUnitAmpere, 4, -5e-15, "-5E-15")});
    // Each prefix range from its first value to just below the next one.
    expectTexts({Case(kUnitFarad, 7, 1e-12, "1 pF"),
                 Case(kUnitFarad, 7, 999.9999e-12, "999,9999 pF"),
                 Case(kUnitFarad, 7, 1e-9, "1 nF"), Case(kUnitFarad, 7, 999.9999e-9, "999,9999 nF"),
                 Case(kUnitFarad, 7, 1e-6, "1 uF"), Case(kUnitFarad, 7, 1e-3, "1 mF"),
                 Case(kUnitVolt, 7, 0.1, "100 mV"), Case(kUnitVolt, 7, 1, "1 V"),
                 Case(kUnitVolt, 7, 999.9999, "999,9999 V")});
    expectTexts({Case(kUnitOhm, 7, 1e3, "1 kOhm"), Case(kUnitOhm, 7, 999e3, "999 kOhm"),
                 Case(kUnitOhm, 7, 1e6, "1 MOhm"), Case(kUnitHertz, 7, 2.5e9, "2,5 GHz"),
                 Case(kUnitHertz, 7, 1e12, "1 THz"),
                 Case(kUnitHertz, 7, 999.9999e12, "999,9999 THz"),
                 Case(kUnitWatt, 7, 1.5e-4, "150 uW"), Case(kUnitCoulomb, 3, 12.34e-3, "12,3 mAs"),
                 Case(kUnitVar, 5, 3.3, "3,3 var"), Case(kUnitVoltAmpere, 5, 0.5, "500 mVA"),
                 Case(kUnitNone, 5, 4700, "4,7 k")});
    // The prefix follows the rounded value, not the raw one; fewer digits than the integer part
    // needs: zeros fill it.
    expectTexts({Case(kUnitOhm, 6, 999999.6, "1 MOhm"),
                 Case(kUnitOhm, 7, 999999.6, "999,9996 kOhm"), Case(kUnitVolt, 3, 0.99951, "1 V"),
                 Case(kUnitFarad, 6, 999.9999e-12, "1 nF"),
                 Case(kUnitHertz, 4, 999.96e12, "1E+15 Hz"), Case(kUnitOhm, 4, 1.00049, "1 Ohm"),
                 Case(kUnitOhm, 1, 149, "100 Ohm"), Case(kUnitOhm, 2, 123456, "120 kOhm"),
                 Case(kUnitOhm, 1, 56000, "60 kOhm")});
    // Digit counts outside 1..17 are clamped; 17 digits that would need more than 20 characters
    // give way, the unit stays.
    expectTexts({Case(kUnitVolt, 0, 1234, "1 kV"), Case(kUnitVolt, -3, 1234, "1 kV"),
                 Case(kUnitVolt, 99, 1234.5, "1,2345 kV"),
                 Case(kUnitOhm, 17, -123456.78901234567, "-123,4567890123 kOhm"),
                 Case(13, 17, -1.2345678901234567e-7, "-1,2345678901235E-07")});
    // Gain and phases: no prefix, digits less two decimals (at most three), 0 below the
    // resolution.
    expectTexts(
        {Case(kUnitDecibel, 5, -23.399012, "-23,399 dB"), Case(kUnitDecibel, 9, -23.399e-9, "0 dB"),
         Case(kUnitDecibel, 5, 0.26294, "0,263 dB"), Case(kUnitDecibel, 9, 1e5, "100000,000 dB"),
         Case(kUnitDecibel, 2, 6.02, "6 dB"), Case(kUnitDecibel, 9, -1e37, "-1E+37 dB"),
         Case(kUnitDegree, 4, 91.16, "91,16 \xC2\xB0"),
         Case(kUnitDegree, 4, -45.5, "-45,50 \xC2\xB0"),
         Case(kUnitDegree, 3, 180, "180,0 \xC2\xB0"), Case(kUnitDegree, 4, 4.206e-3, "0 \xC2\xB0"),
         Case(kUnitDegree, 8, -0.0004, "0 \xC2\xB0")});
    // Outside the prefixes: exponent form, two-digit exponent, decimal comma. The double 1e-12
    // lies a little below 1e-12: 17 digits show that, and as that needs 22 characters, 16 digits
    // round it back to 1 pA.
    expectTexts({Case(kUnitAmpere, 9, 1.5e-13, "1,5E-13"),
                 Case(kUnitAmpere, 4, 9.99999e-13, "1E-12"), Case(kUnitAmpere, 17, 1e-12, "1 pA"),
                 Case(kUnitAmpere, 3, 1.2345e-200, "1,23E-200"),
                 Case(kUnitOhm, 7, 1e15, "1E+15 Ohm"), Case(kUnitOhm, 7, 2.5e16, "2,5E+16 Ohm"),
                 Case(kUnitHertz, 9, 1e100, "1E+100 Hz")});
    // Codes above 12: plain number, no prefix, no unit.
    expectTexts({Case(13, 7, 0, "0"), Case(13, 7, 123.456, "123,456"),
                 Case(14, 4, 123456, "1,235E+05"), Case(15, 9, 123456, "123456"),
                 Case(13, 7, 0.00012345, "0,00012345"), Case(13, 7, 0.00001, "0,00001"),
                 Case(13, 7, 0.000001, "1E-06"), Case(13, 5, -2.5, "-2,5"),
                 Case(13, 9, kMinusInfinity, "-1E+38")});
    // Values that are not numbers never show as such.
    expectTexts({Case(kUnitVolt, 7, inf, "unendlich"), Case(kUnitVolt, 7, -inf, "-unendlich"),
                 Case(kUnitVolt, 7, nan, "---"), Case(13, 7, nan, "---"),
                 Case(13, 7, inf, "unendlich")});
}

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
