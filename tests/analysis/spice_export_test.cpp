// The SPICE netlist of analysed drawings: element names and values, the source's polarity, zero
// resistors, and the analysis the .control block runs. Whether ngspice then computes our
// currents (directions and op-amps included) is the cross-check in tests/tools.
#include "analysis/spice_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

std::unique_ptr<Network> analysed(const SchematicGrid& grid) {
    auto network = std::make_unique<Network>();
    EXPECT_EQ(analyseNetwork(grid, {}, *network).errorCode, 0) << test::drawingText(grid);
    for (int k = 1; k <= network->componentCount; ++k) network->component(k).value = 100.0 * k;
    return network;
}

// The element lines (not comments, not dot or control lines) by element name, split at blanks.
std::map<std::string, std::vector<std::string>> elements(const std::string& netlist) {
    std::map<std::string, std::vector<std::string>> out;
    std::istringstream in(netlist);
    std::string line;
    std::getline(in, line);  // title
    while (std::getline(in, line) && line != ".control") {
        if (line.empty() || line[0] == '*' || line[0] == '.') continue;
        std::istringstream fields(line);
        std::vector<std::string> t;
        for (std::string field; fields >> field;) t.push_back(field);
        out[t[0]] = t;
    }
    return out;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SpiceDecadeSweep, WholePointsPerDecadeWithTheStopThatGivesEveryPoint) {
    // 10 Hz .. 100 kHz: four decades of 224 points, the program's very points.
    const SpiceDecadeSweep whole = spiceDecadeSweep({10, 1e5, 897, true});
    EXPECT_EQ(whole.pointsPerDecade, 224);
    EXPECT_NEAR(whole.stop / 1e5, 1, 1e-7);
    // Ranges of no whole decades: ngspice counts floor(decades * per decade) + 1 points.
    for (const auto& [start, stop] : {std::pair{0.632, 632455.5}, std::pair{33.0, 47.0},
                                      std::pair{1e3, 1001.0}, std::pair{0.5, 1e9}}) {
        const SpiceDecadeSweep d = spiceDecadeSweep({start, stop, 897, true});
        const double points = std::floor(std::log10(d.stop / start) * d.pointsPerDecade) + 1;
        EXPECT_EQ(points, 897) << start << " .. " << stop;
        EXPECT_NEAR(std::log10(d.stop / start) / std::log10(stop / start), 1,
                    0.5 / d.pointsPerDecade + 1e-9);
    }
}

TEST(SpiceExport, SeriesLoopWithoutGroundTakesTheSourcesReturnAsNodeZero) {
    const auto network = analysed(test::seriesRlcLoop());
    SpiceExportSettings settings;
    settings.voltage = 2.5;
    settings.frequency = 1234.5;
    const std::string netlist = exportSpiceNetlist(*network, settings);
    const auto e = elements(netlist);
    // Branch 1 leaves the plus terminal: every mesh runs out through it and carries +Ue.
    EXPECT_EQ(e.at("V1"), (std::vector<std::string>{"V1", "ue_p", "0", "DC", "0", "AC", "2.5"}));
    // R, L and C in one branch: each behind its sense source, in series, values as entered.
    EXPECT_EQ(e.at("R1")[3], "100");
    EXPECT_EQ(e.at("L1")[3], "200");
    EXPECT_EQ(e.at("C1")[3], "300");
    for (const char* name : {"R1", "L1", "C1"})
        EXPECT_EQ(e.at(std::string("VI_") + name)[2], e.at(name)[1]) << name;
    EXPECT_TRUE(contains(netlist, "\nac lin 1 1234.5 1234.5\n"));
    EXPECT_TRUE(contains(netlist, "\nprint i(vi_r1)\nprint i(vi_l1)\nprint i(vi_c1)\nquit\n"));

    // Every node joins at least two elements: nothing dangles.
    std::map<std::string, int> uses;
    for (const auto& [name, t] : e)
        for (std::size_t i = 1; i < 3; ++i) ++uses[t[i]];
    for (const auto& [node, count] : uses) EXPECT_GE(count, 2) << node << "\n" << netlist;
}

TEST(SpiceExport, ZeroResistorIsAWireWithItsSenseSource) {
    auto network = analysed(test::seriesRlcLoop());
    network->component(1).value = 0;
    const std::string netlist = exportSpiceNetlist(*network, {});
    const auto e = elements(netlist);
    EXPECT_EQ(e.count("R1"), 0u);
    ASSERT_EQ(e.count("VI_R1"), 1u);
    EXPECT_EQ(e.at("VI_R1")[2], e.at("VI_L1")[1]);
    EXPECT_TRUE(contains(netlist, "print i(vi_r1)"));
}

TEST(SpiceExport, ZeroFrequencyStaysAnAcAnalysisAndSweepsPrintOneCurrent) {
    const auto network = analysed(test::wheatstoneBridge());
    SpiceExportSettings settings;
    settings.frequency = 0;
    settings.voltage = 12;
    std::string netlist = exportSpiceNetlist(*network, settings);
    EXPECT_TRUE(contains(netlist, " DC 0 AC 12\n"));
    EXPECT_TRUE(contains(netlist, "\nac lin 1 0 0\n"));

    settings.sweep = SpiceSweep{10, 1e5, 897, true};
    settings.printedComponent = 3;
    netlist = exportSpiceNetlist(*network, settings);
    EXPECT_TRUE(contains(netlist, "\nac dec 224 10 "));
    EXPECT_TRUE(contains(netlist, "reltol=1e-9"));
    EXPECT_TRUE(contains(netlist, "\nprint i(vi_r3)\nquit\n"));
    EXPECT_FALSE(contains(netlist, "print i(vi_r1)"));

    settings.sweep = SpiceSweep{12.5, 1012.5, 897, false};
    EXPECT_TRUE(contains(exportSpiceNetlist(*network, settings), "\nac lin 897 12.5 1012.5\n"));
}

}  // namespace
}  // namespace volmira
