#pragma once
// The settings file "Volmi300.gdt" in the program folder: the recent networks, the places of the
// main window, the formula collection and the print composer, and the options; 21 lines without
// keys. Read once at start, written once at the end.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/startup_checks.h"
#include "app/window_rules.h"
#include "schematic/recent_files.h"
#include "schematic/text_file.h"

namespace volmira {

inline constexpr int kSettingsLineCount = 21;

// The options of the panel `optpan`, with the defaults the program has without a settings file.
struct Options {
    int displayDigits = 5;  // 0 = as many as there are
    std::string defaultVoltage = "1 V";
    std::string defaultFrequency = "1 kHz";
    std::string defaultLowerLimit = "20 Hz";
    std::string defaultUpperLimit = "20 kHz";
    bool showHints = true;
    bool autoErrorSearch = true;
    friend bool operator==(const Options&, const Options&) = default;
};

struct WindowPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

struct Settings {
    std::array<std::string, kRecentFileCount> recent;  // oldest first, empty = free entry
    std::optional<WindowGeometry> mainWindow;          // left, top, width, height
    std::optional<WindowPlace> formulaWindow;
    std::optional<WindowPlace> printWindow;
    Options options;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The file's lines, read as far as they are sound: a missing line, a number that does not
// convert, a window without size or a default text that is no value keeps the default of its
// item (an unset place for the windows); lines beyond the 21st are ignored.
Settings parseSettings(const LineList& lines);
// The 21 lines; an unset place is written as empty lines.
LineList settingsLines(const Settings& settings);

// The example networks offered when the recent list is empty, in the order of their entries.
inline constexpr std::array<std::string_view, kRecentFileCount> kExampleNetworks{
    "Tp1kHz.nwb", "Volmira.nwb", "Wienrob.nwb", "RCL.nwb", "Bandfilter.nwb"};

// The recent list as the program takes it in: a file that no longer exists leaves its entry
// empty; when every entry is empty, entry j holds the j-th example network where the program
// folder has it.
std::array<std::string, kRecentFileCount> recentOnStart(
    const std::array<std::string, kRecentFileCount>& stored, const std::filesystem::path& folder);

struct SettingsRead {
    Settings settings;
    bool found = false;  // the file existed and could be read
};
// A missing or unreadable file gives the defaults and an empty recent list.
SettingsRead readSettingsFile(const std::filesystem::path& folder);
TextWriteResult writeSettingsFile(const std::filesystem::path& folder, const Settings& settings);

// Whether the settings may be written at the end: the folder took the start-up write test and
// the settings file could be opened then; a file that did not exist at start is created.
bool settingsWritable(const FolderAccess& access, bool foundAtStart);

}  // namespace volmira
