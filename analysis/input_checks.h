#pragma once
// Checks of the frequency and voltage inputs: the single-frequency fields FqEinzel and
// SpEingabe and the sweep bounds FqVon and FqBis. A refused value keeps the previous one; the
// message names the problem.
//
// Frequencies and voltages must lie in a range in which no step of the calculation overflows:
// 1 uHz to 1 THz (or 0 Hz for a network without capacitors and inductors), 1 pV to 1 GV. Even
// at the widened ends of the widest sweep (1e-15 Hz and 1e21 Hz) w L and 1 / (w C) then stay
// far inside the numbers' range for component values from 1 p to 1000 T.
#include <string_view>

namespace volmira {

inline constexpr double kMinFrequency = 1e-6;  // Hz
inline constexpr double kMaxFrequency = 1e12;
inline constexpr double kMinVoltage = 1e-12;  // V
inline constexpr double kMaxVoltage = 1e9;

struct FrequencyCheck {
    bool accepted = false;
    bool directCurrent = false;  // f = 0 in a network without capacitors and inductors
    std::string_view message;    // empty when accepted
};

struct VoltageCheck {
    bool accepted = false;
    std::string_view message;
};

// `frequency` is the parsed field; `hasReactiveComponents` tells whether the network holds a
// capacitor or an inductor.
FrequencyCheck checkFrequencyInput(double frequency, bool hasReactiveComponents);
VoltageCheck checkVoltageInput(double voltage);

// A bound of the sweep range: never 0, else as a single frequency.
FrequencyCheck checkSweepBound(double frequency);

}  // namespace volmira
