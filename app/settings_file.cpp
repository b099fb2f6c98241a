#include "app/settings_file.h"

#include <system_error>

#include "analysis/value_text.h"
#include "app/option_fields.h"

namespace volmira {

namespace {

// Places and sizes beyond this are no screen's; such a line is not sound.
constexpr int kPixelLimit = 100000;
constexpr std::size_t kMaxOptionTextLength = 20;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Line `n` (1..21), empty when the file is shorter.
std::string_view lineOf(const LineList& lines, int n) {
    const auto index = static_cast<std::size_t>(n - 1);
    return index < lines.size() ? std::string_view(lines[index]) : std::string_view();
}

std::optional<int> pixelLine(const LineList& lines, int n) {
    return decimalInteger(trimmed(lineOf(lines, n)), -kPixelLimit, kPixelLimit);
}

std::optional<WindowPlace> placeAt(const LineList& lines, int first) {
    const auto left = pixelLine(lines, first);
    const auto top = pixelLine(lines, first + 1);
    if (!left || !top) return {};
    return WindowPlace{*left, *top};
}

std::optional<WindowGeometry> geometryAt(const LineList& lines, int first) {
    const auto place = placeAt(lines, first);
    const auto width = pixelLine(lines, first + 2);
    const auto height = pixelLine(lines, first + 3);
    if (!place || !width || !height || *width < 1 || *height < 1) return {};
    return WindowGeometry{place->left, place->top, *width, *height, false};
}

// A default text is taken when the value entry would take it: a positive value.
void takeValueText(const LineList& lines, int n, std::string& target) {
    const std::string_view text = lineOf(lines, n);
    if (text.empty() || utf8Length(text) > kMaxOptionTextLength) return;
    const std::optional<double> value = parseValue(text);
    if (value && *value > 0) target = std::string(text);
}

void takeFlag(const LineList& lines, int n, bool& target) {
    if (static_cast<std::size_t>(n) <= lines.size()) target = lineOf(lines, n) == "ja";
}

void appendPlace(LineList& lines, const std::optional<WindowPlace>& place) {
    lines.push_back(place ? std::to_string(place->left) : std::string());
    lines.push_back(place ? std::to_string(place->top) : std::string());
}

std::string flagText(bool on) {
    return on ? "ja" : "nein";
}

}  // namespace

Settings parseSettings(const LineList& lines) {
    Settings s;
    for (int n = 1; n <= kRecentFileCount; ++n)
        s.recent[std::size_t(n - 1)] = std::string(trimmed(lineOf(lines, n)));
    s.mainWindow = geometryAt(lines, 6);
    s.formulaWindow = placeAt(lines, 10);
    s.printWindow = placeAt(lines, 12);
    if (const auto digits = displayDigitsOf(trimmed(lineOf(lines, 14))))
        s.options.displayDigits = *digits;
    takeValueText(lines, 15, s.options.defaultVoltage);
    takeValueText(lines, 16, s.options.defaultFrequency);
    takeValueText(lines, 17, s.options.defaultLowerLimit);
    takeValueText(lines, 18, s.options.defaultUpperLimit);
    takeFlag(lines, 20, s.options.showHints);
    takeFlag(lines, 21, s.options.autoErrorSearch);
    return s;
}

LineList settingsLines(const Settings& s) {
    LineList lines(s.recent.begin(), s.recent.end());
    if (s.mainWindow) {
        appendPlace(lines, WindowPlace{s.mainWindow->left, s.mainWindow->top});
        lines.push_back(std::to_string(s.mainWindow->width));
        lines.push_back(std::to_string(s.mainWindow->height));
    } else {
        lines.insert(lines.end(), 4, std::string());
    }
    appendPlace(lines, s.formulaWindow);
    appendPlace(lines, s.printWindow);
    const Options& o = s.options;
    lines.push_back(std::to_string(o.displayDigits));
    lines.insert(lines.end(),
                 {o.defaultVoltage, o.defaultFrequency, o.defaultLowerLimit, o.defaultUpperLimit,
                  flagText(false), flagText(o.showHints), flagText(o.autoErrorSearch)});
    return lines;
}

std::array<std::string, kRecentFileCount> recentOnStart(
    const std::array<std::string, kRecentFileCount>& stored, const std::filesystem::path& folder) {
    std::array<std::string, kRecentFileCount> recent;
    bool any = false;
    std::error_code error;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        if (stored[i].empty() || !std::filesystem::is_regular_file(stored[i], error)) continue;
        recent[i] = stored[i];
        any = true;
    }
    if (any) return recent;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const std::filesystem::path example = folder / kExampleNetworks[i];
        if (std::filesystem::is_regular_file(example, error)) recent[i] = displayPath(example);
    }
    return recent;
}

SettingsRead readSettingsFile(const std::filesystem::path& folder) {
    const TextReadResult file = readTextLines(folder / kSettingsFileName);
    if (!file.ok()) return {};
    return {parseSettings(file.lines), true};
}

TextWriteResult writeSettingsFile(const std::filesystem::path& folder, const Settings& settings) {
    return writeTextLines(folder / kSettingsFileName, settingsLines(settings));
}

bool settingsWritable(const FolderAccess& access, bool foundAtStart) {
    return !access.readOnly && (!access.settingsFileUnavailable || !foundAtStart);
}

}  // namespace volmira
