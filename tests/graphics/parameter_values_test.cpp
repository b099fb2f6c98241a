#include "graphics/parameter_values.h"

#include <gtest/gtest.h>

#include "analysis/value_text.h"

namespace volmira {
namespace {

ParameterCaptions ohmCaptions(const ParameterValues& values) {
    return parameterCaptions(values, kUnitOhm);
}

TEST(ParameterValues, InitialValuesAroundTheComponentsValue) {
    EXPECT_EQ(ohmCaptions(initialParameterValues(E12Kind::Resistor, 1000)),
              (ParameterCaptions{"680 Ohm", "820 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
    EXPECT_EQ(ohmCaptions(initialParameterValues(E12Kind::Resistor, 1100)),
              (ParameterCaptions{"820 Ohm", "1 kOhm", "1,1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
}

TEST(ParameterValues, NearTheTablesEndsTheValueIsScaled) {
    const E12Kind kind = E12Kind::Capacitor;
    const auto e = [kind](int i) { return e12Value(kind, i); };
    for (const double v : {e(1) / 10, e(2), e(94), e(96) * 10}) {
        const ParameterValues values = initialParameterValues(kind, v);
        EXPECT_EQ(values, (ParameterValues{v * 0.2, v * 0.5, v, v * 2, v * 5})) << v;
    }
    // Just inside both ends the table's neighbours are used.
    EXPECT_EQ(initialParameterValues(kind, e(3)), (ParameterValues{e(1), e(2), e(3), e(4), e(5)}));
    EXPECT_EQ(initialParameterValues(kind, e(93) * 1.01),
              (ParameterValues{e(92), e(93), e(93) * 1.01, e(94), e(95)}));
}

TEST(ParameterValues, EditedValuesAreSortedWithEmptySlotsLast) {
    ParameterValues values{100, NotComputed, 300, NotComputed, 500};
    ASSERT_TRUE(editParameterValue(values, 1, " 4,7k "));
    EXPECT_EQ(values, (ParameterValues{300, 500, 4700, NotComputed, NotComputed}));
    ASSERT_TRUE(editParameterValue(values, 2, ""));  // blank empties the slot
    EXPECT_EQ(values, (ParameterValues{300, 4700, NotComputed, NotComputed, NotComputed}));
    EXPECT_FALSE(editParameterValue(values, 1, "abc"));
    EXPECT_FALSE(editParameterValue(values, 1, "0"));
    EXPECT_EQ(values, (ParameterValues{300, 4700, NotComputed, NotComputed, NotComputed}));
    EXPECT_EQ(ohmCaptions(values)[2], "");

    E12Selection picked;
    for (const double v : {2200.0, 100.0, 470.0}) picked.toggle(v);
    EXPECT_EQ(valuesFromSelection(picked),
              (ParameterValues{100, 470, 2200, NotComputed, NotComputed}));
}

TEST(ParameterValues, RememberedPerComponent) {
    ParameterMemory memory;
    memory.remember("R 1", {1, 2, 3, 4, 5});
    EXPECT_EQ(parameterValuesFor(memory, "R 1", E12Kind::Resistor, 1000),
              (ParameterValues{1, 2, 3, 4, 5}));
    EXPECT_EQ(parameterValuesFor(memory, "R 2", E12Kind::Resistor, 1000),
              initialParameterValues(E12Kind::Resistor, 1000));
}

TEST(SweepSettings, ACaptionChangedAndChangedBack) {
    const ParameterCaptions captions{"680 Ohm", "820 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm"};
    const SweepSettings last = sweepSettings("20 Hz", "20 kHz", 1, 3, captions);
    ParameterCaptions edited = captions;
    edited[2] = "1,1 kOhm";
    EXPECT_TRUE(showInvalidation(sweepSettings("20 Hz", "20 kHz", 1, 3, edited), last, true));
    EXPECT_FALSE(showInvalidation(sweepSettings("20 Hz", "20 kHz", 1, 3, edited), last, false));
    EXPECT_FALSE(showInvalidation(sweepSettings(" 20 Hz ", "20 kHz", 1, 3, captions), last, true));
    // Without parameter mode the captions do not count; the mode itself does.
    const SweepSettings plain = sweepSettings("20 Hz", "20 kHz", 0, 0, captions);
    EXPECT_FALSE(sweepSettingsDiffer(sweepSettings("20 Hz", "20 kHz", 0, 0, edited), plain));
    EXPECT_TRUE(sweepSettingsDiffer(sweepSettings("20 Hz", "20 kHz", 1, 3, captions), plain));
    EXPECT_TRUE(sweepSettingsDiffer(sweepSettings("20 Hz", "2 kHz", 0, 0, captions), plain));
    // Only the first 15 characters are kept.
    EXPECT_FALSE(sweepSettingsDiffer(sweepSettings("123456789012345x", "", 0, 0, {}),
                                     sweepSettings("123456789012345y", "", 0, 0, {})));
}

}  // namespace
}  // namespace volmira
