#pragma once
// Grids written and read as text rows in the editor tests.
#include <string>
#include <vector>

#include "schematic/grid.h"

namespace volmira::test {

// Writes text rows into the grid with their first character at (column, row).
inline void drawRows(SchematicGrid& grid, int column, int row,
                     const std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            grid.set(column + static_cast<int>(j), row + static_cast<int>(i), rows[i][j]);
}

// The cells of a block as text, one line per row.
inline std::string area(const SchematicGrid& grid, int column, int row, int width, int height) {
    std::string out;
    for (int r = row; r < row + height; ++r) {
        for (int c = column; c < column + width; ++c) out += grid.at(c, r);
        out += '\n';
    }
    return out;
}

}  // namespace volmira::test
