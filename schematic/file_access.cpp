#include "schematic/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

namespace volmira {

namespace {

// A name pool of 2^64 makes a run of this many taken names an attack or a fault, not chance.
constexpr int kNameAttempts = 100;
// As the kernel's own limit on links followed in one lookup.
constexpr int kMaxLinksFollowed = 40;

}  // namespace

FileHandle::~FileHandle() {
    close();
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

int FileHandle::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

int FileHandle::close() {
    if (fd_ < 0) return 0;
    const int result = ::close(release());
    return result == 0 ? 0 : errno;
}

TemporaryNames::TemporaryNames() {
    std::random_device device;
    engine_.seed((std::uint64_t{device()} << 32) ^ device());
}

TemporaryNames::TemporaryNames(std::uint64_t seed) : engine_(seed) {}

std::string TemporaryNames::next() {
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t value = engine_();
    std::string name = ".0000000000000000.tmp";
    for (std::size_t i = 16; i >= 1; --i, value >>= 4) name[i] = kHex[value & 0xF];
    return name;
}

CreatedFile createExclusiveFile(const std::filesystem::path& folder, mode_t mode,
                                TemporaryNames& names) {
    CreatedFile created;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        created.path = folder / names.next();
        const int fd = ::open(created.path.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            created.handle = FileHandle(fd);
            created.error = 0;
            return created;
        }
        created.error = errno;
        if (created.error != EEXIST && created.error != EINTR) break;
    }
    created.path.clear();
    return created;
}

std::filesystem::path followLinks(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int i = 0; i < kMaxLinksFollowed; ++i) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return current;
        const std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

void syncFolder(const std::filesystem::path& folder) {
    const FileHandle handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid()) ::fsync(handle.get());
}

std::string errorText(int error) {
    return std::generic_category().message(error);
}

}  // namespace volmira
