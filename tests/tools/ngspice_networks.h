#pragma once
// Networks for the ngspice cross-check: drawings built in code, given values by a fixed rule and
// saved as network files, and the netlist run through ngspice.
#include <cmath>
#include <complex>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "analysis/topology.h"
#include "schematic/network_file.h"
#include "support/test_drawings.h"
#include "tools/process_runner.h"

namespace volmira::test {

// Values by kind and number: resistors 220 Ohm to 8.2 kOhm, inductors 1 to 33 mH, capacitors
// 10 nF to 1 uF, so that at audio frequencies no branch dominates the others.
inline std::string generatedValueText(const Component& component, int index) {
    static const std::vector<std::vector<const char*>> values = {
        {"1k", "2,2k", "470", "4,7k", "680", "3,3k", "220", "8,2k"},
        {"10m", "4,7m", "33m", "1m", "22m"},
        {"100n", "220n", "47n", "1u", "10n", "470n"}};
    const std::vector<const char*>& list = values[static_cast<int>(component.kind()) - 1];
    return list[static_cast<std::size_t>(index) % list.size()];
}

// Analyses the drawing, gives every component a value and saves it as a network file.
inline bool saveGeneratedNetwork(const SchematicGrid& drawing, const std::filesystem::path& path,
                                 const InputFields& fields, std::string& error) {
    auto network = std::make_unique<Network>();
    const AnalysisResult analysis = analyseNetwork(drawing, {}, *network);
    if (!analysis.ok()) {
        error = std::string(analysisErrorMessage(analysis.errorCode)) + "\n" + drawingText(drawing);
        return false;
    }
    std::vector<StoredComponent> records;
    for (int k = 1; k <= network->componentCount; ++k) {
        const Component& c = network->component(k);
        records.push_back({c.row, c.column, c.code, generatedValueText(c, k)});
    }
    SchematicGrid grid = drawing;
    SymbolList symbols;
    rebuildSymbolList(grid, symbols);
    const NetworkSaveResult saved =
        saveNetworkFile(path, buildNetworkLines(symbols, records, fields));
    error = saved.error + " " + saved.detail;
    return saved.ok();
}

// A loop with two capacitors in one branch (R 1, C 1, C 2 from the source to junction N), then
// "R 2" from N to ground and "L 1" with "C 3" in series from N to ground.
inline SchematicGrid twoCapacitorsInABranch() {
    return art::gridFromArt({
        "31x11z11z1C11y114",
        "2         2     2",
        "A         x     z",
        "2         2     2",
        "2         2     2",
        "2         I     I",
        "I",
    });
}

// A horizontal source (code 6) on top of a loop: "R 1" down the left side, "C 1" down the right
// side, "L 1" along the bottom; no ground mark. Branch 1 leaves the source to the right.
inline SchematicGrid horizontalSourceLoop() {
    return art::gridFromArt({
        "31A114",
        "2    2",
        "x    z",
        "2    2",
        "511y16",
    });
}

// The RC ladder of 34 sections with a load resistor from its output node (50, 16) to ground: 70
// branches, the most a network may have.
inline SchematicGrid loadedRcLadder() {
    SchematicGrid grid = rcLadder(34);
    drawRows(grid, 46, 16, {"31x1D", "2", "I"});
    return grid;
}

// One component current as ngspice prints it ("i(vi_r1) = re,im", or one number after an
// operating point).
inline std::map<std::string, std::complex<double>> parseNgspiceCurrents(const std::string& output) {
    std::map<std::string, std::complex<double>> currents;
    for (const std::string& line : splitLines(output)) {
        if (line.rfind("i(vi_", 0) != 0) continue;
        const auto equals = line.find(" = ");
        if (equals == std::string::npos) continue;
        const std::string name = line.substr(5, line.find(')') - 5);
        const std::string value = line.substr(equals + 3);
        const auto comma = value.find(',');
        const double re = std::stod(value.substr(0, comma));
        const double im = comma == std::string::npos ? 0 : std::stod(value.substr(comma + 1));
        currents[name] = {re, im};
    }
    return currents;
}

}  // namespace volmira::test
