#pragma once
// The system's calculator for the menu entry "Rechner": a running one comes to the front, else
// one is started.
#include <QStringList>
#include <stdexcept>

namespace volmira {

struct CalculatorError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Calculator programs looked for, in order of preference.
QStringList calculatorPrograms();

// Activates a running calculator window (through xdotool, when installed) or starts the first
// calculator program found. Throws CalculatorError when none is installed or it cannot start.
void bringUpCalculator();

}  // namespace volmira
