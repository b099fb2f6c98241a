#pragma once
// The decisions around the network file, as questions the window asks: whether unsaved work
// asks to be saved and with which question, whether saving needs a file name, whether an
// existing file would be replaced, and where the file dialogs start.
#include <filesystem>
#include <optional>
#include <string>

#include "app/workspace.h"

namespace volmira {

// The question to ask before unsaved work would be lost, or nothing when there is none or the
// drawing is empty. The symbol list is rebuilt from the grid first.
std::optional<std::string> unsavedWorkQuestion(Workspace& ws);

// Where saving goes: straight to the current file, or first through the save dialog, which then
// starts in `folder` proposing `name` (the current file's; none for the untitled network).
struct SaveRequest {
    bool askName = false;
    std::filesystem::path folder;
    std::string name;
};
// `saveAs`: "Speichern unter" asks for a name always; "Speichern" only for the untitled network.
SaveRequest saveRequest(const Workspace& ws, bool saveAs, const std::filesystem::path& home);

// The folder the file dialogs start in: the current file's; for the untitled network the folder
// last used in a dialog, else `home`.
std::filesystem::path dialogFolder(const Workspace& ws, const std::filesystem::path& home);

// A file chosen in a dialog: its folder is the one used last.
void rememberDialogChoice(Workspace& ws, const std::filesystem::path& chosen);

// A file name chosen in the save dialog without an extension gets ".nwb".
std::filesystem::path withNetworkExtension(std::filesystem::path path);

// The question before an existing file is replaced, or nothing when there is no such file.
std::optional<std::string> overwriteQuestion(const std::filesystem::path& path);

}  // namespace volmira
