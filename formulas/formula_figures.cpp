#include "formulas/formula_figures.h"

#include <array>
#include <string_view>

namespace volmira {

namespace {

enum class Part { Resistor, Inductor, Capacitor };

// Two-terminal parts are 60 pixels long from lead end to lead end.
constexpr int kPartHalf = 30;
constexpr int kLeft = 40;  // terminals
constexpr int kRight = 360;

class FigureBuilder {
  public:
    CircuitFigure figure;

    void line(int x1, int y1, int x2, int y2, int width = 1) {
        figure.lines.push_back({x1, y1, x2, y2, width});
    }
    void box(int x, int y, int width, int height, bool filled) {
        figure.boxes.push_back({x, y, width, height, filled});
    }
    void label(int x, int y, std::string text) { figure.labels.push_back({x, y, std::move(text)}); }

    void terminal(int x, int y) { box(x - 3, y - 3, 6, 6, false); }

    // The two terminals at height y with their wires to the circuit between x = from and to.
    void leads(int y, int from, int to) {
        terminal(kLeft, y);
        terminal(kRight, y);
        line(kLeft + 3, y, from, y);
        line(to, y, kRight - 3, y);
    }

    // A part centred on (x, y), lying horizontally or standing.
    void part(Part kind, int x, int y, bool standing = false) {
        const auto segment = [&](int from, int to, int width = 1) {
            if (standing)
                line(x, y + from, x, y + to, width);
            else
                line(x + from, y, x + to, y, width);
        };
        const auto across = [&](int at, int half, int width) {
            if (standing)
                line(x - half, y + at, x + half, y + at, width);
            else
                line(x + at, y - half, x + at, y + half, width);
        };
        if (kind == Part::Capacitor) {
            segment(-kPartHalf, -4);
            segment(4, kPartHalf);
            across(-4, 14, 3);
            across(4, 14, 3);
            return;
        }
        segment(-kPartHalf, -20);
        segment(20, kPartHalf);
        const bool filled = kind == Part::Inductor;
        if (standing)
            box(x - 7, y - 20, 14, 40, filled);
        else
            box(x - 20, y - 7, 40, 14, filled);
    }

    // A measure from x1 to x2 at height y with end ticks and arrow heads.
    void span(int x1, int x2, int y) {
        line(x1, y, x2, y);
        line(x1, y - 6, x1, y + 6);
        line(x2, y - 6, x2, y + 6);
        line(x1, y, x1 + 6, y - 3);
        line(x1, y, x1 + 6, y + 3);
        line(x2, y, x2 - 6, y - 3);
        line(x2, y, x2 - 6, y + 3);
    }

    // "ω = 2π f" under the circuit, for the variants that take the angular frequency.
    void omegaNote() {
        label(150, 205, "014w");
        label(166, 207, "010= 2");
        label(190, 205, "014p");
        label(203, 207, "010 f");
    }

    // Two parts one after the other between the terminals; `total` names the whole.
    void series(Part first, Part second, std::string firstName, std::string secondName,
                std::string total) {
        constexpr int y = 95;
        leads(y, 140 - kPartHalf, 260 + kPartHalf);
        part(first, 140, y);
        line(140 + kPartHalf, y, 260 - kPartHalf, y);
        part(second, 260, y);
        label(130, 60, "010" + firstName);
        label(250, 60, "010" + secondName);
        span(kLeft, kRight, 145);
        label(185, 152, "010" + total);
    }

    // Two parts side by side between the terminals, `first` above; no measure without `total`.
    void parallel(Part first, Part second, std::string firstName, std::string secondName,
                  std::string total) {
        constexpr int y = 98;
        constexpr int top = 60;
        constexpr int bottom = 136;
        leads(y, 120, 280);
        for (int x : {120, 280}) line(x, top, x, bottom);
        for (int at : {top, bottom}) {
            line(120, at, 200 - kPartHalf, at);
            part(at == top ? first : second, 200, at);
            line(200 + kPartHalf, at, 280, at);
        }
        label(232, top - 26, "010" + firstName);
        label(232, bottom + 10, "010" + secondName);
        if (total.empty()) return;
        span(kLeft, kRight, 174);
        label(185, 180, "010" + total);
    }

    void single(Part kind, std::string name, std::string total) {
        constexpr int y = 95;
        leads(y, 200 - kPartHalf, 200 + kPartHalf);
        part(kind, 200, y);
        label(195, 60, "010" + name);
        span(kLeft, kRight, 145);
        label(190, 152, "010" + total);
    }

