#include "print/plot_source.h"

#include <vector>

#include "graphics/sweep_points.h"

namespace volmira {

SweepOutcome sweepIntoPlot(Calculation& calculation, PlotState& plot, const SweepRange& range,
                           bool logarithmic, int branch) {
    ResetPlot(plot);
    if (branch < 1 || branch > calculation.network().branchCount) return {};
    std::vector<int> points;
    std::vector<double> frequencies;
    for (int point = range.firstPoint; point <= range.lastPoint; ++point) {
        const double frequency = pointFrequency(range, point, logarithmic);
        if (!(frequency > 0)) continue;
        points.push_back(point);
        frequencies.push_back(frequency);
    }
    const Network& network = calculation.network();
    const auto b = static_cast<std::size_t>(branch - 1);
    const double resistance = network.branch(branch).R;
    const double voltage = calculation.voltage();
    const SweepTarget target{range, logarithmic, 1, 1};
    return calculation.sweep(frequencies, [&](std::size_t i, const BranchCurrents& currents) {
        if (SolvePoint(plot, target, points[i], [&](double, BranchQuantities& out) {
                out = deriveQuantities(currentPolar(currents.current[b]), resistance,
                                       currents.reactance[b], voltage);
            }))
            ++plot.computedCount;
        return true;
    });
}

int buttonForSlot(int slot) {
    for (int button = 1; button <= kQuantityButtons; ++button)
        if (selectorSlot(button) == slot) return button;
    return 1;
}

}  // namespace volmira
