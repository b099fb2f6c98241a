#include "graphics/sweep_checks.h"

#include "analysis/input_checks.h"
#include "analysis/quantities.h"

namespace volmira {

std::string_view sweepBoundMessage(double frequency) {
    if (frequency == 0) return kZeroSweepFrequencyMessage;
    return checkFrequencyInput(frequency, true).message;
}

std::string_view sweepStartMessage(int slot, double branchValueSum, double fMin, double fMax) {
    const bool needsImpedance = slot == static_cast<int>(ElectricalQuantity::Gain) ||
                                slot == static_cast<int>(ElectricalQuantity::VoltagePhase);
    if (needsImpedance && branchValueSum == 0) return kNoGainMessage;
    if (!(fMin < fMax)) return kRangeReversedMessage;
    return {};
}

}  // namespace volmira
