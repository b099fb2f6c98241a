#include "formulas/formula_solver.h"

#include <cmath>

namespace volmira {

namespace {

// Every relation of the collection is one of two shapes (or, on the RCL page, both joined by the
// reactance X):
//   power sum   q1^p = q2^p + q3^p        series (p 1), parallel (p -1), impedance (p 2 or -2)
//   monomial    product of qi^ei = K      all other formulas
// Exponents are 1, -1, 2 or -2, so both can be solved for any of their quantities.

double power(double x, int exponent) {
    switch (exponent) {
        case 1:
            return x;
        case -1:
            return 1 / x;
        case 2:
            return x * x;
        default:
            return 1 / (x * x);
    }
}

// The x with power(x, exponent) == y.
double root(double y, int exponent) {
    switch (exponent) {
        case 1:
            return y;
        case -1:
            return 1 / y;
        case 2:
            return std::sqrt(y);
        default:
            return 1 / std::sqrt(y);
    }
}

struct PowerSum {
    int exponent;
};

// Quantities without an entry have exponent 0.
struct Monomial {
    std::array<int, 5> exponents;
    double constant;
};

// q[0]^p = q[1]^p + q[2]^p for q[sought].
double solvePowerSum(PowerSum sum, int sought, const std::array<double, 3>& q) {
    const int p = sum.exponent;
    if (sought == 0) return root(power(q[1], p) + power(q[2], p), p);
    return root(power(q[0], p) - power(q[3 - sought], p), p);
}

double solveMonomial(const Monomial& monomial, int sought, const double* q) {
    double rest = monomial.constant;
    for (int i = 0; i < static_cast<int>(monomial.exponents.size()); ++i)
        if (i != sought && monomial.exponents[i] != 0) rest /= power(q[i], monomial.exponents[i]);
    return root(rest, monomial.exponents[sought]);
}

constexpr PowerSum kSeries{1};
constexpr PowerSum kParallel{-1};
constexpr PowerSum kImpedanceSeries{2};
constexpr PowerSum kImpedanceParallel{-2};

// Reactances over (X, ω or f, L or C).
constexpr Monomial kInductiveOmega{{1, -1, -1}, 1};
constexpr Monomial kInductiveFrequency{{1, -1, -1}, kTwoPi};
constexpr Monomial kCapacitiveOmega{{1, 1, 1}, 1};
constexpr Monomial kCapacitiveFrequency{{1, 1, 1}, kOneOverTwoPi};

// Z, R, X joined by `sum`, with X given by `reactance` over (X, field 3, field 4) when the
// variant has those fields.
double solveImpedance(PowerSum sum, const Monomial* reactance, int sought, const FormulaValues& v) {
    if (!reactance) return solvePowerSum(sum, sought, {v[0], v[1], v[2]});
    if (sought < 2) {
        const std::array<double, 3> x{0, v[2], v[3]};
        const double reactanceValue = solveMonomial(*reactance, 0, x.data());
        return solvePowerSum(sum, sought, {v[0], v[1], reactanceValue});
    }
    const std::array<double, 3> x{solvePowerSum(sum, 2, {v[0], v[1], 0}), v[2], v[3]};
    return solveMonomial(*reactance, sought - 1, x.data());
}

double solveRclPage(const FormulaKey& key, const FormulaValues& v) {
    const bool inductive = key.formula <= 2;
    const bool parallel = key.formula % 2 == 1;
    const PowerSum sum = parallel ? kImpedanceParallel : kImpedanceSeries;
    const Monomial* reactance = nullptr;
    if (key.variant == 2) reactance = inductive ? &kInductiveOmega : &kCapacitiveOmega;
    if (key.variant == 3) reactance = inductive ? &kInductiveFrequency : &kCapacitiveFrequency;
    return solveImpedance(sum, reactance, key.sought - 1, v);
}

double solveMonomialFormula(const FormulaKey& key, const FormulaValues& v) {
    static constexpr Monomial kConductorRho{{1, -1, 1, -1}, 1};                      // R, ρ, A, l
    static constexpr Monomial kConductorGamma{{1, -1, 1, 1}, 1};                     // R, l, γ, A
    static constexpr Monomial kPlateCapacitor{{1, -1, 1, -1}, kVacuumPermittivity};  // C, A, d, εr
    static constexpr Monomial kCharge{{1, -1, 1}, 1};                                // C, Q, U
    static constexpr Monomial kCoil{{1, -2, -1, 1, -1}, kVacuumPermeability};  // L, N, A, l, µr
    static constexpr Monomial kResonance{{2, 1, 1}, kOneOverTwoPi * kOneOverTwoPi};  // f, C, L
    const Monomial* monomial = nullptr;
    switch (key.code() / 10) {
        case 131:
            monomial = &kConductorRho;
            break;
        case 132:
            monomial = &kConductorGamma;
            break;
        case 231:
            monomial = &kCapacitiveOmega;
            break;
        case 232:
            monomial = &kCapacitiveFrequency;
            break;
        case 241:
            monomial = &kPlateCapacitor;
            break;
        case 242:
            monomial = &kCharge;
            break;
        case 331:
            monomial = &kInductiveOmega;
            break;
        case 332:
            monomial = &kInductiveFrequency;
            break;
        case 341:
            monomial = &kCoil;
            break;
        default:
            monomial = &kResonance;
            break;
    }
    return solveMonomial(*monomial, key.sought - 1, v.data());
}

double solve(const FormulaKey& key, const FormulaValues& v) {
    const std::array<double, 3> q{v[0], v[1], v[2]};
    switch (key.code() / 10) {
        case 111:
        case 221:
        case 311:
            return solvePowerSum(kSeries, key.sought - 1, q);
        case 121:
        case 211:
        case 321:
            return solvePowerSum(kParallel, key.sought - 1, q);
        default:
            return key.page == 4 && key.formula <= 4 ? solveRclPage(key, v)
                                                     : solveMonomialFormula(key, v);
    }
}

}  // namespace

std::optional<double> solveFormula(const FormulaKey& key, const FormulaValues& values) {
    const double result = solve(key, values);
    if (!std::isfinite(result)) return std::nullopt;
    return result == 0 ? 0.0 : result;  // no "-0"
}

}  // namespace volmira
