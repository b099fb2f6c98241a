#pragma once
// The refusals of the graphic mode's inputs; each gives the message to show, empty when the
// input is accepted.
#include <string_view>

namespace volmira {

inline constexpr std::string_view kZeroSweepFrequencyMessage = "Frequenz 0 ist nicht erlaubt";
inline constexpr std::string_view kRangeReversedMessage = "MinFrequenz > MaxFrequenz !";
inline constexpr std::string_view kNoGainMessage =
    "Bitte andere elektrische Größe wählen! Wegen Impedanzwerte=0 keine Berechnung möglich!";

// A parsed FqVon or FqBis: 0, a negative and a non-finite frequency are refused.
std::string_view sweepBoundMessage(double frequency);

// Before a sweep: gain and voltage phase need a branch with impedance (the sum of its three
// component values), and the range must rise.
std::string_view sweepStartMessage(int slot, double branchValueSum, double fMin, double fMax);

}  // namespace volmira
