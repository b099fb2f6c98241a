#pragma once
// Where the name and value of each component ("R 1 4,7 kOhm") go on the drawing and its
// miniature: beside the component on empty cells only, so that a label never covers a wire, a
// symbol or another label.
#include <optional>
#include <span>
#include <vector>

#include "schematic/grid.h"

namespace volmira {

struct LabelRequest {
    int column = 0;  // the component letter's cell
    int row = 0;
    int code = 0;       // 1..3 horizontal, 7..9 vertical
    int textWidth = 0;  // of the label's text, in pixels
};

// The cells a label covers: `columns` x `rows` from the top-left cell (column, row).
struct LabelCells {
    int column = 0;
    int row = 0;
    int columns = 0;
    int rows = 0;
};

// One place per request for a label `rows` cells high, its text measured at `pixelsPerCell`
// (the miniature draws smaller cells, so its labels span more of them); none where no place
// near the component is free.
std::vector<std::optional<LabelCells>> placeLabelCells(const SchematicGrid& grid,
                                                       std::span<const LabelRequest> requests,
                                                       int pixelsPerCell, int rows);

}  // namespace volmira
