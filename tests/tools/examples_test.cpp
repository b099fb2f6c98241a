// The shipped example networks: each passes the schematic check, analyses, confirms its values
// and solves without a failure over its range, as volmira-calc shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/schematic_check.h"
#include "schematic/network_file.h"
#include "support/test_drawings.h"
#include "tools/process_runner.h"

namespace volmira::test {
namespace {

// The CSV rows of `volmira-calc --csv` (or of another listing), header included.
std::vector<std::vector<std::string>> calcRows(const std::vector<std::string>& arguments) {
    const ProcessResult result = runCalc(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : splitLines(result.out)) rows.push_back(splitFields(line));
    return rows;
}

class ExampleNetworks : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleNetworks, PassesTheCheckAnalysesAndSolvesOverItsRange) {
    const std::string file = examplePath(GetParam()).string();
    const NetworkLoadResult loaded = loadNetworkFile(file);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    const SchematicGrid& grid = loaded.network->grid;
    const SchematicFault fault = checkSchematic(grid);
    EXPECT_FALSE(fault.found) << "fault at column " << fault.column << ", row " << fault.row << "\n"
                              << drawingText(grid);

    // Every component drawn carries a value from the file.
    const auto components = calcRows({file, "--components"});
    ASSERT_GT(components.size(), 1u);
    for (std::size_t i = 1; i < components.size(); ++i)
        EXPECT_NE(std::stod(components[i][5]), 0) << components[i][0];

    // Analysis, values and solve are clean at the file's frequency and at both ends of its range
    // (exit status 0 also says the solver met no zero pivot).
    const InputFields& fields = loaded.network->fields;
    for (const std::string& f : {fields.fqVon, fields.fqEinzel, fields.fqBis})
        EXPECT_GT(calcRows({file, "--csv", "--at", f}).size(), 2u) << f;
    const ProcessResult sweep = runCalc({file, "--sweep", components[1][0], "--csv"});
    EXPECT_EQ(sweep.exitCode, 0) << sweep.err;
    EXPECT_EQ(splitLines(sweep.out).size(), 898u);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleNetworks, ::testing::ValuesIn(kExampleFiles),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// A column of the branch row that holds `component`.
double branchValue(const std::vector<std::vector<std::string>>& branches,
                   const std::string& component, const std::string& column) {
    const auto& header = branches.at(0);
    const auto at = std::find(header.begin(), header.end(), column) - header.begin();
    for (std::size_t i = 1; i < branches.size(); ++i)
        if (branches[i][1] == component)
            return std::stod(branches[i][static_cast<std::size_t>(at)]);
    ADD_FAILURE() << "no branch holding just " << component;
    return 0;
}

// The examples' purpose shows in their numbers at 1 kHz: the low-pass is 3 dB down, the series
// circuit resonates (the whole source voltage across R, current in phase), the Wien-Robinson
// bridge is balanced (the detector carries almost nothing), the active band-pass has its centre.
TEST(ExampleNetworkValues, CornerResonanceAndBalanceAtOneKilohertz) {
    const auto lowPass = calcRows({examplePath("Tp1kHz.nwb").string(), "--csv", "--at", "1k"});
    EXPECT_NEAR(branchValue(lowPass, "C1", "gain_dB"), -3.0103, 1e-3);
    EXPECT_NEAR(branchValue(lowPass, "C1", "phiU_deg"), -45, 1e-3);

    const auto series = calcRows({examplePath("RCL.nwb").string(), "--csv", "--at", "1k"});
    EXPECT_NEAR(branchValue(series, "R1", "I_A"), 0.01, 1e-6);
    EXPECT_NEAR(branchValue(series, "R1", "phiI_deg"), 0, 0.01);

    const auto bridge = calcRows({examplePath("Wienrob.nwb").string(), "--csv", "--at", "1k"});
    const auto components = calcRows({examplePath("Wienrob.nwb").string(), "--components"});
    int detectors = 0;
    for (std::size_t i = 1; i < components.size(); ++i) {
        if (std::stod(components[i][5]) != 1e6) continue;
        ++detectors;
        EXPECT_LT(branchValue(bridge, components[i][0], "U_V"), 1e-4);
    }
    EXPECT_EQ(detectors, 1);

    // The active band-pass passes its centre with a gain of -1: 1 V across the load, in phase or
    // in antiphase with Ue (which of the two depends on the branch's reference direction).
    const auto bandPass = calcRows({examplePath("Volmira.nwb").string(), "--csv", "--at", "1k"});
    EXPECT_NEAR(branchValue(bandPass, "R4", "gain_dB"), 0, 0.01);
    EXPECT_NEAR(std::remainder(branchValue(bandPass, "R4", "phiU_deg"), 180.0), 0, 0.1);
}

}  // namespace
}  // namespace volmira::test
