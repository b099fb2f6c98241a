#pragma once
// The analysed drawing reduced to 5 pixels per cell, as shapes in pixel coordinates: the
// branches as lines through their cells, then the symbols from the grid's cell characters. Cell
// (c, r) stands at the point (5c, 5r). Rectangles cover x1..x2-1 and y1..y2-1.
#include <vector>

#include "analysis/network.h"
#include "graphics/curve_plot.h"
#include "schematic/grid.h"

namespace volmira {

inline constexpr int kMiniatureCell = 5;
// The area the picture is cleared in: the whole grid and the shapes reaching past its last cell.
inline constexpr int kMiniatureWidth = kMiniatureCell * (kGridColumns + 2);
inline constexpr int kMiniatureHeight = kMiniatureCell * (kGridRows + 3);

enum class MiniatureShape {
    Polyline,  // black one-pixel line through the points
    Filled,    // black rectangle
    WhiteBox,  // black outline, white inside
    Clear,     // white rectangle, no visible outline
    Ellipse,   // black outline, white inside, in the rectangle
    Triangle,  // black outline through three points
};

struct MiniatureItem {
    MiniatureShape shape = MiniatureShape::Filled;
    std::vector<PlotPoint> points;  // rectangles and ellipses: two corners
    bool operator==(const MiniatureItem&) const = default;
};

// In drawing order.
std::vector<MiniatureItem> buildMiniature(const SchematicGrid& grid, const Network& network);

// The 5 x 5 boxes that mark branch k (1..b): its start node's cell and every cell of the branch,
// not the end node's. Nothing for 0 or a branch that does not exist.
std::vector<PlotPoint> branchHighlightBoxes(const Network& network, int branch);

// The cell of a miniature pixel: cell (c, r) spans 5c - 2 .. 5c + 2 and 5r - 2 .. 5r + 2.
GridCell miniatureCell(int x, int y);
// The branch under a miniature pixel (a component cell gives its branch), 0 for none.
int miniatureBranchAt(const Network& network, int x, int y);
// The first component covering the pixel's cell: a horizontal one its row over its column - 1
// .. + 1, a vertical one its column over its row - 1 .. + 1; 0 for none.
int miniatureComponentAt(const Network& network, int x, int y);

}  // namespace volmira
