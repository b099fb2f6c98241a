#include "schematic/macro_insert.h"

#include <algorithm>

#include "schematic/macro_file.h"

namespace volmira {

namespace {

// The single empty cell: its glyph is a white box.
constexpr int kEmptyCellCode = 12;

}  // namespace

MacroExtent macroExtent(const SymbolList& macro) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    MacroExtent extent;
    for (const PlacedSymbol& s : macro) {
        extent.columns =
            std::max(extent.columns, s.column - kMacroOrigin + catalogue.width(s.code));
        extent.rows = std::max(extent.rows, s.row - kMacroOrigin + catalogue.height(s.code));
    }
    return extent;
}

DrawingChanges insertMacro(SchematicGrid& grid, const SymbolList& macro, Cell target,
                           MacroMode mode) {
    const SchematicGrid before = grid;
    DrawingChanges changes;
    if (mode == MacroMode::Cover) {
        const MacroExtent extent = macroExtent(macro);
        for (int row = target.row; row < target.row + extent.rows; ++row)
            for (int column = target.column; column < target.column + extent.columns; ++column) {
                if (!SchematicGrid::inside(column, row)) continue;
                grid.set(column, row, kEmptyCell);
                changes.draw(kEmptyCellCode, {column, row});
            }
    }
    for (const PlacedSymbol& s : macro) {
        const Cell at{target.column + s.column - kMacroOrigin, target.row + s.row - kMacroOrigin};
        if (!SchematicGrid::inside(at.column, at.row)) continue;  // its glyph has no place
        stamp(grid, s.code, at.column, at.row);
        changes.draw(s.code, at);
    }
    changes.changed = grid != before;
    return changes;
}

}  // namespace volmira
