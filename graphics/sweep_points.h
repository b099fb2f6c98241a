#pragma once
// Solving the points of the sweep window into the store. The network solve itself is a callable
// `solve(double frequency, BranchQuantities& out)`, so any engine plugs in; nothing here
// allocates.
#include <cmath>

#include "analysis/quantities.h"
#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

// Where a sweep writes: the curve (1..5) and the quantity button (1..9) whose scale follows the
// solved values. With a component, the points' x values are its value at the single frequency
// (the value curve) instead of the frequency.
struct SweepTarget {
    const SweepRange& range;
    bool logarithmic = true;
    int curve = 1;
    int button = 1;
    int component = 0;
};

// Stores every quantity of point i and, for slots 0..4, its phase, and widens the button's
// extremes.
inline void storePoint(PlotState& plot, const SweepTarget& target, int point,
                       const BranchQuantities& quantities) {
    for (int slot = 0; slot < kQuantityCount; ++slot)
        plot.curves.at(target.curve, slot, point) =
            quantities.value[static_cast<std::size_t>(slot)];
    for (int slot = 0; slot < kPhaseCellCount; ++slot)
        plot.phases.at(target.curve, slot, point) =
            quantities.phase[static_cast<std::size_t>(slot)];
    const double value = plot.curves.at(target.curve, selectorSlot(target.button), point);
    ScaleRecord& scale = plot.scale(target.button);
    if (value > scale.maxSeen) scale.maxSeen = value;
    if (value < scale.minSeen) scale.minSeen = value;
}

// Solves point i and stores it. A point whose frequency is not above 0 is not solved and stays
// NotComputed; gives whether the point was stored.
template <class Solve>
bool SolvePoint(PlotState& plot, const SweepTarget& target, int point, Solve&& solve) {
    const double frequency = pointFrequency(target.range, point, target.logarithmic);
    if (!(frequency > 0)) return false;
    BranchQuantities quantities;
    solve(frequency, quantities);
    storePoint(plot, target, point, quantities);
    return true;
}

// The sweep loop over the drawn window: every point still NotComputed in the button's slot is
// solved (points already holding a value are kept), then `keepGoing(solvedInThisRun,
// windowPoints)` is asked; false stops the sweep and keeps what was solved. Gives the points
// visited in this run.
template <class Solve, class KeepGoing>
int SweepWindow(PlotState& plot, const SweepTarget& target, Solve&& solve, KeepGoing&& keepGoing) {
    const int slot = selectorSlot(target.button);
    const int windowPoints = target.range.lastPoint - target.range.firstPoint + 1;
    int visited = 0;
    for (int point = target.range.firstPoint; point <= target.range.lastPoint; ++point) {
        if (isComputed(plot.curves.at(target.curve, slot, point))) continue;
        if (SolvePoint(plot, target, point, solve)) ++plot.computedCount;
        ++visited;
        if (!keepGoing(visited, windowPoints)) break;
    }
    return visited;
}

// The column of the progress stroke on a bar `width` pixels wide.
inline int progressColumn(int width, int visited, int windowPoints) {
    return 5 + static_cast<int>(std::lround(static_cast<double>(width) * visited /
                                            (windowPoints > 0 ? windowPoints : 1)));
}

}  // namespace volmira
