#include "analysis/input_checks.h"

#include <gtest/gtest.h>

#include <limits>

namespace volmira {
namespace {

TEST(InputChecks, Frequency) {
    struct Case {
        double f;
        bool reactive;
        bool accepted;
        bool directCurrent;
        const char* message;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {1000, true, true, false, ""},
        {1000, false, true, false, ""},
        {0, false, true, true, ""},
        {0, true, false, false, "Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt"},
        {-50, false, false, false, "Negative Frequenz ist nicht erlaubt"},
        {-50, true, false, false, "Negative Frequenz ist nicht erlaubt"},
        {nan, false, false, false, "Ungültige Frequenz"},
        {kMinFrequency, true, true, false, ""},
        {kMaxFrequency, true, true, false, ""},
        {0.9e-6, false, false, false, "Frequenz unter 1 uHz ist nicht erlaubt"},
        {1.000001e12, false, false, false, "Frequenz über 1 THz ist nicht erlaubt"},
        {3e307, false, false, false, "Frequenz über 1 THz ist nicht erlaubt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.f << (c.reactive ? " with C/L" : ""));
        const FrequencyCheck check = checkFrequencyInput(c.f, c.reactive);
        EXPECT_EQ(check.accepted, c.accepted);
        EXPECT_EQ(check.directCurrent, c.directCurrent);
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(InputChecks, Voltage) {
    EXPECT_TRUE(checkVoltageInput(1).accepted);
    EXPECT_TRUE(checkVoltageInput(1e-9).accepted);
    EXPECT_EQ(checkVoltageInput(0).message, "Spannung ´0 V´ ist nicht erlaubt");
    EXPECT_FALSE(checkVoltageInput(0).accepted);
    EXPECT_EQ(checkVoltageInput(-1).message, "Negative Spannung ist nicht erlaubt");
    EXPECT_FALSE(checkVoltageInput(-1).accepted);
    EXPECT_FALSE(checkVoltageInput(std::numeric_limits<double>::infinity()).accepted);
    EXPECT_TRUE(checkVoltageInput(kMinVoltage).accepted);
    EXPECT_TRUE(checkVoltageInput(kMaxVoltage).accepted);
    EXPECT_EQ(checkVoltageInput(0.9e-12).message, "Spannung unter 1 pV ist nicht erlaubt");
    EXPECT_EQ(checkVoltageInput(1e300).message, "Spannung über 1 GV ist nicht erlaubt");
}

TEST(InputChecks, SweepBoundIsNeverZero) {
    EXPECT_EQ(checkSweepBound(0).message, "Frequenz 0 ist nicht erlaubt");
    EXPECT_EQ(checkSweepBound(2e12).message, "Frequenz über 1 THz ist nicht erlaubt");
    EXPECT_TRUE(checkSweepBound(20).accepted);
}

}  // namespace
}  // namespace volmira
