#include "schematic/symbol_list.h"

#include <algorithm>

namespace volmira {

void SymbolList::clear() {
    entries_.fill(PlacedSymbol{});
    count_ = 0;
    bounds_ = DrawingBounds{};
}

bool SymbolList::append(PlacedSymbol symbol) {
    if (full()) return false;
    entries_[count_++] = symbol;
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    const int lastColumn = symbol.column + catalogue.width(symbol.code) - 1;
    const int lastRow = symbol.row + catalogue.height(symbol.code) - 1;
    bounds_.minColumn = std::min(bounds_.minColumn, symbol.column);
    bounds_.minRow = std::min(bounds_.minRow, symbol.row);
    bounds_.maxColumn = static_cast<std::uint8_t>(std::max<int>(bounds_.maxColumn, lastColumn));
    bounds_.maxRow = static_cast<std::uint8_t>(std::max<int>(bounds_.maxRow, lastRow));
    return true;
}

bool operator==(const SymbolList& a, const SymbolList& b) {
    return a.count_ == b.count_ && std::equal(a.begin(), a.end(), b.begin());
}

void stamp(SchematicGrid& grid, int code, int column, int row) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    if (!SymbolCatalogue::valid(code) || catalogue[code].pattern.empty()) return;
    for (int i = 0; i < catalogue.height(code); ++i)
        for (int j = 0; j < catalogue.width(code); ++j)
            grid.set(column + j, row + i, catalogue.cell(code, i, j));
}

bool fitsInGrid(int code, int column, int row) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    return SymbolCatalogue::valid(code) && SchematicGrid::inside(column, row) &&
           SchematicGrid::inside(column + catalogue.width(code) - 1,
                                 row + catalogue.height(code) - 1);
}

void restamp(const SymbolList& list, SchematicGrid& grid) {
    for (const PlacedSymbol& s : list) stamp(grid, s.code, s.column, s.row);
}

bool rebuildSymbolList(SchematicGrid& grid, SymbolList& list) {
    const bool complete = recognise(grid, list);
    restamp(list, grid);
    return complete;
}

}  // namespace volmira
