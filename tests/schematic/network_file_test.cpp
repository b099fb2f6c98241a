#include "schematic/network_file.h"

#include <gtest/gtest.h>

#include <set>

#include "schematic/recent_files.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

const InputFields kFields{"1 V", "1 kHz", "20 Hz", "20 kHz"};

SymbolList recognised(SchematicGrid grid) {
    SymbolList list;
    rebuildSymbolList(grid, list);
    return list;
}

// The RC low-pass with both values entered, one of them with a Latin-1 character.
struct Drawing {
    SchematicGrid grid = test::art::rcLowPass();
    SymbolList symbols = recognised(test::art::rcLowPass());
    std::vector<StoredComponent> components{{3, 7, 1, "4,7 kOhm"}, {5, 12, 9, "100 nF µ"}};
};

TEST(NetworkFile, RoundTripIsByteForByte) {
    test::TempFolder folder;
    const Drawing d;
    const fs::path first = folder.path() / "Tiefpass.nwb";
    const LineList lines = buildNetworkLines(d.symbols, d.components, kFields);
    ASSERT_TRUE(saveNetworkFile(first, lines).ok());

    const NetworkLoadResult loaded = loadNetworkFile(first);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    const LoadedNetwork& net = *loaded.network;
    EXPECT_EQ(net.grid, d.grid);
    EXPECT_EQ(net.symbols, d.symbols);
    EXPECT_EQ(net.components, d.components);
    EXPECT_EQ(net.fields, kFields);
    EXPECT_EQ(net.lines, lines);

    EXPECT_EQ(buildNetworkLines(net.symbols, net.components, net.fields), lines);
}

TEST(NetworkFile, LoadingStampsInFileOrderAndRecognisesAgain) {
    // A hand-made file: a run of three (code 30, never written by the program) and an eraser
    // that wipes the left lead of a resistor placed before it. The letter keeps its right lead,
    // so it is still a horizontal resistor and gets its left lead back. Its value text is cut
    // to fourteen characters.
    const NetworkLoadResult loaded =
        parseNetworkLines({"10", "10", "30", "20", "20", "1", "20", "20", "36", "0", "1", "20",
                           "21", "1", "äöüäöüäöüäöüäöü123", "", "", "", ""},
                          "x.nwb");
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    const SymbolList& s = loaded.network->symbols;
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0], (PlacedSymbol{20, 20, 1}));
    EXPECT_EQ(s[1], (PlacedSymbol{10, 10, 29}));
    EXPECT_EQ(s[2], (PlacedSymbol{12, 10, 4}));
    EXPECT_EQ(loaded.network->grid.at(20, 20), '1');
    EXPECT_EQ(loaded.network->components[0].valueText, "äöüäöüäöüäöüäö");
}

TEST(NetworkFile, SavingAndLoadingAgainGiveTheSameDrawing) {
    // An eraser over an amplifier's "#" leaves its "J" and "<" without a symbol; an amplifier
    // that a second one overlaps loses its "#" once the list is painted.
    const LineList strayCells{"10", "10", "25", "13", "12", "36", "0", "0", "", "", "", ""};
    const LineList overlap{"7", "33", "26", "4", "33", "26", "0", "0", "", "", "", ""};
    for (const LineList& lines : {strayCells, overlap}) {
        const NetworkLoadResult loaded = parseNetworkLines(lines, "x.nwb");
        ASSERT_TRUE(loaded.ok()) << loaded.error;
        const LoadedNetwork& net = *loaded.network;
        const NetworkLoadResult again =
            parseNetworkLines(buildNetworkLines(net.symbols, net.components, net.fields), "x.nwb");
        ASSERT_TRUE(again.ok()) << again.error;
        EXPECT_EQ(again.network->grid, net.grid);
        EXPECT_EQ(again.network->symbols, net.symbols);
        // Saving in the drawing mode recognises the grid first: the same list.
        EXPECT_EQ(recognised(net.grid), net.symbols);
    }
    const NetworkLoadResult stray = parseNetworkLines(strayCells, "x.nwb");
    EXPECT_EQ(stray.network->grid.at(14, 12), kEmptyCell);
    EXPECT_EQ(stray.network->grid.at(13, 13), kEmptyCell);
}

