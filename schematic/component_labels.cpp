#include "schematic/component_labels.h"

#include <array>

namespace volmira {

namespace {

// A label's cells: `width` cells from (column, row) to the right.
struct Span {
    int column = 0;
    int row = 0;
    int width = 0;
};

class Occupancy {
  public:
    explicit Occupancy(const SchematicGrid& grid) : grid_(grid) {}

    bool free(const Span& s) const {
        for (int c = s.column; c < s.column + s.width; ++c)
            if (!SchematicGrid::inside(c, s.row) || grid_.at(c, s.row) != kEmptyCell ||
                taken_[std::size_t(s.row - 1)][std::size_t(c - 1)])
                return false;
        return true;
    }
    void take(const Span& s) {
        for (int c = s.column; c < s.column + s.width; ++c)
            taken_[std::size_t(s.row - 1)][std::size_t(c - 1)] = true;
    }

  private:
    const SchematicGrid& grid_;
    std::array<std::array<bool, kGridColumns>, kGridRows> taken_{};
};

// The places to try, nearest first: above and below a horizontal component (centred, then
// flush with either end, then a row further out), right and left of a vertical one (level with
// its letter, then its ends, then a column further out).
std::vector<Span> candidates(const LabelRequest& r, int width) {
    std::vector<Span> out;
    const int c = r.column, row = r.row;
    if (r.code <= 6) {
        for (const int distance : {1, 2})
            for (const int dr : {-distance, distance})
                for (const int start : {c - width / 2, c - 1, c + 1 - width + 1})
                    out.push_back({start, row + dr, width});
    } else {
        for (const int distance : {1, 2})
            for (const int dr : {0, -1, 1}) {
                out.push_back({c + distance, row + dr, width});
                out.push_back({c - distance - width + 1, row + dr, width});
            }
    }
    return out;
}

}  // namespace

std::vector<std::optional<PixelRect>> placeLabels(const SchematicGrid& grid,
                                                  std::span<const LabelRequest> requests) {
    Occupancy occupancy(grid);
    std::vector<std::optional<PixelRect>> out(requests.size());
    for (std::size_t k = 0; k < requests.size(); ++k) {
        const int width = (requests[k].textWidth + 2 + kPixelsPerCell - 1) / kPixelsPerCell;
        for (const Span& s : candidates(requests[k], std::max(width, 1))) {
            if (!occupancy.free(s)) continue;
            occupancy.take(s);
            const GridPixel box = cellBoxTopLeft({s.column, s.row});
            out[k] = PixelRect{box.x, box.y, s.width * kPixelsPerCell, kPixelsPerCell};
            break;
        }
    }
    return out;
}

}  // namespace volmira
