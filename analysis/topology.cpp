// "Analyse": node scan, branch tracing, current-law and op-amp rows, mesh search, values carried
// over, reference directions.
#include "analysis/topology.h"

#include <memory>
#include <vector>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/topology_parts.h"

namespace volmira {

using namespace topology;

namespace {

void resetNetwork(Network& network) {
    network.nodeCount = 0;
    network.hasGround = false;
    network.branchCount = 0;
    network.branches.fill(Branch{});
    network.componentCount = 0;
    network.components.fill(Component{});
    network.kclCount = 0;
    network.kclRows = {};
    network.opAmpCount = 0;
    network.opAmpRows = {};
    network.opAmps = {};
    network.opAmpReferenceNode = 0;
    network.meshCount = 0;
    network.meshRows = {};
    network.branchMap.clear();
}

// The op-amps' pins in the traced network: the branch through the wire that joins the inputs
// (zero current, zero voltage) and the output node. Fails when an input wire is no branch of its
// own: its ends meet at one node, or it is shared with another op-amp.
Error placeOpAmps(const OpAmpSites& sites, const NodeTable& nodes, Network& network) {
    for (int p = 0; p < sites.count; ++p) {
        const OpAmpSite& site = sites.site[static_cast<std::size_t>(p)];
        OpAmp& opAmp = network.opAmps[static_cast<std::size_t>(p)];
        opAmp.code = static_cast<std::uint8_t>(site.code);
        opAmp.column = static_cast<std::uint8_t>(site.body.column);
        opAmp.row = static_cast<std::uint8_t>(site.body.row);
        opAmp.outputNode = static_cast<std::uint8_t>(nodes.nodeAt(site.output));
        const int input = network.branchMap.branchAt(site.inputWire.column, site.inputWire.row);
        if (input == 0) return kNoUsableResult;
        for (int q = 0; q < p; ++q)
            if (network.opAmps[static_cast<std::size_t>(q)].inputBranch == input)
                return kNoUsableResult;
        opAmp.inputBranch = static_cast<std::uint8_t>(input);
        // The walk passes the joining wire downward when it came in through the upper input.
        const Branch& branch = network.branch(input);
        Cell cell{branch.startColumn, branch.startRow};
        bool downward = false;
        for (const char digit : branch.path) {
            cell = neighbour(cell, digit - '0');
            if (cell == site.inputWire) {
                downward = digit - '0' == kDown;
                break;
            }
        }
        const int upper = downward ? branch.startNode : branch.endNode;
        const int lower = downward ? branch.endNode : branch.startNode;
        const bool upperPlus = site.code == 25 || site.code == 27;
        opAmp.nonInvertingNode = static_cast<std::uint8_t>(upperPlus ? upper : lower);
        opAmp.invertingNode = static_cast<std::uint8_t>(upperPlus ? lower : upper);
        network.opAmpRows[static_cast<std::size_t>(p)][static_cast<std::size_t>(input - 1)] = 1;
    }
    network.opAmpCount = sites.count;
    return kOk;
}

// The current-law rows: one per node that has branches, the source node left out. An op-amp
// output draws its current from ground and returns it there, so the outputs and the reference
// node (ground; without ground marks the source's return node) form one node, whose row stands
// in the reference node's place.
void buildCurrentLawRows(const NodeTable& nodes, Network& network) {
    const int last = nodes.hasGround ? nodes.ground() : nodes.count;
    std::array<SignRow, kMaxNodes + 1> rows{};
    std::array<bool, kMaxNodes + 1> hasBranch{};
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        rows[branch.startNode][static_cast<std::size_t>(k - 1)] = 1;
        rows[branch.endNode][static_cast<std::size_t>(k - 1)] = -1;
        hasBranch[branch.startNode] = hasBranch[branch.endNode] = true;
    }
    std::array<bool, kMaxNodes + 1> merged{};
    if (network.opAmpCount > 0) {
        const int reference = nodes.hasGround ? nodes.ground() : network.branch(2).endNode;
        network.opAmpReferenceNode = reference;
        for (int p = 0; p < network.opAmpCount; ++p) {
            const int output = network.opAmps[static_cast<std::size_t>(p)].outputNode;
            if (output == reference || !hasBranch[static_cast<std::size_t>(output)]) continue;
            merged[static_cast<std::size_t>(output)] = true;
            for (int k = 0; k < kMaxBranches; ++k)
                rows[static_cast<std::size_t>(reference)][static_cast<std::size_t>(k)] +=
                    rows[static_cast<std::size_t>(output)][static_cast<std::size_t>(k)];
        }
        hasBranch[static_cast<std::size_t>(reference)] = true;
    }
    for (int node = kSourceNode + 1; node <= last; ++node)
        if (hasBranch[static_cast<std::size_t>(node)] && !merged[static_cast<std::size_t>(node)])
            network.kclRows[static_cast<std::size_t>(network.kclCount++)] =
                rows[static_cast<std::size_t>(node)];
}

// Nodes that carry branches, when all of them hang together; 0 when the drawing falls apart.
int connectedNodeCount(const Network& network) {
    std::array<int, kMaxNodes + 1> parent{};
    for (int n = 0; n <= kMaxNodes; ++n) parent[static_cast<std::size_t>(n)] = n;
    auto root = [&](int n) {
        while (parent[static_cast<std::size_t>(n)] != n) n = parent[static_cast<std::size_t>(n)];
        return n;
    };
    std::array<bool, kMaxNodes + 1> used{};
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        used[branch.startNode] = used[branch.endNode] = true;
        parent[static_cast<std::size_t>(root(branch.startNode))] = root(branch.endNode);
    }
    int count = 0, groups = 0;
    for (int n = 1; n <= kMaxNodes; ++n) {
        if (!used[static_cast<std::size_t>(n)]) continue;
        ++count;
        if (root(n) == n) ++groups;
    }
    return groups == 1 ? count : 0;
}

