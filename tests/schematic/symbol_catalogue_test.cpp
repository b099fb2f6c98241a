#include "schematic/symbol_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

namespace volmira {
namespace {

TEST(SymbolCatalogue, SizesComeFromTheDigitStringsAndMatchEveryPattern) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    for (int code = 0; code < kSymbolCodeCount; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(catalogue.height(code), kSymbolHeights[code] - '0');
        EXPECT_EQ(catalogue.width(code), kSymbolWidths[code] - '0');
        const auto& pattern = catalogue[code].pattern;
        if (!pattern.empty()) {
            EXPECT_EQ(static_cast<int>(pattern.size()),
                      catalogue.height(code) * catalogue.width(code));
        }
    }
}

// The patterns themselves are checked by stamping every code in the recogniser's tests.
TEST(SymbolCatalogue, ToolbarButtonAndHint) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    EXPECT_EQ(c[22].toolbarButton, "Sym24");
    EXPECT_EQ(c[22].hint, "Massezeichen");
    EXPECT_TRUE(c[52].pattern.empty());
}

TEST(SymbolCatalogue, RightClickSuccessorsCycleThroughTheForms) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    auto cycle = [&](int start) {
        std::string seen;
        int code = start;
        do {
            seen += std::to_string(code) + " ";
            code = c[code].rightClickSuccessor;
        } while (code != start && seen.size() < 200);
        return seen;
    };
    EXPECT_EQ(cycle(1), "1 7 ");
    EXPECT_EQ(cycle(5), "5 6 ");
    EXPECT_EQ(cycle(4), "4 29 31 32 ");
    EXPECT_EQ(cycle(10), "10 33 34 35 ");
    EXPECT_EQ(cycle(36), "36 37 38 ");
    EXPECT_EQ(cycle(25), "25 26 ");
    EXPECT_EQ(cycle(13), "13 40 ");
    EXPECT_EQ(cycle(11), "11 39 ");
    EXPECT_EQ(c[12].rightClickSuccessor, 37);
    EXPECT_EQ(c[30].rightClickSuccessor, 31);
    EXPECT_EQ(c[53].rightClickSuccessor, 53);
    // A single corner, junction or node cell switches to its three-cell form.
    for (int code = 40; code <= 51; ++code) EXPECT_EQ(c[code].rightClickSuccessor, code - 27);
}

TEST(SymbolCatalogue, PatternsUseOnlyTheCellVocabulary) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    constexpr std::string_view kVocabulary = "01234567ABCDEFGHIxyz#JK<=>?";
    for (int code = 0; code < kSymbolCodeCount; ++code)
        for (char cell : c[code].pattern)
            EXPECT_NE(kVocabulary.find(cell), std::string_view::npos) << code << " " << cell;
}

}  // namespace
}  // namespace volmira