    // A cross-section "A" pointed at by an arrow from the left.
    void crossSection(int y) {
        label(6, y, "111A");
        label(24, y - 10, "113ð");
    }

    // "ε0 = 8,86 x 10^-12 As/Vm" or "µ0 = 1,256 x 10^-6 Vs/Am" along the bottom.
    void constantLine(char greek, std::string value, int exponentX, std::string exponent) {
        label(20, 196, std::string("014") + greek);
        label(30, 206, "0100");
        label(45, 199, "010" + value);
        label(exponentX, 191, "010" + exponent);
    }
};

void conductor(FigureBuilder& b, int variant) {
    b.box(80, 90, 260, 30, false);
    b.box(74, 88, 12, 34, false);
    b.span(80, 340, 68);
    b.label(185, 40, "111  l  ");
    b.crossSection(94);
    if (variant == 1) {
        b.label(80, 150, "014r");
        b.label(94, 152, "010 = spezifischer Widerstand");
    } else {
        b.label(80, 150, "014g");
        b.label(94, 152, "010 = Leitfähigkeit");
    }
}

void plateCapacitor(FigureBuilder& b) {
    b.leads(105, 150, 254);
    b.box(150, 50, 24, 110, true);
    b.box(230, 50, 24, 110, true);
    b.label(155, 95, "121A");
    b.span(174, 230, 172);
    b.label(196, 150, "111d");
    b.constantLine('e', "= 8,86 x 10      As/Vm", 122, "-12");
}

void chargedCapacitor(FigureBuilder& b) {
    b.single(Part::Capacitor, "C", "U");
    b.label(150, 70, "010+Q");
    b.label(236, 70, "010-Q");
}

void coil(FigureBuilder& b) {
    constexpr int top = 85;
    constexpr int bottom = 125;
    b.box(80, top + 5, 240, 30, false);
    b.leads(top, 90, 310);
    for (int x = 90; x < 310; x += 20) {
        b.line(x, top, x + 10, bottom, 2);
        b.line(x + 10, bottom, x + 20, top, 1);
    }
    b.span(80, 320, 60);
    b.label(185, 34, "111  l  ");
    b.crossSection(96);
    b.label(150, 140, "010N Windungen");
    b.constantLine('m', "= 1,256 x 10    Vs/Am", 131, "-6");
}

// The RL and RC circuits of the fourth page and the resonant circuit.
void rclCircuit(FigureBuilder& b, const FormulaKey& key) {
    if (key.formula == 5) {
        b.parallel(Part::Inductor, Part::Capacitor, "L", "C", "");
        return;
    }
    const bool inductive = key.formula <= 2;
    const Part reactive = inductive ? Part::Inductor : Part::Capacitor;
    std::string name = inductive ? "L" : "C";
    if (key.variant == 1) name = "X";
    if (key.formula % 2 == 1)
        b.parallel(Part::Resistor, reactive, "R", name, "  Z  ");
    else
        b.series(Part::Resistor, reactive, "R", name, "  Z  ");
    if (key.variant == 2) b.omegaNote();
}

}  // namespace

CircuitFigure circuitFigure(const FormulaKey& key) {
    FigureBuilder b;
    b.label(8, 4, "111" + std::string(formulaVariant(key).title));
    // The first three pages each hold one kind of part: series, parallel, then one part.
    static constexpr std::array<Part, 3> kPageParts = {Part::Resistor, Part::Capacitor,
                                                       Part::Inductor};
    static constexpr std::array<std::string_view, 3> kPageLetters = {"R", "C", "L"};
    const bool onePartPage = key.page <= 3;
    const Part kind = onePartPage ? kPageParts[key.page - 1] : Part::Resistor;
    const std::string letter = onePartPage ? std::string(kPageLetters[key.page - 1]) : "";
    if (onePartPage && key.formula == 1) {
        b.series(kind, kind, letter + "1", letter + "2", "  " + letter + "g  ");
    } else if (onePartPage && key.formula == 2) {
        b.parallel(kind, kind, letter + "1", letter + "2", "  " + letter + "g  ");
    } else if (onePartPage && key.page > 1 && key.formula == 3) {
        b.single(kind, letter, kind == Part::Capacitor ? "Xc" : "Xl");
        if (key.variant == 1) b.omegaNote();
    } else if (key.page == 1) {
        conductor(b, key.variant);
    } else if (key.page == 2) {
        if (key.variant == 1)
            plateCapacitor(b);
        else
            chargedCapacitor(b);
    } else if (key.page == 3) {
        coil(b);
    } else {
        rclCircuit(b, key);
    }
    return b.figure;
}

}  // namespace volmira
