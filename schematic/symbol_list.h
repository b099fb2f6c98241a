#pragma once
// The drawing as placed symbols, derived from the grid by the recogniser.
#include <array>
#include <cstdint>

#include "schematic/grid.h"
#include "schematic/symbol_catalogue.h"

namespace volmira {

struct PlacedSymbol {
    std::uint8_t column = 0;  // top-left cell of the pattern
    std::uint8_t row = 0;
    SymbolCode code = 0;
    friend bool operator==(const PlacedSymbol&, const PlacedSymbol&) = default;
};

// Smallest column and row, largest column and row reached; empty: 255, 255, 0, 0.
struct DrawingBounds {
    std::uint8_t minColumn = 255;
    std::uint8_t minRow = 255;
    std::uint8_t maxColumn = 0;
    std::uint8_t maxRow = 0;
    friend bool operator==(const DrawingBounds&, const DrawingBounds&) = default;
};

inline constexpr int kMaxPlacedSymbols = 1000;

class SymbolList {
  public:
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ == kMaxPlacedSymbols; }
    const PlacedSymbol& operator[](int i) const { return entries_[i]; }
    const PlacedSymbol* begin() const { return entries_.data(); }
    const PlacedSymbol* end() const { return entries_.data() + count_; }
    const DrawingBounds& bounds() const { return bounds_; }

    void clear();
    // Appends an entry and widens the bounds; refused (false) when the list is full.
    bool append(PlacedSymbol symbol);

    friend bool operator==(const SymbolList& a, const SymbolList& b);

  private:
    std::array<PlacedSymbol, kMaxPlacedSymbols> entries_{};
    int count_ = 0;
    DrawingBounds bounds_;
};

// Overwrites the cells under the pattern of `code` with its top-left cell at (column, row);
// "0" characters erase too. Cells beyond the grid's edge are dropped.
void stamp(SchematicGrid& grid, int code, int column, int row);

// True when the whole pattern of `code` placed at (column, row) lies inside the grid.
bool fitsInGrid(int code, int column, int row);

// The recogniser: consumes the grid into the list (every recognised symbol is erased from it).
// A drawing that reaches no lower than row 2 gives an empty list. A symbol whose pattern would
// not lie wholly inside the grid (pushed over an edge by moving the drawing) is not taken, so
// every list can be saved and loaded again. Returns false when the list ran full; the cells that
// found no place stay in the grid.
bool recognise(SchematicGrid& grid, SymbolList& list);

// Stamps every entry of the list back into the grid.
void restamp(const SymbolList& list, SchematicGrid& grid);

// Recogniser then restamp: the list is rebuilt and the grid keeps what the list holds. A cell
// that no recogniser step takes (a lone "J") stays in the grid but has no entry.
// Returns false when the list ran full.
bool rebuildSymbolList(SchematicGrid& grid, SymbolList& list);

}  // namespace volmira
