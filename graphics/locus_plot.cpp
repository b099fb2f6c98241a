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

// The window's points that the row holds.
template <class Visit>
void forWindowPoints(const LocusRow& row, const SweepRange& range, Visit&& visit) {
    const int last = std::min(range.lastPoint, static_cast<int>(row.values.size()) - 1);
    for (int point = std::max(range.firstPoint, 0); point <= last; ++point)
        visit(point, row.values[static_cast<std::size_t>(point)]);
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
    // Ticks end above the real-axis labels, which the large view moves down by its offset.
    const int lowestRow = 342 + (model.largeView ? kLargePlotBottom - kPlotBottom : 0);
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
    return {locusLine(locusRow(plot, curve, selectorSlot(view.button)), scale, view.range),
            curve == view.selectedCurve};
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
    return locusRow(plot, curve, slot).at(point);
}

ComplexValue LocusRow::at(int point) const {
    const auto i = static_cast<std::size_t>(point);
    const double phase = i < phases.size() ? phases[i] : 0.0;
    return polar(values[i], isComputed(phase) ? phase : 0.0);
}

LocusRow locusRow(const PlotState& plot, int curve, int slot) {
    return {plot.curves.row(curve, slot),
            slot < kPhaseCellCount ? plot.phases.row(curve, slot) : std::span<const double>{}};
}

void widenLocusBounds(LocusBounds& bounds, const LocusRow& row, const SweepRange& range) {
    forWindowPoints(row, range, [&](int point, double v) {
        if (!isComputed(v)) return;
        const ComplexValue c = row.at(point);
        widenLocusBounds(bounds, c.re, c.im);
    });
}

std::vector<PlotPoint> locusLine(const LocusRow& row, const LocusScale& scale,
                                 const SweepRange& range) {
    std::vector<PlotPoint> line;
    line.reserve(static_cast<std::size_t>(std::max(range.lastPoint - range.firstPoint + 1, 0)));
    forWindowPoints(row, range, [&](int point, double v) {
        if (isComputed(v) && v != 0) line.push_back(scale.pixel(row.at(point)));
    });
    return line;
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
        }
        widenLocusBounds(bounds, locusRow(plot, curve, slot), range);
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
