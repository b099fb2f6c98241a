#include "graphics/frequency_axis.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace volmira {
namespace {

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

}  // namespace
}  // namespace volmira