TEST(NetworkFile, AHugeLineIsQuotedShortly) {
    LineList lines = buildNetworkLines(SymbolList{}, {}, kFields);
    lines[0] = std::string(10'000'000, '7') + "x";
    const NetworkLoadResult loaded = parseNetworkLines(lines, "x.nwb");
    EXPECT_LT(loaded.error.size(), 300u);
    EXPECT_NE(
        loaded.error.find("\"" + std::string(kQuotedTextLimit, '7') + "…\" ist keine ganze Zahl"),
        std::string::npos);
}

// Symbol entries, the end mark, the record count, the records and the fields; records that can
// belong to no component (left behind when the drawing was pushed over its edge) are not written.
TEST(NetworkFile, LinesHoldSymbolsEndMarkRecordsAndFields) {
    SchematicGrid grid;
    stamp(grid, 1, 10, 20);
    const std::vector<StoredComponent> records{
        {3, 0, 1, "1k"}, {81, 5, 2, "1m"}, {3, 7, 4, "?"}, {20, 11, 1, "4,7k"}};
    const LineList lines = buildNetworkLines(recognised(grid), records, kFields);
    EXPECT_EQ(lines, (LineList{"10", "20", "1", "0", "1", "20", "11", "1", "4,7k", "1 V", "1 kHz",
                               "20 Hz", "20 kHz"}));
    EXPECT_TRUE(parseNetworkLines(lines, "x.nwb").ok());
}

TEST(NetworkFile, EveryFileInTheMalformedCorpusIsRefusedNamingItsLine) {
    struct Case {
        std::string_view file;
        int line;
        std::string_view problem;
    };
    const Case cases[] = {
        {"empty.nwb", 1, "endet vorzeitig"},
        {"symbol-entry-cut.nwb", 3, "endet vorzeitig; erwartet wird der Symbolcode"},
        {"no-end-mark.nwb", 4, "Endmarke"},
        {"column-not-a-number.nwb", 1, "\"fünf\" ist keine ganze Zahl"},
        {"column-101.nwb", 1, "Spalte eines Symbols 101 liegt nicht zwischen 1 und 100"},
        {"row-81.nwb", 5, "Zeile eines Symbols 81 liegt nicht zwischen 1 und 80"},
        {"code-0.nwb", 3, "Symbolcode 0 liegt nicht zwischen 1 und 54"},
        {"code-55.nwb", 6, "Symbolcode 55"},
        {"amplifier-over-right-edge.nwb", 1, "ragt über den Rand"},
        {"source-over-bottom-edge.nwb", 1, "ragt über den Rand"},
        {"decimal-number.nwb", 1, "\"5,0\" ist keine ganze Zahl"},
        {"number-with-garbage.nwb", 2, "\"12a\" ist keine ganze Zahl"},
        {"negative-column.nwb", 1, "-3 liegt nicht zwischen"},
        {"count-not-a-number.nwb", 5, "Anzahl der Bauteile"},
        {"count-81.nwb", 5, "Anzahl der Bauteile 81 liegt nicht zwischen 0 und 80"},
        {"count-negative.nwb", 5, "Anzahl der Bauteile -1"},
        {"record-row-0.nwb", 6, "Zeile eines Bauteils 0"},
        {"record-column-101.nwb", 7, "Spalte eines Bauteils 101"},
        {"record-code-4.nwb", 12, "Der Code 4 bezeichnet kein Bauteil"},
        {"record-value-missing.nwb", 9, "erwartet wird der Wert eines Bauteils"},
        {"fields-missing.nwb", 12, "erwartet wird die Startfrequenz"},
        {"count-one-short.nwb", 17, "Nach der Endfrequenz folgen weitere Zeilen"},
        {"escape-sequence.nwb", 1, "\"\\x1B]0;gehackt\\x07\\x1B[2J\\x1B[HAnalyse"},
    };
    const fs::path corpus = test::sourceDir() / "tests" / "data" / "malformed";
    std::set<std::string> covered;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file));
        covered.insert(std::string(c.file));
        const fs::path path = corpus / c.file;
        const NetworkLoadResult result = loadNetworkFile(path);
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.error.find(path.string()), std::string::npos) << result.error;
        EXPECT_NE(result.error.find("Zeile " + std::to_string(c.line) + ": "), std::string::npos)
            << result.error;
        EXPECT_NE(result.error.find(c.problem), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find('\x1B'), std::string::npos);
    }
    for (const auto& entry : fs::directory_iterator(corpus))
        EXPECT_TRUE(covered.count(entry.path().filename().string()))
            << entry.path() << " has no expectation";
}

