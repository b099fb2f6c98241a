#include "app/failure_report.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

constexpr const char* kSuffix =
    "\n\nWenn Sie \"Ignorieren\" wählen, können Sie das Prog-\n"
    "ramm vermutlich fortsetzen. \"Abbruch\" beendet es!\n(Interner Fehlercode: ";

TEST(FailureReport, MessageByCodeAndSuffixWithTheCode) {
    struct Case {
        int code;
        const char* message;
    };
    const char* general =
        "Beim Programmablauf von Volmira ist ein\nnicht näher spezifizierter Fehler aufgetreten";
    const Case cases[] = {
        {23,
         "Beim Lösen des Gleichungssystems ist ein Fehler aufgetreten.\n"
         "Möglicherweise enthält die Schaltung einen Kurzschluß!"},
        {181, "Beim Dateizugriff ist ein Fehler aufgetreten."},
        {191, "Beim Dateizugriff ist ein Fehler aufgetreten."},
        {995,
         "Volmira konnte keinen Rechner starten. Gesucht wurden:\ngnome-calculator, kcalc, "
         "galculator, mate-calc, qalculate-gtk und xcalc.\nKeines dieser Programme ist "
         "installiert."},
        {0, general},
        {24, general},
        {-5, general},
        {4412, general},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(failureMessage(c.code), c.message);
        EXPECT_EQ(failureReportText(c.code),
                  std::string(c.message) + kSuffix + std::to_string(c.code) + ")");
    }
}

}  // namespace
}  // namespace volmira
