#include "graphics/sweep_window.h"

#include <algorithm>

#include "analysis/value_text.h"

namespace volmira {

void planWindowSweep(const PlotState& plot, const SweepTarget& target, SweepPlan& plan) {
    const int slot = selectorSlot(target.button);
    plan.count = 0;
    plan.windowPoints = target.range.lastPoint - target.range.firstPoint + 1;
    for (int point = target.range.firstPoint; point <= target.range.lastPoint; ++point) {
        if (isComputed(plot.curves.at(target.curve, slot, point))) continue;
        const double frequency = pointFrequency(target.range, point, target.logarithmic);
        if (!(frequency > 0)) continue;
        const auto k = static_cast<std::size_t>(plan.count++);
        plan.point[k] = point;
        plan.frequency[k] = frequency;
    }
}

SweepOutcome sweepWindowPoints(Calculation& calculation, PlotState& plot, const SweepTarget& target,
                               int branch, SweepPlan& plan, const SweepProgress& keepGoing) {
    planWindowSweep(plot, target, plan);
    // One pointer is captured, so the engine's callback holds it without allocating.
    struct Run {
        const Network& network;
        PlotState& plot;
        const SweepTarget& target;
        const SweepPlan& plan;
        const SweepProgress& keepGoing;
        int branch;
        double voltage;
    } run{calculation.network(), plot, target, plan, keepGoing, branch, calculation.voltage()};
    const std::span<const double> xs(plan.frequency.data(), static_cast<std::size_t>(plan.count));
    const Calculation::PointDone store = [r = &run](std::size_t i, const BranchCurrents& currents) {
        storePoint(r->plot, r->target, r->plan.point[i],
                   branchQuantities(r->network, currents, r->branch, r->voltage));
        ++r->plot.computedCount;
        return r->keepGoing(static_cast<int>(i) + 1, r->plan.windowPoints);
    };
    return target.component ? calculation.sweepValues(target.component, xs, store)
                            : calculation.sweep(xs, store);
}

void scrollWindow(SweepRange& range, int scrollPosition) {
    // The large view shows the whole store; nothing scrolls there.
    if (range.largeView) {
        range.firstPoint = 1;
        range.lastPoint = kSweepLastPoint;
        return;
    }
    range.firstPoint = std::clamp(scrollPosition, 0, kStorePoints - 1 - kWindowSteps);
    range.lastPoint = range.firstPoint + kWindowSteps;
}

bool windowHasUnsolved(const PlotState& plot, const SweepRange& range, int curve) {
    constexpr int kCurrentSlot = static_cast<int>(ElectricalQuantity::Current);
    for (int point = range.firstPoint; point <= range.lastPoint; ++point)
        if (!isComputed(plot.curves.at(curve, kCurrentSlot, point))) return true;
    return false;
}

BoundTexts windowBoundTexts(const SweepRange& range, bool logarithmic, int digits, int unit) {
    return {formatValue(unit, digits, pointFrequency(range, range.firstPoint, logarithmic)),
            formatValue(unit, digits, pointFrequency(range, range.lastPoint, logarithmic))};
}

}  // namespace volmira
