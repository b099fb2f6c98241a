#pragma once
// The text of the failure report: a message chosen by the ProgressCode that stood when the
// failure arrived, then the advice on "Ignorieren" and "Abbruch" and the code itself.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace volmira {

// The calculator programs the menu entry "Rechner" looks for, in order of preference.
inline constexpr std::array<std::string_view, 6> kCalculatorPrograms = {
    "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};

// The message for a code, without the suffix. Lines are separated by "\n".
std::string_view failureMessage(std::int32_t code);

// Message, a blank line, the advice and "(Interner Fehlercode: <code>)".
std::string failureReportText(std::int32_t code);

}  // namespace volmira
