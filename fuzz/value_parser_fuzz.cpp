// Value parser and formatter on arbitrary input: the parser never fails other than by giving
// nothing, the formatter always writes at most 20 characters without "nan" or "inf", and what
// it writes the parser reads back within the rounding of the digits.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/value_text.h"

namespace {

using volmira::formatValue;
using volmira::parseValue;

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// Digits of the mantissa without leading and trailing zeros, at least 1.
int significantDigits(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != '-' && c != ',')
            break;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 1;
    const std::size_t last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

void check(bool condition) {
    if (!condition) std::abort();
}

void checkFormatted(int unit, int digits, bool compact, double value) {
    const std::string text = formatValue(unit, digits, value, compact);
    check(!text.empty());
    check(characterCount(text) <= 20);
    check(text.find("nan") == std::string::npos);
    check(text.find("inf") == std::string::npos);
    if (!std::isfinite(value) || value == volmira::kMinusInfinity) return;

    const std::optional<double> back = parseValue(text);
    if (!back) {
        // Only near the largest double can rounding carry the text out of range.
        check(std::abs(value) > 1e308);
        return;
    }
    // Up to 9 digits with an exponent of at most two digits always fit into 20 characters;
    // otherwise digits may have been given up, and the rounding is bounded by the significant
    // digits shown.
    const int shown = significantDigits(text);
    check(shown <= std::max(digits, 1));
    const bool fits =
        digits >= 1 && digits <= 9 && std::abs(value) >= 1e-99 && std::abs(value) < 1e99;
    const int rounding = fits ? digits : shown;
    // Reading the text back rounds once more, by up to one step of the double (at 16 and 17
    // digits that is no longer small beside the decimal rounding; the smallest subnormal step
    // covers the very smallest values).
    const double tolerance = std::abs(value) * (0.5 * std::pow(10.0, 1 - rounding) +
                                                std::numeric_limits<double>::epsilon()) +
                             std::numeric_limits<double>::denorm_min();
    check(std::abs(*back - value) <= tolerance);
}

// The stored component format, and one further format chosen by the input's bytes: unit codes
// -1..16 from the last byte, digit counts -1..18 from the first (both beyond their ranges too).
void checkFormats(const std::uint8_t* data, std::size_t size, double value) {
    checkFormatted(volmira::kUnitOhm, 7, false, value);
    checkFormatted(data[size - 1] % 18 - 1, data[0] % 20 - 1, size % 2 == 1, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = parseValue(text);
    if (size == 0) return 0;
    if (value) {
        check(std::isfinite(*value));
        checkFormats(data, size, *value);
    }
    // The same bytes as a double reach NaN, infinities and subnormal values too.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkFormats(data, size, raw);
    }
    return 0;
}
