#pragma once
// The family of curves of the parameter mode: one sweep per parameter value into curves 1..5,
// with the parameter component set to each value in turn and given back its own value however
// the family ends (its end, Stop, or a failure escaping a solve).
#include <type_traits>

#include "analysis/calculation.h"
#include "analysis/value_guard.h"
#include "graphics/parameter_values.h"

namespace volmira {

struct FamilySweepResult {
    int lastCurve = 0;     // the last curve the loop reached (0: none)
    bool stopped = false;  // the sweep of that curve was stopped
};

// For k = 1..5: sets the component's value (`componentValue`) to values[k], calls `resync()`
// (sum the branches, prepare the solver) and `sweepCurve(k)`, which sweeps the window into
// curve k (as a curve or a locus) and gives false when Stop was pressed; that ends the family
// and keeps what was solved. An empty slot gives no curve.
template <class Resync, class SweepCurve>
FamilySweepResult RunFamilySweep(const ParameterValues& values, double& componentValue,
                                 Resync&& resync, SweepCurve&& sweepCurve) {
    const ParameterValueGuard<std::remove_reference_t<Resync>> guard(componentValue, resync);
    FamilySweepResult result;
    for (int curve = 1; curve <= kParameterValueCount && !result.stopped; ++curve) {
        result.lastCurve = curve;
        const double value = values[static_cast<std::size_t>(curve - 1)];
        if (value == NotComputed) continue;
        componentValue = value;
        resync();
        result.stopped = !sweepCurve(curve);
    }
    return result;
}

// The family on the calculation engine, with `component` (1-based) as the parameter.
template <class SweepCurve>
FamilySweepResult RunFamilySweep(const ParameterValues& values, Calculation& calculation,
                                 int component, SweepCurve&& sweepCurve) {
    auto resync = [&calculation] { calculation.resumBranches(); };
    return RunFamilySweep(values, calculation.parameterValue(component), resync, sweepCurve);
}

}  // namespace volmira
