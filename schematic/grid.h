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

// A pixel of the drawing image and a cell of the grid.
struct GridPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const GridPixel&, const GridPixel&) = default;
};

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The cell under a pixel: ((x + 2) div 9 + 1, (y + 2) div 9 + 1), rounded down, so pixels left
// of or above the image give column or row 0 and below and never name a cell of the grid.
constexpr GridCell cellAtPixel(GridPixel p) {
    const auto cell = [](int v) {
        const int shifted = v + 2;
        return (shifted >= 0 ? shifted / kPixelsPerCell
                             : -((-shifted + kPixelsPerCell - 1) / kPixelsPerCell)) +
               1;
    };
    return {cell(p.x), cell(p.y)};
}

// The top-left pixel of a cell's 9 x 9 box.
constexpr GridPixel cellBoxTopLeft(GridCell c) {
    return {(c.column - 1) * kPixelsPerCell - 2, (c.row - 1) * kPixelsPerCell - 2};
}

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
