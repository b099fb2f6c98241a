#pragma once
// The tools that work on a finished sweep of the curve plot: stretch x2, the zoom to the ripple
// of the window and the search for local extremes.
#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

// MalZwei: the window's points of every curve move to the even points 0..896 and every odd
// point becomes unsolved; the button's extremes start from 0 and take the moved values of its
// quantity. Gives the range whose extended bounds are the old window's first and last
// frequency, with the window 224..672: sweeping it again solves only the odd points.
SweepRange StretchTwice(PlotState& plot, const SweepRange& range, bool logarithmic, int button);

// ExtremMax: the button's range becomes the largest and the smallest value of the window's
// solved points of the curve, zeros left out of the smallest, and stays so (autoRange 0).
// Nothing changes, and false is given, when no such range exists (no value, or a flat curve).
bool ZoomToRipple(PlotState& plot, const SweepRange& range, int curve, int button);

// Lupe: the next local extreme of the curve in the window after `cursor` (values of exactly 0
// and unsolved points are passed over). A cursor outside the window starts at its beginning.
struct ExtremeFound {
    int point = -1;  // -1: no extreme left
    int cursor = 0;  // where the next search starts
};
ExtremeFound FindNextExtreme(const PlotState& plot, const SweepRange& range, int curve, int button,
                             int cursor);

}  // namespace volmira
