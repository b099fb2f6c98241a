#include "install_description.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "path_rules.h"

namespace setup {
namespace {

// Longer lines are refused rather than split into pieces.
constexpr std::size_t kMaxLineLength = 1023;

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

std::string latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// Applies one key; false for an unknown key or a value that is not acceptable.
bool apply(std::string_view key, std::string value, const std::string& programFiles,
           InstallDescription& d) {
    if (equalsIgnoringCase(key, "APPNAME")) {
        d.productName = std::move(value);
    } else if (key == "FOLDER") {
        d.targetFolder = withTrailingSeparator(programFiles) + value;
    } else if (key == "FILE") {
        if (!staysInside(value)) return false;
        d.files.push_back(std::move(value));
    } else if (key == "PRGGROUP") {
        if (!isPlainName(value)) return false;
        d.group = std::move(value);
    } else if (key == "SHORTCUT") {
        const std::size_t comma = value.find(',');
        if (comma == std::string::npos) return false;
        Shortcut s{std::string(trimmed(std::string_view(value).substr(0, comma))),
                   std::string(trimmed(std::string_view(value).substr(comma + 1)))};
        if (s.name.empty() || s.target.empty()) return false;
        if (!isPlainName(s.name) || !staysInside(s.target)) return false;
        d.shortcuts.push_back(std::move(s));
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<InstallDescription> readInstallDescription(std::istream& in,
                                                         const std::string& programFiles) {
    InstallDescription d;
    std::string raw;
    while (std::getline(in, raw)) {
        if (raw.size() > kMaxLineLength) return std::nullopt;
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.starts_with("//")) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key.empty() || value.empty()) return std::nullopt;
        if (!apply(key, latin1ToUtf8(value), programFiles, d)) return std::nullopt;
    }
    return d;
}

}  // namespace setup
