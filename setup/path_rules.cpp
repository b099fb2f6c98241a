#include "path_rules.h"

#include <system_error>

namespace setup {

bool staysInside(std::string_view relative) {
    if (relative.empty() || relative.front() == '/' || relative.front() == '\\') return false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        if (part == "..") return false;
        start = end + 1;
    }
    return true;
}

bool isPlainName(std::string_view name) {
    return staysInside(name) && name != "." && name.find_first_of("/\\") == std::string_view::npos;
}

std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool createFolderChain(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace setup
