#pragma once
// Where this system keeps installed programs and the Start menu, and how much room a folder's
// file system has left.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace setup {

struct Environment {
    std::string home;            // $HOME
    std::string dataHome;        // $XDG_DATA_HOME, empty when unset
    bool administrator = false;  // run as root
};

Environment currentEnvironment();

// ~/.local/opt, or /opt for the administrator.
std::string programFilesFolder(const Environment& env);

// The folder whose subfolders are the Start-menu groups: $XDG_DATA_HOME/applications, by
// default ~/.local/share/applications.
std::filesystem::path programsMenuFolder(const Environment& env);

// Bytes available to this user; 0 when the query fails.
std::optional<std::uint64_t> availableSpace(const std::filesystem::path& folder);

}  // namespace setup
