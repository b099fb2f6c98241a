// Mesh search: a depth-first enumeration of every loop through the source, then a selection of
// independent loops, shortest first, until the voltage-law rows complete the system. Where that
// search runs into its limits, the fundamental loops of a spanning tree take its place.
#include <cmath>
#include <memory>

#include "analysis/topology_parts.h"

namespace volmira::topology {

namespace {

constexpr int kMaxPathsTaken = 50000;
constexpr int kMaxWaitingPaths = 60;
constexpr int kMaxCandidates = 2998;
constexpr int kMaxSelectionPasses = 1000;

// A sequence of branches in the direction of travel: +k runs branch k from its start node to its
// end node, -k against it.
struct OrientedPath {
    std::array<std::int8_t, kMaxBranches> step;
    std::uint8_t length = 0;
    std::uint8_t endNode = 0;
    std::array<std::uint64_t, 2> used{};  // bit k - 1: branch k is in the path

    bool uses(int k) const { return (used[(k - 1) / 64] >> ((k - 1) % 64)) & 1u; }
    void append(int k, bool forward, int farNode) {
        step[length++] = static_cast<std::int8_t>(forward ? k : -k);
        used[(k - 1) / 64] |= std::uint64_t{1} << ((k - 1) % 64);
        endNode = static_cast<std::uint8_t>(farNode);
    }
};

struct Candidate {
    std::array<std::int8_t, kMaxBranches> step;
    std::uint8_t length = 0;
};

// Independent loops kept in echelon form, to tell whether a further loop adds a new equation.
class LoopBasis {
  public:
    bool addIfIndependent(const Candidate& loop) {
        std::array<double, kMaxBranches> v{};
        for (int i = 0; i < loop.length; ++i) {
            const int k = loop.step[static_cast<std::size_t>(i)];
            v[static_cast<std::size_t>(std::abs(k) - 1)] = k > 0 ? 1.0 : -1.0;
        }
        for (int r = 0; r < size_; ++r) {
            const auto& row = rows_[static_cast<std::size_t>(r)];
            const std::size_t p = pivot_[static_cast<std::size_t>(r)];
            const double factor = v[p] / row[p];
            if (factor == 0) continue;
            for (std::size_t c = 0; c < kMaxBranches; ++c) v[c] -= factor * row[c];
        }
        std::size_t best = 0;
        for (std::size_t c = 1; c < kMaxBranches; ++c)
            if (std::abs(v[c]) > std::abs(v[best])) best = c;
        if (std::abs(v[best]) < 1e-9 || size_ == kMaxMeshes) return false;
        rows_[static_cast<std::size_t>(size_)] = v;
        pivot_[static_cast<std::size_t>(size_)] = best;
        ++size_;
        return true;
    }

