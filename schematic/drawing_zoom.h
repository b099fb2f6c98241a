#pragma once
// The zoom of the drawing view. The image keeps its 9-pixel cells; the view shows it scaled and
// maps each of its pixels back to the image pixel under it, so a click names the same cell at
// every zoom and the 100 % view is the image pixel for pixel.
#include <array>

#include "schematic/grid.h"

namespace volmira {

inline constexpr int kFullSize = 100;
inline constexpr std::array<int, 8> kZoomSteps{50, 75, 100, 125, 150, 200, 300, 400};

// The next step up or down; the ends stay.
int zoomedIn(int percent);
int zoomedOut(int percent);

// A length of the image in the view, and the image pixel under a pixel of the view.
constexpr int viewLength(int imageLength, int percent) {
    return imageLength * percent / kFullSize;
}
GridPixel imagePixelAt(GridPixel view, int percent);

}  // namespace volmira
