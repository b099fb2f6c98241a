#pragma once
// The 55 symbol codes: their cell patterns, sizes, toolbar buttons and right-click successors.
#include <cstdint>
#include <string_view>

namespace volmira {

using SymbolCode = std::uint8_t;
inline constexpr int kSymbolCodeCount = 55;  // codes 0..54
inline constexpr SymbolCode kLastStorableCode = 54;

struct SymbolInfo {
    int height = 1;
    int width = 1;
    std::string_view pattern;  // height x width characters, row after row; empty for none
    SymbolCode rightClickSuccessor = 0;
    std::string_view toolbarButton;  // object name of the toolbar button ("Sym4"), empty for none
    std::string_view hint;           // its tool tip
};

// Built once from the two digit strings and the pattern table.
class SymbolCatalogue {
  public:
    static const SymbolCatalogue& instance();

    static bool valid(int code) { return code >= 0 && code < kSymbolCodeCount; }
    const SymbolInfo& operator[](int code) const { return symbols_[code]; }
    int height(int code) const { return symbols_[code].height; }
    int width(int code) const { return symbols_[code].width; }
    // Pattern character at a row and column inside the pattern (both from 0).
    char cell(int code, int row, int column) const;

  private:
    SymbolCatalogue();
    SymbolInfo symbols_[kSymbolCodeCount];
};

// The two digit strings the sizes come from; character k+1 gives code k.
inline constexpr std::string_view kSymbolHeights =
    "0111143333111222232332213555511112481233111111111111111";
inline constexpr std::string_view kSymbolWidths =
    "0333134111111222233223131555523481111233111111111111111";

}  // namespace volmira
