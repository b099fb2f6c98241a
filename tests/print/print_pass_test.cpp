#include "print/print_pass.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/schematic_ops.h"
#include "print/symbol_vectors.h"

namespace volmira {
namespace {

TEST(SymbolVectors, CoordinatesAreCharacterCodesMinus48) {
    const std::vector<VectorStroke> resistor = decodeVector(symbolVector(1, false));
    ASSERT_EQ(resistor.size(), 3u);
    EXPECT_EQ(resistor[1].x1, 20);  // "D"
    EXPECT_EQ(resistor[1].x2, 27);  // "K"
    EXPECT_EQ(resistor[2].op, VectorOp::WhiteBody);
    EXPECT_EQ(decodeVector(" -A/]2")[0].x1, -3);
    EXPECT_EQ(decodeVector(" -A/]2")[0].x2, -1);
    EXPECT_EQ(decodeVector(" -A/]2")[0].y2, 45);
    EXPECT_NE(symbolVector(5, true), symbolVector(5, false));
    EXPECT_TRUE(symbolVector(12, false).empty());
}

struct Drawing {
    SymbolList symbols;
    std::vector<Component> components;
};

// A resistor and a capacitor side by side on one wire row.
Drawing twoComponents() {
    Drawing d;
    d.symbols.append({10, 20, 1});
    d.symbols.append({13, 20, 3});
    d.components.push_back(
        {.row = 20, .column = 11, .code = 1, .branch = 1, .name = "R 1", .valueText = "1 kOhm"});
    d.components.push_back(
        {.row = 20, .column = 14, .code = 3, .branch = 1, .name = "C 1", .valueText = "10 nF"});
    return d;
}

TEST(PrintPass, SchematicFromTheVectorsAndNamesInFreePlaces) {
    const Drawing d = twoComponents();
    PrintDocument doc;
    const int n = doc.insertSchematic(d.symbols.bounds()).slot;
    const PrintPass pass =
        buildPrintPass(doc, {d.symbols, d.components, false}, PassTarget::Printer);
    int bodies = 0;
    std::vector<std::string> names;
    for (const PageOp& op : pass.ops) {
        if (op.kind == PageOpKind::Rect && op.fill == PageFill::White) ++bodies;
        if (op.kind == PageOpKind::Text) names.push_back(op.text);
        const PageRect r = pageRect(doc.slot(n).rect);
        EXPECT_GE(op.x1, r.x);
        EXPECT_LE(op.y1, -r.top);
    }
    EXPECT_EQ(bodies, 1);
    EXPECT_EQ(names, (std::vector<std::string>{"R1", "C1"}));
    // The two names sit above their symbols and do not share a cell.
    const std::vector<NamePlace> places = placeComponentNames(d.symbols, d.components);
    EXPECT_EQ(places[0].row, 19);
    EXPECT_EQ(places[1].row, 19);
    EXPECT_GE(places[1].column, places[0].column + 2);
}

TEST(PrintPass, HandedOverElementsAreHatchedOnThePreviewAndSkipped) {
    const Drawing d = twoComponents();
    PrintDocument doc;
    doc.insertCurve(ElementKind::Curve, 1, "", "");
    const int list = doc.insertComponentList(1, {{"R 1", "1 kOhm"}, {"C 1", "10 nF"}},
                                             [](std::string_view t) { return 20.0 * t.size(); })
                         .slot;
    PrintPass first = buildPrintPass(doc, {d.symbols, d.components, false}, PassTarget::Printer);
    EXPECT_EQ(first.drawnSlots, (std::vector<int>{1, list}));
    handOver(doc, first, false);
    EXPECT_EQ(doc.slot(1).colour, SlotColour::Green);

    doc.insertText("Nachtrag", 4, 0, 800);
    const PrintPass preview =
        buildPrintPass(doc, {d.symbols, d.components, false}, PassTarget::Preview);
    EXPECT_EQ(preview.drawnSlots, (std::vector<int>{3}));
    EXPECT_EQ(std::count_if(preview.ops.begin(), preview.ops.end(),
                            [](const PageOp& op) { return op.kind == PageOpKind::Hatch; }),
              2);
    const PrintPass last =
        buildPrintPass(doc, {d.symbols, d.components, false}, PassTarget::Printer);
    EXPECT_EQ(last.drawnSlots, (std::vector<int>{3}));
    handOver(doc, last, true);
    for (int n = 1; n <= 3; ++n) EXPECT_LT(doc.slot(n).state, kPrintedStateOffset);
}

TEST(PrintPass, ListNamesAndTextHeights) {
    EXPECT_EQ(listName("R 12"), "R12");
    PrintDocument doc;
    doc.insertText("Titel", 6, 0, 500);
    const Drawing d = twoComponents();
    const auto textHeight = [&](PassTarget target) {
        return buildPrintPass(doc, {d.symbols, d.components, false}, target).ops.at(0).fontHeight;
    };
    EXPECT_EQ(textHeight(PassTarget::Preview), 80);  // 60 x 1.33
    EXPECT_EQ(textHeight(PassTarget::Printer), 80);
}

}  // namespace
}  // namespace volmira
