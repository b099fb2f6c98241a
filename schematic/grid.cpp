#include "schematic/grid.h"

#include <algorithm>

namespace volmira {

void SchematicGrid::setRow(int row, std::string_view text) {
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), kGridColumns),
                cells_[row - 1].begin());
}

bool SchematicGrid::rowBlank(int row) const {
    const auto& r = cells_[row - 1];
    return std::all_of(r.begin(), r.end(), [](char c) { return c == kEmptyCell; });
}

bool SchematicGrid::empty() const {
    for (int row = 1; row <= kGridRows; ++row)
        if (!rowBlank(row)) return false;
    return true;
}

void SchematicGrid::clear() {
    for (auto& r : cells_) r.fill(kEmptyCell);
}

}  // namespace volmira