TEST(NetworkFile, MoreSymbolsThanTheListHoldsAreRefused) {
    // 1001 entries in the file.
    LineList lines;
    for (int i = 0; i < 1001; ++i) {
        lines.push_back(std::to_string(1 + 2 * (i % 50)));
        lines.push_back(std::to_string(3 + i / 50));
        lines.push_back("4");
    }
    for (const char* tail : {"0", "0", "", "", "", ""}) lines.push_back(tail);
    NetworkLoadResult result = parseNetworkLines(lines, "viele.nwb");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("Zeile 3001: Die Datei enthält mehr als 1000 Symbole"),
              std::string::npos)
        << result.error;

    // 900 crossings with stubs fall apart into 4500 entries when recognised.
    lines.clear();
    int count = 0;
    for (int row = 3; row + 2 <= kGridRows && count < 900; row += 3)
        for (int column = 1; column + 2 <= kGridColumns && count < 900; column += 3, ++count)
            for (int v : {column, row, 39}) lines.push_back(std::to_string(v));
    for (const char* tail : {"0", "0", "", "", "", ""}) lines.push_back(tail);
    result = parseNetworkLines(lines, "viele.nwb");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("ergibt mehr als 1000 Symbole"), std::string::npos) << result.error;
}

// Keeping the old file is the text file's rule; here the message the window shows.
TEST(NetworkFile, FailedSaveReportsTheFileAccessError) {
    test::TempFolder folder;
    const NetworkSaveResult missing =
        saveNetworkFile(folder.path() / "weg" / "neu.nwb", buildNetworkLines({}, {}, kFields));
    EXPECT_EQ(missing.error, kFileAccessError);
    EXPECT_NE(missing.detail.find("neu.nwb"), std::string::npos);
}

TEST(NetworkFile, ChangeQuestionDependsOnTheFirstDifferingLine) {
    const Drawing d;
    const LineList saved = buildNetworkLines(d.symbols, d.components, kFields);
    const auto ask = [&](const SymbolList& symbols, const std::vector<StoredComponent>& components,
                         const InputFields& fields) {
        return unsavedChangesQuestion(symbols, buildNetworkLines(symbols, components, fields),
                                      saved);
    };
    EXPECT_EQ(ask(d.symbols, d.components, kFields), std::nullopt);

    for (InputFields f : {InputFields{"1 V", "2 kHz", "20 Hz", "20 kHz"},
                          InputFields{"1 V", "1 kHz", "10 Hz", "20 kHz"},
                          InputFields{"1 V", "1 kHz", "20 Hz", "200 kHz"}})
        EXPECT_EQ(ask(d.symbols, d.components, f), std::string(kAskSaveFrequencies));
    // The first difference decides: voltage and frequency changed asks about the voltage.
    for (InputFields f : {InputFields{"2 V", "1 kHz", "20 Hz", "20 kHz"},
                          InputFields{"2 V", "5 kHz", "20 Hz", "20 kHz"}})
        EXPECT_EQ(ask(d.symbols, d.components, f), std::string(kAskSaveVoltage));

    std::vector<StoredComponent> changedValue = d.components;
    changedValue[1].valueText = "220 nF";
    EXPECT_EQ(ask(d.symbols, changedValue, kFields), std::string(kAskSaveDrawing));

    SchematicGrid more = d.grid;
    stamp(more, 1, 40, 40);
    EXPECT_EQ(ask(recognised(more), d.components, kFields), std::string(kAskSaveDrawing));

    // Nothing drawn: nothing to ask, whatever the fields say.
    EXPECT_EQ(ask(SymbolList{}, {}, {"9 V", "", "", ""}), std::nullopt);
    // After "Neues Netzwerk" the saved-state list is empty.
    EXPECT_EQ(unsavedChangesQuestion(d.symbols, saved, {}), std::string(kAskSaveDrawing));
}

TEST(NetworkFile, ShippedExamplesLoadAndAreInTheFormTheProgramWrites) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(test::sourceDir() / "examples")) {
        SCOPED_TRACE(entry.path().string());
        const NetworkLoadResult loaded = loadNetworkFile(entry.path());
        ASSERT_TRUE(loaded.ok()) << loaded.error;
        const LoadedNetwork& net = *loaded.network;
        EXPECT_FALSE(net.symbols.empty());
        // Unchanged after loading, nothing is asked at shutdown.
        const LineList rebuilt = buildNetworkLines(net.symbols, net.components, net.fields);
        EXPECT_EQ(rebuilt, net.lines);
        EXPECT_EQ(unsavedChangesQuestion(net.symbols, rebuilt, net.lines), std::nullopt);
        ++count;
    }
    EXPECT_GE(count, 5);
}

