#include "print/table_parameters.h"

#include <algorithm>
#include <vector>

#include "analysis/value_text.h"
#include "print/quantity_list.h"
#include "schematic/text_file.h"

namespace volmira {

namespace {
constexpr int kLongLabel = 20;
constexpr std::size_t kFirstCutPosition = 5;  // the sixth character
constexpr int kValueDigits = 5;
constexpr int kPhaseDigits = 4;
constexpr int kFrequencyDigits = 4;
}  // namespace

void TableParameters::clear() {
    rows = {};
    frequencies = {};
}

std::string branchLabel(const Network& network, int branch, std::string_view equals) {
    std::string label;
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& c = network.component(k);
        if (c.branch != branch) continue;
        if (!label.empty()) label += ";  ";
        label += c.name + std::string(equals) + c.valueText;
    }
    return label.empty() ? "Stromzweig " + std::to_string(branch) : label;
}

std::string tableRowLabel(std::string_view label) {
    if (utf8Length(label) <= kLongLabel) return std::string(label);
    const std::size_t cut = label.find('=', kFirstCutPosition);
    if (cut == std::string_view::npos) return utf8Prefix(label, kLongLabel);
    return std::string(label.substr(0, cut)) + "=...";
}

TableBuild computeFrequencyTable(Calculation& calculation, const TableParameters& parameters) {
    TableBuild build;
    FrequencyTable& table = build.table;
    const int slot = quantitySlotForListPosition(parameters.quantityPosition);
    table.quantityName = std::string(kQuantityListEntries[static_cast<std::size_t>(
        std::clamp(parameters.quantityPosition, 0, int(kQuantityListEntries.size()) - 1))]);
    table.withPhase = parameters.withPhase;

    std::vector<int> branches;
    for (const TableRowSlot& row : parameters.rows)
        if (row.branch > 0 && row.branch <= calculation.network().branchCount)
            branches.push_back(row.branch);
    std::vector<double> frequencies;
    for (double f : parameters.frequencies)
        if (f > 0) frequencies.push_back(f);
    if (branches.empty() || frequencies.empty()) return build;

    const Network& network = calculation.network();
    const int unit = quantityUnitCode(static_cast<ElectricalQuantity>(slot));
    const double voltage = calculation.voltage();
    calculation.sweep(frequencies, [&](std::size_t column, const BranchCurrents& currents) {
        for (std::size_t row = 0; row < branches.size(); ++row) {
            const auto b = static_cast<std::size_t>(branches[row] - 1);
            const BranchQuantities q =
                deriveQuantities(currentPolar(currents.current[b]), network.branch(branches[row]).R,
                                 currents.reactance[b], voltage);
            std::string value = formatValue(unit, kValueDigits, q.value[std::size_t(slot)], true);
            build.longestValue = std::max(build.longestValue, int(utf8Length(value)));
            table.values[row][column] = std::move(value);
            // Only the first five slots carry a phase of their own.
            table.phases[row][column] =
                parameters.withPhase && slot < kPhaseCellCount
                    ? formatValue(kUnitDegree, kPhaseDigits,
                                  q.phase[std::size_t(slot)] / kDegreeFactor, true)
                    : std::string();
        }
        return true;
    });

    table.rows = static_cast<int>(branches.size());
    table.columns = static_cast<int>(frequencies.size());
    for (std::size_t c = 0; c < frequencies.size(); ++c)
        table.frequencies[c] = formatValue(kUnitHertz, kFrequencyDigits, frequencies[c], true);
    for (std::size_t r = 0; r < branches.size(); ++r) {
        table.labels[r] = tableRowLabel(branchLabel(network, branches[r], "="));
        build.longestLabel = std::max(build.longestLabel, int(utf8Length(table.labels[r])));
    }
    return build;
}

}  // namespace volmira
