#include "desktop_entry.h"

#include <fstream>
#include <string_view>
#include <system_error>

namespace setup {
namespace {

// The escapes every string value needs in the file.
std::string escapedValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    if (!out.empty() && out.front() == ' ') out.replace(0, 1, "\\s");
    return out;
}

// The program as the one word of an Exec line: quoted when it holds a reserved character,
// and "%" doubled so it is not taken for a field code.
std::string execWord(std::string_view program) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = program.find_first_of(reserved) != std::string_view::npos;
    std::string out = quote ? "\"" : "";
    for (const char c : program) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
        out += c;
        if (c == '%') out += '%';
    }
    if (quote) out += '"';
    return out;
}

}  // namespace

std::string desktopEntryText(const std::string& name, const std::string& program,
                             const std::string& folder) {
    return "[Desktop Entry]\nType=Application\nName=" + escapedValue(name) +
           "\nExec=" + escapedValue(execWord(program)) + "\nPath=" + escapedValue(folder) + "\n";
}

bool writeDesktopEntry(const std::filesystem::path& group, const std::string& name,
                       const std::string& program, const std::string& folder) {
    const std::filesystem::path file = group / (name + ".desktop");
    std::filesystem::path temporary = file;
    temporary += ".part";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << desktopEntryText(name, program, folder);
    out.close();
    std::error_code error;
    if (out) std::filesystem::rename(temporary, file, error);
    const bool written = out && !error;
    if (!written) std::filesystem::remove(temporary, error);
    return written;
}

}  // namespace setup
