#include "app/status_texts.h"

#include "schematic/symbol_catalogue.h"

namespace volmira {

std::string cellText(GridCell cell) {
    if (!SchematicGrid::inside(cell.column, cell.row)) return {};
    return "Zeile " + std::to_string(cell.row) + ", Spalte " + std::to_string(cell.column);
}

std::string toolText(const Editor& editor) {
    if (editor.insertingMacro()) return "Makro einfügen";
    if (editor.lineState() != LineState::Aus) return std::string(kLineToolName);
    if (editor.rectangleOn()) return std::string(kRectangleToolName);
    if (editor.nodeOn()) return std::string(kNodeToolName);
    if (editor.currentSymbol() == 0) return "Mauszeiger";
    return std::string(SymbolCatalogue::instance()[editor.currentSymbol()].hint);
}

std::string networkCountsText(const Network& network) {
    return std::to_string(network.kclCount) + " Knoten, " + std::to_string(network.branchCount) +
           " Zweige, " + std::to_string(network.meshCount) + " Maschen";
}

}  // namespace volmira
