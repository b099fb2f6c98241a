#include <gtest/gtest.h>

#include <fstream>

#include "schematic/macro_insert.h"
#include "schematic/macro_library.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

// `count` wire cells on a diagonal from (column, row).
SymbolList diagonal(int count, int column, int row) {
    SymbolList list;
    for (int i = 0; i < count; ++i)
        list.append({static_cast<std::uint8_t>(column + i), static_cast<std::uint8_t>(row + i), 4});
    return list;
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}

TEST(MacroFile, RecordHoldsLengthDigitsPaddedNameAndEntriesFromColumnAndRowTwo) {
    const std::string record = encodeMacroRecord(diagonal(15, 10, 7), "Tiefpass");
    ASSERT_EQ(record.size(), 26u + 3 * 15);
    EXPECT_EQ(record.substr(0, 5), bytesOf({0, 0, 7, 1, 20}));
    EXPECT_EQ(record.substr(5, 20), "Tiefpass            ");
    EXPECT_EQ(record.substr(25, 6), bytesOf({2, 2, 4, 3, 3, 4}));
    EXPECT_EQ(record.back(), '\0');

    const MacroListing listing = listMacros(record + encodeMacroRecord(diagonal(1, 1, 1), "B"));
    ASSERT_EQ(listing.macros.size(), 2u);
    EXPECT_TRUE(listing.problem.empty());
    EXPECT_EQ(listing.macros[0].name, "Tiefpass");
    EXPECT_EQ(listing.macros[1].offset, record.size());
    EXPECT_EQ(macroEntries(record, listing.macros[0]), diagonal(15, 2, 2));

    // The default name is day, month, year, hour and minute.
    std::tm time{};
    time.tm_mday = 7, time.tm_mon = 3, time.tm_year = 126, time.tm_hour = 3, time.tm_min = 9;
    EXPECT_EQ(defaultMacroName(time), "Makro_070426_0309");
    EXPECT_EQ(storedMacroName("  Ölfilter "), "\xD6lfilter            ");
}

// Reading stops at the malformed record with a message; the records before it stay usable.
TEST(MacroFile, MalformedRecordStopsTheListingThere) {
    const std::string good = encodeMacroRecord(diagonal(2, 5, 5), "gut");
    const std::string tails[] = {
        bytesOf({0, 0, 2}),                                // header cut short
        "0026" + std::string(22, ' '),                     // digit characters, not values
        bytesOf({0, 0, 0, 0, 20}) + std::string(21, ' '),  // length 0 would never move on
        bytesOf({0, 0, 2, 5, 20}) + std::string(20, ' '),  // below the smallest record
        bytesOf({0, 0, 3, 0, 20}) + std::string(21, ' '),  // past the end of the file
        bytesOf({0, 0, 2, 6, 30}) + std::string(21, ' '),  // name longer than the record
    };
    for (const std::string& tail : tails) {
        const MacroListing listing = listMacros(good + tail);
        ASSERT_EQ(listing.macros.size(), 1u);
        EXPECT_TRUE(listing.damaged);
        EXPECT_NE(listing.problem.find("ab dem 2. Makro"), std::string::npos) << listing.problem;
        EXPECT_EQ(macroEntries(good + tail, listing.macros[0]), diagonal(2, 2, 2));
    }
}

class MacroLibraryTest : public ::testing::Test {
  protected:
    std::string file() const { return test::readFileBytes(library.path()); }
    bool temporaryLeft() const { return fs::exists(folder.path() / kMacroTemporaryFileName); }

    test::TempFolder folder;
    MacroLibrary library{folder.path()};
};

TEST_F(MacroLibraryTest, StoreRenameAndDeleteRewriteTheFile) {
    ASSERT_EQ(library.createIfMissing(), "");
    EXPECT_TRUE(fs::exists(library.path()));
    ASSERT_EQ(library.store(diagonal(3, 10, 7), "Makro_070426_0309"), "");
    ASSERT_EQ(library.store(diagonal(1, 40, 40), "zwei"), "");
    const std::string first = encodeMacroRecord(diagonal(3, 10, 7), "Makro_070426_0309");
    const std::string second = encodeMacroRecord(diagonal(1, 40, 40), "zwei");
    EXPECT_EQ(file(), first + second);
    EXPECT_EQ(library.count(), 2);
    EXPECT_EQ(library.load(1), diagonal(3, 2, 2));

    // The new name is padded to the 20 name bytes; nothing else in the file moves.
    ASSERT_EQ(library.rename(1, " Filter "), "");
    EXPECT_EQ(file(), encodeMacroRecord(diagonal(3, 10, 7), "Filter") + second);
    EXPECT_EQ(library.listing().macros[0].name, "Filter");

    ASSERT_EQ(library.remove(1), "");
    EXPECT_EQ(file(), second);
    ASSERT_EQ(library.remove(1), "");
    EXPECT_EQ(file(), "");
    EXPECT_EQ(library.count(), 0);
    EXPECT_FALSE(temporaryLeft());
}

