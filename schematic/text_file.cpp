#include "schematic/text_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace volmira {

namespace {

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

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

std::string displayPath(const std::filesystem::path& path) {
    return path.string();
}

TextReadResult readTextLines(const std::filesystem::path& path, std::size_t maxBytes) {
    TextReadResult result;
    const std::string name = displayPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.error = "Die Datei " + name + " kann nicht gelesen werden: sie ist ein Ordner.";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error =
            "Die Datei " + name + " kann nicht geöffnet werden: " + reasonOf(errno) + ".";
        return result;
    }
    std::string bytes;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            result.error = "Die Datei " + name + " ist zu groß (mehr als " +
                           std::to_string(maxBytes) + " Bytes).";
            return result;
        }
    }
    if (in.bad()) {
        result.error = "Die Datei " + name + " kann nicht gelesen werden: " + reasonOf(errno) + ".";
        return result;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        result.lines.push_back(latin1ToUtf8(std::string_view(bytes).substr(start, i - start)));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        result.lines.push_back(latin1ToUtf8(std::string_view(bytes).substr(start)));
    return result;
}

TextWriteResult writeTextLines(const std::filesystem::path& path, const LineList& lines) {
    static std::atomic<unsigned> counter{0};
    TextWriteResult result;
    const std::string name = displayPath(path);
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(counter++);

    std::string bytes;
    for (const std::string& line : lines) {
        bytes += utf8ToLatin1Line(line);
        bytes += "\r\n";
    }

    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            result.error =
                "Die Datei " + name + " kann nicht geschrieben werden: " + reasonOf(errno) + ".";
            return result;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int error = errno;
            out.close();
            std::filesystem::remove(temporary, ignored);
            result.error =
                "Die Datei " + name + " kann nicht geschrieben werden: " + reasonOf(error) + ".";
            return result;
        }
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ignored);
            result.error = "Die Datei " + name + " kann nicht geschrieben werden.";
            return result;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ignored);
        result.error = "Die Datei " + name + " kann nicht ersetzt werden: " + ec.message() + ".";
    }
    return result;
}

}  // namespace volmira
