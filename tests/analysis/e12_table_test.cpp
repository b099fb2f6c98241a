#include "analysis/e12_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/value_text.h"

namespace volmira {
namespace {

// How a column writes the two-digit base value b: "b/10,b%10" (Tenth), "b,0" (WithZero),
// "b" (Plain) or "b0" (Tenfold).
enum class Shape { Tenth, WithZero, Plain, Tenfold };

struct Column {
    Shape shape;
    const char* unit;
};

struct KindExpectation {
    E12Kind kind;
    Column columns[8];
    int powers[8];  // value of base b in column c: b × 10^powers[c - 1]
};

const KindExpectation kKinds[] = {
    {E12Kind::Resistor,
     {{Shape::WithZero, "mOhm"},
      {Shape::Tenth, "Ohm"},
      {Shape::Plain, "Ohm"},
      {Shape::Tenfold, "Ohm"},
      {Shape::Tenth, "kOhm"},
      {Shape::WithZero, "kOhm"},
      {Shape::Tenfold, "kOhm"},
      {Shape::Tenth, "MOhm"}},
     // The resistor table has no decade from 100 mOhm to 820 mOhm.
     {-3, -1, 0, 1, 2, 3, 4, 5}},
    {E12Kind::Capacitor,
     {{Shape::Plain, "pF"},
      {Shape::Tenfold, "pF"},
      {Shape::Tenth, "nF"},
      {Shape::Plain, "nF"},
      {Shape::Tenfold, "nF"},
      {Shape::Tenth, "uF"},
      {Shape::Plain, "uF"},
      {Shape::Tenfold, "uF"}},
     {-12, -11, -10, -9, -8, -7, -6, -5}},
    {E12Kind::Inductor,
     {{Shape::Tenfold, "nH"},
      {Shape::Tenth, "uH"},
      {Shape::Plain, "uH"},
      {Shape::Tenfold, "uH"},
      {Shape::Tenth, "mH"},
      {Shape::Plain, "mH"},
      {Shape::Tenfold, "mH"},
      {Shape::Tenth, "H"}},
     {-8, -7, -6, -5, -4, -3, -2, -1}},
};

const int kBases[12] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

std::string expectedText(int base, const Column& column) {
    std::string number;
    switch (column.shape) {
        case Shape::Tenth:
            number = std::to_string(base / 10) + "," + std::to_string(base % 10);
            break;
        case Shape::WithZero:
            number = std::to_string(base) + ",0";
            break;
        case Shape::Plain:
            number = std::to_string(base);
            break;
        case Shape::Tenfold:
            number = std::to_string(base) + "0";
            break;
    }
    return number + " " + column.unit;
}

TEST(E12Table, AllCellTextsAndValues) {
    int checked = 0;
    for (const KindExpectation& kind : kKinds) {
        for (int c = 1; c <= kE12Columns; ++c) {
            for (int r = 1; r <= kE12Rows; ++r) {
                const E12Cell& cell = e12Cell(kind.kind, c, r);
                const int base = kBases[r - 1];
                EXPECT_EQ(cell.text, expectedText(base, kind.columns[c - 1]))
                    << "kind " << static_cast<int>(kind.kind) << " column " << c << " row " << r;
                const double value = base * std::pow(10.0, kind.powers[c - 1]);
                EXPECT_NEAR(cell.value / value, 1.0, 1e-12) << cell.text;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * 96);
}

TEST(E12Table, ValuesDecadeAfterDecade) {
    // The neighbours of 1 kOhm, as the parameter mode offers them.
    EXPECT_EQ(e12Value(E12Kind::Resistor, 47), 680);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 48), 820);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 49), 1000);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 50), 1200);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 51), 1500);
    EXPECT_NEAR(e12Value(E12Kind::Resistor, 1), 0.01, 1e-15);
    EXPECT_EQ(e12Value(E12Kind::Resistor, 96), 8.2e6);
    for (const KindExpectation& kind : kKinds)
        for (int i = 2; i <= kE12ValueCount; ++i)
            EXPECT_GT(e12Value(kind.kind, i), e12Value(kind.kind, i - 1)) << i;
}

struct ClickCase {
    int x;
    int y;
    std::optional<E12CellPosition> cell;
};

class E12ClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(E12ClickTest, MapsToCell) {
    const ClickCase& c = GetParam();
    EXPECT_EQ(e12CellAt(c.x, c.y), c.cell) << c.x << ", " << c.y;
}

INSTANTIATE_TEST_SUITE_P(Clicks, E12ClickTest,
                         testing::Values(ClickCase{0, 11, E12CellPosition{1, 1}},
                                         ClickCase{69, 27, E12CellPosition{1, 1}},
                                         ClickCase{70, 28, E12CellPosition{2, 2}},
                                         ClickCase{349, 45, E12CellPosition{5, 3}},
                                         ClickCase{559, 214, E12CellPosition{8, 12}},
                                         // Above the first row's cells: still row 1.
                                         ClickCase{100, 0, E12CellPosition{2, 1}},
                                         ClickCase{560, 20, std::nullopt},
                                         ClickCase{10, 215, std::nullopt},
                                         ClickCase{-1, 20, std::nullopt},
                                         ClickCase{20, -1, std::nullopt}));

TEST(E12Layout, TextLiesInItsClickCell) {
    // Every cell's text starts inside the cell the click mapping gives for it.
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

TEST(E12Selection, NotComputedMarker) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(NotComputed), 0xF9071B42CC5CF601u);
}

TEST(E12Selection, TakesFreesAndRefuses) {
    E12Selection selection;
    selection.unitCode = kUnitOhm;
    for (int place = 1; place <= kMaxPickedValues; ++place) {
        EXPECT_EQ(selection.value(place), NotComputed);
        EXPECT_EQ(selection.text(place), "");
    }
    const double picks[] = {100, 220, 470, 1000, 2200};
    for (double v : picks) EXPECT_EQ(selection.toggle(v), PickResult::Taken);
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
