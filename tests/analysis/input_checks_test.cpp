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
}

}  // namespace
}  // namespace volmira
