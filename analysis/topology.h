#pragma once
// "Analyse": from the drawing to the Network (nodes, branches, components, op-amps, meshes).
#include <span>
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "schematic/grid.h"

namespace volmira {

// 0 on success, else one of the numbered errors 1..7, 10..13.
struct AnalysisResult {
    int errorCode = 0;
    bool ok() const { return errorCode == 0; }
};

// Analyses the drawing into `network` (overwritten). Components whose row, column and code match
// an entry of `previous` (the components of the last confirmed values) take over its value; a
// non-zero value gets its text formatted again. Ends with the trial solve that fixes the current
// reference directions.
AnalysisResult analyseNetwork(const SchematicGrid& grid, std::span<const Component> previous,
                              Network& network);

// The German message of an analysis error code.
std::string_view analysisErrorMessage(int errorCode);

// "Analyse erfolgreich durchgeführt" with the node and mesh counts, lines separated by "\n".
std::string analysisStatusMessage(const Network& network);

}  // namespace volmira
