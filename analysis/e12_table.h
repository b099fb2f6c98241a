#pragma once
// The E12 value tables (resistor, capacitor, inductor) of the value picker: cell texts and
// values, the click-to-cell mapping, and the selection of up to five values that the parameter
// mode fills. Drawing stays with the window; the geometry it needs is below.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/not_computed.h"

namespace volmira {

// The tables' kinds, numbered by the position of a name's first letter in "RCL".
enum class E12Kind : int { Resistor = 1, Capacitor = 2, Inductor = 3 };

inline constexpr int kE12Columns = 8;  // decades, 1-based
inline constexpr int kE12Rows = 12;    // base values 10 12 15 ... 82, 1-based
inline constexpr int kE12ValueCount = kE12Columns * kE12Rows;

// Geometry of the table image `awbild`: white background, font "Arial" 14 px, cells 70 × 17
// px; picked cells white on navy. Column c (1..8), row r (1..12).
namespace e12_layout {
inline constexpr int kCellWidth = 70;
inline constexpr int kCellHeight = 17;
inline constexpr int kRowOffset = 11;  // the first row's cells start 11 px down
inline constexpr int kFontPixels = 14;
inline constexpr std::string_view kFontFamily = "Arial";
inline constexpr int kImageWidth = kCellWidth * kE12Columns;              // 560
inline constexpr int kImageHeight = kRowOffset + kCellHeight * kE12Rows;  // 215
constexpr int textX(int column) {
    return kCellWidth * column - 58;
}
constexpr int textY(int row) {
    return kCellHeight * row - 4;
}
constexpr int separatorX(int column) {
    return kCellWidth * column - kCellWidth;
}  // vertical line
}  // namespace e12_layout

struct E12Cell {
    std::string text;  // "1,5 kOhm": base × factor with the column's decimals, then the unit
    double value = 0;  // the text read back by the value parser
};

// Cell (column 1..8, row 1..12) of a table; out-of-range positions are clamped.
const E12Cell& e12Cell(E12Kind kind, int column, int row);

// The 96 values decade after decade: index 1..12 is column 1, 13..24 column 2, and so on.
double e12Value(E12Kind kind, int index);

// The table kind for a component name ("R 1", "C 2", "L 3"); nothing for other names.
std::optional<E12Kind> e12KindForComponentName(std::string_view name);

// The formatter's unit code of a table's values (Ohm, F, H).
int e12UnitCode(E12Kind kind);

struct E12CellPosition {
    int column = 0;
    int row = 0;
    bool operator==(const E12CellPosition&) const = default;
};

// The cell under a click at image pixel (x, y): column x div 70 + 1, row (y − 11) div 17 + 1;
// nothing outside the 8 × 12 cells.
std::optional<E12CellPosition> e12CellAt(int x, int y);

// A picked value and a cell value count as the same when their ratio lies strictly between
// 0.999999 and 1.0000001.
bool isSameE12Value(double picked, double cellValue);

inline constexpr int kMaxPickedValues = 5;

inline constexpr std::string_view kTooManyPickedMessage =
    "Sie k\xC3\xB6nnen maximal 5 Werte ausw\xC3\xA4hlen!\nBitte heben Sie die Auswahl eines "
    "Wertes\ndurch nochmaliges Anklicken zuerst wieder auf!";

enum class PickResult {
    Taken,  // the value took the first free place
    Freed,  // the value was picked already and is free again
    Full,   // no free place: show kTooManyPickedMessage; nothing changed
};

// Up to five picked values of the parameter mode; NotComputed marks a free place.
class E12Selection {
  public:
    E12Selection() { clear(); }

    void clear() { values_.fill(NotComputed); }
    // Takes or frees a clicked cell's value.
    PickResult toggle(double cellValue);
    bool isPicked(double cellValue) const;
    // Place 1..5; NotComputed when free.
    double value(int place) const { return values_[static_cast<std::size_t>(place - 1)]; }
    const std::array<double, kMaxPickedValues>& values() const { return values_; }
    // The text for a parameter value field: the value with the unit and 7 digits, empty when free.
    std::string text(int place) const;

    // What is being picked: the unit of the values and the field they go to (0 = all five).
    int unitCode = 0;
    int targetField = 0;

  private:
    std::array<double, kMaxPickedValues> values_{};
};

}  // namespace volmira
