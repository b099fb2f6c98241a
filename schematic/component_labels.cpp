#include "schematic/component_labels.h"

#include <algorithm>
#include <array>

namespace volmira {

namespace {

class Occupancy {
  public:
    explicit Occupancy(const SchematicGrid& grid) : grid_(grid) {
        // A source's circle and an amplifier's triangle reach over the empty cells of their
        // symbols, in the drawing as in the miniature.
        for (int row = 1; row <= kGridRows; ++row)
            for (int column = 1; column <= kGridColumns; ++column) {
                if (grid.at(column, row) == 'A') take({column - 1, row - 1, 3, 3});
                if (grid.at(column, row) == '#') take({column - 3, row - 2, 5, 5});
            }
    }

    bool free(const LabelCells& s) const {
        for (int r = s.row; r < s.row + s.rows; ++r)
            for (int c = s.column; c < s.column + s.columns; ++c)
                if (!SchematicGrid::inside(c, r) || grid_.at(c, r) != kEmptyCell ||
                    taken_[std::size_t(r - 1)][std::size_t(c - 1)])
                    return false;
        return true;
    }
    void take(const LabelCells& s) {
        for (int r = s.row; r < s.row + s.rows; ++r)
            for (int c = s.column; c < s.column + s.columns; ++c)
                if (SchematicGrid::inside(c, r))
                    taken_[std::size_t(r - 1)][std::size_t(c - 1)] = true;
    }

  private:
    const SchematicGrid& grid_;
    std::array<std::array<bool, kGridColumns>, kGridRows> taken_{};
};

// The places to try, nearest first: above and below a horizontal component (centred, then
// flush with either end, then a row further out), right and left of a vertical one (level with
// its letter, then its ends, then a column further out).
std::vector<LabelCells> candidates(const LabelRequest& r, int width, int rows) {
    std::vector<LabelCells> out;
    const int c = r.column, row = r.row;
    if (r.code <= 6) {
        for (const int distance : {1, 2})
            for (const int top : {row - distance - rows + 1, row + distance})
                for (const int start : {c - width / 2, c - 1, c + 1 - width + 1})
                    out.push_back({start, top, width, rows});
    } else {
        for (const int distance : {1, 2})
            for (const int dr : {0, -1, 1}) {
                const int top = row + dr - (rows - 1) / 2;
                out.push_back({c + distance, top, width, rows});
                out.push_back({c - distance - width + 1, top, width, rows});
            }
    }
    return out;
}

}  // namespace

std::vector<std::optional<LabelCells>> placeLabelCells(const SchematicGrid& grid,
                                                       std::span<const LabelRequest> requests,
                                                       int pixelsPerCell, int rows) {
    Occupancy occupancy(grid);
    std::vector<std::optional<LabelCells>> out(requests.size());
    for (std::size_t k = 0; k < requests.size(); ++k) {
        const int width = (requests[k].textWidth + 2 + pixelsPerCell - 1) / pixelsPerCell;
        for (const LabelCells& s : candidates(requests[k], std::max(width, 1), rows)) {
            if (!occupancy.free(s)) continue;
            occupancy.take(s);
            out[k] = s;
            break;
        }
    }
    return out;
}

}  // namespace volmira
