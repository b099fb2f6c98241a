#pragma once
// Storing the solved points of a sweep. A single point can be solved with any engine given as a
// callable `solve(double frequency, BranchQuantities& out)`; nothing here allocates.
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

}  // namespace volmira
