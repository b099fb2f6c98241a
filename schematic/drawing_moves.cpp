#include "schematic/drawing_moves.h"

#include <string>

#include "schematic/editor_geometry.h"

namespace volmira {

namespace {

bool columnBlank(const SchematicGrid& grid, int column) {
    for (int row = 1; row <= kGridRows; ++row)
        if (grid.at(column, row) != kEmptyCell) return false;
    return true;
}

}  // namespace

Cell shifted(Cell c, MoveDirection direction) {
    switch (direction) {
        case MoveDirection::Down:
            return {c.column, c.row + 1};
        case MoveDirection::Right:
            return {c.column + 1, c.row};
        case MoveDirection::Up:
            return {c.column, c.row - 1};
        case MoveDirection::Left:
            return {c.column - 1, c.row};
    }
    return c;
}

std::optional<MoveDirection> arrowDirection(int x, int y) {
    const bool centreColumn = x > 7 && x < 17;
    const bool centreRow = y > 7 && y < 17;
    if (y > 16 && centreColumn) return MoveDirection::Down;
    if (x > 17 && centreRow) return MoveDirection::Right;
    if (y < 13 && centreColumn) return MoveDirection::Up;
    if (x < 13 && centreRow) return MoveDirection::Left;
    return std::nullopt;
}

bool moveDrawing(SchematicGrid& grid, MoveDirection direction) {
    const std::string blank(kGridColumns, kEmptyCell);
    switch (direction) {
        case MoveDirection::Right:
            if (!columnBlank(grid, kGridColumns)) return false;
            for (int row = 1; row <= kGridRows; ++row) {
                const std::string text(grid.rowText(row));
                grid.setRow(row, std::string(1, kEmptyCell) + text.substr(0, kGridColumns - 1));
            }
            return true;
        case MoveDirection::Left:
            if (!columnBlank(grid, 1)) return false;
            for (int row = 1; row <= kGridRows; ++row) {
                const std::string text(grid.rowText(row));
                grid.setRow(row, text.substr(1) + kEmptyCell);
            }
            return true;
        case MoveDirection::Up:
            if (!grid.rowBlank(1)) return false;
            for (int row = 1; row < kGridRows; ++row) grid.setRow(row, grid.rowText(row + 1));
            grid.setRow(kGridRows, blank);
            return true;
        case MoveDirection::Down:
            if (!grid.rowBlank(kGridRows)) return false;
            for (int row = kGridRows; row > 1; --row) grid.setRow(row, grid.rowText(row - 1));
            grid.setRow(1, blank);
            return true;
    }
    return false;
}

void shiftRecords(std::span<Component> records, MoveDirection direction) {
    for (Component& record : records) {
        const Cell to = shifted({record.column, record.row}, direction);
        const bool inside = SchematicGrid::inside(to.column, to.row);
        record.column = static_cast<std::uint8_t>(inside ? to.column : 0);
        record.row = static_cast<std::uint8_t>(inside ? to.row : 0);
    }
}

}  // namespace volmira
