#pragma once
// Where the name and value of each component ("R 1 4,7 kOhm") go on the drawing: beside the
// component on empty cells only, so that a label never covers a wire, a symbol or another label.
#include <optional>
#include <span>
#include <vector>

#include "schematic/editor_geometry.h"
#include "schematic/grid.h"

namespace volmira {

struct LabelRequest {
    int column = 0;  // the component letter's cell
    int row = 0;
    int code = 0;       // 1..3 horizontal, 7..9 vertical
    int textWidth = 0;  // of the label's text, in image pixels
};

// One box per request in image pixels, one cell high; none where no place near the component
// is free.
std::vector<std::optional<PixelRect>> placeLabels(const SchematicGrid& grid,
                                                  std::span<const LabelRequest> requests);

}  // namespace volmira
