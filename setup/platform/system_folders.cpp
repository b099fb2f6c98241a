#include "platform/system_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace setup {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

Environment currentEnvironment() {
    return {variable("HOME"), variable("XDG_DATA_HOME"), geteuid() == 0};
}

std::string programFilesFolder(const Environment& env) {
    return env.administrator ? "/opt" : env.home + "/.local/opt";
}

std::filesystem::path programsMenuFolder(const Environment& env) {
    // A relative XDG_DATA_HOME is invalid and ignored.
    const bool own = !env.dataHome.empty() && env.dataHome.front() == '/';
    const std::filesystem::path data = own ? std::filesystem::path(env.dataHome)
                                           : std::filesystem::path(env.home) / ".local/share";
    return data / "applications";
}

std::optional<std::uint64_t> availableSpace(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::space_info info = std::filesystem::space(folder, error);
    if (error) return 0;
    return info.available;
}

}  // namespace setup
