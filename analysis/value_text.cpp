#include "analysis/value_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace volmira {

namespace {

constexpr std::array<std::string_view, 16> kUnitTexts = {
    "var", "V", "A", "Ohm", "dB", "VA", "W", "\xC2\xB0", "F", "H", "Hz", "As", "", "", "", ""};

// Engineering prefixes for exponents -12..14, one per group of three.
constexpr std::array<std::string_view, 9> kPrefixes = {"p", "n", "u", "m", "", "k", "M", "G", "T"};

constexpr std::size_t kMaxInputCharacters = 25;
constexpr std::size_t kMaxOutputCharacters = 20;
constexpr int kMaxDigits = 17;  // a double carries no more

constexpr std::string_view kInfinityText = "unendlich";
constexpr std::string_view kNotANumberText = "---";

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if (!isContinuationByte(c)) ++count;
    return count;
}

// The first `count` characters (not bytes) of a UTF-8 text.
std::string_view leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i])) continue;
        if (seen == count) return text.substr(0, i);
        ++seen;
    }
    return text;
}

// The power of ten of a prefix letter; nothing for other characters.
std::optional<int> prefixPower(char c) {
    switch (c) {
        case 'p':
            return -12;
        case 'n':
            return -9;
        case 'u':
            return -6;
        case 'm':
            return -3;
        case 'k':
            return 3;
        case 'M':
            return 6;
        case 'G':
            return 9;
        case 'T':
            return 12;
        default:
            return std::nullopt;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts "[sign] digits [, digits] [e|E [sign] digits]" with at least one mantissa digit,
// times ten to `power`. The power joins the exponent, so that "8,2M" is the double nearest to
// 8.2e6 rather than 8.2 · 1e6 with a second rounding.
std::optional<double> convertNumber(std::string_view number, int power) {
    // The mantissa of a 25-character text and an exponent of up to 8 characters.
    std::array<char, kMaxInputCharacters + 12> buffer{};
    std::size_t length = 0;
    std::size_t i = 0;
    const auto at = [&](std::string_view set) {
        return i < number.size() && set.find(number[i]) != std::string_view::npos;
    };
    const auto copyDigits = [&] {
        int count = 0;
        for (; at("0123456789"); ++i, ++count) buffer[length++] = number[i];
        return count;
    };

    if (at("+-") && number[i++] == '-') buffer[length++] = '-';
    int mantissaDigits = copyDigits();
    if (at(",")) {
        buffer[length++] = '.';
        ++i;
        mantissaDigits += copyDigits();
    }
    if (mantissaDigits == 0) return std::nullopt;

    long exponent = 0;
    if (at("eE")) {
        ++i;
        const bool negative = at("+-") && number[i++] == '-';
        int exponentDigits = 0;
        // Capped far beyond the range of a double, so that it cannot overflow.
        for (; at("0123456789"); ++i, ++exponentDigits)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000L);
        if (exponentDigits == 0) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != number.size()) return std::nullopt;

    buffer[length++] = 'e';
    char* const exponentEnd =
        std::to_chars(buffer.data() + length, buffer.data() + buffer.size(), exponent + power).ptr;
    double value = 0;
    const auto [end, error] = std::from_chars(buffer.data(), exponentEnd, value);
    if (error != std::errc() || end != exponentEnd) return std::nullopt;
    return value;
}

// A positive finite value rounded to `digits` significant digits: the digits and the decimal
// exponent of the first one, taken after rounding (999999.6 with 6 digits is 1.00000e6).
struct RoundedValue {
    std::array<char, kMaxDigits> digits{};
    int count = 0;
    int exponent = 0;
};

RoundedValue roundToDigits(double magnitude, int digits) {
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific, digits - 1);
    RoundedValue rounded;
    const char* p = text.data();
    for (; p < result.ptr && *p != 'e'; ++p)
        if (isDigit(*p)) rounded.digits[rounded.count++] = *p;
    // p is at 'e'; the exponent follows with its sign.
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
    rounded.exponent = exponent;
    return rounded;
}

// Digits [from, to) of the rounded value, missing ones as "0".
void appendDigits(std::string& out, const RoundedValue& value, int from, int to) {
    for (int i = from; i < to; ++i) out += i < value.count ? value.digits[i] : '0';
}

// Digits from `from` on without trailing zeros, after a decimal comma; nothing when none remain.
void appendFraction(std::string& out, const RoundedValue& value, int from) {
    int last = value.count;
    while (last > from && value.digits[last - 1] == '0') --last;
    if (last <= from) return;
    out += ',';
    appendDigits(out, value, from, last);
}

// "1,5E-15", "-2E+17": mantissa without trailing zeros, signed exponent of at least two digits.
void appendExponentForm(std::string& out, const RoundedValue& value) {
    appendDigits(out, value, 0, 1);
    appendFraction(out, value, 1);
    out += 'E';
    out += value.exponent < 0 ? '-' : '+';
    const int exponent = std::abs(value.exponent);
    if (exponent < 10) out += '0';
    std::array<char, 8> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), exponent);
    out.append(text.data(), result.ptr);
}

// The plain number: fixed notation while the value has at most `digits` integer digits and is
// at least 1e-5, exponent form otherwise.
std::string formatGeneral(double magnitude, int digits, bool negative) {
    std::string out = negative ? "-" : "";
    const RoundedValue value = roundToDigits(magnitude, digits);
    if (value.exponent < -5 || value.exponent >= digits) {
        appendExponentForm(out, value);
    } else if (value.exponent >= 0) {
        appendDigits(out, value, 0, value.exponent + 1);
        appendFraction(out, value, value.exponent + 1);
    } else {
        out += "0,";
        out.append(static_cast<std::size_t>(-value.exponent - 1), '0');
        int last = value.count;
        while (last > 1 && value.digits[last - 1] == '0') --last;
        appendDigits(out, value, 0, last);
    }
    return out;
}

