#pragma once
// The frequency sweep of volmira-calc: the 897 points of the file's range (FqVon, FqBis) as the
// graphic mode derives them, and the quantities of one branch at each point.
#include <optional>
#include <ostream>
#include <vector>

#include "analysis/calculation.h"
#include "schematic/network_file.h"
#include "tools/calc_network.h"

namespace volmira::calc {

// The points that get computed, in order: every point whose frequency is above 0 (on the linear
// axis the widened range can reach below 0 Hz; the program leaves those points out as well).
struct SweepPoints {
    std::vector<int> point;
    std::vector<double> frequency;
};

// Reads FqVon and FqBis under the graphic mode's rules; the points or the refusal.
std::optional<Failure> sweepPoints(const InputFields& fields, bool logarithmic, SweepPoints& out);

// Sweeps the engine's network at its accepted voltage and writes one row per point for
// `branch`. Gives false when a point met a zero pivot.
bool writeSweepSeries(std::ostream& out, Calculation& calculation, int branch,
                      const SweepPoints& points, bool csv);

}  // namespace volmira::calc
