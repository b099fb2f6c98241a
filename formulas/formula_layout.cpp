#include "formulas/formula_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace volmira {

namespace {

// Advance widths of bold Arial for the characters 32..126, in thousandths of the font height.
constexpr std::array<short, 95> kBoldArialWidths = {
    277, 333, 474, 556, 556, 889, 722, 237, 333, 333, 389, 583, 277, 333, 277, 277, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 583, 583, 583, 610, 975, 722, 722, 722, 722, 666,
    610, 777, 722, 277, 556, 722, 610, 833, 722, 777, 666, 777, 722, 666, 610, 722, 666, 943, 666,
    666, 610, 333, 277, 333, 583, 556, 333, 556, 610, 556, 610, 556, 333, 610, 610, 277, 277, 556,
    277, 889, 610, 610, 610, 610, 389, 556, 333, 610, 556, 777, 556, 556, 500, 389, 279, 389, 583};

// Font heights of the display items.
constexpr int kMainHeight = 20;      // text "1" and Greek letters
constexpr int kIndexHeight = 15;     // text "3"
constexpr int kExponentHeight = 13;  // text "4"
// A line of main text reaches this far above and below its middle (the axis).
constexpr int kHalfLine = 11;

constexpr int kDotWidth = 8;
constexpr int kDotRaise = 4;       // above the text top, so that the dot stands mid-height
constexpr int kBarOffset = 2;      // fraction bar below the axis, level with the letters' middle
constexpr int kFractionGap = 1;    // between the bar and numerator or denominator
constexpr int kFractionSpace = 4;  // beside numerator and denominator
constexpr int kRootLead = 10;      // the root sign's width before its body
constexpr int kRootTail = 3;
constexpr int kRootRise = 3;  // the bar above its body

int textWidth(std::string_view text, int height) {
    int thousandths = 0;
    for (char c : text) {
        const int index = std::clamp(static_cast<int>(c) - 32, 0, 94);
        thousandths += kBoldArialWidths[static_cast<std::size_t>(index)];
    }
    return (thousandths * height + 999) / 1000;
}

// Bold Arial's Greek letters, by the Symbol-font letter that stands for them.
int greekWidth(char letter) {
    int thousandths = 700;
    switch (letter) {
        case 'w':
            thousandths = 844;
            break;
        case 'p':
            thousandths = 765;
            break;
        case 'e':
            thousandths = 474;
            break;
        case 'm':
            thousandths = 576;
            break;
        case 'r':
            thousandths = 618;
            break;
        case 'g':
            thousandths = 556;
            break;
        default:
            break;
    }
    return (thousandths * kMainHeight + 999) / 1000;
}

struct Node {
    enum class Kind { Row, Text, Greek, Index, Exponent, Dot, Fraction, Root };
    explicit Node(Kind k = Kind::Row) : kind(k) {}
    Kind kind;
    std::string text;
    std::vector<Node> children;
    int width = 0;
    int above = 0;  // extent above and below the axis
    int below = 0;
};

class Parser {
  public:
    explicit Parser(std::string_view notation) : notation_(notation) {}

    Node parseRow() {
        Node row;
        while (pos_ < notation_.size()) {
            const char c = notation_[pos_];
            if (c == '/' || c == '}' || c == ']') break;
            ++pos_;
            switch (c) {
                case '*':
                    row.children.push_back(Node(Node::Kind::Dot));
                    break;
                case '~':
                    row.children.push_back(single(Node::Kind::Greek));
                    break;
                case '_':
                    row.children.push_back(single(Node::Kind::Index));
                    break;
                case '^':
                    row.children.push_back(single(Node::Kind::Exponent));
                    break;
                case '{':
                    row.children.push_back(fraction());
                    break;
                case '[':
                    row.children.push_back(rootSign());
                    break;
                default:
                    appendText(row, c);
                    break;
            }
        }
        return row;
    }

  private:
    Node single(Node::Kind kind) {
        Node node(kind);
        if (pos_ < notation_.size()) node.text = notation_[pos_++];
        return node;
    }

    Node fraction() {
        Node node(Node::Kind::Fraction);
        node.children.push_back(parseRow());
        skip('/');
        node.children.push_back(parseRow());
        skip('}');
        return node;
    }

    Node rootSign() {
        Node node(Node::Kind::Root);
        node.children.push_back(parseRow());
        skip(']');
        return node;
    }

    static void appendText(Node& row, char c) {
        if (row.children.empty() || row.children.back().kind != Node::Kind::Text)
            row.children.push_back(Node(Node::Kind::Text));
        row.children.back().text += c;
    }