// Integer part of 1 + (e mod 3) digits, fraction, prefix and unit; exponent form outside the
// prefixes (below 1e-12 without unit, from 1e15 on with it).
std::string formatEngineering(double magnitude, int digits, bool negative, std::string_view unit,
                              bool compact) {
    std::string out = negative ? "-" : "";
    const RoundedValue value = roundToDigits(magnitude, digits);
    // The double nearest to 1e-12 lies just below it and can round to an exponent of -13.
    if (magnitude < 1e-12 || value.exponent < -12) {
        appendExponentForm(out, value);
        return out;
    }
    const int group = value.exponent >= 0 ? value.exponent / 3 : -((2 - value.exponent) / 3);
    if (group > 4) {
        appendExponentForm(out, value);
        if (!compact) out += ' ';
        out += unit;
        return out;
    }
    const int integerDigits = 1 + value.exponent - 3 * group;
    appendDigits(out, value, 0, integerDigits);
    appendFraction(out, value, integerDigits);
    if (!compact) out += ' ';
    out += kPrefixes[static_cast<std::size_t>(group + 4)];
    out += unit;
    return out;
}

// Gain and phases have a fixed resolution instead of prefixes: "-23,399 dB", "91,16 °". Fewer
// significant digits give fewer decimals; a value below the resolution is 0.
bool hasFixedDecimals(int unitCode) {
    return unitCode == kUnitDecibel || unitCode == kUnitDegree;
}

int fixedDecimals(int digits) {
    return std::clamp(digits - 2, 0, 3);
}

// Empty when the value rounds to zero at the resolution. Magnitudes too large for a field (far
// beyond any gain or phase) take the exponent form.
std::string formatFixed(double value, int digits, std::string_view unit, bool compact) {
    std::array<char, 400> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, fixedDecimals(digits));
    std::string out(text.data(), result.ptr);
    if (out.find_first_not_of("-0.") == std::string::npos) return {};
    std::replace(out.begin(), out.end(), '.', ',');
    if (out.size() + 1 + characterCount(unit) > kMaxOutputCharacters) {
        out = value < 0 ? "-" : "";
        appendExponentForm(out, roundToDigits(std::abs(value), std::min(digits, 6)));
    }
    if (!compact) out += ' ';
    out += unit;
    return out;
}

}  // namespace

std::optional<double> parseValue(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    text = leadingCharacters(text, kMaxInputCharacters);

    // The unit "Ohm" would otherwise read as the prefix "m".
    std::string kept(text);
    if (const std::size_t ohm = kept.find("Ohm"); ohm != std::string::npos) kept.erase(ohm, 3);
    const std::string_view cleaned = kept;

    int power = 0;
    for (char c : cleaned)
        if (const std::optional<int> p = prefixPower(c)) power = *p;

    const std::size_t numberEnd = cleaned.find_first_not_of("0123456789,eE+-");
    const std::string_view number = cleaned.substr(0, numberEnd);
    // Nothing at all (or only "Ohm") means no value yet; other text without a number is a
    // typing error that must not turn silently into 0.
    if (number.empty()) {
        const bool blank = std::all_of(cleaned.begin(), cleaned.end(), isBlank);
        return blank ? std::optional<double>(0.0) : std::nullopt;
    }

    const std::optional<double> value = convertNumber(number, power);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return *value == 0 ? 0.0 : *value;  // no "-0"
}

std::string formatValue(int unitCode, int digits, double value, bool compact) {
    if (std::isnan(value)) return std::string(kNotANumberText);
    digits = std::clamp(digits, 1, kMaxDigits);
    const bool plain = unitCode > kUnitNone;
    const std::string_view unit =
        unitCode >= 0 && !plain ? kUnitTexts[static_cast<std::size_t>(unitCode)] : "";

    if (value == 0) return plain ? std::string("0") : "0 " + std::string(unit);
    if (!plain && value == kMinusInfinity) return std::string(kInfinityText);
    if (std::isinf(value)) return (value < 0 ? "-" : "") + std::string(kInfinityText);

    if (hasFixedDecimals(unitCode)) {
        const std::string text = formatFixed(value, digits, unit, compact);
        return text.empty() ? "0 " + std::string(unit) : text;
    }

    const bool negative = value < 0;
    const double magnitude = std::abs(value);
    // Fewer digits rather than a cut text: the value stays right and the unit stays visible.
    for (;; --digits) {
        std::string text = plain ? formatGeneral(magnitude, digits, negative)
                                 : formatEngineering(magnitude, digits, negative, unit, compact);
        if (characterCount(text) <= kMaxOutputCharacters || digits == 1) return text;
    }
}

std::string_view unitText(int unitCode) {
    if (unitCode < 0 || unitCode >= static_cast<int>(kUnitTexts.size())) return {};
    return kUnitTexts[static_cast<std::size_t>(unitCode)];
}

int unitCodeForComponentName(std::string_view name) {
    if (name.empty()) return kUnitNone;
    switch (name.front()) {
        case 'R':
            return kUnitOhm;
        case 'C':
            return kUnitFarad;
        case 'L':
            return kUnitHenry;
        default:
            return kUnitNone;
    }
}

}  // namespace volmira
