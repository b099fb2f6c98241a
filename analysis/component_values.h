#pragma once
// Component values of an analysed network: storing an edited value, checking the values before
// they are confirmed, the per-branch sums the solver works with, and carrying values into the
// next analysis.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/network.h"

namespace volmira {

// Stored values are written back with this many significant digits.
inline constexpr int kStoredValueDigits = 7;

inline constexpr std::string_view kZeroCapacitorMessage =
    "Kondensator mit Wert 0!  Dies ist nicht erlaubt!";

enum class StoreResult {
    Unchanged,   // the text was empty (or blank): nothing changes
    Stored,      // value parsed; valueText now holds the value formatted again
    NotANumber,  // the number does not convert; valueText keeps the text, value is unchanged
};

// Stores the text of a value-list cell into the component ("Store grid row"). On Stored the
// window writes component.valueText back into the cell. On NotANumber the window shows
// unconvertibleValueMessage(); the text stays in the record so that the confirmation refuses it
// until it is corrected.
StoreResult storeValueText(Component& component, std::string_view cellText);

// "Der Wert „abc“ von R 1 ist keine gültige Zahl."
std::string unconvertibleValueMessage(std::string_view componentName, std::string_view text);

// Why the values cannot be confirmed: the component (1-based) to select and the message to show.
struct ValueProblem {
    int component = 0;
    std::string message;
};

// Checks the values before they are confirmed: every value text must convert, and no capacitor
// may have the value 0 (zero resistors and inductors are accepted; they act as wires). Gives the
// first problem, or nothing when the values can be confirmed.
std::optional<ValueProblem> checkValuesForConfirmation(const Network& network);

// Per branch: R = sum of its resistors, L = sum of its inductors, C = series combination of its
// capacitors (0 when it has none); X is cleared (the solver computes it).
void sumBranchValues(Network& network);

// After a new analysis: a component of `previous` with the same row, column and kind gives its
// value to the new component; a non-zero value gets its text formatted again. All other
// components start with 0 and an empty text.
void carryOverValues(Network& network, std::span<const Component> previous);

}  // namespace volmira
