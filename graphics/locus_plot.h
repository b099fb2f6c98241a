#pragma once
// The locus plot as geometry in pixels: each solved point of the chosen quantity as the complex
// value (value cos phase, value sin phase) in one isotropic scale, the bounds that hold every
// point and the origin, both axes with their ticks, the curves, and the red pointer to one
// point. Everything comes from the curve and phase stores; painters draw it as it is.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "graphics/curve_plot.h"
#include "graphics/curve_store.h"
#include "graphics/frequency_axis.h"
#include "graphics/nice_ticks.h"
#include "graphics/sweep_range.h"

namespace volmira {

inline constexpr int kLocusColumns = 430;  // the real axis's pixel columns
inline constexpr int kLocusRows = 335;     // the imaginary axis's pixel rows
inline constexpr int kLocusLeft = 224;     // the frame's first column in the normal view
inline constexpr int kLocusColumnOffset = 10;
inline constexpr double kLargeLocusFactor = 1.743;
inline constexpr int kLocusPointerCentre = 224;  // OrtScroll's position on entering the view
inline constexpr int kLocusProbeCount = 5;
inline constexpr int kLocusWidenColumn = 480;  // a point right of this widens the bounds
inline constexpr int kLocusRedrawEvery = 5;    // points between redraws while a sweep widens

// reMin..reMax, imMin..imMax; they always hold the origin.
struct LocusBounds {
    double reMin = 0;
    double reMax = 0;
    double imMin = 0;
    double imMax = 0;
};

void widenLocusBounds(LocusBounds& bounds, double re, double im);

struct ComplexValue {
    double re = 0;
    double im = 0;
};

// A point's quantity as a complex value; only slots 0..4 carry a phase.
ComplexValue locusValue(const BranchQuantities& quantities, int slot);
ComplexValue locusValue(const PlotState& plot, int curve, int slot, int point);

// One curve's values of a quantity by point, with their phases (none for the slots without).
struct LocusRow {
    std::span<const double> values;
    std::span<const double> phases;
    ComplexValue at(int point) const;  // an unsolved phase counts as 0
};
LocusRow locusRow(const PlotState& plot, int curve, int slot);
// The row's solved points of the window widen the bounds.
void widenLocusBounds(LocusBounds& bounds, const LocusRow& row, const SweepRange& range);

// Rebuild from the store: the button's minSeen/maxSeen over every solved point of curves
// 1..curveCount, and the bounds over the points of the window.
LocusBounds RebuildFromStore(PlotState& plot, const SweepRange& range, int button, int curveCount);

// One scale for both axes; nothing is drawn while unitsPerPixel is 0.
struct LocusScale {
    double unitsPerPixel = 0;
    double originX = 0;  // column of Re = 0
    double originY = 0;  // row of Im = 0
    bool drawable() const;
    PlotPoint pixel(ComplexValue v) const;
};

LocusScale locusScale(const LocusBounds& bounds, bool largeView);

// The row's points of the window as a line; a point of value exactly 0 is left out.
std::vector<PlotPoint> locusLine(const LocusRow& row, const LocusScale& scale,
                                 const SweepRange& range);

struct LocusCurve {
    std::vector<PlotPoint> points;
    bool selected = false;
};

// ortlinie from the origin to the point, Quadrat (its top left) at the point.
struct LocusPointer {
    bool visible = false;
    int point = 0;
    PlotPoint origin;
    PlotPoint tip;
    PlotPoint square;
};

struct LocusView {
    const SweepRange& range;
    int button = 1;                             // FgGroesse1..9 (one that carries a phase)
    int curveCount = 1;                         // curves 1..curveCount are drawn
    int selectedCurve = 1;                      // drawn last, in black, and followed by the pointer
    int pointerPosition = kLocusPointerCentre;  // OrtScroll
};

struct LocusPlotModel {
    bool largeView = false;
    int width = kPlotWidth;
    int height = 0;
    LocusScale scale;
    PlotPoint origin;                        // where the axes cross
    int realLabelRow = 0;                    // the row of the real-axis ticks under the plot
    std::vector<AxisLabel> imaginaryLabels;  // rows on ybild
    std::vector<AxisLabel> realLabels;       // columns on Bild1
    std::string yTitle;
    int yAxisWidth = kMinYAxisWidth;
    std::vector<LocusCurve> curves;   // the selected one last
    std::vector<PlotPoint> recalled;  // the recalled curve memory, over the curves
    LocusPointer pointer;
    bool gridLines = false;  // the large view draws dotted lines through the ticks
};

// DrawLocusAxes, DrawLocusCurves and PlaceLocusPointer in one model. `imaginaryWidth` measures
// the ybild labels, `realWidth` the real-axis labels (Arial 14 pixels).
LocusPlotModel DrawLocusPlot(const PlotState& plot, const LocusBounds& bounds,
                             const LocusView& view, const TextWidth& imaginaryWidth,
                             const TextWidth& realWidth);

LocusPointer PlaceLocusPointer(const PlotState& plot, const LocusScale& scale,
                               const LocusView& view);

// The points solved first in a locus sweep, so the axes stand before the curve grows.
std::array<int, kLocusProbeCount> locusProbePoints(const SweepRange& range);

// A point solved during a locus sweep: widens the bounds when it leaves them (to the right only
// when its column would pass 480); gives whether it did.
bool widenForSweptPoint(LocusBounds& bounds, const LocusScale& scale, ComplexValue v);

// Outside the locus plot "Rollbalken zentrieren" puts the scroll box back on the user's range;
// in it the button does nothing (-1).
inline int zentrierScrollPosition(bool locusMode) {
    return locusMode ? -1 : kNormalFirstPoint;
}

}  // namespace volmira
