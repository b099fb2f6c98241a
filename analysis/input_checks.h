#pragma once
// Checks of the single-frequency inputs: the frequency field FqEinzel and the voltage field
// SpEingabe. A refused value keeps the previous one; the message names the problem.
#include <string_view>

namespace volmira {

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

}  // namespace volmira
