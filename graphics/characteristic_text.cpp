#include "graphics/characteristic_text.h"

#include "analysis/value_text.h"

namespace volmira {

namespace {

constexpr std::array<std::string_view, kPhaseTargets.size()> kPhaseLabels{"Phase 0\xC2\xB0",
                                                                          "Phase +45\xC2\xB0",
                                                                          "Phase -45\xC2\xB0",
                                                                          "Phase +90\xC2\xB0",
                                                                          "Phase -90\xC2\xB0",
                                                                          "Phase \xC2\xB1"
                                                                          "180\xC2\xB0"};

std::string valueText(int unit, int digits, const std::optional<double>& value) {
    return value ? formatValue(unit, digits, *value) : std::string(kMissingValue);
}

}  // namespace

std::vector<CharacteristicRow> characteristicRows(const CharacteristicValues& values, int digits) {
    std::vector<CharacteristicRow> rows;
    const int unit = quantityUnitCode(values.quantity);
    auto extreme = [&](CharacteristicKind kind, std::string_view label,
                       const std::optional<ValueAt>& at) {
        CharacteristicRow row{kind, std::string(label), std::nullopt, std::nullopt, {}, {}};
        if (at) {
            row.value = at->value;
            row.frequency = at->frequency;
        }
        row.valueText = valueText(unit, digits, row.value);
        row.frequencyText = valueText(kUnitHertz, digits, row.frequency);
        rows.push_back(std::move(row));
    };
    auto plain = [&](CharacteristicKind kind, std::string_view label, int rowUnit,
                     const std::optional<double>& value) {
        rows.push_back(
            {kind, std::string(label), value, std::nullopt, valueText(rowUnit, digits, value), {}});
    };
    extreme(CharacteristicKind::Maximum, "Maximum", values.maximum);
    extreme(CharacteristicKind::Minimum, "Minimum", values.minimum);
    if (values.hasCutoffs) {
        plain(CharacteristicKind::Cutoff, "-3 dB unterhalb", kUnitHertz, values.lowerCutoff);
        plain(CharacteristicKind::Cutoff, "-3 dB oberhalb", kUnitHertz, values.upperCutoff);
        plain(CharacteristicKind::Bandwidth, "Bandbreite", kUnitHertz, values.bandwidth);
        plain(CharacteristicKind::Centre, "Mittenfrequenz", kUnitHertz, values.centre);
        // Q is a plain number.
        plain(CharacteristicKind::Quality, "G\xC3\xBCte Q", 13, values.quality);
    }
    if (!values.hasPhase) return rows;
    for (std::size_t t = 0; t < kPhaseTargets.size(); ++t) {
        const std::vector<double>& found = values.phaseCrossings[t];
        CharacteristicRow row{CharacteristicKind::Phase,
                              std::string(kPhaseLabels[t]),
                              std::nullopt,
                              std::nullopt,
                              std::string(kMissingValue),
                              {}};
        if (!found.empty()) {
            row.value = found.front();
            row.valueText.clear();
            for (double f : found) {
                if (!row.valueText.empty()) row.valueText += "; ";
                row.valueText += formatValue(kUnitHertz, digits, f);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string characteristicsTitle(ElectricalQuantity quantity, int branch) {
    std::string_view caption = quantityCaption(quantity);
    return "Kennwerte: " +
           std::string(caption.empty() ? "Gr\xC3\xB6\xC3\x9F"
                                         "e"
                                       : caption) +
           ", Zweig " + std::to_string(branch);
}

std::vector<std::string> characteristicLines(const CharacteristicValues& values, int branch,
                                             int digits) {
    std::vector<std::string> lines{characteristicsTitle(values.quantity, branch)};
    for (const CharacteristicRow& row : characteristicRows(values, digits)) {
        std::string line = "  " + row.label + ": " + row.valueText;
        if (!row.frequencyText.empty()) line += " bei " + row.frequencyText;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace volmira
