#pragma once
// The installation description "data.stp": what to install, where by default, and which
// Start-menu entries to make.
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace setup {

inline constexpr const char* kDescriptionFileName = "data.stp";

struct Shortcut {
    std::string name;
    std::string target;  // relative to the target folder
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

struct InstallDescription {
    std::string productName;
    std::string targetFolder;        // the default, set by FOLDER
    std::vector<std::string> files;  // relative to the medium and to the target folder, in order
    std::string group;               // the Start-menu group
    std::vector<Shortcut> shortcuts;
};

// Reads the description line by line (Latin-1 on disk, UTF-8 in memory). FOLDER is placed
// below `programFiles`. Any malformed line, unknown key, or a file, shortcut or group that
// would reach outside its folder refuses the whole file (nullopt).
std::optional<InstallDescription> readInstallDescription(std::istream& in,
                                                         const std::string& programFiles);

}  // namespace setup
