#include "schematic/symbol_catalogue.h"

namespace volmira {

namespace {

struct CatalogueRow {
    int code;
    std::string_view pattern;
    int successor;
    std::string_view button;
    std::string_view hint;
};

constexpr CatalogueRow kRows[] = {
    {0, "", 0, "Sym26", "Mauszeiger"},
    {1, "1x1", 7, "Sym4", "Widerstand"},
    {2, "1y1", 8, "Sym5", "Spule"},
    {3, "1z1", 9, "Sym6", "Kondensator"},
    {4, "1", 29, "Sym11", "Linienelement"},
    {5, "0200A0020020", 6, "Sym1", "Spannungsquelle"},
    {6, "00001A110000", 5, "", ""},
    {7, "2x2", 1, "", ""},
    {8, "2y2", 2, "", ""},
    {9, "2z2", 3, "", ""},
    {10, "2", 33, "Sym12", "Linienelement"},
    {11, "7", 39, "Sym13", "Linienelement"},
    {12, "0", 37, "", ""},
    {13, "3120", 40, "Sym7", "Linienelement"},
    {14, "1402", 41, "Sym9", "Linienelement"},
    {15, "2051", 42, "Sym8", "Linienelement"},
    {16, "0216", 43, "Sym10", "Linienelement"},
    {17, "0201B1020", 44, "Sym23", "Knotenpunkt"},
    {18, "1C1020", 45, "Sym21", "Knotenpunkt"},
    {19, "021D02", 46, "Sym20", "Knotenpunkt"},
    {20, "20E120", 47, "Sym19", "Knotenpunkt"},
    {21, "0201F1", 48, "Sym22", "Knotenpunkt"},
    {22, "2I", 49, "Sym24", "Massezeichen"},
    {23, "1H1", 50, "Sym17", "Knotenpunkt"},
    {24, "2G2", 51, "Sym18", "Knotenpunkt"},
    {25, "0000011400002#J116<000000", 26, "Sym2", "Op"},
    {26, "0000011400002#J116=000000", 25, "", ""},
    {27, "0000000311K02#00>51100000", 28, "Sym3", "Op"},
    {28, "0000000311K02#00?51100000", 27, "", ""},
    {29, "11", 31, "", ""},
    {30, "111", 31, "", ""},
    {31, "1111", 32, "", ""},
    {32, "11111111", 4, "", ""},
    {33, "22", 34, "", ""},
    {34, "2222", 35, "", ""},
    {35, "22222222", 10, "", ""},
    {36, "0", 37, "Sym25", "Radiergummi"},
    {37, "0000", 38, "", ""},
    {38, "000000000", 36, "", ""},
    {39, "020171020", 11, "", ""},
};

// Codes 40..51: single cells of the corner, junction, ground and node characters.
constexpr std::string_view kSingleCells = "3456BCDEFIHG";

}  // namespace

const SymbolCatalogue& SymbolCatalogue::instance() {
    static const SymbolCatalogue catalogue;
    return catalogue;
}

SymbolCatalogue::SymbolCatalogue() {
    for (int code = 0; code < kSymbolCodeCount; ++code) {
        symbols_[code].height = kSymbolHeights[code] - '0';
        symbols_[code].width = kSymbolWidths[code] - '0';
        symbols_[code].rightClickSuccessor = static_cast<SymbolCode>(code);
    }
    for (const CatalogueRow& row : kRows) {
        SymbolInfo& s = symbols_[row.code];
        s.pattern = row.pattern;
        s.rightClickSuccessor = static_cast<SymbolCode>(row.successor);
        s.toolbarButton = row.button;
        s.hint = row.hint;
    }
    for (int i = 0; i < static_cast<int>(kSingleCells.size()); ++i) {
        SymbolInfo& s = symbols_[40 + i];
        s.pattern = kSingleCells.substr(i, 1);
        s.rightClickSuccessor = static_cast<SymbolCode>(40 + i - 27);
    }
}

char SymbolCatalogue::cell(int code, int row, int column) const {
    const SymbolInfo& s = symbols_[code];
    const std::size_t index = static_cast<std::size_t>(row * s.width + column);
    return index < s.pattern.size() ? s.pattern[index] : '0';
}

}  // namespace volmira
