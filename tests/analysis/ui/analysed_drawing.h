#pragma once
// A workspace with an analysed test drawing, painted into a drawing view, for the window tests
// of component entry and single-frequency results.
#include <QPoint>
#include <memory>

#include "analysis/topology.h"
#include "app/workspace.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira::test {

// Takes the drawing in, paints it and analyses it; mode 2 is reached as after "Analyse".
inline bool analyseInto(Workspace& ws, const SchematicGrid& grid, DrawingView& view) {
    ws.grid = grid;
    rebuildSymbolList(ws.grid, ws.symbols);
    paintDrawing(ws.symbols, ws.grid, view.image());
    if (!analyseNetwork(ws.grid, ws.confirmed.view(), ws.network).ok()) return false;
    ws.modes.enable(2, 2);
    return true;
}

// The middle pixel of a grid cell in the drawing image.
inline QPoint cellCentre(int column, int row) { return {(column - 1) * 9 + 2, (row - 1) * 9 + 2}; }

// The component with this name ("R 1"), 0 when there is none.
inline int componentNumber(const Network& network, std::string_view name) {
    for (int k = 1; k <= network.componentCount; ++k)
        if (network.component(k).name == name) return k;
    return 0;
}

}  // namespace volmira::test
