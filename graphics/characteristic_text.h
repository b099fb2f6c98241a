#pragma once
// The characteristic values as the panel, the menu's list and volmira-calc show them: one row
// per value with its label, its value text and, for an extreme, the frequency text. A value that
// does not exist in the range is "—".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/characteristic_values.h"

namespace volmira {

inline constexpr std::string_view kMissingValue = "\xE2\x80\x94";  // "—"
// Significant digits wherever the values are shown: the refinement finds them to more.
inline constexpr int kCharacteristicDigits = 7;

enum class CharacteristicKind { Maximum, Minimum, Cutoff, Bandwidth, Centre, Quality, Phase };

struct CharacteristicRow {
    CharacteristicKind kind = CharacteristicKind::Maximum;
    std::string label;
    std::optional<double> value;      // the value (in the quantity's unit, Hz or plain)
    std::optional<double> frequency;  // where an extreme lies
    std::string valueText;            // "—" when there is no value
    std::string frequencyText;        // empty for rows without a frequency column
};

// The rows in display order: maximum, minimum, the two -3 dB frequencies, bandwidth, centre
// frequency, Q (these five only for voltage, current and gain), then one row per phase target
// that has a phase (several frequencies joined by "; ").
std::vector<CharacteristicRow> characteristicRows(const CharacteristicValues& values, int digits);

// Title line: "Kennwerte: Spannung, Zweig 3".
std::string characteristicsTitle(ElectricalQuantity quantity, int branch);

// The list as plain lines: the title, then "  Maximum: 1 V bei 1 kHz" per row.
std::vector<std::string> characteristicLines(const CharacteristicValues& values, int branch,
                                             int digits);

}  // namespace volmira
