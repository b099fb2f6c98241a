#include "print/print_document.h"

#include <gtest/gtest.h>

#include <array>

#include "print/quantity_list.h"
#include "schematic/text_file.h"

namespace volmira {
namespace {

// Every character 10 units wide: list widths in the tests are counts of characters.
double tenPerCharacter(std::string_view text) {
    return 10.0 * utf8Length(text);
}

// Left, top, width and height of a sheet rectangle.
std::array<int, 4> box(const SheetRect& r) {
    return {r.left, r.top, r.width, r.height};
}

std::vector<ComponentEntry> components(int n) {
    std::vector<ComponentEntry> list;
    for (int k = 1; k <= n; ++k) list.push_back({"R " + std::to_string(k), "1 kOhm"});
    return list;
}

TEST(PrintDocument, SlotsAreTakenInOrderAndTheLastOneWarns) {
    PrintDocument doc;
    DrawingBounds bounds{10, 10, 20, 30};
    for (int n = 1; n <= 19; ++n) {
        const SlotTaken taken = doc.insertSchematic(bounds);
        EXPECT_EQ(taken.slot, n);
        EXPECT_FALSE(taken.lastSlotWarning);
    }
    EXPECT_TRUE(doc.insertSchematic(bounds).lastSlotWarning);
    // With every slot in use the last one is overwritten.
    const SlotTaken over = doc.insertCurve(ElementKind::Curve, 1, "10 Hz", "100 kHz");
    EXPECT_EQ(over.slot, 20);
    EXPECT_EQ(doc.slot(20).element.kind, ElementKind::Curve);
    // A freed slot is found first; only the newest element is red.
    doc.select(5);
    doc.removeSelected();
    EXPECT_EQ(doc.insertSchematic(bounds).slot, 5);
    for (int n = 1; n <= kElementSlots; ++n)
        EXPECT_EQ(doc.slot(n).colour == SlotColour::Red, n == 5) << n;
}

TEST(PrintDocument, TextLinesStackIntoFreeSlotsOnly) {
    PrintDocument doc;
    doc.fitPrintableArea(199, 287);
    for (int n = 1; n <= 17; ++n) doc.insertSchematic({10, 10, 20, 30});
    const std::vector<std::string> lines{"Kennwerte", "", "Maximum: 1 V", "Minimum: 0 V"};
    // Three slots for three lines (the blank one takes none); the first stays at the top.
    const SlotTaken taken = doc.insertTextLines(lines, 8, kStyleBold, tenPerCharacter);
    EXPECT_EQ(taken.slot, 20);
    EXPECT_TRUE(taken.lastSlotWarning);
    EXPECT_EQ(doc.slot(18).element.text, "Kennwerte");
    EXPECT_EQ(doc.slot(18).rect.top, 1);
    for (int n = 19; n <= 20; ++n) {
        EXPECT_EQ(doc.slot(n).rect.top, doc.slot(n - 1).rect.bottom()) << n;
        EXPECT_EQ(doc.slot(n).rect.left, 1);
        EXPECT_EQ(doc.slot(n).element.fieldC, kStyleBold);
    }
    EXPECT_EQ(doc.slot(20).element.text, "Minimum: 0 V");
    // A full sheet: one line overwrites the last slot, as a single text would, and no more.
    EXPECT_EQ(doc.insertTextLines({"Q: 5", "Bandbreite: 1 kHz"}, 4, 0, tenPerCharacter).slot, 20);
    EXPECT_EQ(doc.slot(20).element.text, "Q: 5");
    EXPECT_EQ(doc.slot(17).element.kind, ElementKind::Schematic);
}

TEST(PrintDocument, SizesOfEveryKind) {
    PrintDocument doc;
    const ElementSlot& s = doc.slot(doc.insertSchematic({5, 8, 45, 38}).slot);
    EXPECT_EQ(box(s.rect), (std::array{1, 1, 81, 62}));  // 43 and 33 cells x 1.89
    EXPECT_DOUBLE_EQ(s.element.aspect, 81.0 / 62.0);

    // w = round(W100 / 16 x h / 7): 1120 at 6 mm gives 60 mm, 45 sheet pixels.
    const ElementSlot& t =
        doc.slot(doc.insertText("Tiefpass mit sehr langem Namen", 6, 3, 1120).slot);
    // Width in mm twice, width and height on the sheet, state.
    EXPECT_EQ((std::array<int, 5>{t.element.fieldA, t.element.fieldB, t.rect.width, t.rect.height,
                                  t.state}),
              (std::array{60, 60, 45, 4, 2}));
    EXPECT_EQ(t.element.info2, "Tiefpass mit sehr ..");
    EXPECT_EQ(doc.insertText("   ", 6, 0, 100).slot, 0);
    EXPECT_EQ(doc.slot(doc.insertText("A", 1, 0, 100).slot).rect.height, 3);

    // 7 components in 3 columns: 3 rows, the seventh alone in the third column.
    const ElementSlot& b =
        doc.slot(doc.insertComponentList(3, components(7), tenPerCharacter).slot);
    EXPECT_EQ(b.element.fieldC, 3);
    EXPECT_EQ(b.rect.height, 10);  // 3 x 3.2
    // name "iR 1" 40, value "= 1 kOhm" 80, gap "XXX" 30.
    const std::array<std::int16_t, 6> columnX{0, 40, 150, 190, 300, 340};
    EXPECT_EQ(b.element.columnX, columnX);
    EXPECT_EQ(b.rect.width, 31);  // (3 x 120 + 2 x 30) / 13.37
    EXPECT_EQ(b.element.fieldB, 31);
    EXPECT_EQ(b.element.info1, "3 Spalte(n)");

    const ElementSlot& f = doc.slot(doc.insertCurve(ElementKind::Locus, 9, "10 Hz", "1 kHz").slot);
    EXPECT_EQ((std::array{f.rect.width, f.rect.height}), (std::array{111, 74}));
    EXPECT_EQ(f.element.title, "Ok: Blindleistung");

    // (2 x 11 x 1.4 + 24 x 2) x 0.72 = 56.7; three rows with phase 24 + 9.
    const ElementSlot& m = doc.slot(doc.insertTable(3, 2, 20, 8, true, "Strom").slot);
    EXPECT_EQ((std::array{m.rect.width, m.rect.height}), (std::array{57, 33}));
    EXPECT_TRUE(doc.hasTable());
}

TEST(PrintDocument, MovingAndResizingStayOnTheSheet) {
    PrintDocument doc;
    doc.fitPrintableArea(199, 287);  // Blatt 149 x 215
    const int n = doc.insertCurve(ElementKind::Curve, 0, "", "").slot;
    ASSERT_TRUE(doc.press(10, 10));  // grabbed 9, 9 inside
    doc.drag(500, 500);
    EXPECT_EQ((std::array{doc.slot(n).rect.right(), doc.slot(n).rect.bottom()}),
              (std::array{149, 215}));
    doc.drag(-40, -40);
    EXPECT_EQ((std::array{doc.slot(n).rect.left, doc.slot(n).rect.top}), (std::array{0, 0}));
    doc.release();

    // The handle in the bottom-right corner resizes, keeping the aspect ratio.
    ASSERT_TRUE(doc.press(108, 71));
    EXPECT_TRUE(doc.resizing());
    doc.drag(2, 2);
    EXPECT_EQ((std::array{doc.slot(n).rect.width, doc.slot(n).rect.height}), (std::array{12, 8}));
    doc.drag(1000, 1000);
    EXPECT_EQ(doc.slot(n).rect.width, 153);  // limited to Blatt, plus 4
    doc.release();

    // A text has no handle; a handed-over element neither moves nor resizes.
    const int t = doc.insertText("Text", 4, 0, 300).slot;
    const int textWidth = doc.slot(t).rect.width;
    doc.resizeTo(t, 100);
    EXPECT_EQ(doc.slot(t).rect.width, textWidth);
    doc.markPrinted(n);
    doc.moveTo(n, 30, 30);
    EXPECT_EQ(doc.slot(n).rect.left, 0);
    doc.select(n);
    EXPECT_EQ(doc.slot(n).colour, SlotColour::Green);
    doc.removeSelected();
    EXPECT_EQ(doc.slot(n).state, 91);
    doc.finishPage();
    EXPECT_EQ(doc.slot(n).state, 1);
    EXPECT_EQ(doc.slot(n).colour, SlotColour::Grey);
}

TEST(PrintDocument, OverlappingRectanglesKeepTheSelectedOne) {
    PrintDocument doc;
    const int first = doc.insertCurve(ElementKind::Curve, 0, "", "").slot;
    const int second = doc.insertCurve(ElementKind::Curve, 0, "", "").slot;
    doc.select(first);
    doc.press(20, 20);
    EXPECT_EQ(doc.selected(), first);
    doc.release();
    doc.select(0);
    doc.press(20, 20);
    EXPECT_EQ(doc.selected(), second);  // else the highest-numbered
}

TEST(PrintDocument, OrientationRefitsThePrintableArea) {
    PrintDocument doc;
    doc.toggleOrientation(287, 200);
    EXPECT_EQ(doc.orientation(), Orientation::Landscape);
    EXPECT_EQ(doc.paperWidth(), 222);
    // 287 / 297 x 222 = 214.52 wide, 200 / 210 x 157 high.
    EXPECT_EQ(box(doc.printableArea()), (std::array{3, 2, 215, 150}));
}

TEST(QuantityList, PositionsAndSlots) {
    EXPECT_EQ(quantitySlotForListPosition(7), 9);   // Blindleistung
    EXPECT_EQ(quantitySlotForListPosition(4), 10);  // Phase I / Ue
    for (int position = 0; position < 9; ++position)
        EXPECT_EQ(listPositionForSlot(quantitySlotForListPosition(position)), position);
    EXPECT_EQ(listPositionForSlot(7), 0);
    EXPECT_EQ(quantityName(10), "Phase I / Ue");
    EXPECT_EQ(quantityName(8), "");
}

TEST(QuantityList, InsertEnablingFollowsTheWorkingMode) {
    // Per mode: schematic, component list, characteristics, curve, locus, table, table note.
    for (const auto& [mode, expected] :
         {std::pair{1, "0000001"}, {2, "1000001"}, {3, "1110010"}, {4, "1111110"}}) {
        const InsertEnabling e = insertEnabling(mode, 0, false);
        std::string flags;
        for (bool flag : {e.schematic, e.componentList, e.characteristics, e.curve, e.locus,
                          e.table, e.tableNote})
            flags += flag ? '1' : '0';
        EXPECT_EQ(flags, expected) << mode;
    }
    EXPECT_FALSE(insertEnabling(3, 0, true).table);
    for (int position : {3, 4, 6, 7})
        EXPECT_FALSE(insertEnabling(4, position, false).locus) << position;
    EXPECT_TRUE(insertEnabling(4, 8, false).locus);
}

}  // namespace
}  // namespace volmira
