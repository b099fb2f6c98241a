// The installer's core: reading the description, folder rules, the free-space loop, copying,
// Start-menu entries and the whole pass, with a scripted user and a temporary folder.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>

#include "copy_engine.h"
#include "desktop_entry.h"
#include "install_description.h"
#include "installer.h"
#include "next_answer.h"
#include "path_rules.h"
#include "platform/system_folders.h"
#include "support/test_support.h"
#include "texts.h"

namespace fs = std::filesystem;
using namespace setup;
using volmira::test::readFileBytes;
using volmira::test::TempFolder;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::optional<InstallDescription> read(const std::string& text) {
    std::istringstream in(text);
    return readInstallDescription(in, "/home/u/.local/opt");
}

// Answers every question from queues and records what was shown.
class ScriptedUi : public InstallerUi {
  public:
    std::deque<std::optional<std::string>> folders;
    std::deque<bool> retries;
    std::deque<CopyErrorChoice> choices;
    std::function<void(const std::string&)> onCopyError;
    int stopAtEdge = -1;

    std::vector<std::string> proposals, failures, copyErrors, started;
    std::vector<int> edges;
    int spaceWarnings = 0;
    bool completed = false;

    void fail(const std::string& message) override { failures.push_back(message); }
    void showBackground(const std::string&) override {}
    std::optional<std::string> askTargetFolder(const std::string&,
                                               const std::string& proposal) override {
        proposals.push_back(proposal);
        return test::nextAnswer(folders, std::optional<std::string>());
    }
    bool retryAfterSpaceShortage() override {
        ++spaceWarnings;
        return test::nextAnswer(retries, false);
    }
    int showProgress(const std::string&, const std::string&) override { return 100; }
    void fileStarted(const std::string& source, const std::string&) override {
        started.push_back(source);
    }
    bool barMoved(int edge) override {
        edges.push_back(edge);
        return edge != stopAtEdge;
    }
    CopyErrorChoice copyError(const std::string& file) override {
        copyErrors.push_back(file);
        if (onCopyError) onCopyError(file);
        return test::nextAnswer(choices, CopyErrorChoice::Abort);
    }
    void showCompletion(const std::string&, const std::string&) override { completed = true; }
};

}  // namespace

TEST(InstallDescription, ReadsKeysSkippingCommentsAndBlankLines) {
    const auto d = read(
        "// Volmira\r\n\r\n   \r\n  appName = Volmira \xC4\r\nFOLDER=Volmira\r\nFILE = volmira\r\n"
        "FILE=sub/Tp1kHz.nwb\r\nPRGGROUP=Volmira\r\nSHORTCUT = Volmira 3 , volmira \r\n"
        "SHORTCUT=a,b=c,d\n");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->productName, "Volmira \xC3\x84");  // Latin-1 on disk
    EXPECT_EQ(d->targetFolder, "/home/u/.local/opt/Volmira");
    EXPECT_EQ(d->files, (std::vector<std::string>{"volmira", "sub/Tp1kHz.nwb"}));
    EXPECT_EQ(d->group, "Volmira");
    EXPECT_EQ(d->shortcuts, (std::vector<Shortcut>{{"Volmira 3", "volmira"}, {"a", "b=c,d"}}));
}

TEST(InstallDescription, RefusesMalformedLinesAndPathsLeavingTheFolder) {
    for (const std::string line :
         {"folder=x", "Appname", "=x", "FILE=", "SHORTCUT=name", "SHORTCUT= ,x", "SHORTCUT=x, ",
          "ICON=x", "FILE=/etc/passwd", "FILE=../x", "FILE=a/../../x", "FILE=a\\..\\x",
          "SHORTCUT=x,../volmira", "SHORTCUT=x,/bin/sh", "SHORTCUT=../x,volmira",
          "SHORTCUT=a/b,volmira", "PRGGROUP=../x", "PRGGROUP=a/b"}) {
        EXPECT_FALSE(read("APPNAME=V\n" + line + "\nFILE=a\n")) << line;
    }
    EXPECT_FALSE(read("FILE=" + std::string(1020, 'a') + "\n"));
    EXPECT_TRUE(read("FILE=..a/b..\n"));
}

