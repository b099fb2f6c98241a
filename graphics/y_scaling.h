#pragma once
// The y-scaling tool: a marker over the plot chooses a sub-range of the drawn y range, and
// "y-Skalierung aufheben" lets the range follow the data again.
#include "graphics/curve_plot.h"
#include "graphics/curve_store.h"

namespace volmira {

inline constexpr int kScaleMarkerHeight = 100;  // when the marker appears
inline constexpr int kScaleMarkerMinHeight = 10;

// The marker's height while the mouse moves over ybild at `mouseRow`.
int scaleMarkerHeight(int mouseRow, int markerTop);

// YTeilbereich: applies the marker to the scale (rows of the plot, normal or large view). A scale
// without range stays as it is; gives whether the range changed.
bool YTeilbereich(ScaleRecord& scale, const PlotRows& rows, int markerTop, int markerHeight);

// Aus1: the range follows the data again.
inline void restoreAutoRange(ScaleRecord& scale) {
    scale.autoRange = 1;
}

}  // namespace volmira