Error analyse(const SchematicGrid& grid, std::span<const Component> previous, Network& network) {
    auto nodes = std::make_unique<NodeTable>();
    if (const Error e = scanNodes(grid, *nodes); e != kOk) return e;
    network.nodeCount = nodes->count;
    network.hasGround = nodes->hasGround;

    OpAmpSites sites;
    if (const Error e = findOpAmps(grid, sites); e != kOk) return e;
    if (const Error e = traceBranches(grid, *nodes, network); e != kOk) return e;

    // The system has one row per branch current: K current-law rows, P op-amp rows and the
    // mesh rows, whose number must then be the number of independent loops of the drawing.
    const int b = network.branchCount;
    int required = -1;
    if (b >= 2 && placeOpAmps(sites, *nodes, network) == kOk) {
        buildCurrentLawRows(*nodes, network);
        const int n = connectedNodeCount(network);
        if (n > 0 && b - network.kclCount - network.opAmpCount == b - n + 1) required = b - n + 1;
    }
    if (const Error e = findMeshes(network, required); e != kOk) return e;
    if (network.componentCount == 0) return kNoComponent;

    carryOverValues(network, previous);
    assignReferenceDirections(network);
    return kOk;
}

}  // namespace

AnalysisResult analyseNetwork(const SchematicGrid& grid, std::span<const Component> previous,
                              Network& network) {
    // The previous components may be the network's own: keep them before it is cleared.
    const std::vector<Component> kept(previous.begin(), previous.end());
    resetNetwork(network);
    const Error error = analyse(grid, kept, network);
    if (error != kOk) resetNetwork(network);
    return {error};
}

std::string_view analysisErrorMessage(int errorCode) {
    switch (errorCode) {
        case kTooManyNodes:
            return "Maximale Knotenzahl (53) überschritten!";
        case kNoSource:
            return "Keine Spannungsquelle vorhanden";
        case kSeveralSources:
            return "Es darf nur eine Spannungsquelle im Netzwerk vorhanden sein!";
        case kTooManyBranches:
            return "Maximale Anzahl der Stromzweige (70) überschritten!";
        case kTooManyComponents:
            return "Maximale Anzahl der Bauteile (100) überschritten!";
        case kNoComponent:
            return "Ein Bauteil sollte doch wenigstens vorhanden sein!";
        case kTooManyMeshes:
            return "Maximale Anzahl der Maschen (60) überschritten!";
        case kTooManyOpAmps:
            return "Maximale Anzahl der OP (10) überschritten!";
        case kFaultyOrTooComplex:
            return "Schaltbild fehlerhaft oder zu komplex";
        case kNoUsableResult:
            return "Analyse führt zu keinem verwertbaren Ergebnis. Bitte überprüfen Sie Ihr "
                   "Schaltbild";
        case kTooComplex:
            return "Schaltbild zu komplex";
        default:
            return {};
    }
}

std::string analysisStatusMessage(const Network& network) {
    return "Analyse erfolgreich durchgeführt\n\n" + std::to_string(network.kclCount) + " Knoten " +
           (network.kclCount == 2 ? "(=Minimalzahl)" : "") + " und \n" +
           std::to_string(network.meshCount) + " unabhängige Maschen vorhanden";
}

}  // namespace volmira
