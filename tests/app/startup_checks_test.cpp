#include "app/startup_checks.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(StartupChecks, WritableFolderWithBothFiles) {
    test::TempFolder folder;
    writeFile(folder.path() / kMacroFileName, "macro\r\n");
    writeFile(folder.path() / kSettingsFileName, "settings\r\n");
    // A file of the user's under the name the write test once used.
    writeFile(folder.path() / "testj.dat", "Messwerte\r\n");
    const FolderAccess access = checkProgramFolder(folder.path());
    EXPECT_FALSE(access.readOnly);
    EXPECT_FALSE(access.macroFileUnavailable);
    EXPECT_FALSE(access.settingsFileUnavailable);
    // The checks leave the files as they were and no test file behind.
    EXPECT_EQ(test::readFileBytes(folder.path() / kMacroFileName), "macro\r\n");
    EXPECT_EQ(test::readFileBytes(folder.path() / kSettingsFileName), "settings\r\n");
    EXPECT_EQ(test::readFileBytes(folder.path() / "testj.dat"), "Messwerte\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

TEST(StartupChecks, MissingFilesAreUnavailableAndNotCreated) {
    test::TempFolder folder;
    const FolderAccess access = checkProgramFolder(folder.path());
    EXPECT_FALSE(access.readOnly);
    EXPECT_TRUE(access.macroFileUnavailable);
    EXPECT_TRUE(access.settingsFileUnavailable);
    EXPECT_FALSE(fs::exists(folder.path() / kMacroFileName));
    EXPECT_FALSE(fs::exists(folder.path() / kSettingsFileName));
}

TEST(StartupChecks, AFolderInPlaceOfAFileIsUnavailable) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / kMacroFileName);
    writeFile(folder.path() / kSettingsFileName, "x");
    const FolderAccess access = checkProgramFolder(folder.path());
    EXPECT_TRUE(access.macroFileUnavailable);
    EXPECT_FALSE(access.settingsFileUnavailable);
}

TEST(StartupChecks, UnwritableFolderIsReadOnlyAndSkipsTheFileChecks) {
    test::TempFolder folder;
    // A plain file where the folder should be: nothing can be written "in" it.
    const fs::path notAFolder = folder.path() / "program";
    writeFile(notAFolder, "");
    const FolderAccess access = checkProgramFolder(notAFolder);
    EXPECT_TRUE(access.readOnly);
    EXPECT_FALSE(access.macroFileUnavailable);
    EXPECT_FALSE(access.settingsFileUnavailable);

    EXPECT_TRUE(checkProgramFolder(folder.path() / "missing").readOnly);
}

}  // namespace
}  // namespace volmira
