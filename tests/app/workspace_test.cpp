#include "app/workspace.h"

#include <gtest/gtest.h>

#include "app/example_network.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

LoadedNetwork loaded(const LineList& lines) {
    NetworkLoadResult result = parseNetworkLines(lines, "test.nwb");
    EXPECT_TRUE(result.ok()) << result.error;
    return std::move(*result.network);
}

Workspace workspaceIn(const fs::path& folder) {
    Workspace ws;
    ws.programFolder = folder;
    startNewNetwork(ws);
    return ws;
}

TEST(Workspace, NewNetworkIsUntitledAndKeepsTheOldDrawingForUndo) {
    Workspace ws = workspaceIn("/opt/volmira");
    EXPECT_EQ(windowCaption(ws), "Schaltung: /opt/volmira/OHNENAME.NWB");
    EXPECT_TRUE(isUntitledNetwork(displayPath(ws.currentFile)));

    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines()), "/data/loop.nwb");
    const SchematicGrid drawn = ws.grid;
    ws.modes.enable(4, 3);
    ws.modes.chooseButton(2);
    ws.valuesConfirmed = true;

    const ModeSwitch s = startNewNetwork(ws);
    EXPECT_TRUE(s.happened);
    EXPECT_EQ(ws.modes.workingMode(), 1);
    EXPECT_EQ(ws.modes.reachedMode(), 1);
    EXPECT_FALSE(ws.modes.selectable(2));
    // Fields typed later calculate nothing until the new network's values are confirmed.
    EXPECT_FALSE(ws.valuesConfirmed);
    EXPECT_TRUE(ws.grid.empty());
    EXPECT_TRUE(ws.symbols.empty());
    EXPECT_EQ(ws.undoCopy, drawn);
    EXPECT_TRUE(ws.savedLines.empty());
    EXPECT_EQ(windowCaption(ws), "Schaltung: /opt/volmira/OHNENAME.NWB");
}

TEST(Workspace, LoadedRecordsGoIntoBothTablesWithParsedValues) {
    Workspace ws = workspaceIn("/opt/volmira");
    const LineList lines = test::seriesLoopLines("4k7", "1,2,3");
    adoptLoadedNetwork(ws, loaded(lines), "/data/loop.nwb");

    ASSERT_EQ(ws.network.componentCount, 2);
    ASSERT_EQ(ws.confirmed.count, 2);
    const Component& r = ws.network.component(1);
    EXPECT_EQ(r.row, 9);
    EXPECT_EQ(r.column, 16);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.valueText, "4k7");
    EXPECT_DOUBLE_EQ(r.value, 4000.0);
    // A text that does not convert stays as text with the value 0, for the user to correct.
    EXPECT_EQ(ws.network.component(2).valueText, "1,2,3");
    EXPECT_EQ(ws.network.component(2).value, 0.0);
    EXPECT_EQ(ws.confirmed.records[0].valueText, "4k7");
    EXPECT_DOUBLE_EQ(ws.confirmed.records[0].value, 4000.0);

    EXPECT_EQ(ws.fields, (InputFields{"2 V", "5 kHz", "10 Hz", "100 kHz"}));
    EXPECT_EQ(ws.savedLines, lines);
    EXPECT_EQ(windowCaption(ws), "Schaltung: /data/loop.nwb");
    EXPECT_EQ(ws.recent.pathOfSlot(1), "/data/loop.nwb");
    // What was loaded is what saving would write again.
    EXPECT_EQ(currentNetworkLines(ws), lines);
}

TEST(Workspace, UnsavedWorkQuestion) {
    Workspace ws = workspaceIn("/opt/volmira");
    EXPECT_FALSE(unsavedWorkQuestion(ws)) << "an empty drawing asks nothing";
    ws.fields.fqEinzel = "2 kHz";
    EXPECT_FALSE(unsavedWorkQuestion(ws)) << "an empty drawing asks nothing";

    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines()), "/data/loop.nwb");
    EXPECT_FALSE(unsavedWorkQuestion(ws));

    ws.fields.fqBis = "50 kHz";
    EXPECT_EQ(unsavedWorkQuestion(ws), "Frequenzeingaben geändert!  Änderungen speichern?");
    ws.fields.spEingabe = "3 V";
    EXPECT_EQ(unsavedWorkQuestion(ws), "Eingangsspannung geändert!  Änderungen speichern?");

    // A change of the grid alone (the editor stamps cells) is found too: the list is rebuilt.
    adoptLoadedNetwork(ws, loaded(test::seriesLoopLines()), "/data/loop.nwb");
    stamp(ws.grid, 4, 30, 30);
    EXPECT_EQ(unsavedWorkQuestion(ws), "Schaltbild speichern ?");

    markSaved(ws, currentNetworkLines(ws), "/data/other.nwb");
    EXPECT_FALSE(unsavedWorkQuestion(ws));
    EXPECT_EQ(ws.recent.pathOfSlot(1), "/data/other.nwb");
    EXPECT_EQ(ws.recent.pathOfSlot(2), "/data/loop.nwb");
}

TEST(Workspace, SaveDialogNamesGetTheExtension) {
    EXPECT_EQ(withNetworkExtension("/a/netz"), fs::path("/a/netz.nwb"));
    EXPECT_EQ(withNetworkExtension("/a/netz.NWB"), fs::path("/a/netz.NWB"));
    EXPECT_EQ(withNetworkExtension(""), fs::path(""));
}

}  // namespace
}  // namespace volmira