TEST(NetworkFile, UntitledNameIsRecognisedByItsLastTwelveCharacters) {
    EXPECT_TRUE(isUntitledNetwork("/home/anna/Volmira/OHNENAME.NWB"));
    EXPECT_TRUE(isUntitledNetwork("OHNENAME.NWB"));
    EXPECT_FALSE(isUntitledNetwork("/home/anna/Volmira/ohnename.nwb"));
    EXPECT_FALSE(isUntitledNetwork("/home/anna/Volmira/Tiefpass.nwb"));
}

using Entries = std::array<std::string, kRecentFileCount>;

TEST(RecentFiles, CaptionsShowTheFileNameWithItsFolder) {
    struct Case {
        std::string_view path;
        std::string_view caption;
    };
    const Case cases[] = {
        {"", ""},
        {"/tmp/volmira/gui/t4.nwb", "\xE2\x80\xA6/gui/t4.nwb"},
        {"C:\\Netze\\Tiefpass\\Tp1.NWB", "\xE2\x80\xA6\\Tiefpass\\Tp1.NWB"},
        {"/home/anna/netze\\RCL.nwb", "\xE2\x80\xA6/netze\\RCL.nwb"},  // either separator
        {"/gui/t4.nwb", "/gui/t4.nwb"},  // nothing before the folder: whole
        {"gui/t4.nwb", "gui/t4.nwb"},
        {"t4.nwb", "t4.nwb"},
    };
    for (const Case& c : cases) EXPECT_EQ(recentFileCaption(c.path), c.caption) << c.path;
}

TEST(RecentFiles, NewPathBecomesSlotOneAndTheOldestDropsOutReopenedOnesMove) {
    RecentFiles recent;
    for (const char* p : {"a", "b", "c", "d", "e"}) recent.add(p);
    EXPECT_EQ(recent.entries(), (Entries{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(recent.pathOfSlot(1), "e");
    EXPECT_EQ(recent.pathOfSlot(5), "a");
    recent.add("f");
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "d", "e", "f"}));
    // Reopening moves a path to slot one without duplicating it.
    recent.add("d");
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "e", "f", "d"}));
    recent.add("d");
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "e", "f", "d"}));
    recent.add("b");  // the oldest entry
    EXPECT_EQ(recent.entries(), (Entries{"c", "e", "f", "d", "b"}));
}

TEST(RecentFiles, EmptyPlacesFillFromTheNewestEnd) {
    RecentFiles recent;
    EXPECT_EQ(recent.captionOfSlot(1), "");
    recent.add("");
    EXPECT_EQ(recent.entries(), Entries{});
    recent.add("/x/eins.nwb");
    recent.add("/x/zwei.nwb");
    EXPECT_EQ(recent.entries(), (Entries{"", "", "", "/x/eins.nwb", "/x/zwei.nwb"}));
    EXPECT_EQ(recent.captionOfSlot(1), "/x/zwei.nwb");
    EXPECT_EQ(recent.captionOfSlot(2), "/x/eins.nwb");
    EXPECT_EQ(recent.captionOfSlot(3), "");
    EXPECT_EQ(recent.pathOfSlot(0), "");
    EXPECT_EQ(recent.pathOfSlot(6), "");
}

TEST(RecentFiles, SettingsWithTooFewTooManyOrDoubledEntriesAreMadeSound) {
    RecentFiles recent;
    recent.setEntries(std::vector<std::string>{"a", "b"});
    EXPECT_EQ(recent.entries(), (Entries{"", "", "", "a", "b"}));
    recent.setEntries(std::vector<std::string>{"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(recent.entries(), (Entries{"b", "c", "d", "e", "f"}));
    // A hand-edited settings file holding a path twice: adding it keeps one copy.
    recent.setEntries(std::vector<std::string>{"x", "b", "x", "d", "e"});
    recent.add("x");
    EXPECT_EQ(recent.entries(), (Entries{"", "b", "d", "e", "x"}));
}

}  // namespace
}  // namespace volmira
