#pragma once
// Writing wires into the grid: single wire cells that merge with what they pass, the corner and
// end rules of the line tool, the rectangle frame, node marks and ground marks. Each operation
// records the glyphs the window has to draw.
#include <vector>

#include "schematic/editor_geometry.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"

namespace volmira {

// What an edit did to the drawing, so the window knows what to paint and whether the analysis
// still fits the drawing.
struct DrawingChanges {
    bool changed = false;              // some cell of the grid differs from before
    bool repaintAll = false;           // the SymbolList was rebuilt: paint the whole image from it
    std::vector<PlacedSymbol> glyphs;  // else: draw these glyphs at their cells, in this order

    void draw(int code, Cell cell);
    void merge(const DrawingChanges& later);
};

inline constexpr SymbolCode kHorizontalWire = 4;
inline constexpr SymbolCode kVerticalWire = 10;

// The code that a wire cell of `code` becomes over the character `present`: a wire crossing a
// wire of the other direction makes a crossing without connection, one passing a node mark or
// junction of the other direction a junction. Any other code stays.
int mergedWireCode(int code, char present);

// Places one wire cell with the merge rule; a cell outside the grid is never written.
void placeWireCell(SchematicGrid& grid, Cell cell, int code, DrawingChanges& changes);

// The code joining a segment that ran `previous` to the next one that runs `current`; 0 when
// there is no previous segment.
int cornerCode(Direction previous, Direction current);

// The vertical or horizontal wire code of a direction.
inline int wireCode(Direction d) {
    return isVertical(d) ? kVerticalWire : kHorizontalWire;
}

// Ends a line that arrived at `end` travelling `travel`: a node mark of a crossing wire at the
// end cell or just beyond it becomes a T-junction; an empty end cell becomes wire, a crossing
// wire a crossing. Anything else stays.
void joinLineEnd(SchematicGrid& grid, Cell end, Direction travel, DrawingChanges& changes);

// Begins a line at `start` leaving `travel`: joins a node mark at or behind the start like an
// end does, otherwise lays a plain wire cell.
void joinLineStart(SchematicGrid& grid, Cell start, Direction travel, DrawingChanges& changes);

// A closed wire frame with corners at the two cells; corners at least two cells apart in both
// directions (18 pixels), else nothing happens and false is returned.
bool layRectangle(SchematicGrid& grid, Cell a, Cell b, DrawingChanges& changes);

// The junction or node mark that fits the wires around a cell, 0 when none does.
int nodeCodeFor(const SchematicGrid& grid, Cell cell);

// Puts a ground mark "I" below every wire end that leads downward into an empty cell.
void setGroundMarks(SchematicGrid& grid, DrawingChanges& changes);

}  // namespace volmira
