#pragma once
// The sweep of the locus plot: five probe points spread over the window are solved first, so
// the axes stand before the curve grows; then the window is swept, and points that leave the
// bounds widen them, with a redraw at most every fifth point.
#include "graphics/locus_plot.h"
#include "graphics/sweep_points.h"

namespace volmira {

// `redraw(scale)` draws axes and curves at the current bounds. Otherwise as SweepWindow.
template <class Solve, class KeepGoing, class Redraw>
int SweepLocusWindow(PlotState& plot, LocusBounds& bounds, const SweepTarget& target, Solve&& solve,
                     KeepGoing&& keepGoing, Redraw&& redraw) {
    const int slot = selectorSlot(target.button);
    for (const int point : locusProbePoints(target.range)) {
        if (!isComputed(plot.curves.at(target.curve, slot, point)) &&
            SolvePoint(plot, target, point, solve))
            ++plot.computedCount;
        if (isComputed(plot.curves.at(target.curve, slot, point))) {
            const ComplexValue v = locusValue(plot, target.curve, slot, point);
            widenLocusBounds(bounds, v.re, v.im);
        }
    }
    LocusScale scale = locusScale(bounds, target.range.largeView);
    redraw(scale);
    bool widened = false;
    auto solveAndWiden = [&](double frequency, BranchQuantities& out) {
        solve(frequency, out);
        const ComplexValue v = locusValue(out, slot);
        if ((v.re != 0 || v.im != 0) && widenForSweptPoint(bounds, scale, v)) widened = true;
    };
    return SweepWindow(plot, target, solveAndWiden, [&](int visited, int windowPoints) {
        if (widened && visited % kLocusRedrawEvery == 0) {
            scale = locusScale(bounds, target.range.largeView);
            redraw(scale);
            widened = false;
        }
        return keepGoing(visited, windowPoints);
    });
}

}  // namespace volmira
