// volmira-calc --characteristics and --poles on the shipped examples.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/process_runner.h"

namespace volmira::test {
namespace {

TEST(CalcCharacteristics, LowPassCornerAndDashes) {
    const ProcessResult csv = runCalc({kLowPass, "--characteristics", "C1", "--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const std::vector<std::string> lines = splitLines(csv.out);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "name,value,f_Hz");
    EXPECT_EQ(lines[3], "-3 dB unterhalb,,");
    const std::vector<std::string> upper = splitFields(lines[4]);
    // The -3 dB point lies below the maximum in range, the value at 100 Hz: with the corner
    // fc of 1k and 159,155n, |H|^2 = 1 / (2 (1 + (100 / fc)^2)) at fc sqrt(1 + 2 (100 / fc)^2).
    const double fc = 1 / (2 * M_PI * 1e3 * 159.155e-9);
    EXPECT_NEAR(std::stod(upper[1]) / (fc * std::sqrt(1 + 2 * std::pow(100 / fc, 2))), 1.0, 1e-9);

    const ProcessResult text = runCalc({kLowPass, "--characteristics", "C1"});
    EXPECT_NE(text.out.find("Bandbreite: \xE2\x80\x94"), std::string::npos) << text.out;
    EXPECT_EQ(runCalc({kLowPass, "--characteristics", "C1", "--quantity", "W"}).exitCode, 2);
}

TEST(CalcCharacteristics, SallenKeyPoles) {
    const ProcessResult result =
        runCalc({examplePath("SallenKey.nwb").string(), "--poles", "R3", "--csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = splitLines(result.out);
    // The pole pair of the voltage and of the load's current, which follows it; no zeros.
    ASSERT_EQ(lines.size(), 5u) << result.out;
    EXPECT_EQ(lines[1].rfind("pole,U,", 0), 0u) << lines[1];
    const std::vector<std::string> pole = splitFields(lines[1]);
    const double f0 = 1 / (2 * M_PI * 1e4 * std::sqrt(22e-9 * 10e-9));
    EXPECT_NEAR(std::stod(pole[4]) / f0, 1.0, 1e-9);
    EXPECT_NEAR(std::stod(pole[6]), std::sqrt(22.0 * 10.0) / 20.0, 1e-9);
}

}  // namespace
}  // namespace volmira::test
