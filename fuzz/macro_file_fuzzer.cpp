// The macro library reader on arbitrary bytes: the listing stays inside the input and covers it
// whole unless it names a problem, every loaded macro holds only valid codes, stores again to a
// record that reads back the same, and inserts into a grid in both modes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "schematic/macro_file.h"
#include "schematic/macro_insert.h"

namespace {

using namespace volmira;

void check(bool condition) {
    if (!condition) std::abort();
}

void checkEntries(const SymbolList& entries) {
    check(entries.size() * 3 < static_cast<int>(kMacroBufferBytes));
    for (const PlacedSymbol& s : entries) {
        check(s.column >= 1 && s.row >= 1);
        check(s.code >= 1 && s.code <= kLastStorableCode);
    }
}

// Storing a loaded macro again gives a record whose entries read back unchanged. Stored
// drawings lie inside the grid.
void checkRoundTrip(const SymbolList& entries, const MacroRecord& record) {
    if (entries.empty() || entries.size() > kMaxMacroEntries) return;
    for (const PlacedSymbol& s : entries)
        if (!SchematicGrid::inside(s.column, s.row)) return;
    const std::string name = storedMacroName(record.name);
    const std::string stored = encodeMacroRecord(entries, name);
    check(stored.size() == kMinMacroRecordBytes + 3 * static_cast<std::size_t>(entries.size()));
    const MacroListing again = listMacros(stored);
    check(again.macros.size() == 1 && again.problem.empty());
    const SymbolList reread = macroEntries(stored, again.macros[0]);
    check(reread.size() == entries.size());
    check(encodeMacroRecord(reread, name) == stored);
    check(reread.bounds().minColumn == kMacroOrigin && reread.bounds().minRow == kMacroOrigin);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MacroListing listing = listMacros(bytes);
    check(listing.macros.size() <= static_cast<std::size_t>(kMaxListedMacros));
    check(listing.problem.empty() == !(listing.damaged || listing.overfull));
    std::size_t at = 0;
    for (const MacroRecord& record : listing.macros) {
        check(record.offset == at);
        check(record.length >= kMinMacroRecordBytes);
        check(record.offset + record.length <= size);
        check(kMacroHeaderBytes + record.nameLength < record.length);
        at += record.length;
    }
    if (listing.problem.empty()) check(at == size);

    for (const MacroRecord& record : listing.macros) {
        const SymbolList entries = macroEntries(bytes, record);
        checkEntries(entries);
        checkRoundTrip(entries, record);
        SchematicGrid grid;
        const Cell target{1 + static_cast<int>(record.offset % kGridColumns),
                          1 + static_cast<int>(record.length % kGridRows)};
        insertMacro(grid, entries, target, MacroMode::Cover);
        insertMacro(grid, entries, target, MacroMode::Mix);
    }
    return 0;
}
