#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "analysis/value_text.h"

namespace volmira {
namespace {

struct ParseCase {
    const char* text;
    double expected;
};

class ParseValueTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseValueTest, ReadsValue) {
    const ParseCase& c = GetParam();
    const std::optional<double> value = parseValue(c.text);
    ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
    // Exact: the prefix joins the exponent, so "3,3m" is the double nearest to 0.0033.
    EXPECT_EQ(*value, c.expected) << c.text;
    EXPECT_FALSE(std::signbit(*value) && *value == 0) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseValueTest,
    testing::Values(
        // Prefixes, decimal comma, units.
        ParseCase{"3,3m", 0.0033}, ParseCase{"1,5u", 1.5e-6}, ParseCase{"4k7", 4000},
        ParseCase{"2,2 kOhm", 2200}, ParseCase{"10mOhm", 0.01}, ParseCase{"0,001", 0.001},
        ParseCase{"1m", 0.001}, ParseCase{"1M", 1e6}, ParseCase{"47 uF", 47e-6},
        ParseCase{"1 pF", 1e-12}, ParseCase{"1n", 1e-9}, ParseCase{"1G", 1e9},
        ParseCase{"1T", 1e12}, ParseCase{"1,5 kHz", 1500}, ParseCase{"100 mH", 0.1},
        ParseCase{"1 MOhm", 1e6}, ParseCase{"12 Ohm", 12},
        // The last prefix letter anywhere in the text wins.
        ParseCase{"1 k m", 1e-3}, ParseCase{"5 mk", 5e3},
        // Exponents.
        ParseCase{"1e3", 1000}, ParseCase{"1E3", 1000}, ParseCase{"1e+3", 1000},
        ParseCase{"2,5e-3", 2.5e-3}, ParseCase{"1e-3k", 1}, ParseCase{"-1e38", -1e38},
        // Signs and partial numbers.
        ParseCase{"-5", -5}, ParseCase{"+5", 5}, ParseCase{"-2,2k", -2200}, ParseCase{",5", 0.5},
        ParseCase{"1,", 1}, ParseCase{"-0", 0},
        // Blanks around the text; text after the number is ignored.
        ParseCase{"  12 ", 12}, ParseCase{"\t7\r\n", 7}, ParseCase{"1 2", 1},
        ParseCase{"33 Hz", 33},
        // Nothing but the unit "Ohm": 0.
        ParseCase{"", 0}, ParseCase{"   ", 0}, ParseCase{"Ohm", 0}, ParseCase{" Ohm ", 0}));

class RejectedValueTest : public testing::TestWithParam<const char*> {};

TEST_P(RejectedValueTest, GivesNothing) {
    EXPECT_FALSE(parseValue(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Faults, RejectedValueTest,
                         testing::Values("1,2,3", "1e", "1e+", "e5", "E", "+-1", "--5", "-", "+",
                                         ",", "1-2", "1e3e4", "1e3,5", "1,5e", "5-", "-e3 k",
                                         // Text without a number is a typing error, not a silent 0.
                                         "abc", "k", "uF", "unendlich",
                                         // Out of the range of a double, also after the prefix.
                                         "1e999", "-1e999", "1e-999", "1e300T", "99999e305"));

TEST(ParseValue, FullStopIsNoDecimalPoint) {
    // The windows turn a typed "." into ","; a full stop that gets through ends the number.
    EXPECT_EQ(parseValue("2.5k"), 2000);
}

TEST(ParseValue, RemovesOnlyTheFirstOhm) {
    // The second "Ohm" keeps its "m" and reads as milli.
    EXPECT_EQ(parseValue("1 OhmOhm"), 1e-3);
}

TEST(ParseValue, KeepsTwentyFiveCharacters) {
    // "1", blanks, then the prefix as the 25th or the 26th character.
    EXPECT_EQ(parseValue("1" + std::string(23, ' ') + "k"), 1000);
    EXPECT_EQ(parseValue("1" + std::string(24, ' ') + "k"), 1);
    // Trimmed first: leading blanks do not use up the 25 characters.
    EXPECT_EQ(parseValue(std::string(30, ' ') + "1" + std::string(23, ' ') + "k"), 1000);
}

TEST(ParseValue, CountsCharactersNotBytes) {
    // 24 two-byte characters before the prefix: the prefix is the 25th character and counts.
    std::string text = "1";
    for (int i = 0; i < 23; ++i) text += "\xC2\xB0";
    EXPECT_EQ(parseValue(text + "k"), 1000);
    EXPECT_EQ(parseValue(text + "\xC2\xB0k"), 1);
}

}  // namespace
}  // namespace volmira
