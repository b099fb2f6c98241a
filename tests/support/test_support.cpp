#include "support/test_support.h"

#include <atomic>
#include <unistd.h>

namespace volmira::test {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("volmira-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path sourceDir() { return VOLMIRA_SOURCE_DIR; }

}  // namespace volmira::test
