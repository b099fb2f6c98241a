#include "analysis/spice_export.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace volmira {

namespace {

// Numbers go out with all the digits a double carries, so ngspice computes with our values.
std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Netlist nodes. Nodes joined by a wire (a branch without components, an op-amp input side) are
// merged; the merged node keeps the most telling name: ground, then the program's nodes, then
// the op-amp pins, then the points inside branches.
class NodeTable {
  public:
    enum Rank { kGround = 0, kNamed = 1, kPin = 2, kInner = 3 };

    NodeTable() { add("0", kGround); }
    static constexpr int ground() { return 0; }

    int add(std::string name, Rank rank) {
        parent_.push_back(static_cast<int>(parent_.size()));
        rank_.push_back(rank);
        names_.push_back(std::move(name));
        return static_cast<int>(parent_.size()) - 1;
    }
    int find(int node) {
        while (parent_[node] != node) node = parent_[node] = parent_[parent_[node]];
        return node;
    }
    void unite(int a, int b) {
        a = find(a);
        b = find(b);
        if (a == b) return;
        if (rank_[b] < rank_[a] || (rank_[b] == rank_[a] && b < a)) std::swap(a, b);
        parent_[b] = a;
    }
    const std::string& name(int node) { return names_[find(node)]; }

  private:
    std::vector<int> parent_;
    std::vector<int> rank_;
    std::vector<std::string> names_;
};

// One piece of a branch in path order: a component, or the crossing of an op-amp's input wire.
struct BranchItem {
    int component = 0;       // 1-based, 0 for an op-amp crossing
    int opAmp = -1;          // index into the network's op-amps
    bool fromUpper = false;  // the walk crosses from the upper input to the lower one
};

// Walks the branch from its start node cell and lists its items in path order. The wire that
// joins an op-amp's inputs lies left of its body cell; the walk passes it downward when it came
// in through the upper input.
void walkBranch(const Network& network, int branchNumber, std::vector<BranchItem>& items) {
    const Branch& branch = network.branch(branchNumber);
    int column = branch.startColumn;
    int row = branch.startRow;
    items.clear();
    for (char step : branch.path) {
        switch (step) {
            case '0':
                --row;
                break;
            case '1':
                ++column;
                break;
            case '2':
                --column;
                break;
            case '3':
                ++row;
                break;
            default:
                break;
        }
        for (int k = 1; k <= network.componentCount; ++k) {
            const Component& c = network.component(k);
            if (c.branch == branchNumber && c.column == column && c.row == row)
                items.push_back({k, -1, false});
        }
        for (int p = 0; p < network.opAmpCount; ++p) {
            const OpAmp& opAmp = network.opAmps[static_cast<std::size_t>(p)];
            if (opAmp.inputBranch == branchNumber && opAmp.column - 1 == column && opAmp.row == row)
                items.push_back({0, p, step == '3'});
        }
    }
}

}  // namespace

std::string spiceElementName(std::string_view componentName) {
    std::string name;
    for (char c : componentName)
        if (c != ' ') name += c;
    return name;
}

std::string spiceCurrentVector(std::string_view componentName) {
    return "i(vi_" + lowered(spiceElementName(componentName)) + ")";
}

SpiceDecadeSweep spiceDecadeSweep(const SpiceSweep& sweep) {
    SpiceDecadeSweep decade;
    decade.stop = sweep.start;
    if (sweep.points < 2 || !(sweep.stop > sweep.start) || !(sweep.start > 0)) return decade;
    const double decades = std::log10(sweep.stop / sweep.start);
    const double perDecade = (sweep.points - 1) / decades;
    decade.pointsPerDecade = std::max(1, static_cast<int>(std::lround(perDecade)));
    // ngspice counts its points as the whole part of decades times points per decade, plus one;
    // a stop a hair beyond the last point keeps rounding from losing it.
    decade.stop = sweep.start * std::pow(10.0, (sweep.points - 1 + 1e-6) / decade.pointsPerDecade);
    return decade;
}

