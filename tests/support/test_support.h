#pragma once
// Helpers shared by the tests.
#include <filesystem>
#include <string>

namespace volmira::test {

// A fresh empty folder below the system's temporary folder, removed when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::filesystem::path sourceDir();

// The whole content of a file, byte for byte (empty when it cannot be read).
std::string readFileBytes(const std::filesystem::path& path);

}  // namespace volmira::test
