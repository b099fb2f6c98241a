#include "analysis/german_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/not_computed.h"
#include "analysis/value_text.h"

namespace volmira {

std::string germanCsvNumber(double value, int digits) {
    if (value == NotComputed || std::isnan(value)) return {};
    if (std::abs(value) >= -kMinusInfinity) return value > 0 ? "unendlich" : "-unendlich";
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits)
            .ptr;
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void appendCsvLine(std::string& csv, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) csv += ';';
        const std::string& field = fields[i];
        if (field.find_first_of(";\"") == std::string::npos) {
            csv += field;
            continue;
        }
        csv += '"';
        for (char c : field) {
            if (c == '"') csv += '"';
            csv += c;
        }
        csv += '"';
    }
    csv += "\r\n";
}

}  // namespace volmira
