#include "schematic/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace volmira {

namespace {

// The next code point of a UTF-8 text, or -1 for a malformed sequence; `length` gets the bytes
// consumed (1 for a malformed one, so decoding always moves on).
long decodeUtf8(std::string_view text, std::size_t at, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = 1;
    if (lead < 0x80) return lead;
    int continuation;
    long value;
    long minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3, value = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    if (at + continuation >= text.size()) return -1;
    for (int i = 1; i <= continuation; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80) return -1;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return -1;
    length = static_cast<std::size_t>(continuation) + 1;
    return value;
}

}  // namespace

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string utf8ToLatin1Line(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const long value = decodeUtf8(utf8, at, length);
        const bool keep = value >= 0 && value <= 0xFF && value != '\r' && value != '\n';
        out += keep ? static_cast<char>(value) : '?';
        at += length;
    }
    return out;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count) {
        std::size_t length = 1;
        decodeUtf8(utf8, at, length);
        at += length;
    }
    return count;
}

std::string utf8Prefix(std::string_view utf8, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < count && at < utf8.size(); ++n) {
        std::size_t length = 1;
        decodeUtf8(utf8, at, length);
        at += length;
    }
    return std::string(utf8.substr(0, at));
}

std::string displayPath(const std::filesystem::path& path) { return path.string(); }

std::string messageText(std::string_view utf8, std::size_t limit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const long value = decodeUtf8(utf8, at, length);
        // C0 and C1 controls and DEL steer terminals; a stray byte may complete one.
        const bool control = value < 0x20 || value == 0x7F || (value >= 0x80 && value <= 0x9F);
        std::string piece;
        if (!control) {
            piece = utf8.substr(at, length);
        } else {
            for (std::size_t i = 0; i < length; ++i) {
                const auto byte = static_cast<unsigned char>(utf8[at + i]);
                piece += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
            }
        }
        const std::size_t width = control ? piece.size() : 1;
        if (characters + width > limit) {
            out += "…";
            break;
        }
        out += piece;
        characters += width;
        at += length;
    }
    return out;
}

LineList splitTextLines(std::string_view latin1) {
    LineList lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < latin1.size(); ++i) {
        if (latin1[i] != '\r' && latin1[i] != '\n') continue;
        lines.push_back(latin1ToUtf8(latin1.substr(start, i - start)));
        if (latin1[i] == '\r' && i + 1 < latin1.size() && latin1[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < latin1.size()) lines.push_back(latin1ToUtf8(latin1.substr(start)));
    return lines;
}

std::string joinTextLines(const LineList& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += utf8ToLatin1Line(line);
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

// "Die Datei <path> <problem>", the path made safe to show.
std::string aboutFile(const std::filesystem::path& path, const std::string& problem) {
    return "Die Datei " + messageText(displayPath(path)) + " " + problem;
}

// Writes all of `bytes`; the errno of a failure, else 0.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return 0;
}

// Gives the new file the old one's owner and permission bits, as far as the system allows,
// before any content reaches it; the owner first, as changing it clears set-id bits. Only the
// superuser may give a file away, and some file systems keep fixed bits: a copy that cannot
// take them stays the saver's own and private, never more open than the temporary file.
void takeIdentity(int fd, const struct stat& old) {
    const bool sameOwner = old.st_uid == ::geteuid() && old.st_gid == ::getegid();
    [[maybe_unused]] const bool owned = sameOwner || ::fchown(fd, old.st_uid, old.st_gid) == 0;
    ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

TextReadResult readTextLines(const std::filesystem::path& path, std::size_t maxBytes) {
    const auto refuse = [&](const std::string& problem) {
        return TextReadResult{{}, aboutFile(path, problem)};
    };
    const auto notRegular = [&](mode_t mode) {
        return refuse(S_ISDIR(mode)
                          ? "kann nicht gelesen werden: sie ist ein Ordner."
                          : "kann nicht gelesen werden: sie ist keine gewöhnliche Datei.");
    };
    // Judged by name first only so that a device is not even opened; the opened file decides.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return notRegular(status.st_mode);
    // Opening a pipe without O_NONBLOCK waits for a writer.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) return refuse("kann nicht geöffnet werden: " + errorText(errno) + ".");
    if (::fstat(file.get(), &status) != 0)
        return refuse("kann nicht gelesen werden: " + errorText(errno) + ".");
    if (!S_ISREG(status.st_mode)) return notRegular(status.st_mode);
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);

    const auto tooBig = [&] {
        return refuse("ist zu groß (mehr als " + std::to_string(maxBytes) + " Bytes).");
    };
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) return tooBig();
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return refuse("kann nicht gelesen werden: " + errorText(errno) + ".");
        if (count == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) return tooBig();
    }
    return {splitTextLines(bytes), {}};
}

TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines) {
    TemporaryNames names;
    return writeTextLines(path, lines, names);
}

TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines,
                               TemporaryNames& names) {
    const auto refuse = [&](const std::string& problem) {
        return TextWriteResult{aboutFile(path, problem)};
    };
    const auto failed = [&](int error) {
        return refuse("kann nicht geschrieben werden: " + errorText(error) + ".");
    };

    const std::filesystem::path target = followLinks(path);
    const std::filesystem::path folder = folderOf(target);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return failed(errno);
    if (exists && S_ISDIR(old.st_mode))
        return refuse("kann nicht geschrieben werden: an ihrer Stelle steht ein Ordner.");
    if (exists && !S_ISREG(old.st_mode))
        return refuse("kann nicht geschrieben werden: sie ist keine gewöhnliche Datei.");
    // Without any write bit the file is read-only for everyone, the superuser included.
    if (exists &&
        ((old.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return refuse("ist schreibgeschützt.");

    // Private until it has the old file's permission bits; a new file as any new file.
    CreatedFile temporary = createExclusiveFile(folder, exists ? 0600 : 0666, names);
    if (!temporary.handle.valid()) {
        const int error = temporary.error;
        if (error == EACCES || error == EPERM || error == EROFS)
            return refuse("kann nicht gespeichert werden: im Ordner " +
                          messageText(displayPath(folder)) +
                          " können keine Dateien angelegt werden (" + errorText(error) + ").");
        return failed(error);
    }
    const auto discard = [&](int error) {
        temporary.handle.close();
        ::unlink(temporary.path.c_str());
        return failed(error);
    };
    const int fd = temporary.handle.get();
    if (exists) takeIdentity(fd, old);
    if (const int error = writeAll(fd, joinTextLines(lines))) return discard(error);
    // EINVAL: a file system that has nothing to flush.
    if (::fsync(fd) != 0 && errno != EINVAL) return discard(errno);
    if (const int error = temporary.handle.close()) return discard(error);
    if (::rename(temporary.path.c_str(), target.c_str()) != 0) return discard(errno);
    syncFolder(folder);
    return {};
}

}  // namespace volmira
