#include "analysis/e12_table.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "analysis/value_text.h"

namespace volmira {
namespace {

// A cell text with every digit replaced by '#': the number's form and the unit.
std::string shape(std::string text) {
    for (char& c : text)
        if (c >= '0' && c <= '9') c = '#';
    return text;
}

TEST(E12Table, EachColumnKeepsItsUnitAndDigitsDownTheTwelveBaseValues) {
    // The first row of each column; the resistor table has no decade from 100 mOhm to 820 mOhm.
    const std::map<E12Kind, std::array<std::string, kE12Columns>> firstRows = {
        {E12Kind::Resistor,
         {"10,0 mOhm", "1,0 Ohm", "10 Ohm", "100 Ohm", "1,0 kOhm", "10,0 kOhm", "100 kOhm",
          "1,0 MOhm"}},
        {E12Kind::Capacitor,
         {"10 pF", "100 pF", "1,0 nF", "10 nF", "100 nF", "1,0 uF", "10 uF", "100 uF"}},
        {E12Kind::Inductor,
         {"100 nH", "1,0 uH", "10 uH", "100 uH", "1,0 mH", "10 mH", "100 mH", "1,0 H"}},
    };
    const int bases[kE12Rows] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    for (const auto& [kind, texts] : firstRows) {
        for (int c = 1; c <= kE12Columns; ++c) {
            const E12Cell& first = e12Cell(kind, c, 1);
            EXPECT_EQ(first.text, texts[c - 1]);
            EXPECT_EQ(first.value, parseValue(texts[c - 1]));
            for (int r = 2; r <= kE12Rows; ++r) {
                const E12Cell& cell = e12Cell(kind, c, r);
                EXPECT_NEAR(cell.value / first.value, bases[r - 1] / 10.0, 1e-12) << cell.text;
                EXPECT_EQ(shape(cell.text), shape(first.text));
            }
        }
    }
    EXPECT_EQ(e12Cell(E12Kind::Resistor, 8, 12).text, "8,2 MOhm");
    EXPECT_EQ(e12Cell(E12Kind::Capacitor, 8, 12).text, "820 uF");
}

TEST(E12Table, ValuesDecadeAfterDecade) {
    // The neighbours of 1 kOhm, as the parameter mode offers them.
    for (const auto& [index, value] :
         {std::pair{47, 680.0}, {48, 820.0}, {49, 1000.0}, {51, 1500.0}})
        EXPECT_EQ(e12Value(E12Kind::Resistor, index), value) << index;
    EXPECT_NEAR(e12Value(E12Kind::Resistor, 1), 0.01, 1e-15);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 96), 8.2e6);
    for (E12Kind kind : {E12Kind::Resistor, E12Kind::Capacitor, E12Kind::Inductor})
        for (int i = 2; i <= kE12ValueCount; ++i)
            EXPECT_GT(e12Value(kind, i), e12Value(kind, i - 1)) << i;
}

TEST(E12Layout, ClicksMapToCellsAndEachTextLiesInItsCell) {
    const E12CellPosition topLeft{1, 1};
    EXPECT_EQ(e12CellAt(0, 11), topLeft);
    EXPECT_EQ(e12CellAt(69, 27), topLeft);
    EXPECT_EQ(e12CellAt(70, 28), (E12CellPosition{2, 2}));
    EXPECT_EQ(e12CellAt(349, 45), (E12CellPosition{5, 3}));
    EXPECT_EQ(e12CellAt(559, 214), (E12CellPosition{8, 12}));
    EXPECT_EQ(e12CellAt(100, 0), (E12CellPosition{2, 1}));  // above the first row: still row 1
    for (const auto& [x, y] : {std::pair{560, 20}, {10, 215}, {-1, 20}, {20, -1}})
        EXPECT_EQ(e12CellAt(x, y), std::nullopt) << x << ", " << y;
    for (int c = 1; c <= kE12Columns; ++c)
        for (int r = 1; r <= kE12Rows; ++r)
            EXPECT_EQ(e12CellAt(e12_layout::textX(c), e12_layout::textY(r)),
                      (E12CellPosition{c, r}));
}

TEST(E12Selection, SameValueBounds) {
    EXPECT_TRUE(isSameE12Value(1500, 1500));
    EXPECT_TRUE(isSameE12Value(1500 * 0.9999991, 1500));
    EXPECT_FALSE(isSameE12Value(1500 * 0.9999989, 1500));
    EXPECT_TRUE(isSameE12Value(1500 * 1.00000009, 1500));
    EXPECT_FALSE(isSameE12Value(1500 * 1.00000011, 1500));
    // Both bounds excluded.
    EXPECT_FALSE(isSameE12Value(0.999999, 1.0));
    EXPECT_FALSE(isSameE12Value(1.0000001, 1.0));
    EXPECT_FALSE(isSameE12Value(NotComputed, 1500));
    EXPECT_FALSE(isSameE12Value(1500, 0));
}

TEST(E12Selection, TakesFreesAndRefuses) {
    E12Selection selection;
    selection.unitCode = kUnitOhm;
    EXPECT_EQ(selection.value(1), NotComputed);
    EXPECT_EQ(selection.text(1), "");
    for (double v : {100.0, 220.0, 470.0, 1000.0, 2200.0})
        EXPECT_EQ(selection.toggle(v), PickResult::Taken);
    EXPECT_EQ(selection.toggle(4700), PickResult::Full);
    EXPECT_FALSE(selection.isPicked(4700));
    EXPECT_EQ(selection.value(5), 2200);

    // Freeing the third opens its place for the next pick.
    EXPECT_EQ(selection.toggle(470 * 1.0000000001), PickResult::Freed);
    EXPECT_FALSE(selection.isPicked(470));
    EXPECT_EQ(selection.value(3), NotComputed);
    EXPECT_EQ(selection.toggle(4700), PickResult::Taken);
    EXPECT_EQ(selection.value(3), 4700);
    EXPECT_EQ(selection.text(3), "4,7 kOhm");
    EXPECT_EQ(selection.text(1), "100 Ohm");

    selection.clear();
    for (double v : selection.values()) EXPECT_EQ(v, NotComputed);
}

}  // namespace
}  // namespace volmira
