#pragma once
// An analysed network as a SPICE netlist that ngspice runs as it is: the source, every R, L and C
// under its program name, each ideal op-amp as a voltage-controlled voltage source of high gain,
// and a .control block that runs the AC analysis and prints every component current.
//
// Every component gets a zero-volt sense source in series ("VI_R1"), so that its current is a
// plain vector in every ngspice analysis. Sense source and component point in the reference
// direction of the branch current as the program shows it (reversed flag applied), so ngspice's
// current agrees with the program's in magnitude and phase.
#include <optional>
#include <string>
#include <string_view>

#include "analysis/network.h"

namespace volmira {

// The gain of the voltage-controlled voltage source that stands for an ideal op-amp.
inline constexpr double kSpiceOpAmpGain = 1e9;

struct SpiceSweep {
    double start = 0;  // first point, hertz
    double stop = 0;   // last point, hertz
    int points = 0;
    bool logarithmic = true;
};

struct SpiceExportSettings {
    std::string title = "Volmira";  // the netlist's first line
    double voltage = 1;             // Ue, volts, phase 0
    double frequency = 1000;        // the single-frequency run, hertz (0 for direct voltage)
    // With a sweep the .control block runs it instead of the single frequency.
    std::optional<SpiceSweep> sweep;
    // 0: every component current is printed; k: only that of component k.
    int printedComponent = 0;
};

std::string exportSpiceNetlist(const Network& network, const SpiceExportSettings& settings);

// "R 1" gives "R1": the element name of a component in the netlist.
std::string spiceElementName(std::string_view componentName);

// "R 1" gives "i(vi_r1)": the vector ngspice prints for the component's current.
std::string spiceCurrentVector(std::string_view componentName);

// The points per decade of ngspice's logarithmic sweep closest to `points` points from `start`
// to `stop`, and the stop frequency at which that sweep has exactly `points` points. ngspice takes
// only whole points per decade, so its points can differ slightly from the program's.
struct SpiceDecadeSweep {
    int pointsPerDecade = 1;
    double stop = 0;
};
SpiceDecadeSweep spiceDecadeSweep(const SpiceSweep& sweep);

}  // namespace volmira
