#pragma once
// Inserting a macro into the drawing: covering what lies under it, or mixed into it.
#include "schematic/editor_geometry.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/wire_tools.h"

namespace volmira {

enum class MacroMode : std::uint8_t {
    Cover,  // the macro's rectangle is cleared first: only the macro remains inside it
    Mix,    // the cells between the macro's symbols keep the old drawing
};

// Columns and rows from the macro's column 2, row 2 to the last cell any entry reaches.
struct MacroExtent {
    int columns = 0;
    int rows = 0;
};
MacroExtent macroExtent(const SymbolList& macro);

// Stamps every entry with the macro's column 2, row 2 at `target`; in cover mode the macro's
// rectangle is emptied first. Cells beyond the grid are dropped; an entry whose top-left cell
// lies beyond it is left out.
DrawingChanges insertMacro(SchematicGrid& grid, const SymbolList& macro, Cell target,
                           MacroMode mode);

}  // namespace volmira
