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

// The op-amp symbol as the grid holds it: the body cell "#", the connecting wire cell left of it
// through which every walk between the two inputs passes, the output cell and which input is
// the non-inverting one.
struct OpAmpPins {
    int column = 0;  // the "#" cell
    int row = 0;
    int outputColumn = 0;
    int outputRow = 0;
    bool upperNonInverting = true;
};

std::vector<OpAmpPins> findOpAmps(const SchematicGrid& drawing) {
    std::vector<OpAmpPins> opAmps;
    for (int row = 1; row <= kGridRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column) {
            if (drawing.at(column, row) != '#') continue;
            OpAmpPins pins{column, row};
            // Right-pointing amplifiers carry their input mark below the body ("<" or "="),
            // left-pointing ones two cells further left (">" or "?"); "<" and ">" mark the
            // upper input as the non-inverting one.
            const char right = drawing.at(column, row + 1);
            const char left = drawing.at(column - 2, row + 1);
            if (left == '>' || left == '?') {
                pins.upperNonInverting = left == '>';
                pins.outputColumn = column - 3;
            } else {
                pins.upperNonInverting = right != '=';
                pins.outputColumn = column + 1;
            }
            pins.outputRow = row;
            opAmps.push_back(pins);
        }
    }
    return opAmps;
}

int opAmpAtInputWire(const std::vector<OpAmpPins>& opAmps, int column, int row) {
    for (std::size_t i = 0; i < opAmps.size(); ++i)
        if (opAmps[i].column == column + 1 && opAmps[i].row == row) return static_cast<int>(i);
    return -1;
}

// Netlist nodes. Nodes joined by a wire (a branch without components, an op-amp input side) are
// merged; the merged node keeps the most telling name: ground, then the program's nodes and
// pins, then the points inside branches.
class NodeTable {
public:
    enum Rank { kGround = 0, kNamed = 1, kInner = 2 };

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
    int component = 0;        // 1-based, 0 for an op-amp crossing
    int opAmp = -1;           // index into the op-amp list
    bool fromUpper = false;   // the walk crosses from the upper input to the lower one
};

struct Cell {
    int column = 0;
    int row = 0;
};

// Walks the branch from its start node cell; gives its items and the end node's cell.
Cell walkBranch(const Network& network, int branchNumber, const SchematicGrid& drawing,
                const std::vector<OpAmpPins>& opAmps, std::vector<BranchItem>& items) {
    const Branch& branch = network.branch(branchNumber);
    int column = branch.startColumn;
    int row = branch.startRow;
    items.clear();
    for (char step : branch.path) {
        switch (step) {
        case '0': --row; break;
        case '1': ++column; break;
        case '2': --column; break;
        case '3': ++row; break;
        default: break;
        }
        const char cell = drawing.at(column, row);
        if (cell == 'x' || cell == 'y' || cell == 'z') {
            for (int k = 1; k <= network.componentCount; ++k) {
                const Component& c = network.component(k);
                if (c.column == column && c.row == row) {
                    items.push_back({k, -1, false});
                    break;
                }
            }
        } else if (cell == '2') {
            const int opAmp = opAmpAtInputWire(opAmps, column, row);
            if (opAmp >= 0) items.push_back({0, opAmp, step == '3'});
        }
    }
    return {column, row};
}

const char* kindWord(ComponentKind kind) {
    switch (kind) {
    case ComponentKind::Resistor: return "Ohm";
    case ComponentKind::Inductor: return "H";
    case ComponentKind::Capacitor: return "F";
    }
    return "";
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
    decade.stop = sweep.start *
                  std::pow(10.0, (sweep.points - 1 + 1e-6) / decade.pointsPerDecade);
    return decade;
}

