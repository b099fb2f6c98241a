#include "support/reference_solver.h"

#include <algorithm>
#include <complex>
#include <numeric>
#include <vector>

namespace volmira::test {
namespace {

__extension__ typedef __float128 Quad;

// GCC's generic complex arithmetic: the textbook formulas, in quadruple precision.
using Cx = std::complex<Quad>;

// The 1-norm, enough to choose pivots and size errors.
Quad size(Cx a) {
    return (a.real() < 0 ? -a.real() : a.real()) + (a.imag() < 0 ? -a.imag() : a.imag());
}

// Nodes 1..N, ground N + 1, and the second terminal of the source kept apart from node 1.
constexpr int kSecondTerminal = kMaxNumberedNodes + 2;
constexpr int kNodeSlots = kSecondTerminal + 1;

// Groups of nodes joined by bare wires.
struct Nodes {
    std::array<int, kNodeSlots> parent;
    Nodes() { std::iota(parent.begin(), parent.end(), 0); }
    int root(int n) const { return parent[n] == n ? n : root(parent[n]); }
    void join(int a, int b) { parent[root(a)] = root(b); }
};

// Gaussian elimination with partial pivoting; false when a pivot is exactly 0.
bool solveDense(std::vector<std::vector<Cx>>& a, std::vector<Cx>& x) {
    const std::size_t n = x.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t best = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (size(a[i][k]) > size(a[best][k])) best = i;
        if (size(a[best][k]) == 0) return false;
        std::swap(a[k], a[best]);
        std::swap(x[k], x[best]);
        for (std::size_t i = k + 1; i < n; ++i) {
            if (size(a[i][k]) == 0) continue;
            const Cx f = a[i][k] / a[k][k];
            for (std::size_t c = k; c < n; ++c) a[i][c] = a[i][c] - f * a[k][c];
            x[i] = x[i] - f * x[k];
        }
    }
    for (std::size_t k = n; k-- > 0;) {
        Cx sum = x[k];
        for (std::size_t c = k + 1; c < n; ++c) sum = sum - a[k][c] * x[c];
        x[k] = sum / a[k][k];
    }
    return true;
}

}  // namespace

ReferenceCurrents referenceCurrents(const Network& network, double frequency, double voltage) {
    ReferenceCurrents out;
    const int b = network.branchCount;
    const Quad omega = Quad(2) * Quad(3.14159265358979323846264338327950288L) * Quad(frequency);
    std::array<bool, kMaxBranches> nullator{};
    for (int p = 0; p < network.opAmpCount; ++p) nullator[network.opAmps[p].inputBranch - 1] = true;
    auto ends = [&](int k) {
        const Branch& branch = network.branches[k];
        const int start = k == 1 && branch.startNode == 1 ? kSecondTerminal : branch.startNode;
        return std::pair{start, static_cast<int>(branch.endNode)};
    };

    std::array<Cx, kMaxBranches> admittance{};
    std::array<bool, kMaxBranches> wire{};
    Nodes nodes;
    for (int k = 0; k < b; ++k) {
        const Branch& branch = network.branches[k];
        if (nullator[k]) continue;
        if (branch.R == 0 && branch.L == 0 && branch.C == 0) {
            wire[k] = true;
            nodes.join(ends(k).first, ends(k).second);
            continue;
        }
        Cx z(Quad(branch.R), omega * Quad(branch.L));
        if (branch.C != 0) z -= Cx(0, Quad(1) / (omega * Quad(branch.C)));
        admittance[k] = Quad(1) / z;
    }
    const int reference = nodes.root(kSecondTerminal);
    if (nodes.root(1) == reference) return out;  // the source is shorted

    // Unknowns: the potential of every other group of nodes, the source current, one output
    // current per op-amp.
    std::array<int, kNodeSlots> index;
    index.fill(-1);
    std::array<bool, kNodeSlots> used{};
    for (int k = 0; k < b; ++k) used[ends(k).first] = used[ends(k).second] = true;
    int unknowns = 0;
    for (int n = 1; n < kNodeSlots; ++n) {
        const int r = nodes.root(n);
        if (used[n] && r != reference && index[r] < 0) index[r] = unknowns++;
    }
    const int sourceCurrent = unknowns++;
    const int firstOutput = unknowns;
    unknowns += network.opAmpCount;
    std::vector<std::vector<Cx>> a(unknowns, std::vector<Cx>(unknowns));
    std::vector<Cx> x(unknowns);
    auto at = [&](int node) { return index[nodes.root(node)]; };
    auto stamp = [&](int row, int column, Cx value) {
        if (row >= 0 && column >= 0) a[row][column] += value;
    };
    for (int k = 0; k < b; ++k) {
        if (nullator[k] || wire[k]) continue;
        const auto [from, to] = ends(k);
        const Cx y = admittance[k];
        stamp(at(from), at(from), y);
        stamp(at(from), at(to), -y);
        stamp(at(to), at(to), y);
        stamp(at(to), at(from), -y);
    }
    // The source drives its current out of node 1 into branch 1 and back in through branch 2;
    // its row is the one of its voltage.
    stamp(at(1), sourceCurrent, Cx(-1));
    stamp(at(kSecondTerminal), sourceCurrent, Cx(1));
    stamp(sourceCurrent, at(1), Cx(1));
    stamp(sourceCurrent, at(kSecondTerminal), Cx(-1));
    x[sourceCurrent] = Quad(voltage);
    for (int p = 0; p < network.opAmpCount; ++p) {
        const OpAmp& opAmp = network.opAmps[p];
        const int column = firstOutput + p;
        stamp(at(opAmp.outputNode), column, Cx(-1));
        stamp(at(network.opAmpReferenceNode), column, Cx(1));
        stamp(column, at(opAmp.nonInvertingNode), Cx(1));
        stamp(column, at(opAmp.invertingNode), Cx(-1));
    }
    // One refinement step: its correction also estimates the reference's own error.
    const std::vector<std::vector<Cx>> system = a;
    std::vector<Cx> correction = x;
    if (!solveDense(a, x)) return out;
    for (int i = 0; i < unknowns; ++i)
        for (int c = 0; c < unknowns; ++c) correction[i] = correction[i] - system[i][c] * x[c];
    a = system;
    if (!solveDense(a, correction)) return out;
    for (int i = 0; i < unknowns; ++i) x[i] = x[i] + correction[i];

    auto potential = [&](int node) { return at(node) < 0 ? Cx{} : x[at(node)]; };
    auto error = [&](int node) { return at(node) < 0 ? Quad(0) : size(correction[at(node)]); };
    for (int k = 0; k < b; ++k) {
        if (nullator[k] || wire[k]) continue;
        const auto [from, to] = ends(k);
        const Cx i = admittance[k] * (potential(from) - potential(to));
        out.current[k] = {static_cast<double>(i.real()), static_cast<double>(i.imag())};
        out.uncertainty[k] =
            static_cast<double>(Quad(10) * size(admittance[k]) * (error(from) + error(to)));
    }
    for (int n = 1; n < kNodeSlots; ++n)
        out.potential[std::size_t(n)] = {static_cast<double>(potential(n).real()),
                                         static_cast<double>(potential(n).imag())};
    out.solved = true;
    return out;
}

}  // namespace volmira::test
