#pragma once
// Where the characteristic values lie on the drawn curve: the resonance (the maximum) and the
// two -3 dB points as pixel positions of the curve plot, for the marks painted over it.
#include <vector>

#include "graphics/characteristic_values.h"
#include "graphics/curve_plot.h"

namespace volmira {

struct CharacteristicMarker {
    enum class Kind { Resonance, Cutoff };
    Kind kind = Kind::Resonance;
    int x = 0;  // pixel column of Bild1
    int y = 0;  // pixel row, as the curve is drawn
};

// The column of frequency f on the plot's axis (one column per sweep point), rounded.
double frequencyColumn(const SweepRange& range, bool logarithmic, double frequency);

// The markers of the values that exist and lie inside the drawn columns; the scale must have a
// span (a curve is drawn).
std::vector<CharacteristicMarker> characteristicMarkers(const CharacteristicValues& values,
                                                        const CurvePlotModel& model,
                                                        const ScaleRecord& scale,
                                                        const SweepRange& range, bool logarithmic);

}  // namespace volmira
