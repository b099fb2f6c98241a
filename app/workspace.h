#pragma once
// Everything the main program works on, in one place: the drawing (grid, undo copy, symbol
// list), the analysed network, the component tables, the graphic mode's curves, the input
// fields, the current file with its saved state, the recent files and the flags of the program
// folder and of the run.
#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "analysis/calculation.h"
#include "app/startup_checks.h"
#include "app/working_modes.h"
#include "graphics/graphic_state.h"
#include "schematic/grid.h"
#include "schematic/network_file.h"
#include "schematic/recent_files.h"
#include "schematic/symbol_list.h"
#include "schematic/text_file.h"

namespace volmira {

inline constexpr std::string_view kCaptionPrefix = "Schaltung: ";

struct Workspace {
    SchematicGrid grid;
    SchematicGrid undoCopy;  // copied before every change of the drawing: one level of undo
    SymbolList symbols;

    // The analysed network, its component records (the working ones the value entry edits and
    // saving writes, and the confirmed ones), the accepted f and Ue and the results.
    Calculation calculation;

    // The graphic mode's store, range and choices; emptied with every new network.
    GraphicState graphic;

    // Texts of `SpEingabe`, `FqEinzel`, `FqVon`, `FqBis`.
    InputFields fields{"1 V", "1 kHz", "20 Hz", "20 kHz"};

    std::filesystem::path programFolder;
    std::filesystem::path currentFile;  // the untitled network's path when nothing is loaded
    std::filesystem::path lastFolder;   // where a file dialog last chose a file
    LineList savedLines;                // as last saved or loaded; empty after a new network
    RecentFiles recent;

    FolderAccess folderAccess;
    bool autoErrorSearch = true;    // the schematic check runs before each analysis
    bool closing = false;           // "Programm beenden" chosen: resize handling stops
    bool closingConfirmed = false;  // nothing is painted any more

    WorkingModes modes;
};

// The program folder + "OHNENAME.NWB".
std::filesystem::path untitledNetworkPath(const Workspace& ws);
// "Schaltung: " + the path of the current file.
std::string windowCaption(const Workspace& ws);

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

// "Analyse": the drawing is analysed by the calculation engine. The values it writes again in
// the program's own format are no change of the work: a network that was as saved stays so.
AnalysisResult analyseDrawing(Workspace& ws);

// After a successful write: the lines become the saved state, the file the current one and the
// newest recent entry.
void markSaved(Workspace& ws, LineList lines, const std::filesystem::path& path);

}  // namespace volmira
