#pragma once
// Network files (.NWB): the drawing as its SymbolList, the component values and the four input
// fields, one value per line. The same line list built in memory serves change detection.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/text_file.h"

namespace volmira {

inline constexpr int kMaxStoredComponents = 80;
inline constexpr int kMaxValueTextLength = 14;  // characters

inline constexpr std::string_view kUntitledNetworkName = "OHNENAME.NWB";
inline constexpr std::string_view kDemoNetworkName = "DEMO.NWB";
inline constexpr std::string_view kFileAccessError =
    "Beim Dateizugriff ist ein Fehler aufgetreten.";

// Questions asked at shutdown when the drawing, the input voltage or only the frequency fields
// differ from what was last saved or loaded.
inline constexpr std::string_view kAskSaveDrawing = "Schaltbild speichern ?";
inline constexpr std::string_view kAskSaveFrequencies =
    "Frequenzeingaben geändert!  Änderungen speichern?";
inline constexpr std::string_view kAskSaveVoltage =
    "Eingangsspannung geändert!  Änderungen speichern?";

// One component's value as stored: its cell (row first, as in the file), its SymbolCode
// (1..3 horizontal, 7..9 vertical) and the value text as entered. The number is parsed from the
// text by the caller.
struct StoredComponent {
    int row = 0;
    int column = 0;
    int code = 0;
    std::string valueText;
    friend bool operator==(const StoredComponent&, const StoredComponent&) = default;
};

// Texts of `SpEingabe`, `FqEinzel`, `FqVon` and `FqBis`.
struct InputFields {
    std::string spEingabe;
    std::string fqEinzel;
    std::string fqVon;
    std::string fqBis;
    friend bool operator==(const InputFields&, const InputFields&) = default;
};

// The file's lines for the current state. Records whose cell lies outside the grid or whose code
// is no component (left behind by moving the drawing over its edge) cannot belong to any
// component and are not written, so that every saved file can be loaded again.
LineList buildNetworkLines(const SymbolList& symbols, std::span<const StoredComponent> components,
                           const InputFields& fields);

// What a valid file yields: the symbol list recognised from the drawing stamped from the file,
// the grid painted from that list (cells that form no symbol are dropped, so saving gives back
// the same grid), at most 80 records (value texts cut to 14 characters), the fields, and the
// lines as read (the saved-state list).
struct LoadedNetwork {
    SchematicGrid grid;
    SymbolList symbols;
    std::vector<StoredComponent> components;
    InputFields fields;
    LineList lines;
};

struct NetworkLoadResult {
    std::optional<LoadedNetwork> network;
    std::string error;  // German: file name, line number and problem; empty on success
    bool ok() const { return network.has_value(); }
};

// Validates the whole list before building anything; lines after the four fields make the file
// malformed. `fileName` only names the file in messages, which quote at most kQuotedTextLimit
// characters of a line.
NetworkLoadResult parseNetworkLines(const LineList& lines, std::string_view fileName);
NetworkLoadResult loadNetworkFile(const std::filesystem::path& path);

struct NetworkSaveResult {
    std::string error;   // kFileAccessError on failure, empty on success
    std::string detail;  // the file and the system's reason, for a second line
    bool ok() const { return error.empty(); }
};

// Atomic, see writeTextLines: on failure the previous file is untouched, and `detail` says why
// (a read-only file, a folder in which nothing can be created, the system's reason).
NetworkSaveResult saveNetworkFile(const std::filesystem::path& path, const LineList& lines);

// The question to ask before the work is lost, or nothing. `symbols` is the list rebuilt from the
// grid: an empty drawing asks nothing.
std::optional<std::string> unsavedChangesQuestion(const SymbolList& symbols,
                                                  const LineList& working, const LineList& saved);

// True when the file name is the untitled network's (its last 12 characters), so that saving
// must ask for a name first.
bool isUntitledNetwork(std::string_view path);

}  // namespace volmira
