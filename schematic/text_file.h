#pragma once
// The program's text files: 8-bit Latin-1 on disk with CR LF line ends, UTF-8 lines in memory.
// Files are read and written as whole lists of lines; writing goes through a temporary file
// beside the target that is renamed over it, so a failure never leaves a half-written file.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// Splits at CR LF, LF or a lone CR. A line break at the very end does not start another line.
TextReadResult readTextLines(const std::filesystem::path& path,
                             std::size_t maxBytes = kMaxTextFileBytes);

// Writes every line followed by CR LF. On failure the target is left as it was.
TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines);

// Every Latin-1 byte becomes its UTF-8 form.
std::string latin1ToUtf8(std::string_view latin1);
// Characters outside Latin-1, malformed UTF-8 and line-break characters (which would split the
// line on disk) become "?".
std::string utf8ToLatin1Line(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text, and its first `count` characters.
std::size_t utf8Length(std::string_view utf8);
std::string utf8Prefix(std::string_view utf8, std::size_t count);

// The same text as a std::string from a path, for messages.
std::string displayPath(const std::filesystem::path& path);

}  // namespace volmira
