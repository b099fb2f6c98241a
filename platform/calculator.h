#pragma once
// The system's calculator for the menu entry "Rechner": a running one comes to the front, else
// one is started.
#include <stdexcept>

namespace volmira {

struct CalculatorError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Activates a running calculator window (through xdotool, when installed) or starts the first
// installed program of kCalculatorPrograms that starts. Throws CalculatorError when none is
// installed or none starts.
void bringUpCalculator();

}  // namespace volmira