std::string exportSpiceNetlist(const Network& network, const SpiceExportSettings& settings) {
    NodeTable nodes;
    // Node 1, the source cell, is split into the source's two terminals: branch 1 leaves the plus
    // terminal, branch 2 the minus terminal, since every mesh runs out through branch 1 and
    // back through branch 2 and carries +Ue.
    const int sourcePlus = nodes.add("ue_p", NodeTable::kNamed);
    const int sourceMinus = nodes.add("ue_m", NodeTable::kNamed);
    // SPICE's node 0 is the ground node; without ground marks the end of the source's return
    // lead, through which the op-amps' output currents return as well.
    const int reference = network.hasGround
                              ? network.groundNode()
                              : (network.branchCount >= 2 ? network.branch(2).endNode : -1);
    std::vector<int> nodeIds(static_cast<std::size_t>(network.nodeCount) + 2, -1);
    auto nodeId = [&](int node) {
        if (node == reference) return NodeTable::ground();
        int& id = nodeIds[static_cast<std::size_t>(node)];
        if (id < 0) id = nodes.add("n" + std::to_string(node), NodeTable::kNamed);
        return id;
    };

    // Each op-amp's input pins, upper and lower; the joining wire is left out, so its branch
    // carries no current, as the op-amp row demands.
    struct OpAmpNodes {
        int upper = 0, lower = 0, plus = 0, minus = 0, output = 0;
    };
    std::vector<OpAmpNodes> opAmpNodes(static_cast<std::size_t>(network.opAmpCount));
    for (int p = 0; p < network.opAmpCount; ++p) {
        const OpAmp& opAmp = network.opAmps[static_cast<std::size_t>(p)];
        OpAmpNodes& pins = opAmpNodes[static_cast<std::size_t>(p)];
        const std::string prefix = "op" + std::to_string(p + 1);
        pins.plus = nodes.add(prefix + "_p", NodeTable::kPin);
        pins.minus = nodes.add(prefix + "_m", NodeTable::kPin);
        const bool upperPlus = opAmp.code == 25 || opAmp.code == 27;
        pins.upper = upperPlus ? pins.plus : pins.minus;
        pins.lower = upperPlus ? pins.minus : pins.plus;
        pins.output = opAmp.outputNode != 0 ? nodeId(opAmp.outputNode)
                                            : nodes.add(prefix + "_a", NodeTable::kPin);
    }

    // First every branch's elements and node merges, so that names are final before anything is
    // written.
    struct Element {
        int component = 0;
        int from = 0;  // in the reference direction of the branch current
        int to = 0;
        int sense = 0;  // between sense source and component; -1: no component element
    };
    struct BranchElements {
        int start = 0, end = 0;
        std::vector<Element> elements;
    };
    std::vector<BranchElements> branches(static_cast<std::size_t>(network.branchCount) + 1);
    std::vector<BranchItem> items;
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        walkBranch(network, k, items);
        BranchElements& elements = branches[static_cast<std::size_t>(k)];
        elements.start =
            branch.startNode != 1 ? nodeId(branch.startNode) : (k == 1 ? sourcePlus : sourceMinus);
        elements.end = nodeId(branch.endNode);
        int current = elements.start;
        int inner = 0;
        for (const BranchItem& item : items) {
            if (item.component == 0) {
                const OpAmpNodes& pins = opAmpNodes[static_cast<std::size_t>(item.opAmp)];
                nodes.unite(current, item.fromUpper ? pins.upper : pins.lower);
                current = item.fromUpper ? pins.lower : pins.upper;
                continue;
            }
            const Component& component = network.component(item.component);
            const int next = nodes.add("z" + std::to_string(k) + "_" + std::to_string(++inner),
                                       NodeTable::kInner);
            // A zero resistance is a wire: ngspice would turn it into a small resistance, so
            // only its sense source stands there.
            const bool wire = component.kind() == ComponentKind::Resistor && component.value == 0;
            const int sense = wire ? -1
                                   : nodes.add(lowered(spiceElementName(component.name)) + "_i",
                                               NodeTable::kInner);
            if (branch.reversed)
                elements.elements.push_back({item.component, next, current, sense});
            else
                elements.elements.push_back({item.component, current, next, sense});
            current = next;
        }
        nodes.unite(current, elements.end);
    }

    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += '\n';
    };
    line(settings.title);
    line("* Quelle: Ue = " + number(settings.voltage) + " V, Phase 0");
    line("V1 " + nodes.name(sourcePlus) + " " + nodes.name(sourceMinus) + " DC 0 AC " +
         number(settings.voltage));

    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        const BranchElements& elements = branches[static_cast<std::size_t>(k)];
        std::string parts;
        for (const Element& e : elements.elements) {
            if (!parts.empty()) parts += " + ";
            parts += network.component(e.component).name;
        }
        if (parts.empty()) {
            // A wire joins its two nodes into one.
            line("* Stromzweig " + std::to_string(k) + ": Leitung an " + nodes.name(elements.end));
            continue;
        }
        const int from = branch.reversed ? elements.end : elements.start;
        const int to = branch.reversed ? elements.start : elements.end;
        line("* Stromzweig " + std::to_string(k) + ": " + parts + ", Bezugsrichtung " +
             nodes.name(from) + " -> " + nodes.name(to));
        for (const Element& e : elements.elements) {
            const Component& component = network.component(e.component);
            const std::string element = spiceElementName(component.name);
            if (e.sense < 0) {
                line("* " + element + " = 0 Ohm wirkt als Leitung");
                line("VI_" + element + " " + nodes.name(e.from) + " " + nodes.name(e.to) + " 0");
                continue;
            }
            line("VI_" + element + " " + nodes.name(e.from) + " " + nodes.name(e.sense) + " 0");
            line(element + " " + nodes.name(e.sense) + " " + nodes.name(e.to) + " " +
                 number(component.value));
        }
    }

    for (int p = 0; p < network.opAmpCount; ++p) {
        const OpAmp& opAmp = network.opAmps[static_cast<std::size_t>(p)];
        const OpAmpNodes& pins = opAmpNodes[static_cast<std::size_t>(p)];
        line("* Operationsverstaerker " + std::to_string(p + 1) + " (Zeile " +
             std::to_string(opAmp.row) + ", Spalte " + std::to_string(opAmp.column) +
             "): Eingangszweig " + std::to_string(opAmp.inputBranch) + " ohne Strom");
        line("E" + std::to_string(p + 1) + " " + nodes.name(pins.output) + " 0 " +
             nodes.name(pins.plus) + " " + nodes.name(pins.minus) + " " + number(kSpiceOpAmpGain));
    }

    // The network is linear and has no DC source: the operating point is all zero, and
    // leaving it out spares nodes held only by capacitors a singular DC matrix. The op-amps'
    // gain makes the matrix ill-conditioned: strict partial pivoting keeps ngspice from losing
    // six digits to a small pivot.
    std::string options = ".options noopac pivrel=1";
    // ngspice ends a decade sweep within reltol of the stop frequency; a tight reltol keeps it
    // from adding points. It changes nothing else in a linear AC analysis.
    if (settings.sweep.has_value() && settings.sweep->logarithmic) options += " reltol=1e-9";
    line(options);
    line(".control");
    line("set numdgt=17");
    if (settings.sweep.has_value()) {
        const SpiceSweep& sweep = *settings.sweep;
        if (sweep.logarithmic) {
            const SpiceDecadeSweep decade = spiceDecadeSweep(sweep);
            line("* " + std::to_string(sweep.points) + " logarithmische Punkte, " +
                 std::to_string(decade.pointsPerDecade) + " je Dekade");
            line("ac dec " + std::to_string(decade.pointsPerDecade) + " " + number(sweep.start) +
                 " " + number(decade.stop));
        } else {
            line("ac lin " + std::to_string(sweep.points) + " " + number(sweep.start) + " " +
                 number(sweep.stop));
        }
    } else {
        // Also at 0 Hz, which ngspice's AC analysis takes: its operating point would solve the
        // same network less exactly.
        line("ac lin 1 " + number(settings.frequency) + " " + number(settings.frequency));
    }
    for (int k = 1; k <= network.componentCount; ++k)
        if (settings.printedComponent == 0 || settings.printedComponent == k)
            line("print " + spiceCurrentVector(network.component(k).name));
    // Ends ngspice after the prints, in batch mode as well as interactively, with status 0.
    line("quit");
    line(".endc");
    line(".end");
    return out;
}

}  // namespace volmira
