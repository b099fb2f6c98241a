#include "schematic/symbol_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

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

TEST(SymbolCatalogue, SpotChecksOfTheTable) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    EXPECT_EQ(c[5].pattern, "0200A0020020");
    EXPECT_EQ(c.height(5), 4);
    EXPECT_EQ(c.width(5), 3);
    EXPECT_EQ(c.cell(5, 1, 1), 'A');
    EXPECT_EQ(c.height(25), 5);
    EXPECT_EQ(c.cell(25, 2, 3), '#');
    EXPECT_EQ(c.cell(25, 2, 4), 'J');
    EXPECT_EQ(c[45].pattern, "C");
    EXPECT_EQ(c[51].pattern, "G");
    EXPECT_TRUE(c[52].pattern.empty());
    EXPECT_EQ(c[22].toolbarButton, "Sym24");
    EXPECT_EQ(c[22].hint, "Massezeichen");
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
}

TEST(SymbolCatalogue, PatternsUseOnlyTheCellVocabulary) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    constexpr std::string_view kVocabulary = "01234567ABCDEFGHIxyz#JK<=>?";
    for (int code = 0; code < kSymbolCodeCount; ++code)
        for (char cell : c[code].pattern)
            EXPECT_NE(kVocabulary.find(cell), std::string_view::npos) << code << " " << cell;
}

TEST(SymbolCatalogue, WireRunsAndSingleCells) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    const std::pair<int, std::string_view> runs[] = {{29, "11"},       {30, "111"}, {31, "1111"},
                                                     {32, "11111111"}, {33, "22"},  {34, "2222"},
                                                     {35, "22222222"}};
    for (const auto& [code, pattern] : runs) EXPECT_EQ(c[code].pattern, pattern) << code;
    for (int code = 33; code <= 35; ++code) EXPECT_EQ(c.width(code), 1);
    constexpr std::string_view kSingles = "3456BCDEFIHG";
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(c[40 + i].pattern, kSingles.substr(i, 1));
        EXPECT_EQ(c[40 + i].rightClickSuccessor, 40 + i - 27);
    }
}

}  // namespace
}  // namespace volmira
