#pragma once
// Rules for the paths the installer builds from its description and from the user's input.
#include <filesystem>
#include <string>
#include <string_view>

namespace setup {

// A relative path that stays inside its base folder: not empty, not absolute, and no ".."
// component ("\" counts as a separator too, for descriptions written elsewhere).
bool staysInside(std::string_view relative);

// A single file or folder name: inside, and without any separator.
bool isPlainName(std::string_view name);

// `folder` with a "/" at its end.
std::string withTrailingSeparator(std::string folder);

// Creates the folder and every missing parent; existing folders are no error. True when the
// folder exists afterwards.
bool createFolderChain(const std::filesystem::path& folder);

}  // namespace setup
