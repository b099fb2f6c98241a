#include "graphics/locus_plot.h"

#include <algorithm>
#include <cmath>

#include "analysis/value_text.h"

namespace volmira {

namespace {

int roundToInt(double v) {
    return static_cast<int>(std::lround(v));
}

double factor(bool largeView) {
    return largeView ? kLargeLocusFactor : 1.0;
}

ComplexValue polar(double value, double phase) {
    return {value * std::cos(phase), value * std::sin(phase)};
}

// ybild: the imaginary-axis ticks at their rows, kept inside the plot's height.
void layOutImaginaryAxis(LocusPlotModel& model, const LocusBounds& bounds, const TextWidth& width) {
    const double upp = model.scale.unitsPerPixel;
    TickRequest request;
    request.lo = 1.2 * bounds.imMin;
    request.hi = 1.2 * bounds.imMax;
    request.intervals = 18;
    request.spacing = 1.7;
    const int height = roundToInt((bounds.imMax - bounds.imMin) / upp);
    const int lowestRow =
        342 + (model.largeView ? roundToInt(kLocusRows * (kLargeLocusFactor - 1)) : 0);
    int widest = 0;
    for (const Tick& tick : NiceTicks(request)) {
        const int row = height - roundToInt((tick.value - bounds.imMin) / upp) + 2;
        if (row <= 0 || row >= lowestRow) continue;
        model.imaginaryLabels.push_back({row, tick.label});
        if (width) widest = std::max(widest, width(tick.label));
    }
    model.yAxisWidth = std::max(kMinYAxisWidth, widest + 13);
}

// Bild1: the real-axis ticks at their columns under the plot.
void layOutRealAxis(LocusPlotModel& model, const LocusBounds& bounds, const TextWidth& width) {
    const double upp = model.scale.unitsPerPixel;
    const double length = kLocusColumns * factor(model.largeView);
    TickRequest request;
    request.lo = bounds.reMin;
    request.hi = bounds.reMin + upp * length;  // the frame's right edge
    request.intervals = 12;
    request.length = length;
    request.spacing = 1.7;
    request.widthCheck = true;
    for (const Tick& tick : NiceTicks(request, width))
        model.realLabels.push_back({model.scale.pixel({tick.value, 0}).x, tick.label});
}

LocusCurve layOutCurve(const PlotState& plot, const LocusScale& scale, const LocusView& view,
                       int curve) {
    LocusCurve out;
    out.selected = curve == view.selectedCurve;
    const int slot = selectorSlot(view.button);
    out.points.reserve(static_cast<std::size_t>(view.range.lastPoint - view.range.firstPoint + 1));
    for (int point = view.range.firstPoint; point <= view.range.lastPoint; ++point) {
        const double v = plot.curves.at(curve, slot, point);
        if (!isComputed(v) || v == 0) continue;
        out.points.push_back(scale.pixel(locusValue(plot, curve, slot, point)));
    }
    return out;
}

}  // namespace

void widenLocusBounds(LocusBounds& bounds, double re, double im) {
    bounds.reMin = std::min(bounds.reMin, re);
    bounds.reMax = std::max(bounds.reMax, re);
    bounds.imMin = std::min(bounds.imMin, im);
    bounds.imMax = std::max(bounds.imMax, im);
}

ComplexValue locusValue(const BranchQuantities& quantities, int slot) {
    const double value = quantities.value[static_cast<std::size_t>(slot)];
    return polar(value,
                 slot < kPhaseCellCount ? quantities.phase[static_cast<std::size_t>(slot)] : 0.0);
}

ComplexValue locusValue(const PlotState& plot, int curve, int slot, int point) {
    const double phase = slot < kPhaseCellCount ? plot.phases.at(curve, slot, point) : 0.0;
    return polar(plot.curves.at(curve, slot, point), isComputed(phase) ? phase : 0.0);
}

LocusBounds RebuildFromStore(PlotState& plot, const SweepRange& range, int button, int curveCount) {
    LocusBounds bounds;
    ScaleRecord& scale = plot.scale(button);
    scale.minSeen = 1e35;
    scale.maxSeen = -1e35;
    const int slot = selectorSlot(button);
    for (int curve = 1; curve <= std::clamp(curveCount, 1, kCurveCount); ++curve) {
        for (int point = 1; point <= kSweepLastPoint; ++point) {
            const double v = plot.curves.at(curve, slot, point);
            if (!isComputed(v)) continue;
            scale.minSeen = std::min(scale.minSeen, v);
            scale.maxSeen = std::max(scale.maxSeen, v);
            if (point < range.firstPoint || point > range.lastPoint) continue;
            const ComplexValue c = locusValue(plot, curve, slot, point);
            widenLocusBounds(bounds, c.re, c.im);
        }
    }
    return bounds;
}

bool LocusScale::drawable() const {
    return unitsPerPixel > 0 && std::isfinite(unitsPerPixel);
}

PlotPoint LocusScale::pixel(ComplexValue v) const {
    return {roundToInt(v.re / unitsPerPixel + originX), roundToInt(originY - v.im / unitsPerPixel)};
}

LocusScale locusScale(const LocusBounds& bounds, bool largeView) {
    const double k = factor(largeView);
    const double reSpan = bounds.reMax - bounds.reMin;
    const double imSpan = bounds.imMax - bounds.imMin;
    LocusScale scale;
    scale.unitsPerPixel =
        1.28 * imSpan > reSpan ? imSpan / (k * kLocusRows) : reSpan / (k * kLocusColumns);
    if (!scale.drawable()) return LocusScale{};
    scale.originY = bounds.imMax / scale.unitsPerPixel;
    scale.originX =
        (largeView ? 0 : kLocusLeft) - bounds.reMin / scale.unitsPerPixel + kLocusColumnOffset;
    return scale;
}

LocusPlotModel DrawLocusPlot(const PlotState& plot, const LocusBounds& bounds,
                             const LocusView& view, const TextWidth& imaginaryWidth,
                             const TextWidth& realWidth) {
    LocusPlotModel model;
    model.largeView = view.range.largeView;
    model.height = plotImageHeight(model.largeView);
    model.gridLines = model.largeView;
    model.yTitle = std::string(unitText(axisUnitForSlot(selectorSlot(view.button))));
    model.scale = locusScale(bounds, model.largeView);
    if (!model.scale.drawable()) return model;
    model.origin = model.scale.pixel({0, 0});
    model.realLabelRow = roundToInt(kLocusRows * factor(model.largeView)) + 3;
    layOutImaginaryAxis(model, bounds, imaginaryWidth);
    layOutRealAxis(model, bounds, realWidth);
    const int curves = std::clamp(view.curveCount, 1, kCurveCount);
    for (int curve = 1; curve <= curves; ++curve)
        if (curve != view.selectedCurve)
            model.curves.push_back(layOutCurve(plot, model.scale, view, curve));
    if (view.selectedCurve >= 1 && view.selectedCurve <= curves)
        model.curves.push_back(layOutCurve(plot, model.scale, view, view.selectedCurve));
    model.pointer = PlaceLocusPointer(plot, model.scale, view);
    return model;
}

LocusPointer PlaceLocusPointer(const PlotState& plot, const LocusScale& scale,
                               const LocusView& view) {
    LocusPointer pointer;
    const int point = view.range.firstPoint + view.pointerPosition;
    const int slot = selectorSlot(view.button);
    if (!scale.drawable() || point < 0 || point >= kStorePoints ||
        !isComputed(plot.curves.at(view.selectedCurve, slot, point)))
        return pointer;
    pointer.visible = true;
    pointer.point = point;
    pointer.origin = scale.pixel({0, 0});
    pointer.tip = scale.pixel(locusValue(plot, view.selectedCurve, slot, point));
    pointer.square = {pointer.tip.x - 2, pointer.tip.y - 3};
    return pointer;
}

std::array<int, kLocusProbeCount> locusProbePoints(const SweepRange& range) {
    const int step = (range.lastPoint - range.firstPoint) / 4;
    return {range.firstPoint, range.firstPoint + step, range.firstPoint + 2 * step,
            range.firstPoint + 3 * step, range.lastPoint};
}

bool widenForSweptPoint(LocusBounds& bounds, const LocusScale& scale, ComplexValue v) {
    const bool pastRight =
        v.re > bounds.reMax &&
        (!scale.drawable() ||
         roundToInt(v.re / scale.unitsPerPixel) + scale.originX > kLocusWidenColumn);
    if (!(v.im > bounds.imMax || v.im < bounds.imMin || v.re < bounds.reMin || pastRight))
        return false;
    widenLocusBounds(bounds, v.re, v.im);
    return true;
}

}  // namespace volmira
