#include "analysis/input_checks.h"

#include <cmath>

namespace volmira {

FrequencyCheck checkFrequencyInput(double frequency, bool hasReactiveComponents) {
    if (!std::isfinite(frequency)) return {false, false, "Ungültige Frequenz"};
    if (frequency < 0) return {false, false, "Negative Frequenz ist nicht erlaubt"};
    if (frequency == 0) {
        if (hasReactiveComponents)
            return {false, false, "Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt"};
        return {true, true, {}};
    }
    if (frequency < kMinFrequency) return {false, false, "Frequenz unter 1 uHz ist nicht erlaubt"};
    if (frequency > kMaxFrequency) return {false, false, "Frequenz über 1 THz ist nicht erlaubt"};
    return {true, false, {}};
}

VoltageCheck checkVoltageInput(double voltage) {
    if (!std::isfinite(voltage)) return {false, "Ungültige Spannung"};
    if (voltage < 0) return {false, "Negative Spannung ist nicht erlaubt"};
    if (voltage == 0) return {false, "Spannung ´0 V´ ist nicht erlaubt"};
    if (voltage < kMinVoltage) return {false, "Spannung unter 1 pV ist nicht erlaubt"};
    if (voltage > kMaxVoltage) return {false, "Spannung über 1 GV ist nicht erlaubt"};
    return {true, {}};
}

FrequencyCheck checkSweepBound(double frequency) {
    if (frequency == 0) return {false, false, "Frequenz 0 ist nicht erlaubt"};
    return checkFrequencyInput(frequency, true);
}

}  // namespace volmira
