#include "graphics/characteristic_markers.h"

#include <cmath>

namespace volmira {

double frequencyColumn(const SweepRange& range, bool logarithmic, double frequency) {
    if (logarithmic) return std::log(frequency / range.fMinExt) / std::log(range.ratioPerPoint);
    return (frequency - range.fMinLin) * kSweepLastPoint / (range.fMaxLin - range.fMinLin);
}

std::vector<CharacteristicMarker> characteristicMarkers(const CharacteristicValues& values,
                                                        const CurvePlotModel& model,
                                                        const ScaleRecord& scale,
                                                        const SweepRange& range, bool logarithmic) {
    std::vector<CharacteristicMarker> out;
    if (!values.maximum || scale.span == 0) return out;
    auto add = [&](CharacteristicMarker::Kind kind, std::optional<double> frequency, double v) {
        if (!frequency) return;
        const double x = frequencyColumn(range, logarithmic, *frequency);
        if (!(x >= 0 && x <= kSweepLastPoint)) return;
        out.push_back(
            {kind, int(std::lround(x)), valueRow(scale, model.rows, v, kCurveRowOffset).row});
    };
    add(CharacteristicMarker::Kind::Resonance, values.maximum->frequency, values.maximum->value);
    if (values.hasCutoffs) {
        const double level = cutoffLevel(values.quantity, values.maximum->value);
        add(CharacteristicMarker::Kind::Cutoff, values.lowerCutoff, level);
        add(CharacteristicMarker::Kind::Cutoff, values.upperCutoff, level);
    }
    return out;
}

}  // namespace volmira
