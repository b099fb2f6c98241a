#pragma once
// Pixels of the drawing image, the cells under them, and the ways a line segment can run.
#include <algorithm>
#include <cstdint>

#include "schematic/grid.h"

namespace volmira {

using Pixel = GridPixel;
using Cell = GridCell;

// A pixel rectangle of the drawing image (for the rubber band).
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A mouse dragged beyond the image still means its nearest edge.
constexpr Pixel clampToDrawing(Pixel p) {
    return {std::clamp(p.x, 0, kDrawingWidthPixels - 1),
            std::clamp(p.y, 0, kDrawingHeightPixels - 1)};
}

// The cell under a pixel, the pixel kept inside the drawing image.
constexpr Cell cellOfPixel(Pixel p) {
    return cellAtPixel(clampToDrawing(p));
}

// The snapped position of a cell: the multiple of 9 that lies inside it, two pixels from the
// top-left corner of its box.
constexpr Pixel cellOrigin(Cell c) {
    return {(c.column - 1) * kPixelsPerCell, (c.row - 1) * kPixelsPerCell};
}

// Snapping a position to the 9-pixel grid keeps the cell under it.
constexpr Pixel snapToCell(Pixel p) {
    return cellOrigin(cellOfPixel(p));
}

// The way a segment runs from its start point, named after the side it comes from.
enum class Direction : std::uint8_t {
    None,
    VonUnten,   // upward
    VonOben,    // downward
    VonLinks,   // to the right
    VonRechts,  // to the left
};

constexpr bool isVertical(Direction d) {
    return d == Direction::VonUnten || d == Direction::VonOben;
}

constexpr Direction opposite(Direction d) {
    switch (d) {
        case Direction::VonUnten:
            return Direction::VonOben;
        case Direction::VonOben:
            return Direction::VonUnten;
        case Direction::VonLinks:
            return Direction::VonRechts;
        case Direction::VonRechts:
            return Direction::VonLinks;
        case Direction::None:
            break;
    }
    return Direction::None;
}

// The neighbour of a cell one step in the direction of travel.
constexpr Cell step(Cell c, Direction d) {
    switch (d) {
        case Direction::VonUnten:
            return {c.column, c.row - 1};
        case Direction::VonOben:
            return {c.column, c.row + 1};
        case Direction::VonLinks:
            return {c.column + 1, c.row};
        case Direction::VonRechts:
            return {c.column - 1, c.row};
        case Direction::None:
            break;
    }
    return c;
}

}  // namespace volmira
