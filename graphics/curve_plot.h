#pragma once
// The curve plot as geometry in pixels, computed from the store: the y range of the chosen
// quantity, the row of each value, the curves as polylines over the pixel columns of their
// points, the red marks of clipped points, and both axes' ticks and labels. Painters draw it
// as it is.
#include <string>
#include <vector>

#include "analysis/value_text.h"
#include "graphics/curve_store.h"
#include "graphics/frequency_axis.h"
#include "graphics/nice_ticks.h"
#include "graphics/sweep_range.h"

namespace volmira {

inline constexpr int kPlotTop = 6;            // yTop
inline constexpr int kPlotBottom = 333;       // yBottom
inline constexpr int kLargePlotBottom = 590;  // yBottom in the large view
inline constexpr int kPlotWidth = 899;        // Bild1: one pixel column per point
inline constexpr int kCurveRowOffset = 7;     // curves are drawn this much below their row
inline constexpr int kLabelRowOffset = 9;     // y labels likewise
inline constexpr int kMinYAxisWidth = 50;

// Bild1's height: the plot, the frequency ticks and one line of labels.
int plotImageHeight(bool largeView);

// The y range of a button from what the sweeps met; zero is always inside the automatic range.
void ComputeScale(ScaleRecord& scale);

// The rows of the plot: top, bottom and the zero line (0 when the range does not cross zero).
struct PlotRows {
    int top = kPlotTop;
    int bottom = kPlotBottom;
    int zero = 0;
};
PlotRows plotRows(const ScaleRecord& scale, bool largeView);

enum class Clip { None, Top, Bottom };

struct ValueRow {
    int row = 0;
    Clip clip = Clip::None;
};

// The row of value v under the scale's sign class; a value outside lo..hi is drawn at the end
// it passed. `offset` is 7 for curves, 9 for y labels. The scale's span must not be 0.
ValueRow valueRow(const ScaleRecord& scale, const PlotRows& rows, double v, int offset);

struct PlotPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlotPoint&) const = default;
};

struct CurvePlotView {
    const SweepRange& range;
    bool logarithmic = true;
    int button = 1;          // FgGroesse1..9
    int curveCount = 1;      // curves 1..curveCount are drawn (parameter mode uses up to 5)
    int selectedCurve = 1;   // of a family: drawn last in black, the others in silver
    int xUnit = kUnitHertz;  // a value curve's x is a component value
};

struct CurvePlotModel {
    bool largeView = false;
    PlotRows rows;
    int width = kPlotWidth;
    int height = 0;
    int penWidth = 1;
    std::vector<std::vector<PlotPoint>> curves;  // one polyline per curve, in point order
    int selectedCurve = 1;                       // 1-based index into curves
    std::vector<PlotPoint> topClips;             // red pixels at row top - 2
    std::vector<PlotPoint> bottomClips;          // red pixels at row bottom + 2
    std::vector<AxisLabel> yLabels;              // rows on ybild
    std::string yTitle;                          // the quantity's unit
    int yAxisWidth = kMinYAxisWidth;             // the width of yblock
    FrequencyLabels frequencyLabels;             // columns on Bild1
    bool gridLines = false;                      // the large view draws dotted grid lines
};

// Updates the button's scale (ComputeScale) and lays out the plot. `width` measures labels on
// the target canvas. With a span of 0 no curve and no y label is laid out.
CurvePlotModel DrawCurvePlot(PlotState& plot, const CurvePlotView& view, const TextWidth& width);

}  // namespace volmira
