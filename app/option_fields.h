#pragma once
// The rules of the option fields of `optpan`: the digits field and the four default texts,
// rewritten in the program's own format when the user leaves them.
#include <optional>
#include <string>
#include <string_view>

namespace volmira {

inline constexpr std::string_view kZeroFrequencyOptionMessage = "0 Hz nicht erlaubt!";
inline constexpr std::string_view kZeroFrequencyReplacement = "1 kHz";

// A whole decimal number of low..high without blanks; nothing for any other text.
std::optional<int> decimalInteger(std::string_view text, int low, int high);

// Fewer than three digits are not allowed ("0" means as many as there are): "1" and "2"
// become "3"; other texts stay.
std::string digitsFieldText(std::string_view text);
// The setting a digits text stands for, at least 3 unless 0 (so "01" gives 3 as well); nothing
// for a text that is no number of 0..99.
std::optional<int> displayDigitsOf(std::string_view text);

struct OptionFieldText {
    std::string text;
    std::string message;  // shown to the user when not empty
};
// A frequency or voltage text parsed and written again with its unit ("1000" gives "1 kHz");
// a frequency of 0 gives "1 kHz" with the message. Nothing for a text that is no value.
std::optional<OptionFieldText> normalisedFrequencyOption(std::string_view text);
std::optional<OptionFieldText> normalisedVoltageOption(std::string_view text);

}  // namespace volmira
