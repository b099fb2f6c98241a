#include "tools/calc_network.h"

#include <cctype>
#include <vector>

#include "analysis/component_values.h"
#include "analysis/input_checks.h"
#include "analysis/schematic_check.h"
#include "analysis/topology.h"
#include "analysis/value_text.h"
#include "schematic/text_file.h"

namespace volmira::calc {

namespace {

constexpr std::string_view kOpenPathMessage = "Ein Stromweg endet nicht an einem Knotenpunkt!";

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string notANumber(std::string_view what, std::string_view text) {
    return "Die " + std::string(what) + " \xE2\x80\x9E" + messageText(text, kQuotedTextLimit) +
           "\xE2\x80\x9C ist keine g\xC3\xBCltige Zahl.";
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

    // The file's records are the components of the last confirmed values; the analysis matches
    // them to its components by cell and kind.
    std::vector<Component> previous;
    for (const StoredComponent& record : out.file.components) {
        Component c;
        c.row = static_cast<std::uint8_t>(record.row);
        c.column = static_cast<std::uint8_t>(record.column);
        c.code = static_cast<std::uint8_t>(record.code);
        c.value = parseValue(record.valueText).value_or(0);
        c.valueText = record.valueText;
        previous.push_back(c);
    }
    const AnalysisResult analysis = analyseNetwork(out.file.grid, previous, out.network);
    if (!analysis.ok())
        return Failure{kExitRefused, std::string(analysisErrorMessage(analysis.errorCode))};

    // A text that does not convert carried no value over; keep it so the confirmation names it
    // rather than taking the component as 0.
    Network& network = out.network;
    for (int k = 1; k <= network.componentCount; ++k) {
        Component& component = network.component(k);
        for (const Component& record : previous)
            if (record.row == component.row && record.column == component.column &&
                record.code == component.code && !parseValue(record.valueText))
                component.valueText = record.valueText;
    }
    if (const auto problem = checkValuesForConfirmation(network))
        return Failure{kExitRefused, problem->message};
    sumBranchValues(network);
    return std::nullopt;
}

int findComponent(const Network& network, std::string_view name) {
    const std::string wanted = withoutBlanks(name);
    for (int k = 1; k <= network.componentCount; ++k)
        if (withoutBlanks(network.component(k).name) == wanted) return k;
    return 0;
}

Accepted acceptFrequency(std::string_view text, const Network& network) {
    const std::optional<double> value = parseValue(text);
    if (!value) return {0, Failure{kExitRefused, notANumber("Frequenz", text)}};
    const FrequencyCheck check = checkFrequencyInput(*value, network.hasReactiveComponents());
    if (!check.accepted) return {0, Failure{kExitRefused, std::string(check.message)}};
    return {*value, std::nullopt};
}

Accepted acceptVoltage(std::string_view text) {
    const std::optional<double> value = parseValue(text);
    if (!value) return {0, Failure{kExitRefused, notANumber("Spannung", text)}};
    const VoltageCheck check = checkVoltageInput(*value);
    if (!check.accepted) return {0, Failure{kExitRefused, std::string(check.message)}};
    return {*value, std::nullopt};
}

}  // namespace volmira::calc
