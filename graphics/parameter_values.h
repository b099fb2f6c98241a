#pragma once
// The five values of the parameter mode: the initial choice from the E12 table around the
// component's value, editing one value or taking the picker's selection (kept sorted), the
// captions of the value panels, the values remembered per component, and the settings of the
// last sweep that tell whether the drawn family is still valid.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/e12_table.h"

namespace volmira {

inline constexpr int kParameterValueCount = 5;  // pareg1..pareg5
inline constexpr int kParameterCaptionDigits = 7;
inline constexpr int kSettingsTextLength = 15;  // characters kept of each compared text

// Index 0..4 for pareg1..pareg5; NotComputed marks an empty slot.
using ParameterValues = std::array<double, kParameterValueCount>;
using ParameterCaptions = std::array<std::string, kParameterValueCount>;

// Five E12 values around v: v's own table value with two neighbours on each side, or v between
// its two lower and two upper neighbours; near the table's ends v times 0.2, 0.5, 1, 2 and 5.
ParameterValues initialParameterValues(E12Kind kind, double v);

// Ascending, empty slots last, equal values in their previous order.
void sortParameterValues(ParameterValues& values);

// The picker's selection as the five values, sorted.
ParameterValues valuesFromSelection(const E12Selection& selection);

// eingFeld: the text typed over panel `index` (1..5). Blank text empties the slot; text the
// value parser rejects, or a value not above 0, changes nothing and gives false. The values
// are sorted afterwards.
bool editParameterValue(ParameterValues& values, int index, std::string_view text);

// The panel captions: each value with its unit, empty for an empty slot.
ParameterCaptions parameterCaptions(const ParameterValues& values, int unitCode);

// The values last used per component name, kept while the program runs.
class ParameterMemory {
  public:
    void remember(const std::string& componentName, const ParameterValues& values);
    std::optional<ParameterValues> recall(const std::string& componentName) const;
    void clear() { sets_.clear(); }

  private:
    std::map<std::string, ParameterValues> sets_;
};

// The five values when a component is picked: those it had when last used, else the initial
// choice around its value.
ParameterValues parameterValuesFor(const ParameterMemory& memory, const std::string& componentName,
                                   E12Kind kind, double value);

// What the invalidation check compares: the trimmed bound texts, the parameter mode, its
// component and the five captions, each text cut to 15 characters.
struct SweepSettings {
    std::string fqVon;
    std::string fqBis;
    int paramMode = 0;
    int paramComponent = 0;
    ParameterCaptions captions;
};

SweepSettings sweepSettings(std::string_view fqVon, std::string_view fqBis, int paramMode,
                            int paramComponent, const ParameterCaptions& captions);

// The captions count only while parameter mode is on.
bool sweepSettingsDiffer(const SweepSettings& current, const SweepSettings& last);

// ngueltpan, deckpan and Pfeilpan are shown when the settings differ and a curve exists.
inline bool showInvalidation(const SweepSettings& current, const SweepSettings& last,
                             bool curveExists) {
    return curveExists && sweepSettingsDiffer(current, last);
}

}  // namespace volmira
