#pragma once
// Start-menu entries as freedesktop desktop entry files.
#include <filesystem>
#include <string>

namespace setup {

// The file's text: an application called `name` that runs `program` in `folder`.
std::string desktopEntryText(const std::string& name, const std::string& program,
                             const std::string& folder);

// Writes `name`.desktop into `group` (temporary file, then renamed over an existing one).
bool writeDesktopEntry(const std::filesystem::path& group, const std::string& name,
                       const std::string& program, const std::string& folder);

}  // namespace setup
