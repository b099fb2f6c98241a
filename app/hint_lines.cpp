#include "app/hint_lines.h"

namespace volmira {

namespace {
constexpr const char* kF1Text =
    "F1 ruft die Hilfe auf !    Beim Bewegen der Maus über die einzelnen Elemente wird Ihnen "
    "deren Funktion dann erläutert.";
}

HintLines hintLines(int mode) {
    switch (mode) {
        case 1:
            return {
                " Entwerfen Sie das Netzwerk mit Hilfe der obigen Werkzeugleiste.      Wie "
                "dies geschieht, erfahren Sie am besten, indem Sie im Menü  \"Hilfe\"  den "
                "Punkt  \"Demo starten\"  auswählen.",
                std::string(" Wenn das Netzwerk komplett erstellt ist, betätigen Sie den "
                            "Schalter \"Analyse\".     ") +
                    kF1Text};
        case 2:
            return {
                " Geben Sie die Bauteile-Werte ein !   Dazu klicken Sie entweder das "
                "entsprechende Bauteil oder das Eingabefeld in der Liste an.   Die Syntax "
                "der Eingabe erfahren Sie, indem Sie mit F1 die Hilfe aufrufen",
                " u. die Maus über die Bauteilliste bewegen.  Sind die Werte aller "
                "Bauelemente komplett eingegeben, so betätigen Sie den Schalter "
                "\"Bauteileingabe OK\""};
        case 3:
            return {
                " Die elektrischen Verhältnisse in den Stromzweigen können Sie durch "
                "Anklicken des gewünschten Stromzweiges abfragen",
                " Die eingestellten Defaultwerte 1 kHz / 1 V  können Sie jederzeit ändern.  "
                "  Mit F1 rufen Sie die Hilfe auf !"};
        case 4:
            return {" Auf dieser Seite werden Frequenz- und Orstkurven dargestellt.",
                    std::string(" ") + kF1Text};
        default:
            return {};
    }
}

HintLines lineToolHintLines() {
    return {" Linien zeichnen: Jeder Klick mit der linken Maustaste setzt einen Eckpunkt.",
            " Die rechte Maustaste oder die Taste Esc beendet die Linie am Mauszeiger.   "
            "Strg+Z nimmt die ganze Linie zurück."};
}

}  // namespace volmira