TEST(PathRules, FolderChainAndTrailingSeparator) {
    TempFolder temp;
    const fs::path nested = temp.path() / "a" / "b" / "c";
    EXPECT_TRUE(createFolderChain(nested));
    EXPECT_TRUE(createFolderChain(nested));  // existing folders are no error
    EXPECT_EQ(withTrailingSeparator("/x"), "/x/");
    EXPECT_EQ(withTrailingSeparator("/x/"), "/x/");
}

TEST(TargetFolder, AsksAgainWhileSpaceIsShortAndCreatesTheFolder) {
    TempFolder temp;
    const std::string first = (temp.path() / "a" / "b").string();
    const std::string second = (temp.path() / "c").string();
    ScriptedUi ui;
    ui.folders = {first, second};
    ui.retries = {true};
    std::vector<std::uint64_t> free = {99, 100};
    const FreeSpaceQuery query = [&](const fs::path&) {
        const std::uint64_t bytes = free.front();
        free.erase(free.begin());
        return std::optional<std::uint64_t>(bytes);
    };
    EXPECT_EQ(chooseTargetFolder("V", "/p", 100, query, ui), second + "/");
    EXPECT_EQ(ui.proposals, (std::vector<std::string>{"/p", first + "/"}));
    EXPECT_EQ(ui.spaceWarnings, 1);
    EXPECT_TRUE(fs::is_directory(first));

    ScriptedUi cancelling;  // Cancel at the warning
    cancelling.folders = {first};
    EXPECT_FALSE(chooseTargetFolder(
        "V", "/p", 100, [](auto&) { return 0; }, cancelling));
    // Space that cannot be known lets the installation go on; a relative folder is made whole;
    // an emptied field is asked again rather than taken for the root folder.
    ScriptedUi unknown;
    unknown.folders = {"", "  ", "setup-test-relative"};
    const fs::path relative = fs::current_path() / "setup-test-relative/";
    EXPECT_EQ(chooseTargetFolder(
                  "V", "/p", 100, [](auto&) { return std::nullopt; }, unknown),
              relative.string());
    EXPECT_EQ(unknown.proposals, (std::vector<std::string>{"/p", "/p", "/p"}));
    fs::remove(relative);
}

TEST(CopyFiles, CopiesByteIdenticalAndAsksForAMissingFile) {
    TempFolder temp;
    const fs::path medium = temp.path() / "medium";
    std::string program;
    for (int i = 0; i < 3000; ++i) program += static_cast<char>(i * 7);
    writeFile(medium / "prog", program);
    fs::permissions(medium / "prog", fs::perms::owner_all);
    writeFile(medium / "sub" / "net.nwb", "R 1\r\n");

    CopyJob job{medium,
                (temp.path() / "target").string() + "/",
                {"prog", "missing", "sub/net.nwb"},
                0,
                100};
    job.total = totalSize(job.files, medium);
    EXPECT_EQ(job.total, 3005u);
    fs::create_directories(job.targetFolder);

    ScriptedUi ui;  // Retry once the missing file appears, then Ignore when it fails again
    ui.choices = {CopyErrorChoice::Retry, CopyErrorChoice::Ignore};
    ui.onCopyError = [&](const std::string&) {
        if (ui.copyErrors.size() == 1) writeFile(medium / "missing", "late");
    };
    job.files.push_back("gone");
    EXPECT_EQ(copyFiles(job, ui), CopyOutcome::Done);
    EXPECT_EQ(ui.copyErrors, (std::vector<std::string>{"missing", "gone"}));
    EXPECT_EQ(readFileBytes(temp.path() / "target" / "prog"), program);
    EXPECT_EQ(readFileBytes(temp.path() / "target" / "missing"), "late");
    EXPECT_EQ(readFileBytes(temp.path() / "target" / "sub" / "net.nwb"), "R 1\r\n");
    EXPECT_EQ(fs::status(temp.path() / "target" / "prog").permissions(), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(temp.path() / "target" / "gone.part"));
    EXPECT_TRUE(std::is_sorted(ui.edges.begin(), ui.edges.end()));
    EXPECT_EQ(ui.edges.size(), 100u);  // once per pixel; the late file overshoots past the end
    EXPECT_EQ(ui.edges.back(), 100);
}

