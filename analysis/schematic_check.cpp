#include "analysis/schematic_check.h"

#include <array>
#include <string_view>

namespace volmira {

namespace {

// Horizontal neighbours where a wire end or a node side meets nothing it connects to, in the
// order they are looked for.
constexpr std::array<std::string_view, 8> kOpenPairs = {"10", "01", "1G", "1E",
                                                        "G1", "D1", "E0", "0D"};

// Cells above a vertical wire that do not join it from below, and cells below that do not join
// it from above.
bool openAbove(char c) {
    return c == kEmptyCell || c == 'H' || c == 'F';
}
bool openBelow(char c) {
    return c == kEmptyCell || c == 'H' || c == 'C';
}

constexpr int kMarkerShift = 4;  // pixels: the marker moves to the wire's open end

}  // namespace

SchematicFault checkSchematic(const SchematicGrid& grid) {
    // The first and the last row are not looked at.
    for (int row = 2; row <= kGridRows - 1; ++row) {
        const std::string_view text = grid.rowText(row);
        for (const std::string_view pair : kOpenPairs) {
            const std::size_t at = text.find(pair);
            if (at != std::string_view::npos) return {true, static_cast<int>(at) + 1, row, 0, 0};
        }
    }
    for (int row = 2; row <= kGridRows - 1; ++row) {
        for (int column = 1; column <= kGridColumns; ++column) {
            if (grid.at(column, row) != '2') continue;
            if (openAbove(grid.at(column, row - 1)))
                return {true, column, row, -kMarkerShift, -kMarkerShift};
            if (openBelow(grid.at(column, row + 1)))
                return {true, column, row, -kMarkerShift, kMarkerShift};
        }
    }
    return {};
}

}  // namespace volmira
