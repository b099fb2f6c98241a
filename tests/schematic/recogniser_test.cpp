#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/symbol_catalogue.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// An expected entry relative to where the pattern was stamped.
struct Rel {
    int code;
    int dc;
    int dr;
};

std::string describe(const std::vector<Rel>& entries, int column = 0, int row = 0) {
    std::string text;
    for (const Rel& e : entries)
        text += std::to_string(e.code) + "@" + std::to_string(column + e.dc) + "," +
                std::to_string(row + e.dr) + " ";
    return text;
}

std::string describe(const SymbolList& list) {
    std::vector<Rel> entries;
    for (const PlacedSymbol& s : list) entries.push_back({s.code, s.column, s.row});
    return describe(entries);
}

// What each code stamped alone on a blank grid comes back as. Multi-cell patterns that the
// recogniser has no symbol for fall apart into their single cells and wire runs (singles
// first, then horizontal, then vertical runs); erasers and empty codes leave nothing.
std::vector<Rel> expectedAlone(int code) {
    constexpr std::array kNothing = {12, 36, 37, 38, 52, 53, 54};
    if (std::ranges::find(kNothing, code) != kNothing.end()) return {};
    static const std::map<int, std::vector<Rel>> kFallingApart = {
        {13, {{40, 0, 0}, {4, 1, 0}, {10, 0, 1}}},
        {14, {{41, 1, 0}, {4, 0, 0}, {10, 1, 1}}},
        {15, {{42, 0, 1}, {4, 1, 1}, {10, 0, 0}}},
        {16, {{43, 1, 1}, {4, 0, 1}, {10, 1, 0}}},
        {17, {{44, 1, 1}, {4, 0, 1}, {4, 2, 1}, {10, 1, 0}, {10, 1, 2}}},
        {18, {{45, 1, 0}, {4, 0, 0}, {4, 2, 0}, {10, 1, 1}}},
        {19, {{46, 1, 1}, {4, 0, 1}, {10, 1, 0}, {10, 1, 2}}},
        {20, {{47, 0, 1}, {4, 1, 1}, {10, 0, 0}, {10, 0, 2}}},
        {21, {{48, 1, 1}, {4, 0, 1}, {4, 2, 1}, {10, 1, 0}}},
        {22, {{49, 0, 1}, {10, 0, 0}}},
        {23, {{50, 1, 0}, {4, 0, 0}, {4, 2, 0}}},
        {24, {{51, 0, 1}, {10, 0, 0}, {10, 0, 2}}},
        {30, {{29, 0, 0}, {4, 2, 0}}},
        {39, {{11, 1, 1}, {4, 0, 1}, {4, 2, 1}, {10, 1, 0}, {10, 1, 2}}},
    };
    const auto found = kFallingApart.find(code);
    return found != kFallingApart.end() ? found->second : std::vector<Rel>{{code, 0, 0}};
}

TEST(Recogniser, EveryCodeStampedAloneComesBackAsTheTableSays) {
    constexpr int kColumn = 20, kRow = 20;
    for (int code = 1; code <= kLastStorableCode; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        SchematicGrid grid;
        stamp(grid, code, kColumn, kRow);
        const SchematicGrid stamped = grid;
        SymbolList list;
        EXPECT_TRUE(rebuildSymbolList(grid, list));
        EXPECT_EQ(describe(list), describe(expectedAlone(code), kColumn, kRow));
        // Whatever the list holds stamps back to the very same cells.
        EXPECT_EQ(grid, stamped);
    }
}

