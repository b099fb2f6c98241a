#pragma once
// Networks built by hand for the solver's tests: the same rows the analysis
// writes, from a list of branches between numbered nodes. Node 1 is the source; branches 1 and 2
// are its two leads, traced from node 1 to the source's terminals.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

#include "analysis/network.h"

namespace volmira::test {

struct HandBranch {
    int from = 0;  // start node
    int to = 0;    // end node
    double R = 0, L = 0, C = 0;
};

// A branch's sign in a mesh: +branch when the mesh runs from its start to its end node.
using SignedBranches = std::vector<int>;

inline SignRow signRow(const SignedBranches& entries) {
    SignRow row{};
    for (int entry : entries) row[std::abs(entry) - 1] += entry > 0 ? 1 : -1;
    return row;
}

struct HandNetwork {
    int nodes = 0;                       // numbered 1..nodes
    std::vector<HandBranch> branches;    // branch k at index k - 1
    std::vector<int> currentLawNodes;    // nodes that get a current-law row
    std::vector<SignedBranches> opAmps;  // per op-amp: the branches of its zero-current row
    std::vector<SignedBranches> meshes;  // mesh m at index m - 1, all through the source
};

inline Network toNetwork(const HandNetwork& hand) {
    Network network;
    network.nodeCount = hand.nodes;
    network.branchCount = static_cast<int>(hand.branches.size());
    for (std::size_t k = 0; k < hand.branches.size(); ++k) {
        Branch& branch = network.branches[k];
        branch.startNode = static_cast<std::uint8_t>(hand.branches[k].from);
        branch.endNode = static_cast<std::uint8_t>(hand.branches[k].to);
        branch.R = hand.branches[k].R;
        branch.L = hand.branches[k].L;
        branch.C = hand.branches[k].C;
    }
    network.kclCount = static_cast<int>(hand.currentLawNodes.size());
    for (std::size_t r = 0; r < hand.currentLawNodes.size(); ++r)
        for (std::size_t k = 0; k < hand.branches.size(); ++k)
            network.kclRows[r][k] =
                static_cast<std::int8_t>((hand.branches[k].from == hand.currentLawNodes[r]) -
                                         (hand.branches[k].to == hand.currentLawNodes[r]));
    network.opAmpCount = static_cast<int>(hand.opAmps.size());
    for (std::size_t r = 0; r < hand.opAmps.size(); ++r)
        network.opAmpRows[r] = signRow(hand.opAmps[r]);
    network.meshCount = static_cast<int>(hand.meshes.size());
    for (std::size_t m = 0; m < hand.meshes.size(); ++m)
        network.meshRows[m] = signRow(hand.meshes[m]);
    return network;
}

// Loops through the source from a spanning tree of the nodes 2..n: the tree path from the
// source's first terminal to its second, and for every branch outside the tree the loop that
// runs through it. Together they are independent and cover every branch.
inline std::vector<SignedBranches> meshesThroughSource(int nodes,
                                                       const std::vector<HandBranch>& branches) {
    const int top = branches[0].to;
    const int bottom = branches[1].to;
    // Tree by breadth-first search from the bottom terminal: parent branch of every node.
    std::vector<int> parentBranch(nodes + 1, 0);
    std::vector<int> order{bottom};
    std::vector<bool> inTree(branches.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t k = 2; k < branches.size(); ++k) {
            const HandBranch& b = branches[k];
            const int other = b.from == order[i] ? b.to : b.to == order[i] ? b.from : 0;
            if (other < 2 || other == bottom || parentBranch[other] != 0) continue;
            parentBranch[other] = static_cast<int>(k) + 1;
            inTree[k] = true;
            order.push_back(other);
        }
    }
    // Signed branches of the tree path from `node` down to the bottom terminal (sign -1: back up).
    auto pathToBottom = [&](int node, SignedBranches& into, int sign = 1) {
        while (node != bottom) {
            const int k = parentBranch[node];
            // A node the tree does not reach (the source's terminals joined through nothing
            // but the source, or a part of its own) has no loop through the source.
            if (k == 0) throw std::invalid_argument("a node without a path to the source");
            const HandBranch& branch = branches[k - 1];
            into.push_back(sign * (branch.from == node ? k : -k));
            node = branch.from == node ? branch.to : branch.from;
        }
    };
    std::vector<SignedBranches> meshes{{1, -2}};
    pathToBottom(top, meshes[0]);
    for (std::size_t k = 2; k < branches.size(); ++k) {
        if (inTree[k]) continue;
        // Down from the top terminal, up to the branch's start, through it and down again.
        SignedBranches loop{1, -2, static_cast<int>(k) + 1};
        pathToBottom(top, loop);
        pathToBottom(branches[k].from, loop, -1);
        pathToBottom(branches[k].to, loop);
        meshes.push_back(loop);
    }
    return meshes;
}

// A network from nodes and branches with current-law rows at every node but the source and
// the op-amp outputs, and meshes from meshesThroughSource.
inline HandNetwork completeNetwork(int nodes, std::vector<HandBranch> branches,
                                   std::vector<SignedBranches> opAmps = {},
                                   std::vector<int> opAmpOutputs = {}) {
    HandNetwork hand;
    hand.nodes = nodes;
    hand.branches = std::move(branches);
    for (int node = 2; node <= nodes; ++node)
        if (std::ranges::find(opAmpOutputs, node) == opAmpOutputs.end())
            hand.currentLawNodes.push_back(node);
    hand.opAmps = std::move(opAmps);
    hand.meshes = meshesThroughSource(nodes, hand.branches);
    return hand;
}

// Source leads 1 -> 2 (top terminal) and 1 -> 3 (bottom terminal), one load branch 2 -> 3.
inline HandNetwork seriesLoop(double R, double L, double C) {
    return completeNetwork(3, {{1, 2}, {1, 3}, {2, 3, R, L, C}});
}

// A ladder of `sections` series resistors and shunt capacitors (b = 2 + 2 * sections).
inline HandNetwork rcLadder(int sections, double R, double C) {
    std::vector<HandBranch> branches{{1, 2}, {1, 3}};
    // Node 2 top terminal, node 3 ground; the section nodes follow.
    int previous = 2;
    for (int s = 0; s < sections; ++s) {
        const int node = 4 + s;
        branches.push_back({previous, node, R * (1 + 0.1 * s), 0, 0});
        branches.push_back({node, 3, 0, 0, C * (1 + 0.05 * s)});
        previous = node;
    }
    return completeNetwork(3 + sections, std::move(branches));
}

// The inverting amplifier of an ideal op-amp: input resistor R1 from the source to the
// inverting input (node 3), the zero-current branch from there to ground (node 5), feedback R2
// to the output (node 4) and a load RL from the output to ground. The output's current-law row
// is dropped; the op-amp row holds the input branch's current at 0.
inline HandNetwork invertingAmplifier(double R1, double R2, double RL) {
    return completeNetwork(5, {{1, 2}, {1, 5}, {2, 3, R1}, {3, 5}, {3, 4, R2}, {4, 5, RL}}, {{4}},
                           {4});
}

}  // namespace volmira::test
