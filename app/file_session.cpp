#include "app/file_session.h"

#include <system_error>

namespace volmira {

namespace {

bool isFolder(const std::filesystem::path& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool untitled(const Workspace& ws) {
    return isUntitledNetwork(displayPath(ws.currentFile));
}

}  // namespace

std::optional<std::string> unsavedWorkQuestion(Workspace& ws) {
    (void)rebuildSymbolList(ws.grid, ws.symbols);
    return unsavedChangesQuestion(ws.symbols, currentNetworkLines(ws), ws.savedLines);
}

SaveRequest saveRequest(const Workspace& ws, bool saveAs, const std::filesystem::path& home) {
    const std::filesystem::path folder = dialogFolder(ws, home);
    if (untitled(ws)) return {true, folder, {}};
    return {saveAs, folder, ws.currentFile.filename().string()};
}

std::filesystem::path dialogFolder(const Workspace& ws, const std::filesystem::path& home) {
    if (!untitled(ws) && isFolder(ws.currentFile.parent_path()))
        return ws.currentFile.parent_path();
    if (isFolder(ws.lastFolder)) return ws.lastFolder;
    return home;
}

void rememberDialogChoice(Workspace& ws, const std::filesystem::path& chosen) {
    ws.lastFolder = chosen.parent_path();
}

std::filesystem::path withNetworkExtension(std::filesystem::path path) {
    if (!path.empty() && !path.has_extension()) path += ".nwb";
    return path;
}

std::optional<std::string> overwriteQuestion(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    return "Die Datei \xE2\x80\x9E" + displayPath(path) +
           "\xE2\x80\x9C gibt es schon.\nSoll sie ersetzt werden?";
}

}  // namespace volmira
