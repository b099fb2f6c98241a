#pragma once
// The two memories of the curve plot: the image memory keeps the pixel rows of a drawn curve and
// lays them over later plots; the curve memory keeps the values of a curve and shows them again
// over a later plot with the same frequency axis.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/curve_plot.h"
#include "graphics/curve_store.h"
#include "graphics/locus_plot.h"
#include "graphics/sweep_range.h"

namespace volmira {

// Einbrenn: the row of each column 1..896 of the drawn curve; kEmptyColumn where none was drawn.
inline constexpr std::int16_t kEmptyColumn = -9998;
using ImageMemory = std::array<std::int16_t, kSweepLastPoint + 1>;

// The rows of the selected curve of a laid-out plot.
ImageMemory BurnIn(const CurvePlotModel& model);
// The overlay: a polyline through the non-empty columns.
std::vector<PlotPoint> imageOverlay(const ImageMemory& memory);

inline constexpr std::string_view kCurveMemoryMismatch =
    "Kurvenüberlagerung kann nicht durchgeführt werden. "
    "Frequenzgrenzen oder Achse (log/lin) stimmen nicht überein!";

// EinSpei / AusSpei: every quantity and phase of one curve, points 0..896, and the key of the
// frequency axis it was swept on.
struct CurveMemory {
    std::array<std::array<double, kSweepLastPoint + 1>, kQuantityCount> values;
    std::array<std::array<double, kSweepLastPoint + 1>, kPhaseCellCount> phases;
    std::string key;  // empty: nothing stored
};

// The extended bounds of the axis in use, each as the default number text, one after the other.
std::string curveMemoryKey(const SweepRange& range, bool logarithmic);

void StoreCurve(CurveMemory& memory, const PlotState& plot, int curve, const SweepRange& range,
                bool logarithmic);
// Whether the stored curve was swept on the axis now in use.
bool curveMemoryMatches(const CurveMemory& memory, const SweepRange& range, bool logarithmic);

// While the memory is shown its values of the button's quantity count for the automatic range.
void includeCurveMemory(ScaleRecord& scale, const CurveMemory& memory, int button);
// The memory's values of the button's quantity with their phases, for the locus plot.
LocusRow locusRow(const CurveMemory& memory, int button);
// The memory's values of the button's quantity as a polyline in the plot's scale.
std::vector<PlotPoint> curveMemoryLine(const CurveMemory& memory, const ScaleRecord& scale,
                                       const PlotRows& rows, int button);

}  // namespace volmira
