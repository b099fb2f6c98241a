#pragma once
// Everything the main program works on, in one place: the drawing (grid, undo copy, symbol
// list), the analysed network, the component tables, the input fields, the current file with its
// saved state, the recent files and the flags of the program folder and of the run.
#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "analysis/network.h"
#include "app/startup_checks.h"
#include "app/working_modes.h"
#include "schematic/grid.h"
#include "schematic/network_file.h"
#include "schematic/recent_files.h"
#include "schematic/symbol_list.h"
#include "schematic/text_file.h"

namespace volmira {

// Component records with their count (at most 80).
struct ComponentTable {
    int count = 0;
    std::array<Component, kMaxComponents> records{};

    std::span<const Component> view() const { return {records.data(), std::size_t(count)}; }
    std::span<Component> view() { return {records.data(), std::size_t(count)}; }
};

inline constexpr std::string_view kCaptionPrefix = "Schaltung: ";

struct Workspace {
    SchematicGrid grid;
    SchematicGrid undoCopy;  // copied before every change of the drawing: one level of undo
    SymbolList symbols;

    // The working component table is the network's component list: the value entry edits it,
    // saving writes it. `confirmed` is the list kept by the last confirmation of the values (or
    // by loading); the next analysis takes values from it for components that stayed in place.
    Network network;
    ComponentTable confirmed;
    bool valuesConfirmed = false;

    // Texts of `SpEingabe`, `FqEinzel`, `FqVon`, `FqBis`, and the accepted f and Ue.
    InputFields fields{"1 V", "1 kHz", "20 Hz", "20 kHz"};
    double frequency = 1000.0;
    double voltage = 1.0;
    bool directVoltage = false;  // f = 0 was accepted (pure resistor networks only)

    std::filesystem::path programFolder;
    std::filesystem::path currentFile;  // the untitled network's path when nothing is loaded
    LineList savedLines;                // as last saved or loaded; empty after a new network
    RecentFiles recent;

    FolderAccess folderAccess;
    bool autoErrorSearch = true;  // the schematic check runs before each analysis
    bool closing = false;         // "Programm beenden" chosen: resize handling stops
    int guardCode = 0;

    WorkingModes modes;
};

// The program folder + "OHNENAME.NWB".
std::filesystem::path untitledNetworkPath(const Workspace& ws);
// "Schaltung: " + the path of the current file.
std::string windowCaption(const Workspace& ws);

// The network file's component records: the working table as row, column, code and value text.
std::vector<StoredComponent> storedComponents(const Workspace& ws);
// The lines that saving would write now.
LineList currentNetworkLines(const Workspace& ws);

// The state part of "Neues Netzwerk": the drawing goes into the undo copy and the grid and list
// are cleared; the untitled file; no saved state; only mode 1 selectable. The window does the
// mode change the result names.
ModeSwitch startNewNetwork(Workspace& ws);

// Takes a loaded network in: drawing, component records into the working and the confirmed
// table (values parsed from their texts; a text that does not convert gives 0), the four
// fields, the saved state, the file name and the recent list. The previous drawing becomes the
// undo copy.
void adoptLoadedNetwork(Workspace& ws, LoadedNetwork&& loaded, const std::filesystem::path& path);

// After a successful write: the lines become the saved state, the file the current one and the
// newest recent entry.
void markSaved(Workspace& ws, LineList lines, const std::filesystem::path& path);

// The question to ask before unsaved work would be lost, or nothing when there is none or the
// drawing is empty. The symbol list is rebuilt from the grid first.
std::optional<std::string> unsavedWorkQuestion(Workspace& ws);

// A file name chosen in the save dialog without an extension gets ".nwb".
std::filesystem::path withNetworkExtension(std::filesystem::path path);

}  // namespace volmira
