// The recogniser: turns the cell grid back into placed symbols, in a fixed order (sources,
// amplifiers, components, single cells, horizontal runs, vertical runs), erasing what it takes.
#include <string_view>

#include "schematic/symbol_list.h"

namespace volmira {

namespace {

class Recogniser {
  public:
    Recogniser(SchematicGrid& grid, SymbolList& list) : grid_(grid), list_(list) {}

    bool run() {
        list_.clear();
        bound_ = scanBound();
        if (bound_ <= 2) return true;
        takeSources();
        takeAmplifiers();
        takeComponents();
        takeSingleCells();
        takeHorizontalRuns();
        takeVerticalRuns();
        return complete_;
    }

  private:
    // The last row that holds anything. Rows below it are blank, so nothing lies beyond it.
    int scanBound() const {
        int row = kGridRows;
        while (row > 1 && grid_.rowBlank(row)) --row;
        return row;
    }

    // Appends an entry when its whole pattern lies inside the grid and the list has room.
    bool place(int code, int column, int row) {
        if (!fitsInGrid(code, column, row)) return false;
        if (!list_.append({static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                           static_cast<SymbolCode>(code)})) {
            complete_ = false;
            return false;
        }
        return true;
    }

    void eraseAcross(int column, int row, int count) {
        for (int i = 0; i < count; ++i) grid_.set(column + i, row, kEmptyCell);
    }
    void eraseDown(int column, int row, int count) {
        for (int i = 0; i < count; ++i) grid_.set(column, row + i, kEmptyCell);
    }

    // Lists a multi-cell symbol and erases the cells that hold its pattern. A cell holding
    // something else (a corner drawn onto a component's lead) stays for the later steps, which
    // list it after the symbol, so restamping puts it back on top instead of losing it.
    void takeSymbol(int code, int column, int row) {
        if (!place(code, column, row)) return;
        const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
        for (int i = 0; i < catalogue.height(code); ++i)
            for (int j = 0; j < catalogue.width(code); ++j) {
                const char c = catalogue.cell(code, i, j);
                if (c != kEmptyCell && grid_.at(column + j, row + i) == c)
                    grid_.set(column + j, row + i, kEmptyCell);
            }
    }

    void takeSources() {
        for (int row = 2; row <= bound_; ++row) {
            for (int column = 1; column <= kGridColumns; ++column) {
                if (grid_.at(column, row) != 'A') continue;
                takeSymbol(grid_.at(column + 1, row) != '1' ? 5 : 6, column - 1, row - 1);
            }
        }
    }

    void takeAmplifiers() {
        for (int row = 2; row <= bound_; ++row) {
            for (int column = 1; column <= kGridColumns; ++column) {
                if (grid_.at(column, row) != '#') continue;
                int code;
                if (grid_.at(column - 3, row) == kEmptyCell)
                    code = grid_.at(column, row + 1) == '<' ? 25 : 26;
                else
                    code = grid_.at(column - 2, row + 1) == '>' ? 27 : 28;
                takeSymbol(code, column - 3, row - 2);
            }
        }
    }

    void takeComponents() {
        constexpr std::string_view kLetters = "xyz";
        for (int kind = 0; kind < 3; ++kind) {
            const char letter = kLetters[kind];
            const int code = kind + 1;
            for (int row = 1; row <= bound_; ++row) {
                for (int column = 1; column <= kGridColumns; ++column) {
                    if (grid_.at(column, row) != letter) continue;
                    // The letter has no orientation of its own: a wire beside it makes it
                    // horizontal. (Column 0 reads as empty.)
                    const bool horizontal =
                        grid_.at(column - 1, row) == '1' || grid_.at(column + 1, row) == '1';
                    if (horizontal)
                        takeSymbol(code, column - 1, row);
                    else
                        takeSymbol(code + 6, column, row - 1);
                }
            }
        }
    }

    void takeSingleCells() {
        // "3" .. "G" give codes 40..51 in this order; the bare crossing "7" gives 11.
        constexpr std::string_view kCharacters = "3456BCDEFIHG7";
        for (int i = 0; i < static_cast<int>(kCharacters.size()); ++i) {
            const char c = kCharacters[i];
            const int code = c == '7' ? 11 : 40 + i;
            for (int row = 1; row <= bound_; ++row)
                for (int column = 1; column <= kGridColumns; ++column)
                    if (grid_.at(column, row) == c && place(code, column, row))
                        grid_.set(column, row, kEmptyCell);
        }
    }

    // Covers a run from its start with pieces of 8 as often as they fit, then at most one of 4,
    // one of 2 and one of 1. When the list runs full the rest of the run stays in the grid.
    void coverRun(int length, const int (&codes)[4], int column, int row, bool across) {
        constexpr int kPieces[4] = {8, 4, 2, 1};
        int done = 0;
        for (int p = 0; p < 4; ++p) {
            while (length - done >= kPieces[p]) {
                const int c = across ? column + done : column;
                const int r = across ? row : row + done;
                if (!place(codes[p], c, r)) return;
                if (across)
                    eraseAcross(c, r, kPieces[p]);
                else
                    eraseDown(c, r, kPieces[p]);
                done += kPieces[p];
                if (p > 0) break;  // only the 8-cell piece repeats
            }
        }
    }

    void takeHorizontalRuns() {
        constexpr int kCodes[4] = {32, 31, 29, 4};
        for (int row = 1; row <= bound_; ++row) {
            for (int column = 1; column <= kGridColumns; ++column) {
                if (grid_.at(column, row) != '1') continue;
                int length = 0;
                while (column + length <= kGridColumns && grid_.at(column + length, row) == '1')
                    ++length;
                coverRun(length, kCodes, column, row, true);
                column += length - 1;
            }
        }
    }

    void takeVerticalRuns() {
        constexpr int kCodes[4] = {35, 34, 33, 10};
        for (int column = 1; column <= kGridColumns; ++column) {
            for (int row = 1; row <= bound_; ++row) {
                if (grid_.at(column, row) != '2') continue;
                int length = 0;
                while (row + length <= kGridRows && grid_.at(column, row + length) == '2') ++length;
                coverRun(length, kCodes, column, row, false);
                row += length - 1;
            }
        }
    }

    SchematicGrid& grid_;
    SymbolList& list_;
    int bound_ = 0;
    bool complete_ = true;
};

}  // namespace

bool recognise(SchematicGrid& grid, SymbolList& list) {
    return Recogniser(grid, list).run();
}

}  // namespace volmira
