#include "app/file_session.h"

#include <gtest/gtest.h>

#include <fstream>

#include "schematic/network_file.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

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
