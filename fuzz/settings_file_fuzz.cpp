// The settings reader on arbitrary bytes: it never fails, every value it takes is one the
// program can use, and what it reads is written and read back unchanged in 21 lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/settings_file.h"

namespace {

using namespace volmira;

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LineList lines;
    for (const std::string& line : splitTextLines(bytes)) lines.push_back(latin1ToUtf8(line));

    const Settings settings = parseSettings(lines);
    const int digits = settings.options.displayDigits;
    check(digits == 0 || (digits >= 3 && digits <= 99));
    if (settings.mainWindow)
        check(settings.mainWindow->width > 0 && settings.mainWindow->height > 0);

    const LineList written = settingsLines(settings);
    check(written.size() == static_cast<std::size_t>(kSettingsLineCount));
    check(parseSettings(written) == settings);
    return 0;
}
