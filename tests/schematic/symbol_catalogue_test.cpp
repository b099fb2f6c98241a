#include "schematic/symbol_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

namespace volmira {
namespace {

// The patterns themselves are checked by stamping every code in the recogniser's tests; here the
// rules the table must keep.
TEST(SymbolCatalogue, PatternsFitTheirSizeAndUseOnlyTheCellVocabulary) {
    const SymbolCatalogue& c = SymbolCatalogue::instance();
    constexpr std::string_view kVocabulary = "01234567ABCDEFGHIxyz#JK<=>?";
    for (int code = 0; code < kSymbolCodeCount; ++code) {
        SCOPED_TRACE(code);
        const auto& pattern = c[code].pattern;
        if (!pattern.empty()) {
            EXPECT_EQ(static_cast<int>(pattern.size()), c.height(code) * c.width(code));
        }
        for (char cell : pattern) EXPECT_NE(kVocabulary.find(cell), std::string_view::npos) << cell;
        EXPECT_GE(c[code].rightClickSuccessor, 0);
        EXPECT_LT(c[code].rightClickSuccessor, kSymbolCodeCount);
    }
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
    EXPECT_EQ(cycle(4), "4 29 31 32 ");
    EXPECT_EQ(cycle(10), "10 33 34 35 ");
    // A single corner, junction or node cell switches to its three-cell form.
    for (int code = 40; code <= 51; ++code) EXPECT_EQ(c[code].rightClickSuccessor, code - 27);
}

}  // namespace
}  // namespace volmira
