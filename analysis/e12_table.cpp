#include "analysis/e12_table.h"

#include <algorithm>
#include <charconv>

#include "analysis/value_text.h"

namespace volmira {

namespace {

// Picked values go into the parameter fields with as many digits as stored component values.
constexpr int kPickedValueDigits = 7;

constexpr std::array<int, kE12Rows> kBaseValues = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

struct ColumnFormat {
    double factor;
    std::string_view unit;
    int decimals;
};

using TableFormat = std::array<ColumnFormat, kE12Columns>;

constexpr TableFormat kResistorColumns = {{{1, " mOhm", 1},
                                           {0.1, " Ohm", 1},
                                           {1, " Ohm", 0},
                                           {10, " Ohm", 0},
                                           {0.1, " kOhm", 1},
                                           {1, " kOhm", 1},
                                           {10, " kOhm", 0},
                                           {0.1, " MOhm", 1}}};

constexpr TableFormat kCapacitorColumns = {{{1, " pF", 0},
                                            {10, " pF", 0},
                                            {0.1, " nF", 1},
                                            {1, " nF", 0},
                                            {10, " nF", 0},
                                            {0.1, " uF", 1},
                                            {1, " uF", 0},
                                            {10, " uF", 0}}};

constexpr TableFormat kInductorColumns = {{{10, " nH", 0},
                                           {0.1, " uH", 1},
                                           {1, " uH", 0},
                                           {10, " uH", 0},
                                           {0.1, " mH", 1},
                                           {1, " mH", 0},
                                           {10, " mH", 0},
                                           {0.1, " H", 1}}};

using Table = std::array<std::array<E12Cell, kE12Rows>, kE12Columns>;  // [column][row]

E12Cell makeCell(int base, const ColumnFormat& format) {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   base * format.factor, std::chars_format::fixed, format.decimals)
                         .ptr;
    E12Cell cell;
    cell.text.assign(digits.data(), end);
    std::replace(cell.text.begin(), cell.text.end(), '.', ',');
    cell.text += format.unit;
    cell.value = parseValue(cell.text).value_or(0);
    return cell;
}

Table makeTable(const TableFormat& columns) {
    Table table;
    for (int c = 0; c < kE12Columns; ++c)
        for (int r = 0; r < kE12Rows; ++r) table[c][r] = makeCell(kBaseValues[r], columns[c]);
    return table;
}

const Table& table(E12Kind kind) {
    static const std::array<Table, 3> tables = {
        makeTable(kResistorColumns), makeTable(kCapacitorColumns), makeTable(kInductorColumns)};
    const int index = std::clamp(static_cast<int>(kind), 1, 3) - 1;
    return tables[static_cast<std::size_t>(index)];
}

}  // namespace

const E12Cell& e12Cell(E12Kind kind, int column, int row) {
    column = std::clamp(column, 1, kE12Columns);
    row = std::clamp(row, 1, kE12Rows);
    return table(kind)[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)];
}

double e12Value(E12Kind kind, int index) {
    index = std::clamp(index, 1, kE12ValueCount);
    return e12Cell(kind, (index - 1) / kE12Rows + 1, (index - 1) % kE12Rows + 1).value;
}

std::optional<E12Kind> e12KindForComponentName(std::string_view name) {
    if (name.empty()) return std::nullopt;
    switch (name.front()) {
        case 'R':
            return E12Kind::Resistor;
        case 'C':
            return E12Kind::Capacitor;
        case 'L':
            return E12Kind::Inductor;
        default:
            return std::nullopt;
    }
}

int e12UnitCode(E12Kind kind) {
    switch (kind) {
        case E12Kind::Capacitor:
            return kUnitFarad;
        case E12Kind::Inductor:
            return kUnitHenry;
        case E12Kind::Resistor:
            break;
    }
    return kUnitOhm;
}

std::optional<E12CellPosition> e12CellAt(int x, int y) {
    if (x < 0 || y < 0) return std::nullopt;
    // Truncating division: the strip above the first row's cells still belongs to row 1.
    const E12CellPosition cell{x / e12_layout::kCellWidth + 1,
                               (y - e12_layout::kRowOffset) / e12_layout::kCellHeight + 1};
    if (cell.column > kE12Columns || cell.row < 1 || cell.row > kE12Rows) return std::nullopt;
    return cell;
}

bool isSameE12Value(double picked, double cellValue) {
    if (cellValue == 0) return false;
    const double ratio = picked / cellValue;
    return ratio > 0.999999 && ratio < 1.0000001;
}

PickResult E12Selection::toggle(double cellValue) {
    if (isPicked(cellValue)) {
        for (double& v : values_)
            if (isSameE12Value(v, cellValue)) v = NotComputed;
        return PickResult::Freed;
    }
    for (double& v : values_) {
        if (v == NotComputed) {
            v = cellValue;
            return PickResult::Taken;
        }
    }
    return PickResult::Full;
}

bool E12Selection::isPicked(double cellValue) const {
    return std::any_of(values_.begin(), values_.end(),
                       [cellValue](double v) { return isSameE12Value(v, cellValue); });
}

std::string E12Selection::text(int place) const {
    const double v = value(std::clamp(place, 1, kMaxPickedValues));
    return v == NotComputed ? std::string() : formatValue(unitCode, kPickedValueDigits, v);
}

}  // namespace volmira
