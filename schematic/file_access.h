#pragma once
// The operating-system side of reading and replacing the program's files safely: an owned file
// descriptor, new files created only under a name nobody else holds, the file a link points to,
// and flushing a folder's entries to disk.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

namespace volmira {

// Closes its descriptor when it goes.
class FileHandle {
  public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();
    // Closes now; the errno of a failed close, else 0 (a failed close can lose written data).
    int close();

  private:
    int fd_ = -1;
};

// Names for a new file beside others: a dot, 16 random hexadecimal digits and ".tmp", 21 bytes
// whatever the target's name, so that a temporary file fits wherever its target fits. Random,
// so that two programs saving at once practically never pick the same name.
class TemporaryNames {
  public:
    TemporaryNames();  // seeded by the system's random source
    explicit TemporaryNames(std::uint64_t seed);
    std::string next();

  private:
    std::mt19937_64 engine_;
};

struct CreatedFile {
    FileHandle handle;
    std::filesystem::path path;
    int error = 0;  // errno of the last attempt when no file was created
};

// Creates a new file in `folder` for writing, exclusively (O_CREAT | O_EXCL, links not
// followed): a file or link that already holds a candidate name is never opened, only skipped
// for the next name. `mode` is reduced by the umask as for any new file.
CreatedFile createExclusiveFile(const std::filesystem::path& folder, mode_t mode,
                                TemporaryNames& names);

// The file that `path` names after following symbolic links (relative links from the link's
// folder); `path` itself when it is no link. A file a dangling link points to need not exist.
std::filesystem::path followLinks(const std::filesystem::path& path);

// The folder a file lies in ("." for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& file);

// Flushes the folder's entries (a rename within it) to disk. Best effort: the rename has
// happened either way.
void syncFolder(const std::filesystem::path& folder);

// The system's text for an errno value.
std::string errorText(int error);

}  // namespace volmira
