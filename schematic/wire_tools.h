#pragma once
// Writing wires into the grid: single wire cells that merge with what they pass, the corner and
// end rules of the line tool, the rectangle frame, node marks and ground marks. Each operation
// records the glyphs the window has to draw.
#include <string_view>
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
    std::string_view hint;             // why the edit was refused or cut short; empty if it was not

    void draw(int code, Cell cell);
    void merge(const DrawingChanges& later);
};

// The hint when a line meets a component: it ends before it.
inline constexpr std::string_view kLineStopsAtComponent =
    "Eine Linie überschreibt kein Bauteil: sie endet vor dem Bauteil.";

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

// Whether a line may lay or join a wire on a cell holding `c`: empty cells and wire, corner,
// crossing and node cells. A line never overwrites a component, the source, an op-amp or a
// ground mark.
bool lineMayUse(char c);

// Joins a cell to a line that reaches it through `sides`: the cell keeps those of its own sides
// that lead somewhere and gains the line's, so a wire end becomes a corner or straight wire, a
// wire, corner or node mark a junction, an empty cell a wire end. A cell that connects through
// those sides already stays; one the line may not use is never written.
void joinCell(SchematicGrid& grid, Cell cell, int sides, DrawingChanges& changes);

// Ends a line that arrived at `end` travelling `travel`: the end cell joins the line; an empty
// end cell just short of a node mark of a crossing wire becomes wire and the mark a T-junction.
void joinLineEnd(SchematicGrid& grid, Cell end, Direction travel, DrawingChanges& changes);

// Begins a line at `start` leaving `travel`, joining what lies there (or a node mark just
// behind it) like an end does.
void joinLineStart(SchematicGrid& grid, Cell start, Direction travel, DrawingChanges& changes);

// The joint of a segment that ran `previous` and the next one running `current`: a corner on an
// empty cell, a junction on a wire.
void joinLineCorner(SchematicGrid& grid, Cell joint, Direction previous, Direction current,
                    DrawingChanges& changes);

// A closed wire frame with corners at the two cells; corners at least two cells apart in both
// directions (18 pixels), else nothing happens and false is returned.
bool layRectangle(SchematicGrid& grid, Cell a, Cell b, DrawingChanges& changes);

// The junction or node mark that fits the wires around a cell, 0 when none does.
int nodeCodeFor(const SchematicGrid& grid, Cell cell);

// Puts a ground mark "I" below every wire end that leads downward into an empty cell.
void setGroundMarks(SchematicGrid& grid, DrawingChanges& changes);

}  // namespace volmira
