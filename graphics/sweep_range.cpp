#include "graphics/sweep_range.h"

#include <cmath>

namespace volmira {

SweepRange DeriveBounds(double fMin, double fMax, bool largeView) {
    SweepRange range;
    const bool usable = std::isfinite(fMin) && std::isfinite(fMax) && fMin > 0 && fMax > 0;
    if (!usable) return range;
    range.set = true;
    range.fMin = fMin;
    range.fMax = fMax;
    range.largeView = largeView;
    // In logarithms: products and quotients of the bounds overflow long before the bounds do.
    const double logWidth = std::log(fMax) - std::log(fMin);
    if (largeView) {
        range.fMinExt = range.fMinLin = fMin;
        range.fMaxExt = range.fMaxLin = fMax;
        range.firstPoint = 1;
        range.lastPoint = kSweepLastPoint;
        range.ratioPerPoint = std::exp(logWidth / kSweepLastPoint);
    } else {
        range.fMinExt = fMin * std::exp(-logWidth / 2);
        range.fMaxExt = fMax * std::exp(logWidth / 2);
        range.fMinLin = fMin - (fMax / 2 - fMin / 2);
        range.fMaxLin = fMax + (fMax / 2 - fMin / 2);
        range.firstPoint = kNormalFirstPoint;
        range.lastPoint = kNormalLastPoint;
        range.ratioPerPoint = std::exp(2 * logWidth / kSweepLastPoint);
    }
    const bool representable = std::isfinite(range.fMaxExt) && std::isfinite(range.fMaxLin) &&
                               range.fMinExt > 0 && std::isfinite(range.fMinLin);
    return representable ? range : SweepRange{};
}

double pointFrequency(const SweepRange& range, int point, bool logarithmic) {
    if (!range.set) return 0;
    if (!logarithmic)
        return std::lerp(range.fMinLin, range.fMaxLin,
                         static_cast<double>(point) / kSweepLastPoint);
    // Counted from the nearer end of the user's range, so that both ends come out exactly.
    const int lowPoint = range.largeView ? 0 : kNormalFirstPoint;
    const int highPoint = kSweepLastPoint - lowPoint;
    if (point <= kSweepLastPoint / 2)
        return range.fMin * std::pow(range.ratioPerPoint, point - lowPoint);
    return range.fMax * std::pow(range.ratioPerPoint, point - highPoint);
}

}  // namespace volmira
