#include "formulas/formula_displays.h"

#include <algorithm>
#include <array>

#include "formulas/formula_layout.h"

namespace volmira {

namespace {

struct Notation {
    int code;  // FormulaKey
    std::string_view text;
};

// Sought quantity on the left. "~w" ω, "~p" π, "~r" ρ, "~g" γ, "~e" ε, "~m" µ.
constexpr std::array<Notation, 97> kNotations = {{
    {1111, "Rg = R1 + R2"},
    {1112, "R1 = Rg - R2"},
    {1113, "R2 = Rg - R1"},
    {1211, "Rg = {R1*R2/R1 + R2}"},
    {1212, "R1 = {R2*Rg/R2 - Rg}"},
    {1213, "R2 = {R1*Rg/R1 - Rg}"},
    {1311, "R = {~r*l/A}"},
    {1312, "~r = {R*A/l}"},
    {1313, "A = {~r*l/R}"},
    {1314, "l = {R*A/~r}"},
    {1321, "R = {l/~g*A}"},
    {1322, "l = R*~g*A"},
    {1323, "~g = {l/R*A}"},
    {1324, "A = {l/R*~g}"},
    {2111, "Cg = {C1*C2/C1 + C2}"},
    {2112, "C1 = {C2*Cg/C2 - Cg}"},
    {2113, "C2 = {C1*Cg/C1 - Cg}"},
    {2211, "Cg = C1 + C2"},
    {2212, "C1 = Cg - C2"},
    {2213, "C2 = Cg - C1"},
    {2311, "Xc = {1/~w*C}"},
    {2312, "~w = {1/Xc*C}"},
    {2313, "C = {1/~w*Xc}"},
    {2321, "Xc = {1/2~p*f*C}"},
    {2322, "f = {1/2~p*Xc*C}"},
    {2323, "C = {1/2~p*f*Xc}"},
    {2411, "C = {~e_0*~e_r*A/d}"},
    {2412, "A = {C*d/~e_0*~e_r}"},
    {2413, "d = {~e_0*~e_r*A/C}"},
    {2414, "~e_r = {C*d/~e_0*A}"},
    {2421, "C = {Q/U}"},
    {2422, "Q = C*U"},
    {2423, "U = {Q/C}"},
    {3111, "Lg = L1 + L2"},
    {3112, "L1 = Lg - L2"},
    {3113, "L2 = Lg - L1"},
    {3211, "Lg = {L1*L2/L1 + L2}"},
    {3212, "L1 = {L2*Lg/L2 - Lg}"},
    {3213, "L2 = {L1*Lg/L1 - Lg}"},
    {3311, "XL = ~w*L"},
    {3312, "~w = {XL/L}"},
    {3313, "L = {XL/~w}"},
    {3321, "XL = 2~p*f*L"},
    {3322, "f = {XL/2~p*L}"},
    {3323, "L = {XL/2~p*f}"},
    {3411, "L = {~m_0*~m_r*N^2*A/l}"},
    {3412, "N = [{L*l/~m_0*~m_r*A}]"},
    {3413, "A = {L*l/~m_0*~m_r*N^2}"},
    {3414, "l = {~m_0*~m_r*N^2*A/L}"},
    {3415, "~m_r = {L*l/~m_0*N^2*A}"},
    {4111, "Z = {R*X/[R^2 + X^2]}"},
    {4112, "R = {Z*X/[X^2 - Z^2]}"},
    {4113, "X = {Z*R/[R^2 - Z^2]}"},
    {4121, "Z = {R*~w*L/[R^2 + (~w*L)^2]}"},
    {4122, "R = {Z*~w*L/[(~w*L)^2 - Z^2]}"},
    {4123, "~w = {Z*R/L*[R^2 - Z^2]}"},
    {4124, "L = {Z*R/~w*[R^2 - Z^2]}"},
    {4131, "Z = {R*2~p*f*L/[R^2 + (2~p*f*L)^2]}"},
    {4132, "R = {Z*2~p*f*L/[(2~p*f*L)^2 - Z^2]}"},
    {4133, "f = {Z*R/2~p*L*[R^2 - Z^2]}"},
    {4134, "L = {Z*R/2~p*f*[R^2 - Z^2]}"},
    {4211, "Z = [R^2 + X^2]"},
    {4212, "R = [Z^2 - X^2]"},
    {4213, "X = [Z^2 - R^2]"},
    {4221, "Z = [R^2 + (~w*L)^2]"},
    {4222, "R = [Z^2 - (~w*L)^2]"},
    {4223, "~w = {[Z^2 - R^2]/L}"},
    {4224, "L = {[Z^2 - R^2]/~w}"},
    {4231, "Z = [R^2 + (2~p*f*L)^2]"},
    {4232, "R = [Z^2 - (2~p*f*L)^2]"},
    {4233, "f = {[Z^2 - R^2]/2~p*L}"},
    {4234, "L = {[Z^2 - R^2]/2~p*f}"},
    {4311, "Z = {R*X/[R^2 + X^2]}"},
    {4312, "R = {Z*X/[X^2 - Z^2]}"},
    {4313, "X = {Z*R/[R^2 - Z^2]}"},
    {4321, "Z = {R/[1 + (~w*C*R)^2]}"},
    {4322, "R = {Z/[1 - (~w*C*Z)^2]}"},
    {4323, "~w = {[R^2 - Z^2]/C*R*Z}"},
    {4324, "C = {[R^2 - Z^2]/~w*R*Z}"},
    {4331, "Z = {R/[1 + (2~p*f*C*R)^2]}"},
    {4332, "R = {Z/[1 - (2~p*f*C*Z)^2]}"},
    {4333, "f = {[R^2 - Z^2]/2~p*C*R*Z}"},
    {4334, "C = {[R^2 - Z^2]/2~p*f*R*Z}"},
    {4411, "Z = [R^2 + X^2]"},
    {4412, "R = [Z^2 - X^2]"},
    {4413, "X = [Z^2 - R^2]"},
    {4421, "Z = [R^2 + {1/(~w*C)^2}]"},
    {4422, "R = [Z^2 - {1/(~w*C)^2}]"},
    {4423, "~w = {1/C*[Z^2 - R^2]}"},
    {4424, "C = {1/~w*[Z^2 - R^2]}"},
    {4431, "Z = [R^2 + {1/(2~p*f*C)^2}]"},
    {4432, "R = [Z^2 - {1/(2~p*f*C)^2}]"},
    {4433, "f = {1/2~p*C*[Z^2 - R^2]}"},
    {4434, "C = {1/2~p*f*[Z^2 - R^2]}"},
    {4511, "f = {1/2~p*[L*C]}"},
    {4512, "C = {1/(2~p*f)^2*L}"},
    {4513, "L = {1/(2~p*f)^2*C}"},
}};

}  // namespace

std::string_view formulaNotation(const FormulaKey& key) {
    const int code = key.code();
    const auto found = std::find_if(kNotations.begin(), kNotations.end(),
                                    [code](const Notation& n) { return n.code == code; });
    return found == kNotations.end() ? std::string_view() : found->text;
}

std::string formulaDisplay(const FormulaKey& key) {
    return layoutFormula(formulaNotation(key), kFormulaDisplayWidth, kFormulaDisplayHeight).display;
}

}  // namespace volmira
