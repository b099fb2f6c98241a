#include "analysis/quantities.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/value_text.h"

namespace volmira {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// Values at least this large are shown as "unendlich".
constexpr double kInfinite = 1e38;

constexpr std::array<int, kQuantityCount> kSlotUnits = {
    kUnitVolt,   kUnitAmpere, kUnitOhm, kUnitDecibel, kUnitVoltAmpere, kUnitWatt,
    kUnitDegree, kUnitOhm,    kUnitOhm, kUnitVar,     kUnitDegree,
};
constexpr std::array<std::string_view, kQuantityCount> kCaptions = {
    "Spannung",
    "Strom",
    "S-Widerstand",
    "Verstärkung",
    "Scheinleistung",
    "Wirkleistung",
    "Phase U / Ue",
    "",
    "",
    "Blindleistung",
    "Phase I / Ue",
};
// Per button FgGroesse1..9: the slot (7 standing for 10) and the readout unit.
constexpr std::string_view kSelectorSlots = "103645927";
constexpr std::string_view kSelectorUnits = "214756537";

double zeroBelow(double value, double limit) {
    return std::abs(value) < limit ? 0.0 : value;
}

// A number that cannot be shown becomes the infinity marker of its sign.
double finiteOrMarker(double value) {
    if (std::isnan(value)) return kMinusInfinity;
    if (value >= kInfinite) return kInfinite;
    if (value <= -kInfinite) return kMinusInfinity;
    return value;
}

// A phase brought into (-180, 180]: a sum of phases may leave that range.
double wrappedDegrees(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped > 180) wrapped -= 360;
    if (wrapped <= -180) wrapped += 360;
    return wrapped;
}

// The phase in degrees of a phasor given as real and imaginary part; a zero phasor has phase 0.
double phaseDegrees(double re, double im) {
    if (re == 0 && im == 0) return 0;
    if (re == 0) return im < 0 ? -90 : 90;
    const double phase = std::atan(im / re) * kDegreesPerRadian;
    return wrappedDegrees(re < 0 ? phase + 180 : phase);
}

std::string fieldText(double value, ElectricalQuantity quantity, int digits) {
    if (!std::isfinite(value) || std::abs(value) >= kInfinite) return "unendlich";
    return formatValue(quantityUnitCode(quantity), digits, value);
}

}  // namespace

int quantityUnitCode(ElectricalQuantity quantity) {
    return kSlotUnits[static_cast<std::size_t>(quantity)];
}

ElectricalQuantity quantityForSelector(int selector) {
    const int digit =
        kSelectorSlots[static_cast<std::size_t>(std::clamp(selector, 1, 9) - 1)] - '0';
    return static_cast<ElectricalQuantity>(digit == 7 ? 10 : digit);
}

int readoutUnitForSelector(int selector) {
    return kSelectorUnits[static_cast<std::size_t>(std::clamp(selector, 1, 9) - 1)] - '0';
}

std::string_view quantityCaption(ElectricalQuantity quantity) {
    return kCaptions[static_cast<std::size_t>(quantity)];
}

CurrentPolar currentPolar(std::complex<double> current) {
    return {std::hypot(current.real(), current.imag()),
            phaseDegrees(current.real(), current.imag())};
}

BranchQuantities deriveQuantities(CurrentPolar current, double R, double X, double voltage) {
    using Q = ElectricalQuantity;
    BranchQuantities q;
    const double i = current.magnitude;
    const double phiI = current.phase;
    const double z = std::hypot(R, X);
    // Unlike the current's, the impedance's phase uses the plain arctangent: R is never negative.
    const double phiZ = R == 0 ? (X == 0  ? 0.0
                                  : X < 0 ? -90.0
                                          : 90.0)
                               : std::atan(X / R) * kDegreesPerRadian;
    const double phiU = wrappedDegrees(phiI + phiZ);
    const double u = i * z;

    q[Q::Resistance] = R;
    q[Q::Reactance] = X;
    q[Q::Impedance] = z;
    q[Q::Voltage] = u;
    q[Q::Current] = i;
    q[Q::ApparentPower] = i * i * z;
    q[Q::RealPower] = i * i * R;
    q[Q::ReactivePower] = i * i * X;
    q[Q::VoltagePhase] = zeroBelow(phiU, 1e-6);
    q[Q::CurrentPhase] = phiI;
    const double ratio = u / std::abs(voltage);
    q[Q::Gain] = u > 0 && std::isfinite(ratio) && ratio > 0
                     ? zeroBelow(20 * std::log10(ratio), 1e-8)
                     : kMinusInfinity;
    for (double& value : q.value) value = finiteOrMarker(value);

    const std::array<double, kPhaseCellCount> degrees = {phiU, phiI, phiZ, phiU,
                                                         wrappedDegrees(2 * phiI + phiZ)};
    for (int c = 0; c < kPhaseCellCount; ++c)
        q.phase[c] = zeroBelow(finiteOrMarker(degrees[c]) * kDegreeFactor, 1e-6);
    return q;
}

void recordAllBranches(const Network& network, const BranchCurrents& currents, double frequency,
                       double voltage, AllBranchTable& table) {
    table.frequency = frequency;
    table.voltage = voltage;
    table.branchCount = std::clamp(network.branchCount, 0, kMaxBranches);
    for (int k = 0; k < table.branchCount; ++k) {
        table.current[k] = currentPolar(currents.current[k]);
        table.resistance[k] = network.branches[k].R;
        table.reactance[k] = currents.reactance[k];
    }
}

BranchQuantities branchQuantities(const Network& network, const BranchCurrents& currents,
                                  int branch, double voltage) {
    const auto k = static_cast<std::size_t>(branch - 1);
    return deriveQuantities(currentPolar(currents.current[k]), network.branch(branch).R,
                            currents.reactance[k], voltage);
}

BranchQuantities quantitiesFromTable(const AllBranchTable& table, int branch) {
    if (branch < 1 || branch > table.branchCount) return deriveQuantities({}, 0, 0, table.voltage);
    const int k = branch - 1;
    return deriveQuantities(table.current[k], table.resistance[k], table.reactance[k],
                            table.voltage);
}

std::array<std::string, kQuantityCount> resultFieldTexts(const BranchQuantities& quantities,
                                                         int displayDigits) {
    using Q = ElectricalQuantity;
    const int digits = displayDigits == 0 ? 9 : displayDigits;
    std::array<std::string, kQuantityCount> texts;
    for (Q q : {Q::Current, Q::Voltage, Q::ApparentPower, Q::RealPower, Q::ReactivePower}) {
        const double value = quantities[q];
        texts[static_cast<int>(q)] = std::abs(value) <= 1e-15 ? "0" : fieldText(value, q, digits);
    }
    for (Q q : {Q::Impedance, Q::Resistance, Q::Reactance, Q::Gain})
        texts[static_cast<int>(q)] = fieldText(quantities[q], q, digits);
    for (Q q : {Q::VoltagePhase, Q::CurrentPhase})
        texts[static_cast<int>(q)] = fieldText(quantities[q], q, 4);
    if (std::abs(quantities[Q::Voltage]) < 1e-35) {
        texts[static_cast<int>(Q::Gain)] = ">> Ua=0V";
        texts[static_cast<int>(Q::VoltagePhase)] = "  ---";
    }
    return texts;
}

}  // namespace volmira
