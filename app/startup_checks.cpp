#include "app/startup_checks.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

#include "schematic/file_access.h"

namespace volmira {

namespace {

// A file of our own under a fresh name: two programs starting together never meet, and a file
// the user keeps there is never touched.
bool writeTestFile(const std::filesystem::path& folder) {
    TemporaryNames names;
    CreatedFile file = createExclusiveFile(folder, 0600, names);
    if (!file.handle.valid()) return false;
    const bool closed = file.handle.close() == 0;
    return ::unlink(file.path.c_str()) == 0 && closed;
}

}  // namespace

bool openableForReadWrite(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    // in | out neither creates nor truncates; nothing is written.
    std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
    return stream.is_open();
}

FolderAccess checkProgramFolder(const std::filesystem::path& folder) {
    FolderAccess access;
    access.readOnly = !writeTestFile(folder);
    if (access.readOnly) return access;
    access.macroFileUnavailable = !openableForReadWrite(folder / kMacroFileName);
    access.settingsFileUnavailable = !openableForReadWrite(folder / kSettingsFileName);
    return access;
}

}  // namespace volmira
