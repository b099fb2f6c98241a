#include "app/workspace.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/file_session.h"
#include "schematic/network_file.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

LoadedNetwork loaded(const LineList& lines) {
    NetworkLoadResult result = parseNetworkLines(lines, "test.nwb");
    EXPECT_TRUE(result.ok()) << result.error;
    return std::move(*result.network);
}

void startIn(Workspace& ws, const fs::path& folder) {
    ws.programFolder = folder;
    startNewNetwork(ws);
}

TEST(Workspace, NewNetworkIsUntitledAndKeepsTheOldDrawingForUndo) {
    Workspace ws;
    startIn(ws, "/opt/volmira");
    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines()), "/data/loop.nwb");
    const SchematicGrid drawn = ws.grid;
    ws.modes.enable(4, 3);
    ASSERT_TRUE(analyseDrawing(ws).ok());
    ASSERT_FALSE(ws.calculation.confirmValues());

    const ModeSwitch s = startNewNetwork(ws);
    EXPECT_TRUE(s.happened);
    EXPECT_EQ(ws.modes.reachedMode(), 1);
    // Fields typed later calculate nothing until the new network's values are confirmed.
    EXPECT_FALSE(ws.calculation.valuesConfirmed());
    EXPECT_TRUE(ws.calculation.records().empty());
    EXPECT_TRUE(ws.grid.empty());
    EXPECT_EQ(ws.undoCopy, drawn);
    EXPECT_TRUE(ws.savedLines.empty());
    EXPECT_EQ(windowCaption(ws), "Schaltung: /opt/volmira/OHNENAME.NWB");
}

TEST(Workspace, LoadedNetworkIsWhatSavingWritesAgain) {
    Workspace ws;
    startIn(ws, "/opt/volmira");
    const LineList lines = test::seriesLoopLines("4k7", "1,2,3");
    adoptLoadedNetwork(ws, loaded(lines), "/data/loop.nwb");
    EXPECT_EQ(ws.fields, (InputFields{"2 V", "5 kHz", "10 Hz", "100 kHz"}));
    EXPECT_EQ(ws.savedLines, lines);
    EXPECT_EQ(windowCaption(ws), "Schaltung: /data/loop.nwb");
    EXPECT_EQ(ws.recent.pathOfSlot(1), "/data/loop.nwb");
    EXPECT_EQ(currentNetworkLines(ws), lines);
}

TEST(Workspace, UnsavedWorkQuestion) {
    Workspace ws;
    startIn(ws, "/opt/volmira");
    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines()), "/data/loop.nwb");
    // The analysis writes the values again in the program's format: no change of the work.
    ASSERT_TRUE(analyseDrawing(ws).ok());
    EXPECT_FALSE(unsavedWorkQuestion(ws));

    ws.fields.spEingabe = "3 V";
    EXPECT_EQ(unsavedWorkQuestion(ws), "Eingangsspannung geändert!  Änderungen speichern?");
    // A change of the grid alone (the editor stamps cells) is found too: the list is rebuilt.
    stamp(ws.grid, 4, 30, 30);
    EXPECT_EQ(unsavedWorkQuestion(ws), "Schaltbild speichern ?");
    markSaved(ws, currentNetworkLines(ws), "/data/other.nwb");
    EXPECT_FALSE(unsavedWorkQuestion(ws));
    EXPECT_EQ(ws.recent.pathOfSlot(2), "/data/loop.nwb");
}

TEST(Workspace, FailedAnalysisKeepsTheValuesThroughSaveAndReopen) {
    Workspace ws;
    startIn(ws, "/opt/volmira");
    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines("4,7k", "22n")), "/data/loop.nwb");
    ASSERT_TRUE(analyseDrawing(ws).ok());
    ASSERT_FALSE(ws.calculation.confirmValues());
    const SchematicGrid good = ws.grid;

    stamp(ws.grid, 5, 60, 40);  // a second source
    rebuildSymbolList(ws.grid, ws.symbols);
    EXPECT_FALSE(analyseDrawing(ws).ok());
    const LineList saved = currentNetworkLines(ws);

    Workspace reopened;
    startIn(reopened, "/opt/volmira");
    adoptLoadedNetwork(reopened, loaded(saved), "/data/loop.nwb");
    reopened.grid = good;
    rebuildSymbolList(reopened.grid, reopened.symbols);
    ASSERT_TRUE(analyseDrawing(reopened).ok());
    const Network& network = reopened.calculation.network();
    ASSERT_EQ(network.componentCount, 2);
    EXPECT_EQ(network.component(1).value, 4700.0);
    EXPECT_DOUBLE_EQ(network.component(2).value, 22e-9);
    EXPECT_FALSE(reopened.calculation.confirmValues());
}

TEST(FileSession, DialogsStartInTheCurrentFilesFolderOrTheLastOrHome) {
    test::TempFolder folder;
    Workspace ws;
    ws.programFolder = folder.path();
    startNewNetwork(ws);
    const fs::path home = "/home/someone";
    EXPECT_EQ(dialogFolder(ws, home), home);
    SaveRequest untitled = saveRequest(ws, false, home);
    EXPECT_TRUE(untitled.askName);
    EXPECT_EQ(untitled.name, "");

    rememberDialogChoice(ws, folder.path() / "x.nwb");
    EXPECT_EQ(dialogFolder(ws, home), folder.path());

    fs::create_directories(folder.path() / "netze");
    ws.currentFile = folder.path() / "netze" / "filter.nwb";
    EXPECT_EQ(dialogFolder(ws, home), folder.path() / "netze");
    const SaveRequest save = saveRequest(ws, false, home);
    EXPECT_FALSE(save.askName);
    const SaveRequest saveAs = saveRequest(ws, true, home);
    EXPECT_TRUE(saveAs.askName);
    EXPECT_EQ(saveAs.folder, folder.path() / "netze");
    EXPECT_EQ(saveAs.name, "filter.nwb");
}

TEST(FileSession, OverwriteQuestionOnlyForExistingFiles) {
    test::TempFolder folder;
    EXPECT_FALSE(overwriteQuestion(folder.path() / "neu.nwb"));
    std::ofstream(folder.path() / "alt.nwb") << "0\n";
    const auto question = overwriteQuestion(folder.path() / "alt.nwb");
    ASSERT_TRUE(question);
    EXPECT_NE(question->find("alt.nwb\xE2\x80\x9C gibt es schon."), std::string::npos);
    EXPECT_EQ(withNetworkExtension("/a/netz"), fs::path("/a/netz.nwb"));
    EXPECT_EQ(withNetworkExtension("/a/netz.NWB"), fs::path("/a/netz.NWB"));
}

}  // namespace
}  // namespace volmira
