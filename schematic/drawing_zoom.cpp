#include "schematic/drawing_zoom.h"

#include <algorithm>

namespace volmira {

int zoomedIn(int percent) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int zoomedOut(int percent) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

GridPixel imagePixelAt(GridPixel view, int percent) {
    // Rounded down also left of and above the view, where the pointer may be while dragging.
    const auto back = [percent](int v) {
        const int scaled = v * kFullSize;
        return scaled >= 0 ? scaled / percent : -((-scaled + percent - 1) / percent);
    };
    return {back(view.x), back(view.y)};
}

}  // namespace volmira
