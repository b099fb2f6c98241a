#include "graphics/range_frequencies.h"

#include "graphics/graphic_state.h"

namespace volmira {

std::vector<double> windowFrequencies(const SweepRange& range, bool logarithmic) {
    std::vector<double> frequencies;
    for (int point = range.firstPoint; point <= range.lastPoint; ++point) {
        const double f = pointFrequency(range, point, logarithmic);
        if (f > 0) frequencies.push_back(f);
    }
    return frequencies;
}

SweepRange userSweepRange(const InputFields& fields) {
    const BoundInput low = acceptSweepBound(fields.fqVon);
    const BoundInput high = acceptSweepBound(fields.fqBis);
    if (!low.accepted || !high.accepted || !(low.value < high.value)) return {};
    return DeriveBounds(low.value, high.value, false);
}

RangeCharacteristics userRangeCharacteristics(Calculation& calculation, const InputFields& fields,
                                              int branch, int button) {
    RangeCharacteristics out;
    const Network& network = calculation.network();
    if (!calculation.valuesConfirmed() || branch < 1 || branch > network.branchCount) return out;
    out.refusal = sweepRefusal(button, branch, network, fields.fqVon, fields.fqBis);
    if (!out.refusal.empty()) return out;
    // Logarithmic points bracket as finely in every decade.
    out.values = branchCharacteristics(calculation, branch, quantityForSelector(button),
                                       windowFrequencies(userSweepRange(fields), true));
    return out;
}

}  // namespace volmira
