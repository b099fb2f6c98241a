#include "tools/calc_network.h"

#include "analysis/schematic_check.h"

namespace volmira::calc {

namespace {

std::optional<Failure> refused(const InputAcceptance& acceptance) {
    if (acceptance.accepted) return std::nullopt;
    return Failure{kExitRefused, acceptance.message};
}

}  // namespace

std::optional<Failure> prepareNetwork(const std::string& path, CalcNetwork& out) {
    NetworkLoadResult loaded = loadNetworkFile(path);
    if (!loaded.ok()) return Failure{kExitUsage, loaded.error};
    out.file = std::move(*loaded.network);

    const SchematicFault fault = checkSchematic(out.file.grid);
    if (fault.found)
        return Failure{kExitRefused, std::string(kOpenPathMessage) + " (Zeile " +
                                         std::to_string(fault.row) + ", Spalte " +
                                         std::to_string(fault.column) + ")"};

    Calculation& calculation = out.calculation;
    calculation.adoptRecords(out.file.components);
    const AnalysisResult analysis = calculation.analyse(out.file.grid);
    if (!analysis.ok())
        return Failure{kExitRefused, std::string(analysisErrorMessage(analysis.errorCode))};
    if (const auto problem = calculation.confirmValues())
        return Failure{kExitRefused, problem->message};
    return std::nullopt;
}

std::optional<Failure> acceptFrequency(std::string_view text, Calculation& calculation) {
    return refused(calculation.acceptFrequency(text));
}

std::optional<Failure> acceptVoltage(std::string_view text, Calculation& calculation) {
    return refused(calculation.acceptVoltage(text));
}

}  // namespace volmira::calc
