#include "graphics/curve_tools.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace volmira {

namespace {

constexpr int kWindowPoints = kNormalLastPoint - kNormalFirstPoint + 1;  // 449

// One row of the store (a curve's slot): the window moved to 0..448, then spread to the even
// points.
template <class Table>
void spreadWindow(Table& table, int curve, int slot, int first) {
    for (int j = 0; j < kWindowPoints; ++j)
        table.at(curve, slot, j) = table.at(curve, slot, first + j);
    for (int j = kWindowPoints; j <= kSweepLastPoint; ++j) table.at(curve, slot, j) = NotComputed;
    for (int j = kWindowPoints - 1; j >= 1; --j) {
        table.at(curve, slot, 2 * j) = table.at(curve, slot, j);
        table.at(curve, slot, j) = NotComputed;
    }
}

bool usable(double v) {
    return isComputed(v) && v != 0;
}

}  // namespace

SweepRange StretchTwice(PlotState& plot, const SweepRange& range, bool logarithmic, int button) {
    const double low = pointFrequency(range, range.firstPoint, logarithmic);
    const double high = pointFrequency(range, range.lastPoint, logarithmic);
    const int slot = selectorSlot(button);
    ScaleRecord& scale = plot.scale(button);
    scale.minSeen = scale.maxSeen = 0;
    for (int curve = 1; curve <= kCurveCount; ++curve) {
        for (int s = 0; s < kQuantityCount; ++s)
            spreadWindow(plot.curves, curve, s, range.firstPoint);
        for (int s = 0; s < kPhaseCellCount; ++s)
            spreadWindow(plot.phases, curve, s, range.firstPoint);
        for (int point = 0; point <= kSweepLastPoint; point += 2) {
            const double v = plot.curves.at(curve, slot, point);
            if (!isComputed(v)) continue;
            scale.minSeen = std::min(scale.minSeen, v);
            scale.maxSeen = std::max(scale.maxSeen, v);
        }
    }
    // The old window fills the new extended range; the user's range is its middle half.
    if (logarithmic) {
        const double quarter = std::pow(high / low, 0.25);
        return DeriveBounds(low * quarter, high / quarter, false);
    }
    const double quarter = (high - low) / 4;
    return DeriveBounds(low + quarter, high - quarter, false);
}

bool ZoomToRipple(PlotState& plot, const SweepRange& range, int curve, int button) {
    const int slot = selectorSlot(button);
    double largest = -1e37;
    double smallest = 1e37;
    for (int point = range.firstPoint; point <= range.lastPoint; ++point) {
        const double v = plot.curves.at(curve, slot, point);
        if (!isComputed(v)) continue;
        largest = std::max(largest, v);
        if (v != 0) smallest = std::min(smallest, v);
    }
    if (!(smallest < largest)) return false;
    ScaleRecord& scale = plot.scale(button);
    scale.lo = smallest;
    scale.hi = largest;
    scale.autoRange = 0;
    return true;
}

ExtremeFound FindNextExtreme(const PlotState& plot, const SweepRange& range, int curve, int button,
                             int cursor) {
    const int slot = selectorSlot(button);
    const int restart = range.firstPoint - 1;
    if (cursor < restart || cursor >= range.lastPoint) cursor = restart;
    // The usable points after `from`, three at a time.
    std::array<int, 3> at{};
    int filled = 0;
    for (int point = cursor + 1; point <= range.lastPoint; ++point) {
        if (!usable(plot.curves.at(curve, slot, point))) continue;
        if (filled == 3) {
            at = {at[1], at[2], point};
        } else {
            at[std::size_t(filled++)] = point;
            if (filled < 3) continue;
        }
        const double a = plot.curves.at(curve, slot, at[0]);
        const double b = plot.curves.at(curve, slot, at[1]);
        const double c = plot.curves.at(curve, slot, at[2]);
        if ((b > a && b > c) || (b < a && b < c)) return {at[1], at[1] - 1};
    }
    return {-1, restart};
}

}  // namespace volmira
