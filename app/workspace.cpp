#include "app/workspace.h"

#include <algorithm>
#include <utility>

#include "analysis/value_text.h"

namespace volmira {

std::filesystem::path untitledNetworkPath(const Workspace& ws) {
    return ws.programFolder / std::string(kUntitledNetworkName);
}

std::string windowCaption(const Workspace& ws) {
    return std::string(kCaptionPrefix) + displayPath(ws.currentFile);
}

std::vector<StoredComponent> storedComponents(const Workspace& ws) {
    std::vector<StoredComponent> records;
    records.reserve(std::size_t(ws.network.componentCount));
    for (int k = 1; k <= ws.network.componentCount; ++k) {
        const Component& c = ws.network.component(k);
        records.push_back({c.row, c.column, c.code, c.valueText});
    }
    return records;
}

LineList currentNetworkLines(const Workspace& ws) {
    return buildNetworkLines(ws.symbols, storedComponents(ws), ws.fields);
}

ModeSwitch startNewNetwork(Workspace& ws) {
    ws.undoCopy = ws.grid;
    ws.grid.clear();
    ws.symbols.clear();
    ws.currentFile = untitledNetworkPath(ws);
    ws.directVoltage = false;
    ws.valuesConfirmed = false;
    ws.savedLines.clear();
    return ws.modes.newNetwork();
}

void adoptLoadedNetwork(Workspace& ws, LoadedNetwork&& loaded, const std::filesystem::path& path) {
    ws.undoCopy = ws.grid;
    ws.grid = loaded.grid;
    ws.symbols = loaded.symbols;

    Network& net = ws.network;
    const int count = std::min<int>(int(loaded.components.size()), kMaxComponents);
    for (int k = 0; k < count; ++k) {
        const StoredComponent& s = loaded.components[std::size_t(k)];
        Component c;
        c.row = static_cast<std::uint8_t>(s.row);
        c.column = static_cast<std::uint8_t>(s.column);
        c.code = static_cast<std::uint8_t>(s.code);
        c.valueText = s.valueText;
        c.value = parseValue(s.valueText).value_or(0.0);
        net.components[std::size_t(k)] = c;
        ws.confirmed.records[std::size_t(k)] = std::move(c);
    }
    net.componentCount = count;
    ws.confirmed.count = count;

    ws.fields = std::move(loaded.fields);
    markSaved(ws, std::move(loaded.lines), path);
}

void markSaved(Workspace& ws, LineList lines, const std::filesystem::path& path) {
    ws.savedLines = std::move(lines);
    ws.currentFile = path;
    ws.recent.add(displayPath(path));
}

std::optional<std::string> unsavedWorkQuestion(Workspace& ws) {
    (void)rebuildSymbolList(ws.grid, ws.symbols);
    return unsavedChangesQuestion(ws.symbols, currentNetworkLines(ws), ws.savedLines);
}

std::filesystem::path withNetworkExtension(std::filesystem::path path) {
    if (!path.empty() && !path.has_extension()) path += ".nwb";
    return path;
}

}  // namespace volmira
