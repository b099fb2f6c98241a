#pragma once
// Moving the whole drawing by one cell, and the confirmed component records with it.
#include <optional>
#include <span>

#include "schematic/component.h"
#include "schematic/editor_geometry.h"
#include "schematic/grid.h"

namespace volmira {

enum class MoveDirection { Down, Right, Up, Left };

// The arrow image is 25 x 25 pixels; a press outside its four arrows means no move.
inline constexpr int kArrowImageSize = 25;
std::optional<MoveDirection> arrowDirection(int x, int y);

// The cell one step away.
Cell shifted(Cell c, MoveDirection direction);

// Moves every cell one step; refused (false, grid unchanged) when something would be pushed
// over the grid's edge.
bool moveDrawing(SchematicGrid& grid, MoveDirection direction);

// Moves the cells named by the records the same step. A record that would leave the grid no
// longer names a cell (row and column 0), so it can never match a component again.
void shiftRecords(std::span<Component> records, MoveDirection direction);

}  // namespace volmira
