#include "graphics/readout.h"

#include "analysis/quantities.h"
#include "analysis/value_text.h"

namespace volmira {

std::optional<Readout> readoutAt(const ReadoutSource& source, int column) {
    if (column < 0 || column > kSweepLastPoint || source.plot.computedCount <= 0)
        return std::nullopt;
    Readout out;
    out.frequency = formatValue(source.xUnit, source.digits,
                                pointFrequency(source.range, column, source.logarithmic));
    const int slot = selectorSlot(source.button);
    const double value = source.plot.curves.at(source.curve, slot, column);
    if (!isComputed(value)) return out;
    out.value = formatValue(readoutUnitForSelector(source.button), source.digits, value);
    const double phase = slot < kPhaseCellCount
                             ? source.plot.phases.at(source.curve, slot, column) / kDegreeFactor
                             : 0;
    out.phase = formatValue(kUnitDegree, 8, phase);
    return out;
}

}  // namespace volmira
