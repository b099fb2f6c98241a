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
    if (largeView) {
        range.fMinExt = range.fMinLin = fMin;
        range.fMaxExt = range.fMaxLin = fMax;
        range.firstPoint = 1;
        range.lastPoint = kSweepLastPoint;
    } else {
        const double middle = std::sqrt(fMax * fMin);
        range.fMinExt = fMin * fMin / middle;
        range.fMaxExt = fMax * fMax / middle;
        range.fMinLin = fMin - (fMax - fMin) / 2;
        range.fMaxLin = fMax + (fMax - fMin) / 2;
        range.firstPoint = kNormalFirstPoint;
        range.lastPoint = kNormalLastPoint;
    }
    range.ratioPerPoint = std::exp(std::log(range.fMaxExt / range.fMinExt) / kSweepLastPoint);
    return range;
}

double pointFrequency(const SweepRange& range, int point, bool logarithmic) {
    if (!range.set) return 0;
    if (!logarithmic) {
        return point * (range.fMaxLin - range.fMinLin) / kSweepLastPoint + range.fMinLin;
    }
    // Counted from the nearer end of the user's range, so that both ends come out exactly.
    const int lowPoint = range.largeView ? 0 : kNormalFirstPoint;
    const int highPoint = kSweepLastPoint - lowPoint;
    if (point <= kSweepLastPoint / 2)
        return range.fMin * std::pow(range.ratioPerPoint, point - lowPoint);
    return range.fMax * std::pow(range.ratioPerPoint, point - highPoint);
}

}  // namespace volmira