TEST(CopyFiles, AbortStopAndFailedRenameLeaveNoPartialFile) {
    TempFolder temp;
    writeFile(temp.path() / "m" / "prog", std::string(1000, 'x'));
    const std::string target = (temp.path() / "t").string() + "/";
    fs::create_directories(target);
    const CopyJob job{temp.path() / "m", target, {"missing", "prog"}, 1000, 100};

    ScriptedUi aborting;
    EXPECT_EQ(copyFiles(job, aborting), CopyOutcome::Aborted);
    EXPECT_EQ(aborting.started, std::vector<std::string>{"missing"});

    ScriptedUi stopping;
    stopping.choices = {CopyErrorChoice::Ignore};
    stopping.stopAtEdge = 50;
    EXPECT_EQ(copyFiles(job, stopping), CopyOutcome::Cancelled);
    EXPECT_TRUE(fs::is_empty(target));

    writeFile(fs::path(target) / "prog" / "in the way", "");  // the copy cannot be renamed
    ScriptedUi blocked;
    blocked.choices = {CopyErrorChoice::Ignore, CopyErrorChoice::Ignore};
    EXPECT_EQ(copyFiles(job, blocked), CopyOutcome::Done);
    EXPECT_EQ(blocked.copyErrors, (std::vector<std::string>{"missing", "prog"}));
    EXPECT_FALSE(fs::exists(fs::path(target) / "prog.part"));
}

TEST(DesktopEntry, QuotesTheProgramAndEscapesValues) {
    EXPECT_EQ(desktopEntryText("Volmira", "/opt/Volmira/volmira", "/opt/Volmira/"),
              "[Desktop Entry]\nType=Application\nName=Volmira\nExec=/opt/Volmira/volmira\n"
              "Path=/opt/Volmira/\n");
    EXPECT_EQ(desktopEntryText("A\\B", "/my dir/100%$", "/my dir/"),
              "[Desktop Entry]\nType=Application\nName=A\\\\B\n"
              "Exec=\"/my dir/100%%\\\\$\"\nPath=/my dir/\n");
}

TEST(Installer, EndsWithTheRightMessageOrCompletesAnEmptyDescription) {
    TempFolder temp;
    const InstallerSystem system{temp.path(), (temp.path() / "opt").string(), temp.path() / "menu",
                                 [](auto&) { return std::nullopt; }};
    ScriptedUi missing;
    EXPECT_EQ(runInstaller(system, missing), InstallResult::Ended);
    EXPECT_EQ(missing.failures, std::vector<std::string>{kDescriptionMissing});

    writeFile(temp.path() / "data.stp", "// nothing\n\nFOLDER=x\n");
    ScriptedUi empty;
    EXPECT_EQ(runInstaller(system, empty), InstallResult::Completed);
    EXPECT_TRUE(empty.proposals.empty());  // nothing to copy: no folder question
    EXPECT_TRUE(empty.completed);

    writeFile(temp.path() / "data.stp", "FILE=a\nfolder=x\n");
    ScriptedUi bad;
    EXPECT_EQ(runInstaller(system, bad), InstallResult::Ended);
    EXPECT_EQ(bad.failures, std::vector<std::string>{kDescriptionUnreadable});

    writeFile(temp.path() / "data.stp", "PRGGROUP=G\nSHORTCUT=S,a\n");
    InstallerSystem blocked = system;
    blocked.programsMenu = temp.path() / "blocked";
    writeFile(blocked.programsMenu, "a file where the menu folder should be");
    ScriptedUi noMenu;
    EXPECT_EQ(runInstaller(blocked, noMenu), InstallResult::Ended);
    EXPECT_EQ(noMenu.failures, std::vector<std::string>{kShortcutsFailed});
    EXPECT_FALSE(noMenu.completed);
}

TEST(SystemFolders, UserAndAdministrator) {
    EXPECT_EQ(programFilesFolder({"/home/u", "", false}), "/home/u/.local/opt");
    EXPECT_EQ(programFilesFolder({"/root", "", true}), "/opt");
    EXPECT_EQ(programsMenuFolder({"/home/u", "", false}), "/home/u/.local/share/applications");
    EXPECT_EQ(programsMenuFolder({"/home/u", "/x/data", false}), "/x/data/applications");
    EXPECT_EQ(programsMenuFolder({"/home/u", "rel", false}), "/home/u/.local/share/applications");
}