TEST(Recogniser, RunsAreCoveredFromTheirStartByPiecesOfEightFourTwoOne) {
    struct RunCase {
        int length;
        std::vector<Rel> horizontal;  // offsets along the run
    };
    const RunCase cases[] = {
        {15, {{32, 0, 0}, {31, 8, 0}, {29, 12, 0}, {4, 14, 0}}},
        {8, {{32, 0, 0}}},
        {7, {{31, 0, 0}, {29, 4, 0}, {4, 6, 0}}},
        {3, {{29, 0, 0}, {4, 2, 0}}},
        {1, {{4, 0, 0}}},
    };
    const std::map<int, int> vertical = {{32, 35}, {31, 34}, {29, 33}, {4, 10}};
    constexpr int start = 5;
    for (const RunCase& c : cases) {
        SCOPED_TRACE("length " + std::to_string(c.length));
        SchematicGrid across;
        for (int i = 0; i < c.length; ++i) across.set(start + i, 30, '1');
        SymbolList list;
        rebuildSymbolList(across, list);
        EXPECT_EQ(describe(list), describe(c.horizontal, start, 30));

        SchematicGrid down;
        for (int i = 0; i < c.length; ++i) down.set(40, start + i, '2');
        std::vector<Rel> expected;
        for (const Rel& e : c.horizontal) expected.push_back({vertical.at(e.code), 0, e.dc});
        rebuildSymbolList(down, list);
        EXPECT_EQ(describe(list), describe(expected, 40, start));
    }
}

TEST(Recogniser, ComponentLetterIsHorizontalWhenAWireLiesBesideIt) {
    struct Case {
        std::string_view cells;  // three cells around the letter in row 10 from column 9
        char above;              // cell above and below the letter
        std::string_view first;  // the list's first entry
    };
    const Case cases[] = {
        {"1x1", '0', "1@9,10 "},  // both sides
        {"1x0", '0', "1@9,10 "},  // only left
        {"0y1", '0', "2@9,10 "},  // only right
        {"1z0", '2', "3@9,10 "},  // wire left wins over wires above and below
        {"0x0", '2', "7@10,9 "},  // none: vertical, top-left one row up
        {"0z0", '0', "9@10,9 "},  // a bare letter is vertical too
        {"2y2", '0', "8@10,9 "},  // vertical wires beside it do not count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cells) + " above " + c.above);
        SchematicGrid grid;
        for (int i = 0; i < 3; ++i) grid.set(9 + i, 10, c.cells[i]);
        grid.set(10, 9, c.above);
        grid.set(10, 11, c.above);
        SymbolList list;
        recognise(grid, list);
        EXPECT_TRUE(describe(list).starts_with(c.first)) << describe(list);
    }
}

TEST(Recogniser, ScanStartsBelowRowTwoReachesTheBottomAndKeepsAStrayMark) {
    SchematicGrid grid;
    stamp(grid, 1, 5, 2);   // resistor in row 2
    stamp(grid, 10, 9, 1);  // wire cell in row 1
    const SchematicGrid before = grid;
    SymbolList list;
    rebuildSymbolList(grid, list);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(grid, before);  // nothing is taken, so nothing is lost from the grid
    stamp(grid, 10, 9, 3);    // one cell in row 3 opens the scan
    rebuildSymbolList(grid, list);
    EXPECT_EQ(describe(list), "1@5,2 10@9,1 10@9,3 ");

    grid.clear();  // equal rows at the bottom
    test::drawRows(grid, 1, 79, {"11111111", "11111111"});
    rebuildSymbolList(grid, list);
    EXPECT_EQ(describe(list), "32@1,79 32@1,80 ");

    grid.clear();
    grid.set(30, 30, 'J');  // a lone output mark stays in the grid without an entry
    stamp(grid, 1, 10, 10);
    rebuildSymbolList(grid, list);
    EXPECT_EQ(describe(list), "1@10,10 ");
    EXPECT_EQ(grid.at(30, 30), 'J');
}

TEST(Recogniser, SymbolsPushedOverTheEdgeAreNotTakenAndStayInTheGrid) {
    SchematicGrid grid;
    // Amplifier with its left column gone, source whose "A" reached column 1, resistor whose
    // right lead was pushed off, vertical component in row 1.
    stamp(grid, 25, 0, 10);
    grid.set(1, 30, '2');
    grid.set(1, 31, 'A');
    grid.set(1, 32, '2');
    grid.set(1, 33, '2');
    grid.set(99, 50, '1');
    grid.set(100, 50, 'x');
    grid.set(50, 1, 'y');
    grid.set(50, 2, '2');
    const SchematicGrid before = grid;
    SymbolList list;
    EXPECT_TRUE(rebuildSymbolList(grid, list));
    EXPECT_EQ(grid, before);
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    for (const PlacedSymbol& s : list) {
        SCOPED_TRACE(describe(list));
        EXPECT_TRUE(fitsInGrid(s.code, s.column, s.row));
        EXPECT_LE(s.column + catalogue.width(s.code) - 1, kGridColumns);
    }
    EXPECT_EQ(grid.at(1, 31), 'A');
    EXPECT_EQ(grid.at(100, 50), 'x');
}

