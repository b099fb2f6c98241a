// The whole road of volmira-calc on arbitrary network files: load, schematic check, analysis,
// values, acceptance of frequency and voltage, one solve and a sweep. Whatever the file, a
// calculation that reports success gives finite currents (an overflow never passes for a
// result), and every sweep point lies above 0 Hz and is finite.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "analysis/ac_solver.h"
#include "analysis/quantities.h"
#include "graphics/sweep_range.h"
#include "tools/calc_network.h"
#include "tools/calc_sweep.h"

namespace {

using namespace volmira;
using namespace volmira::calc;

void check(bool condition) {
    if (!condition) std::abort();
}

// The loader reads files; a file in memory-backed /dev/shm keeps that cheap.
const std::string& scratchFile() {
    static const std::string path = "/dev/shm/volmira-fuzz-" + std::to_string(::getpid()) + ".nwb";
    return path;
}

void checkCurrents(const Network& network, const BranchCurrents& currents) {
    for (int k = 0; k < network.branchCount; ++k) {
        check(std::isfinite(currents.current[k].real()));
        check(std::isfinite(currents.current[k].imag()));
    }
}

void checkSweep(Network& network, const LoadedNetwork& file, double voltage, AcSolver& solver) {
    SweepPoints points;
    if (sweepPoints(file.fields, true, points)) return;
    check(points.point.size() == kSweepLastPoint + 1);
    solver.prepareSweep(network);
    BranchCurrents currents;
    // A sample of the points: the ends, the user's range and between.
    for (std::size_t i = 0; i < points.point.size(); i += 56) {
        const double f = points.frequency[i];
        check(std::isfinite(f) && f > 0);
        if (!solver.solveSweepPoint(f, voltage, currents).failed())
            checkCurrents(network, currents);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    static auto calc = std::make_unique<CalcNetwork>();
    static auto solver = std::make_unique<AcSolver>();
    *calc = CalcNetwork{};
    if (prepareNetwork(scratchFile(), *calc)) return 0;
    Network& network = calc->network;

    const Accepted voltage = acceptVoltage(calc->file.fields.spEingabe);
    if (voltage.failure) return 0;
    const Accepted frequency = acceptFrequency(calc->file.fields.fqEinzel, network);
    if (!frequency.failure) {
        BranchCurrents currents;
        const SolveStatus status = solver->solve(network, frequency.value, voltage.value, currents);
        if (!status.failed()) {
            checkCurrents(network, currents);
            // For the sanitizers: the quantities are derived from any finite current.
            AllBranchTable table;
            recordAllBranches(network, currents, frequency.value, voltage.value, table);
            for (int b = 1; b <= network.branchCount; ++b) quantitiesFromTable(table, b);
        }
    }
    checkSweep(network, calc->file, voltage.value, *solver);
    return 0;
}