  private:
    int size_ = 0;
    std::array<std::array<double, kMaxBranches>, kMaxMeshes> rows_;
    std::array<std::size_t, kMaxMeshes> pivot_;
};

struct MeshSearch {
    // Branches at each node, in increasing order.
    std::array<std::array<std::uint8_t, kMaxBranches>, kMaxNodes + 1> incident;
    std::array<std::uint8_t, kMaxNodes + 1> incidentCount{};
    // Waiting paths, the next to take at the top; children are built before they are pushed.
    std::array<OrientedPath, kMaxWaitingPaths> waiting;
    std::array<OrientedPath, kMaxBranches> children;
    std::array<Candidate, kMaxCandidates> candidates;
    int candidateCount = 0;
    LoopBasis basis;
};

Error enumerateLoops(const Network& network, MeshSearch& s) {
    const int returnNode = network.branch(2).endNode;  // where the loops come back to the source
    int top = 0;
    s.waiting[0] = OrientedPath{};
    s.waiting[0].append(1, true, network.branch(1).endNode);
    top = 1;
    int taken = 0;
    while (top > 0) {
        const OrientedPath path = s.waiting[static_cast<std::size_t>(--top)];
        if (++taken > kMaxPathsTaken) return kFaultyOrTooComplex;
        const int end = path.endNode;
        int childCount = 0;
        for (int i = 0; i < s.incidentCount[static_cast<std::size_t>(end)]; ++i) {
            const int k = s.incident[static_cast<std::size_t>(end)][static_cast<std::size_t>(i)];
            if (path.uses(k)) continue;
            const Branch& branch = network.branch(k);
            const bool forward = branch.startNode == end;
            const int far = forward ? branch.endNode : branch.startNode;
            if (far == kSourceNode) {
                if (s.candidateCount == kMaxCandidates) return kTooComplex;
                OrientedPath loop = path;
                loop.append(k, forward, far);
                Candidate& c = s.candidates[static_cast<std::size_t>(s.candidateCount++)];
                c.step = loop.step;
                c.length = loop.length;
            } else if (end != returnNode) {
                OrientedPath& child = s.children[static_cast<std::size_t>(childCount++)];
                child = path;
                child.append(k, forward, far);
            }
        }
        // The new paths go before those already waiting, in the order found.
        if (top + childCount > kMaxWaitingPaths) return kFaultyOrTooComplex;
        for (int i = childCount - 1; i >= 0; --i)
            s.waiting[static_cast<std::size_t>(top++)] = s.children[static_cast<std::size_t>(i)];
    }
    return kOk;
}

void appendMesh(Network& network, const Candidate& loop) {
    SignRow& row = network.meshRows[static_cast<std::size_t>(network.meshCount++)];
    row = {};
    for (int i = 0; i < loop.length; ++i) {
        const int k = loop.step[static_cast<std::size_t>(i)];
        row[static_cast<std::size_t>(std::abs(k) - 1)] = static_cast<std::int8_t>(k > 0 ? 1 : -1);
    }
}

// Shortest first, ties in the order stored; every loop that covers a branch not covered yet
// becomes a mesh. Should the covering loops not yet give enough independent equations, further
// independent loops follow in the same order.
Error selectMeshes(Network& network, int required, MeshSearch& s) {
    std::array<int, kMaxCandidates> order;
    int ordered = 0;
    for (int length = 1; length <= kMaxBranches; ++length)
        for (int i = 0; i < s.candidateCount; ++i)
            if (s.candidates[static_cast<std::size_t>(i)].length == length)
                order[static_cast<std::size_t>(ordered++)] = i;

    // Branches 1 and 2 (the source) are in every loop; the others are to be covered.
    std::array<bool, kMaxBranches + 1> coverable{}, covered{};
    int uncovered = 0;
    for (int i = 0; i < s.candidateCount; ++i) {
        const Candidate& c = s.candidates[static_cast<std::size_t>(i)];
        for (int j = 0; j < c.length; ++j) {
            const int k = std::abs(c.step[static_cast<std::size_t>(j)]);
            if (k > 2 && !coverable[static_cast<std::size_t>(k)]) {
                coverable[static_cast<std::size_t>(k)] = true;
                ++uncovered;
            }
        }
    }

    std::array<bool, kMaxCandidates> chosen{};
    int passes = 0;
    for (int n = 0; n < ordered && network.meshCount < required && uncovered > 0; ++n) {
        if (++passes > kMaxSelectionPasses) return kNoUsableResult;
        const int index = order[static_cast<std::size_t>(n)];
        const Candidate& c = s.candidates[static_cast<std::size_t>(index)];
        int newlyCovered = 0;
        for (int j = 0; j < c.length; ++j) {
            const int k = std::abs(c.step[static_cast<std::size_t>(j)]);
            if (k > 2 && !covered[static_cast<std::size_t>(k)]) {
                covered[static_cast<std::size_t>(k)] = true;
                ++newlyCovered;
            }
        }
        if (newlyCovered == 0) continue;
        uncovered -= newlyCovered;
        if (network.meshCount == kMaxMeshes) return kTooManyMeshes;
        s.basis.addIfIndependent(c);
        chosen[static_cast<std::size_t>(index)] = true;
        appendMesh(network, c);
    }
    for (int n = 0; n < ordered && network.meshCount < required; ++n) {
        const int index = order[static_cast<std::size_t>(n)];
        if (chosen[static_cast<std::size_t>(index)]) continue;
        const Candidate& c = s.candidates[static_cast<std::size_t>(index)];
        if (network.meshCount == kMaxMeshes) return kTooManyMeshes;
        if (!s.basis.addIfIndependent(c)) continue;
        appendMesh(network, c);
    }
    return network.meshCount == required ? kOk : kNoUsableResult;
}

// The loops of a spanning tree grown from the source: one per branch outside the tree, that
// branch forward and the tree path back. They are independent and as many as a connected drawing
// has independent loops; those that pass the source give it its sign in their row.
Error fundamentalLoops(Network& network, int required) {
    if (required > kMaxMeshes) return kTooManyMeshes;
    const int b = network.branchCount;
    std::array<std::int8_t, kMaxNodes + 1> parentStep{};  // the oriented branch towards the root
    std::array<std::uint8_t, kMaxNodes + 1> depth{};
    std::array<bool, kMaxNodes + 1> reached{};
    std::array<bool, kMaxBranches + 1> inTree{};
    std::array<std::uint8_t, kMaxNodes + 1> queue{};
    int head = 0, tail = 0;
    queue[static_cast<std::size_t>(tail++)] = kSourceNode;
    reached[kSourceNode] = true;
    while (head < tail) {
        const int node = queue[static_cast<std::size_t>(head++)];
        for (int k = 1; k <= b; ++k) {
            const Branch& branch = network.branch(k);
            const bool fromStart = branch.startNode == node;
            if (!fromStart && branch.endNode != node) continue;
            const int far = fromStart ? branch.endNode : branch.startNode;
            if (reached[static_cast<std::size_t>(far)]) continue;
            reached[static_cast<std::size_t>(far)] = true;
            inTree[static_cast<std::size_t>(k)] = true;
            // Towards the root: from far back to node.
            parentStep[static_cast<std::size_t>(far)] =
                static_cast<std::int8_t>(fromStart ? -k : k);
            depth[static_cast<std::size_t>(far)] =
                static_cast<std::uint8_t>(depth[static_cast<std::size_t>(node)] + 1);
            queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(far);
        }
    }
    auto parentOf = [&](int node) {
        const int step = parentStep[static_cast<std::size_t>(node)];
        const Branch& branch = network.branch(std::abs(step));
        return step > 0 ? branch.endNode : branch.startNode;
    };
    network.meshCount = 0;
    for (int k = 1; k <= b; ++k) {
        if (inTree[static_cast<std::size_t>(k)]) continue;
        if (network.meshCount == required) return kNoUsableResult;
        // Branch k from its start u to its end v, then v up to the common ancestor, then down
        // to u: the steps from u up, each taken the other way round.
        SignRow& row = network.meshRows[static_cast<std::size_t>(network.meshCount++)];
        row = {};
        row[static_cast<std::size_t>(k - 1)] = 1;
        int u = network.branch(k).startNode, v = network.branch(k).endNode;
        while (u != v) {
            if (depth[static_cast<std::size_t>(v)] >= depth[static_cast<std::size_t>(u)]) {
                const int step = parentStep[static_cast<std::size_t>(v)];
                row[static_cast<std::size_t>(std::abs(step) - 1)] +=
                    static_cast<std::int8_t>(step > 0 ? 1 : -1);
                v = parentOf(v);
            } else {
                const int step = parentStep[static_cast<std::size_t>(u)];
                row[static_cast<std::size_t>(std::abs(step) - 1)] -=
                    static_cast<std::int8_t>(step > 0 ? 1 : -1);
                u = parentOf(u);
            }
        }
    }
    return network.meshCount == required ? kOk : kNoUsableResult;
}

}  // namespace

Error findMeshes(Network& network, int required) {
    const int b = network.branchCount;
    if (b < 2 || network.branch(1).startNode != kSourceNode ||
        network.branch(2).startNode != kSourceNode)
        return kNoUsableResult;  // the source does not lie between two nodes
    auto search = std::make_unique<MeshSearch>();
    for (int k = 1; k <= b; ++k) {
        for (const int node : {network.branch(k).startNode, network.branch(k).endNode}) {
            auto& count = search->incidentCount[static_cast<std::size_t>(node)];
            search->incident[static_cast<std::size_t>(node)][count++] =
                static_cast<std::uint8_t>(k);
        }
    }
    const Error searched = enumerateLoops(network, *search);
    if (searched != kOk && searched != kFaultyOrTooComplex && searched != kTooComplex)
        return searched;
    // Without a single loop through the source no current flows anywhere; a drawing in pieces
    // or with open ends has no square system (required < 0).
    if (required <= 0 || (searched == kOk && search->candidateCount == 0)) {
        return searched == kOk ? kNoUsableResult : searched;
    }
    if (searched == kOk) {
        const Error selected = selectMeshes(network, required, *search);
        if (selected != kNoUsableResult) return selected;
    }
    return fundamentalLoops(network, required);
}

}  // namespace volmira::topology
