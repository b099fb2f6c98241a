#pragma once
// The point window shown in the scroll box: where scrolling puts it, whether it holds unsolved
// points (then the window is swept anew), and the texts of its bounds for FqVon and FqBis.
#include <string>

#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

inline constexpr int kWindowSteps = 448;  // the window shows points first..first + 448

// firstPoint = the scroll position, kept so that the window stays inside the store.
void scrollWindow(SweepRange& range, int scrollPosition);

// Any point of the window not yet solved (slot 1, the current, is stored with every point).
bool windowHasUnsolved(const PlotState& plot, const SweepRange& range, int curve = 1);

struct BoundTexts {
    std::string fqVon;
    std::string fqBis;
};
// The frequencies of the window's first and last point in the value format, unit "Hz".
BoundTexts windowBoundTexts(const SweepRange& range, bool logarithmic, int digits);

}  // namespace volmira
