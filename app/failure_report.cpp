#include "app/failure_report.h"

#include "common/progress.h"
#include "schematic/network_file.h"

namespace volmira {

namespace {

// Names the calculators looked for, as the menu entry cannot start one that is not installed.
std::string calculatorMessage() {
    std::string text = "Volmira konnte keinen Rechner starten. Gesucht wurden:\n";
    for (std::size_t i = 0; i < kCalculatorPrograms.size(); ++i) {
        if (i > 0) text += i + 1 == kCalculatorPrograms.size() ? " und " : ", ";
        text += kCalculatorPrograms[i];
    }
    text += ".\nKeines dieser Programme ist installiert.";
    return text;
}

}  // namespace

std::string_view failureMessage(std::int32_t code) {
    switch (code) {
        case progress::kSolver:
            return "Beim Lösen des Gleichungssystems ist ein Fehler aufgetreten.\n"
                   "Möglicherweise enthält die Schaltung einen Kurzschluß!";
        case progress::kOpen:
        case progress::kSave:
            return kFileAccessError;
        case progress::kCalculator: {
            static const std::string calculator = calculatorMessage();
            return calculator;
        }
        default:
            return "Beim Programmablauf von Volmira ist ein\n"
                   "nicht näher spezifizierter Fehler aufgetreten";
    }
}

std::string failureReportText(std::int32_t code) {
    std::string text(failureMessage(code));
    text +=
        "\n\nWenn Sie \"Ignorieren\" wählen, können Sie das Prog-\n"
        "ramm vermutlich fortsetzen. \"Abbruch\" beendet es!\n"
        "(Interner Fehlercode: ";
    text += std::to_string(code);
    text += ")";
    return text;
}

}  // namespace volmira
