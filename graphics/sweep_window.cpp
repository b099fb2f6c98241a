#include "graphics/sweep_window.h"

#include <algorithm>

#include "analysis/value_text.h"

namespace volmira {

void scrollWindow(SweepRange& range, int scrollPosition) {
    range.firstPoint = std::clamp(scrollPosition, 0, kStorePoints - 1 - kWindowSteps);
    range.lastPoint = range.firstPoint + kWindowSteps;
}

bool windowHasUnsolved(const PlotState& plot, const SweepRange& range, int curve) {
    constexpr int kCurrentSlot = static_cast<int>(ElectricalQuantity::Current);
    for (int point = range.firstPoint; point <= range.lastPoint; ++point)
        if (!isComputed(plot.curves.at(curve, kCurrentSlot, point))) return true;
    return false;
}

BoundTexts windowBoundTexts(const SweepRange& range, bool logarithmic, int digits) {
    return {formatValue(kUnitHertz, digits, pointFrequency(range, range.firstPoint, logarithmic)),
            formatValue(kUnitHertz, digits, pointFrequency(range, range.lastPoint, logarithmic))};
}

}  // namespace volmira
