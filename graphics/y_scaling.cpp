#include "graphics/y_scaling.h"

#include <algorithm>
#include <cmath>

namespace volmira {

int scaleMarkerHeight(int mouseRow, int markerTop) {
    return std::max(kScaleMarkerMinHeight, mouseRow - markerTop + 9);
}

bool YTeilbereich(ScaleRecord& scale, const PlotRows& rows, int markerTop, int markerHeight) {
    if (!(scale.span > 0) || !std::isfinite(scale.span)) return false;
    markerHeight = std::max(kScaleMarkerMinHeight, markerHeight);
    // The marker's rows in units of the drawn range, both from the old lower end.
    const double unit = scale.span / (rows.bottom - rows.top);
    const double lo = scale.lo;
    scale.hi = (rows.bottom - markerTop + 15) * unit + lo;
    scale.lo = (rows.bottom - markerTop - markerHeight + 21) * unit + lo;
    scale.autoRange = 0;
    return true;
}

}  // namespace volmira