TEST_F(MacroLibraryTest, RefusedStoresLeaveTheFileAsItWas) {
    ASSERT_EQ(library.createIfMissing(), "");
    EXPECT_NE(library.store(diagonal(332, 1, 1), "gross").find("331"), std::string::npos);
    EXPECT_EQ(library.store(SymbolList{}, "leer"), "");
    EXPECT_EQ(file(), "");

    const std::string damaged = encodeMacroRecord(diagonal(1, 1, 1), "a") + bytesOf({9, 9});
    std::ofstream(library.path(), std::ios::binary) << damaged;
    EXPECT_NE(library.store(diagonal(1, 1, 1), "b"), "");
    EXPECT_EQ(file(), damaged);

    std::string full;
    for (int i = 0; i < 255; ++i) full += encodeMacroRecord(diagonal(1, 1, 1), "m");
    std::ofstream(library.path(), std::ios::binary) << full;
    EXPECT_NE(library.store(diagonal(1, 1, 1), "b").find("255"), std::string::npos);
    EXPECT_EQ(file().size(), full.size());
    // A 256th macro written by another program is not listed.
    const MacroListing listing = listMacros(full + encodeMacroRecord(diagonal(1, 1, 1), "m"));
    EXPECT_EQ(listing.macros.size(), 255u);
    EXPECT_TRUE(listing.overfull);
    EXPECT_FALSE(listing.problem.empty());
}

// A temporary file that cannot be written leaves the library whole.
TEST_F(MacroLibraryTest, FailedReplacementKeepsTheLibrary) {
    ASSERT_EQ(library.createIfMissing(), "");
    ASSERT_EQ(library.store(diagonal(2, 3, 3), "eins"), "");
    const std::string before = file();
    fs::create_directory(folder.path() / kMacroTemporaryFileName);
    EXPECT_NE(library.remove(1), "");
    EXPECT_EQ(file(), before);
    EXPECT_NE(library.rename(2, "x"), "");  // no such macro
}

// A horizontal resistor at (2, 2) and a vertical wire cell at (6, 3): 5 columns by 2 rows, with
// room between them.
SymbolList resistorAndWire() {
    SymbolList macro;
    macro.append({2, 2, 1});
    macro.append({6, 3, 10});
    return macro;
}

// A vertical wire down column 13 through the macro's rectangle at (10, 5).
SchematicGrid wireDownColumn13() {
    SchematicGrid grid;
    for (int row = 1; row <= 10; ++row) grid.set(13, row, '2');
    return grid;
}

TEST(MacroInsert, CoverLeavesOnlyTheMacroInsideItsRectangle) {
    const MacroExtent extent = macroExtent(resistorAndWire());
    EXPECT_EQ(extent.columns, 5);
    EXPECT_EQ(extent.rows, 2);
    SchematicGrid grid = wireDownColumn13();
    const DrawingChanges changes = insertMacro(grid, resistorAndWire(), {10, 5}, MacroMode::Cover);
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(test::area(grid, 10, 4, 5, 4), "00020\n1x100\n00002\n00020\n");
    // The cleared cells are painted white before the macro's glyphs.
    ASSERT_EQ(changes.glyphs.size(), 10u + 2u);
    EXPECT_EQ(changes.glyphs.back(), (PlacedSymbol{14, 6, 10}));
}

TEST(MacroInsert, MixKeepsTheWiresBetweenTheMacrosSymbols) {
    SchematicGrid grid = wireDownColumn13();
    const DrawingChanges changes = insertMacro(grid, resistorAndWire(), {10, 5}, MacroMode::Mix);
    EXPECT_EQ(test::area(grid, 10, 5, 5, 2), "1x120\n00022\n");
    EXPECT_EQ(changes.glyphs.size(), 2u);
}

TEST(MacroInsert, EntriesBeyondTheGridAreLeftOut) {
    SchematicGrid grid;
    insertMacro(grid, resistorAndWire(), {kGridColumns - 3, kGridRows}, MacroMode::Cover);
    EXPECT_EQ(grid.rowText(kGridRows).substr(kGridColumns - 4), "1x10");
}

}  // namespace
}  // namespace volmira
