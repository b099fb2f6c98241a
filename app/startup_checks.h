#pragma once
// The checks of the program folder at start-up: can the program write there, and can it write
// its macro library and its settings file.
#include <filesystem>
#include <string_view>

#include "schematic/macro_file.h"

namespace volmira {

inline constexpr std::string_view kSettingsFileName = "Volmi300.gdt";

struct FolderAccess {
    bool readOnly = false;                 // the folder cannot be written
    bool macroFileUnavailable = false;     // the macro library cannot be opened for writing
    bool settingsFileUnavailable = false;  // the settings file cannot be opened for writing
};

// Creates and deletes a test file under a fresh name of its own; then opens the macro library and
// the settings file for reading and writing without creating, truncating or changing them. A
// missing file counts as unavailable. In a folder that cannot be written the two files are not
// tried.
FolderAccess checkProgramFolder(const std::filesystem::path& folder);

// Whether an existing file can be opened for reading and writing. The file is left untouched.
bool openableForReadWrite(const std::filesystem::path& file);

}  // namespace volmira