TEST(Recogniser, ListNeverGrowsBeyondItsCapacityAndKeepsTheRestInTheGrid) {
    SchematicGrid grid;
    for (int row = 3; row <= kGridRows; ++row)
        for (int column = 1; column <= kGridColumns; column += 2) grid.set(column, row, '1');
    const SchematicGrid before = grid;  // 78 rows of 50 separate wire cells: 3900 entries
    SymbolList list;
    EXPECT_FALSE(rebuildSymbolList(grid, list));
    EXPECT_EQ(list.size(), kMaxPlacedSymbols);
    EXPECT_TRUE(list.full());
    EXPECT_EQ(grid, before);
}

TEST(Recogniser, ListOrderIsSourcesAmplifiersComponentsSinglesRunsAcrossRunsDown) {
    SchematicGrid grid = test::art::invertingAmplifier();
    SymbolList list;
    recognise(grid, list);
    ASSERT_GE(list.size(), 3);
    EXPECT_EQ(list[0].code, 5);
    EXPECT_EQ(list[1].code, 26);
    const auto rank = [](int code) {
        if (code == 5 || code == 6) return 0;
        if (code >= 25 && code <= 28) return 1;
        if ((code >= 1 && code <= 3) || (code >= 7 && code <= 9)) return 2;
        if (code == 11 || (code >= 40 && code <= 51)) return 3;
        if (code == 4 || (code >= 29 && code <= 32)) return 4;
        return 5;
    };
    for (int i = 1; i < list.size(); ++i)
        EXPECT_LE(rank(list[i - 1].code), rank(list[i].code)) << i;
}

// Real drawings come back from the recogniser and from a restamp of its list unchanged,
// including a corner, junction or node drawn onto a component's or the source's lead: the
// recogniser must keep it instead of restamping the plain lead over it.
TEST(Recogniser, DrawingsSurviveRecogniserAndRestampUnchanged) {
    const std::pair<const char*, SchematicGrid> drawings[] = {
        {"rc low-pass", test::art::rcLowPass()},
        {"bridge", test::art::bridge()},
        {"inverting amplifier", test::art::invertingAmplifier()},
        {"corner on a capacitor's lower lead", test::rcLowPassSingleGround()},
        {"corner on a resistor's lead", test::art::gridFromArt({
                                            "31x4",
                                            "2  2",
                                            "A  z",
                                            "2  2",
                                            "2  2",
                                            "5116",
                                        })},
        {"junction on the source's lead", test::art::gridFromArt({
                                              "31x114",
                                              "2    2",
                                              "A    z",
                                              "E1x112",
                                              "2    2",
                                              "511116",
                                          })},
    };
    for (const auto& [name, original] : drawings) {
        SCOPED_TRACE(name);
        SchematicGrid grid = original;
        SymbolList list;
        ASSERT_TRUE(rebuildSymbolList(grid, list));
        EXPECT_EQ(grid, original) << test::drawingText(grid);
        for (const PlacedSymbol& s : list) EXPECT_NE(s.code, 30);
        // Stamping the list in its order, as loading a file does, gives the drawing back.
        SchematicGrid reloaded;
        restamp(list, reloaded);
        EXPECT_EQ(reloaded, original) << test::drawingText(reloaded);
    }
}

TEST(Recogniser, BoundsCoverEveryEntry) {
    SchematicGrid grid = test::art::rcLowPass();  // columns 3..16, rows 3..10
    SymbolList list;
    rebuildSymbolList(grid, list);
    // The source's pattern reaches one column left of its wire.
    EXPECT_EQ(list.bounds(), (DrawingBounds{2, 3, 16, 10}));
    EXPECT_EQ(SymbolList{}.bounds(), DrawingBounds{});
}

// The patterns themselves are checked by stamping every code above; here the rules the table
// must keep.
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
