#pragma once
// The program's text files: 8-bit Latin-1 on disk with CR LF line ends, UTF-8 lines in memory.
// Files are read and written as whole lists of lines. Writing goes through a new temporary file
// beside the target that is flushed to disk and renamed over it, so that a failure, a crash or
// a second program saving the same file never leaves a half-written or mixed file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/file_access.h"

namespace volmira {

using LineList = std::vector<std::string>;

// Files larger than this are refused by default: none of the program's files comes near it,
// and a wrongly chosen large file must not exhaust memory.
inline constexpr std::size_t kMaxTextFileBytes = 16u * 1024u * 1024u;

struct TextReadResult {
    LineList lines;
    std::string error;  // German, names the file; empty on success
    bool ok() const { return error.empty(); }
};

struct TextWriteResult {
    std::string error;  // German, names the file and the reason; empty on success
    bool ok() const { return error.empty(); }
};

// Reads a regular file only: a folder, a pipe or a device is refused at once, judged on the
// opened file itself, so that a name swapped after the check cannot make the reader wait.
TextReadResult readTextLines(const std::filesystem::path& path,
                             std::size_t maxBytes = kMaxTextFileBytes);

// The lines of a file's bytes: split at CR LF, LF or a lone CR; a line break at the very end
// does not start another line.
LineList splitTextLines(std::string_view latin1);
// The bytes of a file: every line followed by CR LF.
std::string joinTextLines(const LineList& lines);

// Replaces the file (through a symbolic link: the file it points to; a further hard link keeps
// the old content) and keeps its owner and permission bits as far as the system allows. A file
// without write permission is refused, as is a folder in which no new file can be made; the
// message then names the folder. On failure the target is left as it was.
TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines);
// The same with the temporary names drawn from `names`.
TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines,
                               TemporaryNames& names);

// Every Latin-1 byte becomes its UTF-8 form.
std::string latin1ToUtf8(std::string_view latin1);
// Characters outside Latin-1, malformed UTF-8 and line-break characters (which would split the
// line on disk) become "?".
std::string utf8ToLatin1Line(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text, and its first `count` characters.
std::size_t utf8Length(std::string_view utf8);
std::string utf8Prefix(std::string_view utf8, std::size_t count);

// The same text as a std::string from a path.
std::string displayPath(const std::filesystem::path& path);

// Text from a file or a path as it may appear in a message: control characters and bytes that
// are no UTF-8 shown as "\x1B", so that nothing reaches a terminal as a command; with a limit,
// at most that many characters, a cut marked by "…", so that a huge line stays readable.
inline constexpr std::size_t kQuotedTextLimit = 60;
std::string messageText(std::string_view utf8, std::size_t limit = SIZE_MAX);

}  // namespace volmira
