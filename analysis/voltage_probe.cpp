#include "analysis/voltage_probe.h"

#include <cmath>

#include "analysis/value_text.h"

namespace volmira {

namespace {

constexpr double kPi = kTwoPi / 2;

// The current of branch k (1-based) in its traced direction, from start node to end node.
std::complex<double> tracedCurrent(const Network& network, const AllBranchTable& table, int k) {
    const CurrentPolar& c = table.current[std::size_t(k - 1)];
    const std::complex<double> i = std::polar(c.magnitude, c.phase * kPi / 180);
    return network.branch(k).reversed ? -i : i;
}

// The second terminal of the source starts branch 2.
int startSlot(const Network& network, int k) {
    const int start = network.branch(k).startNode;
    return k == 2 && start == 1 ? kSourceReturnSlot : start;
}

std::complex<double> componentImpedance(const Component& c, double frequency) {
    const double omega = kTwoPi * frequency;
    switch (c.kind()) {
        case ComponentKind::Resistor:
            return c.value;
        case ComponentKind::Inductor:
            return {0, omega * c.value};
        case ComponentKind::Capacitor:
            return {0, -1 / (omega * c.value)};
    }
    return 0;
}

}  // namespace

void nodePotentials(const Network& network, const AllBranchTable& table, NodePotentials& out) {
    out = {};
    const int reference = network.hasGround ? network.groundNode() : kSourceReturnSlot;
    out.known[std::size_t(reference)] = true;
    const auto settle = [&](int from, int to, std::complex<double> drop) {
        if (out.known[std::size_t(from)] == out.known[std::size_t(to)]) return false;
        if (out.known[std::size_t(from)])
            out.potential[std::size_t(to)] = out.potential[std::size_t(from)] - drop;
        else
            out.potential[std::size_t(from)] = out.potential[std::size_t(to)] + drop;
        out.known[std::size_t(from)] = out.known[std::size_t(to)] = true;
        return true;
    };
    // Each pass settles at least one node more, or nothing more can be reached.
    for (bool progress = true; progress;) {
        progress = settle(1, kSourceReturnSlot, table.voltage);
        for (int k = 1; k <= network.branchCount; ++k) {
            const std::complex<double> z(table.resistance[std::size_t(k - 1)],
                                         table.reactance[std::size_t(k - 1)]);
            progress = settle(startSlot(network, k), network.branch(k).endNode,
                              z * tracedCurrent(network, table, k)) ||
                       progress;
        }
    }
}

std::optional<std::complex<double>> potentialAlongBranch(const Network& network,
                                                         const AllBranchTable& table,
                                                         const NodePotentials& potentials,
                                                         int branch, GridCell cell) {
    const Branch& b = network.branch(branch);
    const int start = startSlot(network, branch);
    if (!potentials.known[std::size_t(start)]) return std::nullopt;
    std::complex<double> potential = potentials.potential[std::size_t(start)];
    const std::complex<double> current = tracedCurrent(network, table, branch);
    int column = b.startColumn, row = b.startRow;
    // The source's cell reads as node 1, not as its second terminal.
    if (cell == GridCell{column, row})
        return start == kSourceReturnSlot ? potentials.potential[1] : potential;
    int inside = 0;  // the component the walk is on
    for (const char step : b.path) {
        if (!stepAlongPath(step, column, row)) continue;
        const int component = network.branchMap.componentAt(column, row);
        if (inside != 0 && component != inside)
            potential -= componentImpedance(network.component(inside), table.frequency) * current;
        inside = component;
        if (cell == GridCell{column, row}) {
            if (inside != 0) return std::nullopt;
            return potential;
        }
    }
    return std::nullopt;
}

std::optional<std::complex<double>> potentialAt(const Network& network, const AllBranchTable& table,
                                                const NodePotentials& potentials, GridCell cell) {
    for (int k = 1; k <= network.branchCount; ++k)
        if (const auto p = potentialAlongBranch(network, table, potentials, k, cell)) return p;
    return std::nullopt;
}

ProbeReading probeReading(std::complex<double> voltage, double sourceVoltage) {
    ProbeReading r;
    r.magnitude = std::abs(voltage);
    r.phase = r.magnitude == 0 ? 0 : std::arg(voltage) * 180 / kPi;
    r.decibels = r.magnitude == 0 ? kMinusInfinity : 20 * std::log10(r.magnitude / sourceVoltage);
    return r;
}

std::string probeText(const ProbeReading& reading, int digits) {
    return "U = " + formatValue(kUnitVolt, digits, reading.magnitude) +
           "   φ = " + formatValue(kUnitDegree, digits, reading.phase) + "   " +
           formatValue(kUnitDecibel, digits, reading.decibels);
}

}  // namespace volmira
