#include "app/startup_checks.h"

#include <fstream>
#include <system_error>

namespace volmira {

namespace {

bool writeTestFile(const std::filesystem::path& folder) {
    const auto file = folder / kWriteTestFileName;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.close();
        if (out.fail()) return false;
    }
    std::error_code error;
    return std::filesystem::remove(file, error) && !error;
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
