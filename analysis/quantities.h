#pragma once
// The eleven electrical quantities of one branch at one frequency, derived from its current and
// its impedance, the table of every branch's current after a calculation, and the texts of the
// result fields.
#include <array>
#include <complex>
#include <string>
#include <string_view>

#include "analysis/ac_solver.h"
#include "analysis/network.h"

namespace volmira {

// The quantity slots of a branch, in the order of the result fields Elfeld0..Elfeld10.
enum class ElectricalQuantity : int {
    Voltage = 0,        // |U| = |I| |Z|
    Current = 1,        // |I|
    Impedance = 2,      // |Z|
    Gain = 3,           // 20 log10(|U| / Ue), kMinusInfinity when |U| = 0
    ApparentPower = 4,  // |I|^2 |Z|
    RealPower = 5,      // |I|^2 R
    VoltagePhase = 6,   // phi U = phi I + phi Z, degrees
    Resistance = 7,     // R
    Reactance = 8,      // X
    ReactivePower = 9,  // |I|^2 X
    CurrentPhase = 10,  // phi I, degrees
};
inline constexpr int kQuantityCount = 11;

// Phase cells of a point, in radians: phi U, phi I, phi Z, phi U again, 2 phi I + phi Z; cell s
// is the phase of slot s (voltage, current, impedance, gain, apparent power).
inline constexpr int kPhaseCellCount = 5;
// Degrees to radians as the stored phases have always been converted (not the exact pi/180).
inline constexpr double kDegreeFactor = 0.0174533;

// Unit code of a slot's result field ("V", "A", "Ohm", "dB", "VA", "W", "°", "var").
int quantityUnitCode(ElectricalQuantity quantity);

// The graphic mode's nine quantity buttons FgGroesse1..9: the slot and the readout unit code of
// button n (1..9).
ElectricalQuantity quantityForSelector(int selector);
int readoutUnitForSelector(int selector);
// Caption of a slot ("Spannung", "Strom", ...); empty for resistance and reactance.
std::string_view quantityCaption(ElectricalQuantity quantity);

struct BranchQuantities {
    std::array<double, kQuantityCount> value{};
    std::array<double, kPhaseCellCount> phase{};  // radians

    double operator[](ElectricalQuantity q) const { return value[static_cast<int>(q)]; }
    double& operator[](ElectricalQuantity q) { return value[static_cast<int>(q)]; }
};

// A current as magnitude and phase in degrees (-180..180).
struct CurrentPolar {
    double magnitude = 0;
    double phase = 0;
};
CurrentPolar currentPolar(std::complex<double> current);

// Every quantity of a branch with resistance R and reactance X that carries `current`, for the
// source voltage `voltage`. Every value is a finite number; an infinite one is given as +-1e38
// and shown as "unendlich".
BranchQuantities deriveQuantities(CurrentPolar current, double R, double X, double voltage);

// The quantities of branch k (1-based) from the currents of one solve, e.g. a sweep point.
BranchQuantities branchQuantities(const Network& network, const BranchCurrents& currents,
                                  int branch, double voltage);

// Every branch's current after one calculation, so that clicking a branch needs no new solve.
struct AllBranchTable {
    double frequency = 0;
    double voltage = 0;
    int branchCount = 0;
    std::array<CurrentPolar, kMaxBranches> current{};  // branch k at index k - 1
    std::array<double, kMaxBranches> resistance{};     // R and X at this frequency
    std::array<double, kMaxBranches> reactance{};
};

void recordAllBranches(const Network& network, const BranchCurrents& currents, double frequency,
                       double voltage, AllBranchTable& table);

// The quantities of branch k (1-based) from the table; a branch outside it gives all zeros.
BranchQuantities quantitiesFromTable(const AllBranchTable& table, int branch);

// Texts of the result fields Elfeld0..Elfeld10. `displayDigits` is the setting (0 = maximal,
// which shows 9 digits).
std::array<std::string, kQuantityCount> resultFieldTexts(const BranchQuantities& quantities,
                                                         int displayDigits);

}  // namespace volmira
