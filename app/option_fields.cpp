#include "app/option_fields.h"

#include <algorithm>
#include <charconv>

#include "analysis/value_text.h"

namespace volmira {

namespace {

// As many digits as the input fields of the working modes show.
constexpr int kOptionDigits = 8;

std::optional<OptionFieldText> normalised(std::string_view text, int unit) {
    const std::optional<double> value = parseValue(text);
    if (!value) return {};
    return OptionFieldText{formatValue(unit, kOptionDigits, *value), {}};
}

}  // namespace

std::optional<int> decimalInteger(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    if (value < low || value > high) return {};
    return value;
}

std::string digitsFieldText(std::string_view text) {
    if (text == "1" || text == "2") return "3";
    return std::string(text);
}

std::optional<int> displayDigitsOf(std::string_view text) {
    const std::optional<int> digits = decimalInteger(text, 0, 99);
    if (digits && *digits > 0) return std::max(*digits, 3);
    return digits;
}

std::optional<OptionFieldText> normalisedFrequencyOption(std::string_view text) {
    std::optional<OptionFieldText> field = normalised(text, kUnitHertz);
    if (field && field->text == "0 Hz")
        *field = {std::string(kZeroFrequencyReplacement), std::string(kZeroFrequencyOptionMessage)};
    return field;
}

std::optional<OptionFieldText> normalisedVoltageOption(std::string_view text) {
    return normalised(text, kUnitVolt);
}

}  // namespace volmira
