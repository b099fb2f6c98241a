// volmira-calc at the edges of the numbers: frequencies and voltages beyond their range are
// refused naming the limit instead of giving overflowed results with exit 0, and CSV writes
// the display's "unendlich" as inf, never as the marker number behind it.
#include <gtest/gtest.h>

#include "schematic/network_file.h"
#include "support/example_networks.h"
#include "support/test_support.h"
#include "tools/process_runner.h"

namespace volmira::test {
namespace {

std::string lowPass(const TempFolder& folder, const std::string& resistor, const std::string& to) {
    ExampleDrawing drawing = drawLowPass();
    LineList lines = drawing.lines(fields("1 V", "1 kHz", "100 Hz", to));
    for (std::string& line : lines)
        if (line == "1k") line = resistor;
    const std::string path = (folder.path() / ("tp" + std::to_string(lines.size()) + to)).string();
    EXPECT_TRUE(saveNetworkFile(path, lines).ok());
    return path;
}

TEST(CalcLimits, FrequenciesAndVoltagesBeyondTheRangeAreRefusedNamingTheLimit) {
    TempFolder folder;
    const std::string plain = lowPass(folder, "1k", "10 kHz");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{plain, "--at", "3e307"}, "Frequenz über 1 THz ist nicht erlaubt"},
        {{plain, "--volt", "1e300"}, "Spannung über 1 GV ist nicht erlaubt"},
        {{lowPass(folder, "1k", "1e308"), "--sweep", "R1"},
         "Frequenz über 1 THz ist nicht erlaubt"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = runCalc(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(CalcLimits, CsvWritesInfinityNotTheDisplayMarker) {
    TempFolder folder;
    const ProcessResult result = runCalc({lowPass(folder, "1e40", "10 kHz"), "--csv"});
    EXPECT_NE(result.out.find(",inf,"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("e+37"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace volmira::test
