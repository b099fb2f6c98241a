#include "graphics/curve_store.h"

#include <algorithm>
#include <string_view>

namespace volmira {

void ResetPlot(PlotState& plot) {
    plot.curves.clear();
    plot.phases.clear();
    plot.scales.fill(ScaleRecord{});
    plot.computedCount = 0;
}

int axisUnitForSlot(int slot) {
    constexpr std::string_view kAxisUnits = "12345673307";
    return kAxisUnits[static_cast<std::size_t>(std::clamp(slot, 0, kQuantityCount - 1))] - '0';
}

}  // namespace volmira
