#include "graphics/demo_script.h"

#include <array>

#include "graphics/miniature.h"
#include "schematic/symbol_catalogue.h"

namespace volmira {

namespace {

using enum DemoAction;

// The RCL network: a frame split by a line in column 22; the source on the left side, the
// resistor on the top, the coil on the middle line and the capacitor on the right side.
constexpr GridCell kFrameTopLeft{6, 4};
constexpr GridCell kFrameBottomRight{36, 22};
constexpr GridCell kLineTop{22, 4};
constexpr GridCell kLineBottom{22, 22};
constexpr GridCell kSource{5, 11};
constexpr GridCell kResistor{12, 4};
constexpr GridCell kCoil{22, 11};
constexpr GridCell kCapacitor{36, 11};
constexpr GridCell kCoilMiddle{22, 12};
constexpr GridCell kCapacitorMiddle{36, 12};

constexpr int kSourceCode = 5;
constexpr int kResistorCode = 1;
constexpr int kVerticalCoilCode = 8;
constexpr int kVerticalCapacitorCode = 9;

constexpr std::string_view kHoldLeft = "Linke Maustaste gedrückt halten";
constexpr std::string_view kEndLine = "Linie mit rechter Maustaste beenden";
constexpr std::string_view kTurnUpright = "Rechte Maustaste = Bauteil senkrecht";

constexpr GridPixel wirePixelOf(GridCell cell) {
    return {(cell.column - 1) * kPixelsPerCell + 2, (cell.row - 1) * kPixelsPerCell + 2};
}

constexpr GridPixel miniaturePixel(GridCell cell) {
    return {kMiniatureCell * cell.column, kMiniatureCell * cell.row};
}

const std::array kIntro = {
    std::string_view("Wenn Sie wollen, so startet jetzt eine"),
    std::string_view("Demonstration (Dauer ca. 1 Minute), die"),
    std::string_view("Ihnen einen ersten Einblick über die"),
    std::string_view("Funktionsweise des Programms gibt."),
};

const std::array kLines1 = {
    std::string_view("Die einzelnen Schritte der Demonstration können"),
    std::string_view("Sie mit WEITER oder der Eingabetaste abrufen."),
    std::string_view("Da das Programm den Mauszeiger selbst bewegt,"),
    std::string_view("sollten Sie am besten die Maus ruhig liegen lassen!"),
};
const std::array kLines2 = {
    std::string_view("Am oberer Rand des Bildes sehen Sie die Werk-"),
    std::string_view("zeugleiste mit den Bauteilen und Zeichenwerk-"),
    std::string_view("zeugen. Mit ihnen wurde soeben als"),
    std::string_view("Beispiel ein einfaches RCL-Glied erstellt."),
};
const std::array kLines3 = {
    std::string_view("Nachdem das Netzwerk komplett gezeichnet"),
    std::string_view("ist, wird der Schalter ANALYSE betätigt"),
};
const std::array kLines4 = {
    std::string_view("Der Analysevorgang lief in diesem einfachen"),
    std::string_view("Beispiel sehr schnell ab. Die Bauteile sind nun"),
    std::string_view("benannt und in der Liste eingetragen. Als nächstes"),
    std::string_view("folgt die Eingabe der Bauelemente-Werte"),
};
const std::array kLines5 = {
    std::string_view("Sind alle Bauteile korrekt eingegeben so muß"),
    std::string_view("die Taste BAUTEILEINGABE OK betätigt werden"),
};
const std::array kLines6 = {
    std::string_view("Das Programm hat sofort eine Berechnung mit"),
    std::string_view("voreingestellten Werten (1kHz, 1V) durchgeführt"),
};
const std::array kLines7 = {
    std::string_view("Die elektrischen Werte in den einzelnen Strom-"),
    std::string_view("zweigen zeigt die Tafel neben dem Schaltbild."),
    std::string_view("Sie fragen sie durch Anklicken des"),
    std::string_view("entsprechenden Schaltbildteils ab - Beispiel folgt."),
};
const std::array kLines8 = {
    std::string_view("Als nächstes soll als Beispiel der Frequenzgang"),
    std::string_view("der Spannung am Kondensator dargestellt werden."),
    std::string_view("Mit der Eingabetaste geht es weiter; dazu schal-"),
    std::string_view("ten Sie als erstes in den Grafikmodus;"),
};
const std::array kLines9 = {
    std::string_view("Sie sehen nun oben ein Fenster mit einer ver-"),
    std::string_view("kleinerten Darstellung des Schaltbildes. Dort"),
    std::string_view("wählen Sie den gewünschten Stromzweig; sein"),
    std::string_view("Anklicken startet die Grafikdarstellung selbständig."),
};
const std::array kLines10 = {
    std::string_view("Nebenstehend sehen Sie nun die grafische Darstellung"),
    std::string_view("des Frequenzganges (Spannung). "),
};
const std::array kLines11 = {
    std::string_view("Zum Schluss folgt noch ein Beispiel für eine sog. "),
    std::string_view("Ortskurve. Dabei werden Betrag und Phase der"),
    std::string_view("Spannung für alle Frequenzen des Bereiches"),
    std::string_view("gleichzeitig dargestellt"),
};
const std::array kLines12 = {
    std::string_view(
        "Die Demonstration ist damit zu Ende. Es konnte hier selbstverständlich nur ein"),
    std::string_view("kleiner Teil der Möglichkeiten des Programms gezeigt werden. So lassen sich"),
    std::string_view("neben der Spannung auch Strom, Scheinwiderstand, Verstärkung, Leistungen"),
    std::string_view("und Phasen jedes Stromzweiges als Frequenzgang oder Ortskurve darstellen,"),
    std::string_view("die Kurven ausmessen und speichern und zusammen mit dem Schaltbild, der"),
    std::string_view("Bauteilliste und Frequenztabellen auf eine Druckseite bringen."),
    std::string_view(""),
    std::string_view(
        "Als weitere Funktion sei hier nur beispielhaft die Darstellung von Kurvenscharen"),
    std::string_view("(= ein Bauteil als Parameter) genannt. "),
    std::string_view(""),
    std::string_view(
        "Falls Sie mit dem Programm weiterhin arbeiten, finden Sie im Menü \"HILFE\" "),
    std::string_view(
        "zusätzliche Informationen. Besonders sei hier auf den Punkt \"Arbeitsoberfläche\""),
    std::string_view("hingewiesen. Wenn Sie sich nach dem Anwählen über die einzelnen Objekte"),
    std::string_view(
        "(Schalter usw.) bewegen, so wird Ihnen deren Funktion ausführlich erläutert."),
    std::string_view(""),
    std::string_view("Mit ABBRUCH beenden Sie die Demonstration; das Programm beginnt dann mit"),
    std::string_view("einem neuen, leeren Netzwerk."),
};

const std::array kDrawNetwork = {
    DemoStepAction{Press, "Sym14"},
    DemoStepAction{Hint, kHoldLeft},
    DemoStepAction{Drag, {}, wirePixelOf(kFrameTopLeft), wirePixelOf(kFrameBottomRight)},
    DemoStepAction{Press, "Sym15"},
    DemoStepAction{Hint, kEndLine},
    DemoStepAction{Click, {}, wirePixelOf(kLineTop)},
    DemoStepAction{RightClick, {}, wirePixelOf(kLineBottom)},
    DemoStepAction{Press, "Sym16"},
    DemoStepAction{Click, {}, wirePixelOf(kLineTop)},
    DemoStepAction{Click, {}, wirePixelOf(kLineBottom)},
    DemoStepAction{Press, "Sym1"},
    DemoStepAction{Click, {}, symbolPlacementPixel(kSourceCode, kSource)},
    DemoStepAction{Press, "Sym4"},
    DemoStepAction{Click, {}, symbolPlacementPixel(kResistorCode, kResistor)},
    DemoStepAction{Press, "Sym5"},
    DemoStepAction{Hint, kTurnUpright},
    DemoStepAction{RightClick, {}, symbolPlacementPixel(kVerticalCoilCode, kCoil)},
    DemoStepAction{Click, {}, symbolPlacementPixel(kVerticalCoilCode, kCoil)},
    DemoStepAction{Press, "Sym6"},
    DemoStepAction{Hint, kTurnUpright},
    DemoStepAction{RightClick, {}, symbolPlacementPixel(kVerticalCapacitorCode, kCapacitor)},
    DemoStepAction{Click, {}, symbolPlacementPixel(kVerticalCapacitorCode, kCapacitor)},
    DemoStepAction{Press, "Sym26"},
    DemoStepAction{Redraw},
};
const std::array kAnalyse = {DemoStepAction{Press, "analys"}};
const std::array kTypeValues = {
    DemoStepAction{Type, "12", {}, {}, 1},
    DemoStepAction{Type, "3,3m", {}, {}, 2},
    DemoStepAction{Type, "1,5u", {}, {}, 3},
};
const std::array kConfirm = {DemoStepAction{Press, "BtOK"}};
const std::array kQueryBranches = {
    DemoStepAction{Click, {}, wirePixelOf(kCoilMiddle)},
    DemoStepAction{Click, {}, wirePixelOf(kCapacitorMiddle)},
};
const std::array kGraphicMode = {
    DemoStepAction{Press, "wkmod4"},
    DemoStepAction{PanelAside},
    DemoStepAction{ScrollHome},
};
// "Spannung" is the second quantity button; the branch click starts the sweep.
const std::array kVoltageCurve = {
    DemoStepAction{Press, "FgGroesse2"},
    DemoStepAction{PickBranch, {}, miniaturePixel(kCapacitorMiddle)},
};
const std::array kLocus = {DemoStepAction{Press, "Ort"}, DemoStepAction{EnlargePanel}};

const std::array kSteps = {
    DemoStep{{}, kLines1},           DemoStep{kDrawNetwork, kLines2},
    DemoStep{{}, kLines3},           DemoStep{kAnalyse, kLines4},
    DemoStep{kTypeValues, kLines5},  DemoStep{kConfirm, kLines6},
    DemoStep{{}, kLines7},           DemoStep{kQueryBranches, kLines8},
    DemoStep{kGraphicMode, kLines9}, DemoStep{kVoltageCurve, kLines10},
    DemoStep{{}, kLines11},          DemoStep{kLocus, kLines12},
};
static_assert(kSteps.size() == kDemoStepCount);

}  // namespace

std::span<const std::string_view> demoIntroLines() {
    return kIntro;
}

const DemoStep& demoStep(int step) {
    return kSteps.at(static_cast<std::size_t>(step - 1));
}

GridPixel symbolPlacementPixel(int code, GridCell cell) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    const GridPixel corner = wirePixelOf(cell);
    return {corner.x + catalogue.width(code) * kPixelsPerCell / 2,
            corner.y + catalogue.height(code) * kPixelsPerCell / 2};
}

}  // namespace volmira
