#pragma once
// Component values and every displayed number: the input syntax (decimal comma, prefixes
// p n u m k M G T, optional exponent) and the display format with prefix and unit.
#include <optional>
#include <string>
#include <string_view>

namespace volmira {

// Unit codes of the formatter: 0 "var", 1 "V", 2 "A", 3 "Ohm", 4 "dB", 5 "VA", 6 "W", 7 "°",
// 8 "F", 9 "H", 10 "Hz", 11 "As"; 12..15 have no unit (13..15: plain number format).
enum UnitCode : int {
    kUnitVar = 0,
    kUnitVolt = 1,
    kUnitAmpere = 2,
    kUnitOhm = 3,
    kUnitDecibel = 4,
    kUnitVoltAmpere = 5,
    kUnitWatt = 6,
    kUnitDegree = 7,
    kUnitFarad = 8,
    kUnitHenry = 9,
    kUnitHertz = 10,
    kUnitCoulomb = 11,
    kUnitNone = 12,
};

// The text of a unit code ("Hz", "Ohm"); empty for codes without unit.
std::string_view unitText(int unitCode);

// The gain's marker for minus infinity; shown as "unendlich".
inline constexpr double kMinusInfinity = -1e38;

// Parses a value text ("3,3m", "4k7", "2,2 kOhm", "1e3"). Empty text, or "Ohm" alone, gives 0;
// other text without a number ("abc") gives nothing. A number part that does not convert ("1,2,3",
// "1e", "+-1") or lies outside the range of a double gives nothing. The first 25 characters of the
// trimmed text count; the last prefix letter anywhere sets the factor ("4k7" is 4000). Independent
// of the C locale.
std::optional<double> parseValue(std::string_view text);

// Formats a value with `digits` significant digits, an engineering prefix and the unit of
// `unitCode`, at most 20 characters ("1,5 kHz", "47 uF"). `compact` leaves out the blank before
// prefix and unit (the print composer's tables and curves use it); zero is always "0 " and the
// unit. Below 1e-12 the exponent form without unit ("5E-15"), from 1e15 on with the unit
// ("2,5E+16 Ohm"). Decibel and degree take no prefix but a fixed number of decimals, `digits`
// less two and at most three ("-23,399 dB", "91,16 °"); below that resolution they are "0".
// Codes above 12: plain number ("123,456", "1,5E+15"). Infinite values give
// "unendlich" (or "-unendlich"), NaN "---". Digits are taken as 1..17 and given up one by one
// where the text would exceed 20 characters.
std::string formatValue(int unitCode, int digits, double value, bool compact = false);

// The unit code of a component's value from its name: "R 1" gives Ohm, "C 1" F, "L 1" H;
// kUnitNone for other names.
int unitCodeForComponentName(std::string_view name);

}  // namespace volmira
