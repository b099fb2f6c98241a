#pragma once
// CSV as German spreadsheet programs read it: UTF-8 with a byte-order mark (without it they take
// the text for their 8-bit code page), fields between ';', a decimal comma, CR LF line ends.
#include <span>
#include <string>
#include <string_view>

namespace volmira {

inline constexpr std::string_view kCsvStart = "\xEF\xBB\xBF";

// `digits` significant digits with a decimal comma ("1,5e-06"); the values the program shows as
// "unendlich" (+-1e38 and beyond) as that word, an unsolved cell (NotComputed) empty.
std::string germanCsvNumber(double value, int digits);

// Appends one line: the fields joined by ';' (a field holding ';' or '"' is quoted), CR LF.
void appendCsvLine(std::string& csv, std::span<const std::string> fields);

}  // namespace volmira
