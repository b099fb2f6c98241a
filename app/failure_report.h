#pragma once
// The text of the failure report: a message chosen by the ProgressCode that stood when the
// failure arrived, then the advice on "Ignorieren" and "Abbruch" and the code itself.
#include <cstdint>
#include <string>
#include <string_view>

namespace volmira {

// The message for a code, without the suffix. Lines are separated by "\n".
std::string_view failureMessage(std::int32_t code);

// Message, a blank line, the advice and "(Interner Fehlercode: <code>)".
std::string failureReportText(std::int32_t code);

}  // namespace volmira
