#include "schematic/macro_file.h"

#include <algorithm>
#include <cstdio>

#include "schematic/text_file.h"

namespace volmira {

namespace {

std::uint8_t byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

// The record length from its four digit bytes, or -1 when one of them is no digit value.
long lengthDigits(std::string_view bytes, std::size_t at) {
    long length = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t digit = byteAt(bytes, at + i);
        if (digit > 9) return -1;
        length = length * 10 + digit;
    }
    return length;
}

std::string damagedMessage(std::size_t number, const char* reason) {
    return "Die Makrodatei \"" + std::string(kMacroFileName) + "\" ist ab dem " +
           std::to_string(number) + ". Makro beschädigt (" + reason +
           "). Nur die Makros davor sind verfügbar.";
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

MacroListing listMacros(std::string_view bytes) {
    MacroListing listing;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t number = listing.macros.size() + 1;
        const char* reason = nullptr;
        long length = -1;
        if (bytes.size() - at < kMacroHeaderBytes)
            reason = "unvollständiger Kopf";
        else if ((length = lengthDigits(bytes, at)) < 0)
            reason = "die Längenangabe besteht nicht aus Ziffern";
        else if (length < static_cast<long>(kMinMacroRecordBytes))
            reason = "die Längenangabe ist zu klein";
        else if (static_cast<std::size_t>(length) > bytes.size() - at)
            reason = "der Eintrag reicht über das Dateiende hinaus";
        else if (kMacroHeaderBytes + byteAt(bytes, at + 4) + 1 > static_cast<std::size_t>(length))
            reason = "der Name ist länger als der Eintrag";
        if (reason) {
            listing.damaged = true;
            listing.problem = damagedMessage(number, reason);
            break;
        }
        if (listing.macros.size() == kMaxListedMacros) {
            listing.overfull = true;
            listing.problem = "Die Makrodatei \"" + std::string(kMacroFileName) +
                              "\" enthält mehr als " + std::to_string(kMaxListedMacros) +
                              " Makros. Nur die ersten " + std::to_string(kMaxListedMacros) +
                              " werden angezeigt.";
            break;
        }
        MacroRecord record;
        record.offset = at;
        record.length = static_cast<std::size_t>(length);
        record.nameLength = byteAt(bytes, at + 4);
        record.name =
            latin1ToUtf8(trimmed(bytes.substr(at + kMacroHeaderBytes, record.nameLength)));
        listing.macros.push_back(std::move(record));
        at += static_cast<std::size_t>(length);
    }
    return listing;
}

SymbolList macroEntries(std::string_view bytes, const MacroRecord& record) {
    SymbolList entries;
    const std::size_t first = record.offset + kMacroHeaderBytes + record.nameLength;
    const std::size_t end =
        std::min({record.offset + record.length, bytes.size(), first + kMacroBufferBytes});
    for (std::size_t at = first; at + 2 < end && byteAt(bytes, at) != 0; at += 3) {
        const std::uint8_t row = byteAt(bytes, at + 1);
        const std::uint8_t code = byteAt(bytes, at + 2);
        if (row == 0 || code == 0) break;  // the closing 0 came early
        if (code > kLastStorableCode) continue;
        entries.append({byteAt(bytes, at), row, code});
    }
    return entries;
}

std::string encodeMacroRecord(const SymbolList& drawing, std::string_view latin1Name) {
    const int count = std::min(drawing.size(), kMaxMacroEntries);
    const std::size_t length = kMinMacroRecordBytes + 3 * static_cast<std::size_t>(count);
    std::string record;
    record.reserve(length);
    for (std::size_t power = 1000; power > 0; power /= 10)
        record += static_cast<char>(length / power % 10);
    record += static_cast<char>(kMacroNameBytes);
    std::string name(latin1Name.substr(0, kMacroNameBytes));
    name.resize(kMacroNameBytes, ' ');
    record += name;

    int minColumn = 255, minRow = 255;
    for (int i = 0; i < count; ++i) {
        minColumn = std::min<int>(minColumn, drawing[i].column);
        minRow = std::min<int>(minRow, drawing[i].row);
    }
    for (int i = 0; i < count; ++i) {
        record += static_cast<char>(drawing[i].column - minColumn + kMacroOrigin);
        record += static_cast<char>(drawing[i].row - minRow + kMacroOrigin);
        record += static_cast<char>(drawing[i].code);
    }
    record += '\0';
    return record;
}

std::string defaultMacroName(const std::tm& time) {
    char text[32];
    std::snprintf(text, sizeof text, "Makro_%02d%02d%02d_%02d%02d", time.tm_mday % 100,
                  (time.tm_mon + 1) % 100, (time.tm_year + 1900) % 100, time.tm_hour % 100,
                  time.tm_min % 100);
    return text;
}

std::string storedMacroName(std::string_view utf8Name, std::size_t bytes) {
    std::string name = utf8ToLatin1Line(trimmed(utf8Name)).substr(0, bytes);
    name.resize(bytes, ' ');
    return name;
}

}  // namespace volmira
