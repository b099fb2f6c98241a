#include "app/workspace.h"

#include <utility>

namespace volmira {

std::filesystem::path untitledNetworkPath(const Workspace& ws) {
    return ws.programFolder / std::string(kUntitledNetworkName);
}

std::string windowCaption(const Workspace& ws) {
    return std::string(kCaptionPrefix) + displayPath(ws.currentFile);
}

LineList currentNetworkLines(const Workspace& ws) {
    return buildNetworkLines(ws.symbols, ws.calculation.records(), ws.fields);
}

ModeSwitch startNewNetwork(Workspace& ws) {
    ws.undoCopy = ws.grid;
    ws.grid.clear();
    ws.symbols.clear();
    ws.currentFile = untitledNetworkPath(ws);
    ws.calculation.clear();
    forgetCurves(ws.graphic);
    ws.savedLines.clear();
    return ws.modes.newNetwork();
}

void adoptLoadedNetwork(Workspace& ws, LoadedNetwork&& loaded, const std::filesystem::path& path) {
    ws.undoCopy = ws.grid;
    ws.grid = loaded.grid;
    ws.symbols = loaded.symbols;
    ws.calculation.adoptRecords(loaded.components);
    forgetCurves(ws.graphic);
    ws.fields = std::move(loaded.fields);
    markSaved(ws, std::move(loaded.lines), path);
}

AnalysisResult analyseDrawing(Workspace& ws) {
    const bool asSaved = currentNetworkLines(ws) == ws.savedLines;
    const AnalysisResult result = ws.calculation.analyse(ws.grid);
    if (result.ok()) forgetCurves(ws.graphic);
    if (result.ok() && asSaved) ws.savedLines = currentNetworkLines(ws);
    return result;
}

void markSaved(Workspace& ws, LineList lines, const std::filesystem::path& path) {
    ws.savedLines = std::move(lines);
    ws.currentFile = path;
    ws.recent.add(displayPath(path));
}

}  // namespace volmira
