#pragma once
// The drawing as 80 rows of 100 one-character cells; rows and columns count from 1.
#include <array>
#include <cstdint>
#include <string_view>

namespace volmira {

inline constexpr int kGridRows = 80;
inline constexpr int kGridColumns = 100;
inline constexpr char kEmptyCell = '0';

// Cells are 9 x 9 pixels; the drawing image starts two pixels into cell 1, so it ends two pixels
// short of the last cell's box.
inline constexpr int kPixelsPerCell = 9;
inline constexpr int kDrawingWidthPixels = kGridColumns * kPixelsPerCell - 2;
inline constexpr int kDrawingHeightPixels = kGridRows * kPixelsPerCell - 2;

class SchematicGrid {
public:
    SchematicGrid() { clear(); }

    static constexpr bool inside(int column, int row) {
        return column >= 1 && column <= kGridColumns && row >= 1 && row <= kGridRows;
    }
    // Cells outside the grid read as empty; writes there are dropped.
    char at(int column, int row) const {
        return inside(column, row) ? cells_[row - 1][column - 1] : kEmptyCell;
    }
    void set(int column, int row, char c) {
        if (inside(column, row)) cells_[row - 1][column - 1] = c;
    }
    std::string_view rowText(int row) const {
        return {cells_[row - 1].data(), static_cast<std::size_t>(kGridColumns)};
    }
    void setRow(int row, std::string_view text);  // text of exactly kGridColumns characters
    bool rowBlank(int row) const;
    bool empty() const;
    void clear();

    friend bool operator==(const SchematicGrid&, const SchematicGrid&) = default;

private:
    std::array<std::array<char, kGridColumns>, kGridRows> cells_;
};

}  // namespace volmira