    void skip(char c) {
        if (pos_ < notation_.size() && notation_[pos_] == c) ++pos_;
    }

    std::string_view notation_;
    std::size_t pos_ = 0;
};

void measure(Node& node) {
    for (Node& child : node.children) measure(child);
    switch (node.kind) {
        case Node::Kind::Row:
            for (const Node& child : node.children) {
                node.width += child.width;
                node.above = std::max(node.above, child.above);
                node.below = std::max(node.below, child.below);
            }
            break;
        case Node::Kind::Text:
            node.width = textWidth(node.text, kMainHeight);
            node.above = node.below = kHalfLine;
            break;
        case Node::Kind::Greek:
            node.width = greekWidth(node.text.empty() ? ' ' : node.text[0]);
            node.above = node.below = kHalfLine;
            break;
        case Node::Kind::Index:
            node.width = textWidth(node.text, kIndexHeight) + 1;
            node.above = 3;
            node.below = 14;
            break;
        case Node::Kind::Exponent:
            node.width = textWidth(node.text, kExponentHeight) + 1;
            node.above = 16;
            node.below = 0;
            break;
        case Node::Kind::Dot:
            node.width = kDotWidth;
            break;
        case Node::Kind::Fraction: {
            const Node& top = node.children[0];
            const Node& bottom = node.children[1];
            node.width = std::max(top.width, bottom.width) + 2 * kFractionSpace;
            node.above = top.above + top.below + kFractionGap - kBarOffset;
            node.below = bottom.above + bottom.below + kFractionGap + kBarOffset;
            break;
        }
        case Node::Kind::Root: {
            const Node& body = node.children[0];
            node.width = kRootLead + body.width + kRootTail;
            node.above = body.above + kRootRise + 3;  // clear of a fraction bar above
            node.below = body.below;
            break;
        }
    }
}

// A coordinate as a three-character field ("027", "-06").
std::string field(int value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), value < 0 ? "-%02d" : "%03d", std::abs(value));
    return text.data();
}

void emit(const Node& node, int x, int axis, std::string& out) {
    switch (node.kind) {
        case Node::Kind::Row:
            for (const Node& child : node.children) {
                emit(child, x, axis, out);
                x += child.width;
            }
            break;
        case Node::Kind::Text:
            out += "#1-" + field(x) + "-" + field(axis - kHalfLine) + "-" + node.text + "#";
            break;
        case Node::Kind::Greek:
            out += "&1-20-" + field(x) + "-" + field(axis - kHalfLine) + "-" + node.text;
            break;
        case Node::Kind::Index:
            out += "#3-" + field(x) + "-" + field(axis - 3) + "-" + node.text + "#";
            break;
        case Node::Kind::Exponent:
            out += "#4-" + field(x) + "-" + field(axis - 16) + "-" + node.text + "#";
            break;
        case Node::Kind::Dot:
            out += "." + field(x + 1) + "-" + field(axis - kHalfLine - kDotRaise);
            break;
        case Node::Kind::Fraction: {
            const Node& top = node.children[0];
            const Node& bottom = node.children[1];
            const int bar = axis + kBarOffset;
            emit(top, x + (node.width - top.width) / 2, bar - kFractionGap - top.below, out);
            emit(bottom, x + (node.width - bottom.width) / 2, bar + kFractionGap + bottom.above,
                 out);
            out += "*2-" + field(x + 1) + "-" + field(bar) + "-" + field(x + node.width - 1) + "-" +
                   field(bar);
            break;
        }
        case Node::Kind::Root: {
            const Node& body = node.children[0];
            emit(body, x + kRootLead, axis, out);
            out += "WRZ2-" + field(x + kRootLead - 1) + "-" + field(axis - body.above - kRootRise) +
                   "-" + field(x + kRootLead + body.width + 1) + "-" + field(axis + body.below - 2);
            break;
        }
    }
}

}  // namespace

FormulaLayout layoutFormula(std::string_view notation, int areaWidth, int areaHeight) {
    Node formula = Parser(notation).parseRow();
    measure(formula);
    FormulaLayout layout;
    layout.width = formula.width;
    layout.height = formula.above + formula.below;
    const int left = std::max(0, (areaWidth - layout.width) / 2);
    const int top = std::max(0, (areaHeight - layout.height) / 2);
    layout.display = "@" + field(left) + "-" + field(top);
    emit(formula, 0, formula.above, layout.display);
    return layout;
}

}  // namespace volmira
