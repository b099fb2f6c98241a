#pragma once
// The macro library "makrosb.mkr": records of reusable drawing pieces one after the other, no
// header. A record holds four length digits (one digit value 0..9 per byte, most significant
// first), the name length L, L name bytes (Latin-1, blank-padded), the entries as column, row and
// code bytes with the smallest column and row at 2, and a closing 0.
#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/symbol_list.h"

namespace volmira {

inline constexpr std::string_view kMacroFileName = "makrosb.mkr";
inline constexpr std::string_view kMacroTemporaryFileName = "zwi.mkr";
inline constexpr std::size_t kMacroNameBytes = 20;
inline constexpr std::size_t kMacroHeaderBytes = 5;  // length digits and name length
inline constexpr std::size_t kMinMacroRecordBytes = kMacroHeaderBytes + kMacroNameBytes + 1;
inline constexpr int kMaxMacroEntries = 331;
inline constexpr int kMaxListedMacros = 255;
inline constexpr std::size_t kMacroBufferBytes = 3000;  // entries and closing 0 of one macro
// The cell a macro's smallest column and row are moved to.
inline constexpr int kMacroOrigin = 2;

struct MacroRecord {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::size_t nameLength = 0;
    std::string name;  // UTF-8, trailing blanks removed
};

struct MacroListing {
    std::vector<MacroRecord> macros;  // file order, at most kMaxListedMacros
    bool damaged = false;             // reading stopped at a malformed record
    bool overfull = false;            // records beyond kMaxListedMacros were not listed
    std::string problem;              // German; empty when every record was listed
};

// Lists the records from the start. A record whose length digits are not digits, give less
// than the smallest record or run past the end stops the listing there; the records before it
// stay usable.
MacroListing listMacros(std::string_view bytes);

// The entries of a listed record, cells relative as stored. Reading stops at the closing 0, at
// the record's end or after kMacroBufferBytes; entries with an unknown code are left out.
SymbolList macroEntries(std::string_view bytes, const MacroRecord& record);

// A complete record for the drawing: cells moved so that the smallest column and row are 2.
// The drawing holds 1 to kMaxMacroEntries entries; `latin1Name` is padded or cut to 20 bytes.
std::string encodeMacroRecord(const SymbolList& drawing, std::string_view latin1Name);

// "Makro_" + DDMMYY + "_" + HHMM.
std::string defaultMacroName(const std::tm& time);

// The name as stored: trimmed, Latin-1, padded with blanks or cut to `bytes`.
std::string storedMacroName(std::string_view utf8Name, std::size_t bytes = kMacroNameBytes);

}  // namespace volmira
