#pragma once
// The sweep of the locus plot through the engine: five probe points spread over the window are
// solved first, so the axes stand before the curve grows; then the window is swept, and points
// that leave the bounds widen them, with a redraw at most every fifth point.
#include "graphics/locus_plot.h"
#include "graphics/sweep_window.h"

namespace volmira {

// `redraw(scale)` draws axes and curves at the present bounds. Otherwise as sweepWindowPoints;
// the outcome is that of the window.
template <class Redraw>
SweepOutcome SweepLocusWindow(Calculation& calculation, PlotState& plot, LocusBounds& bounds,
                              const SweepTarget& target, int branch, SweepPlan& plan,
                              const SweepProgress& keepGoing, Redraw&& redraw) {
    const int slot = selectorSlot(target.button);
    const SweepProgress probeOnly = [](int, int) { return true; };
    SweepOutcome probes;
    for (const int point : locusProbePoints(target.range)) {
        SweepRange one = target.range;
        one.firstPoint = one.lastPoint = point;
        const SweepOutcome probe = sweepWindowPoints(
            calculation, plot,
            {one, target.logarithmic, target.curve, target.button, target.component}, branch, plan,
            probeOnly);
        probes.failed = probes.failed || probe.failed;
        probes.imprecise = probes.imprecise || probe.imprecise;
        if (isComputed(plot.curves.at(target.curve, slot, point))) {
            const ComplexValue v = locusValue(plot, target.curve, slot, point);
            widenLocusBounds(bounds, v.re, v.im);
        }
    }
    LocusScale scale = locusScale(bounds, target.range.largeView);
    redraw(scale);
    bool widened = false;
    // Widens after each point; one pointer captured, so the callback needs no allocation.
    auto widen = [&](int solved, int windowPoints) {
        const int point = plan.point[static_cast<std::size_t>(solved - 1)];
        const ComplexValue v = locusValue(plot, target.curve, slot, point);
        if ((v.re != 0 || v.im != 0) && widenForSweptPoint(bounds, scale, v)) widened = true;
        if (widened && point % kLocusRedrawEvery == 0) {
            scale = locusScale(bounds, target.range.largeView);
            redraw(scale);
            widened = false;
        }
        return keepGoing(solved, windowPoints);
    };
    const SweepProgress widenAndGoOn = [w = &widen](int solved, int windowPoints) {
        return (*w)(solved, windowPoints);
    };
    SweepOutcome outcome = sweepWindowPoints(calculation, plot, target, branch, plan, widenAndGoOn);
    outcome.failed = outcome.failed || probes.failed;
    outcome.imprecise = outcome.imprecise || probes.imprecise;
    return outcome;
}

}  // namespace volmira
