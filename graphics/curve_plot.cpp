#include "graphics/curve_plot.h"

#include <algorithm>
#include <cmath>

#include "analysis/value_text.h"

namespace volmira {

namespace {

int roundToInt(double v) {
    return static_cast<int>(std::lround(v));
}

// A range of 0 (or one that overflowed) has no rows.
bool drawable(const ScaleRecord& scale) {
    return scale.span > 0 && std::isfinite(scale.span);
}

void layOutYAxis(CurvePlotModel& model, const ScaleRecord& scale, int slot,
                 const TextWidth& width) {
    model.yTitle = std::string(unitText(axisUnitForSlot(slot)));
    if (!drawable(scale)) return;
    TickRequest request;
    request.lo = scale.lo;
    request.hi = scale.hi;
    request.intervals = 10;
    request.length = 800;
    request.spacing = 2.0;
    int widest = 0;
    for (const Tick& tick : NiceTicks(request)) {
        const int row = valueRow(scale, model.rows, tick.value, kLabelRowOffset).row;
        if (row <= model.rows.top) continue;
        model.yLabels.push_back({row, tick.label});
        if (width) widest = std::max(widest, width(tick.label));
    }
    model.yAxisWidth = std::max(kMinYAxisWidth, widest + 13);
}

void layOutCurve(CurvePlotModel& model, const PlotState& plot, const ScaleRecord& scale, int curve,
                 int slot) {
    std::vector<PlotPoint>& line = model.curves.emplace_back();
    line.reserve(kSweepLastPoint);
    for (int point = 1; point <= kSweepLastPoint; ++point) {
        const double v = plot.curves.at(curve, slot, point);
        if (!isComputed(v)) continue;
        const ValueRow row = valueRow(scale, model.rows, v, kCurveRowOffset);
        line.push_back({point, row.row});
        if (row.clip == Clip::Top) model.topClips.push_back({point, model.rows.top - 2});
        if (row.clip == Clip::Bottom) model.bottomClips.push_back({point, model.rows.bottom + 2});
    }
}

}  // namespace

int plotImageHeight(bool largeView) {
    return (largeView ? kLargePlotBottom : kPlotBottom) + 30;
}

void ComputeScale(ScaleRecord& scale) {
    if (scale.autoRange == 1) {
        scale.lo = scale.minSeen;
        scale.hi = scale.maxSeen;
        if (scale.minSeen > 0) scale.minSeen = scale.lo = 0;
        if (scale.maxSeen < 0) scale.maxSeen = scale.hi = 0;
    }
    scale.span = std::abs(scale.hi - scale.lo);
    scale.signClass = kAtOrAboveZero;
    if (scale.hi >= 0 && scale.lo < 0) scale.signClass = kCrossesZero;
    if (scale.hi < 0 && scale.lo < 0) scale.signClass = kBelowZero;
}

PlotRows plotRows(const ScaleRecord& scale, bool largeView) {
    PlotRows rows;
    rows.bottom = largeView ? kLargePlotBottom : kPlotBottom;
    const int height = rows.bottom - rows.top;
    rows.zero =
        scale.span == 0 || scale.lo > 0 ? 0 : roundToInt(height * scale.hi / scale.span + rows.top);
    return rows;
}

ValueRow valueRow(const ScaleRecord& scale, const PlotRows& rows, double v, int offset) {
    ValueRow out;
    if (v > scale.hi) out.clip = Clip::Top, v = scale.hi;
    if (v < scale.lo) out.clip = Clip::Bottom, v = scale.lo;
    const double height = rows.bottom - rows.top;
    switch (scale.signClass) {
        case kCrossesZero: {
            const int k = roundToInt(v / scale.span * height);
            out.row = rows.zero - k - (k >= 0 ? 1 : 0);
            break;
        }
        case kBelowZero:
            out.row = roundToInt((scale.hi - v) / scale.span * height) + rows.top + 1;
            break;
        default:
            out.row = rows.bottom - roundToInt((v - scale.lo) / scale.span * height) - 1;
            break;
    }
    out.row += offset;
    return out;
}

CurvePlotModel DrawCurvePlot(PlotState& plot, const CurvePlotView& view, const TextWidth& width) {
    ScaleRecord& scale = plot.scale(view.button);
    ComputeScale(scale);
    const int slot = selectorSlot(view.button);
    CurvePlotModel model;
    model.largeView = view.range.largeView;
    model.rows = plotRows(scale, model.largeView);
    model.height = plotImageHeight(model.largeView);
    model.penWidth = model.largeView ? 2 : 1;
    model.selectedCurve = view.selectedCurve;
    model.gridLines = model.largeView;
    layOutYAxis(model, scale, slot, width);
    model.frequencyLabels = frequencyAxisLabels(
        view.range, view.logarithmic, width, view.xUnit == kUnitHertz ? "" : unitText(view.xUnit));
    if (!drawable(scale)) return model;
    for (int curve = 1; curve <= std::clamp(view.curveCount, 1, kCurveCount); ++curve)
        layOutCurve(model, plot, scale, curve, slot);
    return model;
}

}  // namespace volmira