std::string exportSpiceNetlist(const Network& network, const SchematicGrid& drawing,
                               const SpiceExportSettings& settings) {
    const std::vector<OpAmpPins> opAmps = findOpAmps(drawing);
    NodeTable nodes;

    // The program's nodes; the ground node (all ground marks) is node 0. Node 1, the source cell,
    // is split into the source's two terminals.
    const int groundNode = network.hasGround ? network.nodeCount + 1 : -1;
    std::vector<int> nodeIds(static_cast<std::size_t>(network.nodeCount) + 2, -1);
    const int sourcePlus = nodes.add("ue_p", NodeTable::kNamed);
    const int sourceMinus = nodes.add("ue_m", NodeTable::kNamed);
    if (!network.hasGround) nodes.unite(sourceMinus, NodeTable::ground());
    auto nodeId = [&](int node) {
        if (node == groundNode) return NodeTable::ground();
        int& id = nodeIds[static_cast<std::size_t>(node)];
        if (id < 0) id = nodes.add("n" + std::to_string(node), NodeTable::kNamed);
        return id;
    };

    struct OpAmpNodes {
        int upper = 0, lower = 0, output = -1;
    };
    std::vector<OpAmpNodes> opAmpNodes(opAmps.size());
    for (std::size_t i = 0; i < opAmps.size(); ++i) {
        const std::string prefix = "op" + std::to_string(i + 1);
        opAmpNodes[i].upper = nodes.add(prefix + (opAmps[i].upperNonInverting ? "_p" : "_m"),
                                        NodeTable::kNamed);
        opAmpNodes[i].lower = nodes.add(prefix + (opAmps[i].upperNonInverting ? "_m" : "_p"),
                                        NodeTable::kNamed);
    }

    // First pass: every branch's items and nodes, so that names are final before anything is
    // written.
    struct Element {
        int component = 0;
        int from = 0;  // in the reference direction of the branch current
        int to = 0;
        int sense = 0;  // between sense source and component; -1: no component element
    };
    struct BranchText {
        int start = 0, end = 0;
        std::vector<Element> elements;
    };
    std::vector<BranchText> branches(static_cast<std::size_t>(network.branchCount) + 1);
    std::vector<BranchItem> items;
    bool sourcePlusTaken = false;
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        const Cell end = walkBranch(network, k, drawing, opAmps, items);
        int startId;
        if (branch.startNode == 1) {
            startId = sourcePlusTaken ? sourceMinus : sourcePlus;
            sourcePlusTaken = true;
        } else {
            startId = nodeId(branch.startNode);
        }
        const int endId = nodeId(branch.endNode);
        for (std::size_t i = 0; i < opAmps.size(); ++i) {
            if (opAmps[i].outputColumn == branch.startColumn && opAmps[i].outputRow == branch.startRow)
                opAmpNodes[i].output = startId;
            if (opAmps[i].outputColumn == end.column && opAmps[i].outputRow == end.row)
                opAmpNodes[i].output = endId;
        }
        BranchText& text = branches[static_cast<std::size_t>(k)];
        text.start = startId;
        text.end = endId;
        int current = startId;
        int inner = 0;
        for (const BranchItem& item : items) {
            if (item.component == 0) {
                const OpAmpNodes& pins = opAmpNodes[static_cast<std::size_t>(item.opAmp)];
                nodes.unite(current, item.fromUpper ? pins.upper : pins.lower);
                current = item.fromUpper ? pins.lower : pins.upper;
                continue;
            }
            const std::string base = "z" + std::to_string(k) + "_";
            const int next = nodes.add(base + std::to_string(++inner), NodeTable::kInner);
            const std::string element =
                lowered(spiceElementName(network.component(item.component).name));
            // A zero resistance is a wire: ngspice would turn it into a small resistance, so
            // only its sense source stands there.
            const Component& component = network.component(item.component);
            const bool wire = component.kind() == ComponentKind::Resistor && component.value == 0;
            const int sense = wire ? -1 : nodes.add(element + "_i", NodeTable::kInner);
            if (branch.reversed)
                text.elements.push_back({item.component, next, current, sense});
            else
                text.elements.push_back({item.component, current, next, sense});
            current = next;
        }
        nodes.unite(current, endId);
    }
    for (std::size_t i = 0; i < opAmps.size(); ++i)
        if (opAmpNodes[i].output < 0)
            opAmpNodes[i].output = nodes.add("op" + std::to_string(i + 1) + "_a", NodeTable::kNamed);

    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += '\n';
    };
    line(settings.title);
    line("* Quelle: V1 zwischen " + nodes.name(sourcePlus) + " (+) und " +
         nodes.name(sourceMinus) + ", Ue = " + number(settings.voltage) + " V, Phase 0");
    const bool operatingPoint = !settings.sweep.has_value() && settings.frequency == 0;
    line("V1 " + nodes.name(sourcePlus) + " " + nodes.name(sourceMinus) +
         (operatingPoint ? " DC " : " DC 0 AC ") + number(settings.voltage));

    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        const BranchText& text = branches[static_cast<std::size_t>(k)];
        std::string parts;
        for (const Element& e : text.elements) {
            if (!parts.empty()) parts += " + ";
            parts += network.component(e.component).name;
        }
        const int from = branch.reversed ? text.end : text.start;
        const int to = branch.reversed ? text.start : text.end;
        line("* Stromzweig " + std::to_string(k) + ": " + (parts.empty() ? "Leitung" : parts) +
             ", Bezugsrichtung " + nodes.name(from) + " -> " + nodes.name(to));
        for (const Element& e : text.elements) {
            const Component& component = network.component(e.component);
            const std::string element = spiceElementName(component.name);
            if (e.sense < 0) {
                line("* " + element + " = 0 Ohm: wie eine Leitung");
                line("VI_" + element + " " + nodes.name(e.from) + " " + nodes.name(e.to) + " 0");
                continue;
            }
            line("VI_" + element + " " + nodes.name(e.from) + " " + nodes.name(e.sense) + " 0");
            line(element + " " + nodes.name(e.sense) + " " + nodes.name(e.to) + " " +
                 number(component.value) + " ; " + kindWord(component.kind()));
        }
    }

    for (std::size_t i = 0; i < opAmps.size(); ++i) {
        const OpAmpNodes& pins = opAmpNodes[i];
        const bool upperPlus = opAmps[i].upperNonInverting;
        const int plus = upperPlus ? pins.upper : pins.lower;
        const int minus = upperPlus ? pins.lower : pins.upper;
        line("* Operationsverstaerker " + std::to_string(i + 1) + " (Zeile " +
             std::to_string(opAmps[i].row) + ", Spalte " + std::to_string(opAmps[i].column) +
             "): Ausgang " + nodes.name(pins.output) + ", Eingaenge + " + nodes.name(plus) +
             " und - " + nodes.name(minus));
        line("E" + std::to_string(i + 1) + " " + nodes.name(pins.output) + " 0 " +
             nodes.name(plus) + " " + nodes.name(minus) + " " + number(kSpiceOpAmpGain));
    }

    // The network is linear and has no DC source: the operating point is all zero, and
    // leaving it out spares nodes that only capacitors hold from a singular DC matrix.
    line(".options noopac");
    line(".control");
    line("set numdgt=17");
    if (settings.sweep.has_value()) {
        const SpiceSweep& sweep = *settings.sweep;
        if (sweep.logarithmic) {
            const SpiceDecadeSweep decade = spiceDecadeSweep(sweep);
            line("* " + std::to_string(sweep.points) + " logarithmische Punkte ab " +
                 number(sweep.start) + " Hz, " + std::to_string(decade.pointsPerDecade) +
                 " je Dekade");
            line("ac dec " + std::to_string(decade.pointsPerDecade) + " " + number(sweep.start) +
                 " " + number(decade.stop));
        } else {
            line("ac lin " + std::to_string(sweep.points) + " " + number(sweep.start) + " " +
                 number(sweep.stop));
        }
    } else if (settings.frequency == 0) {
        line("op");
    } else {
        line("ac lin 1 " + number(settings.frequency) + " " + number(settings.frequency));
    }
    for (int k = 1; k <= network.componentCount; ++k) {
        if (settings.printedComponent != 0 && settings.printedComponent != k) continue;
        if (network.component(k).branch == 0) continue;
        line("print " + spiceCurrentVector(network.component(k).name));
    }
    line(".endc");
    line(".end");
    return out;
}

}  // namespace volmira
