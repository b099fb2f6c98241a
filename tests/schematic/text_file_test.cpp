#include "schematic/text_file.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <future>

#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `body` in a child process and gives its exit status: 0 when it returned true. As the
// superuser the child first becomes "nobody", whom file permissions bind.
int inUnprivilegedChild(const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) _exit(2);
        }
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Characters outside Latin-1, bytes that are no UTF-8 and line breaks inside a line become
// question marks, so that the line count on disk is the count written.
TEST(TextFile, WritesLatin1WithCrLfAfterEveryLineAndRoundTrips) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.txt";
    const std::string malformed = "a\xC3(b\xFF";  // cut sequence, byte never valid in UTF-8
    ASSERT_TRUE(writeTextLines(file, {"Spannung 1 V", "47 µF", "Größe", "", "5 €", "zwei\nZeilen\r",
                                      malformed, "\xF0\x9F\x94\x8C"})
                    .ok());
    EXPECT_EQ(test::readFileBytes(file),
              "Spannung 1 V\r\n47 \xB5"
              "F\r\nGr\xF6\xDF"
              "e\r\n\r\n5 ?\r\nzwei?Zeilen?\r\na?(b?\r\n?\r\n");
    EXPECT_EQ(readTextLines(file).lines.size(), 8u);

    // Every Latin-1 byte comes back as it was.
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') bytes += static_cast<char>(c);
    bytes += "\r\n\r\nletzte\r\n";
    writeBytes(file, bytes);
    const TextReadResult read = readTextLines(file);
    ASSERT_TRUE(read.ok());
    ASSERT_TRUE(writeTextLines(file, read.lines).ok());
    EXPECT_EQ(test::readFileBytes(file), bytes);
}

TEST(TextFile, ReadsCrLfLfAndLoneCrAndConvertsLatin1ToUtf8) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.txt";
    struct Case {
        std::string_view bytes;
        LineList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"eins\r\nzwei\r\n", {"eins", "zwei"}},
        {"eins\nzwei\n", {"eins", "zwei"}},
        {"eins\nzwei", {"eins", "zwei"}},  // no line break at the end
        {"eins\rzwei\r\n\r\ndrei", {"eins", "zwei", "", "drei"}},
        {"47 \xB5"
         "F\r\n\xC4",
         {"47 µF", "Ä"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bytes));
        writeBytes(file, c.bytes);
        const TextReadResult read = readTextLines(file);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.lines, c.lines);
    }
}

TEST(TextFile, ReadingRefusesMissingFilesFoldersPipesAndOversizedFiles) {
    test::TempFolder folder;
    const TextReadResult missing = readTextLines(folder.path() / "fehlt.txt");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find("fehlt.txt"), std::string::npos);

    EXPECT_FALSE(readTextLines(folder.path()).ok());

    const fs::path big = folder.path() / "gross.txt";
    writeBytes(big, std::string(1000, 'x'));
    const TextReadResult tooBig = readTextLines(big, 999);
    EXPECT_FALSE(tooBig.ok());
    EXPECT_NE(tooBig.error.find("zu groß"), std::string::npos);
    EXPECT_TRUE(readTextLines(big, 1000).ok());

    // A pipe is refused at once rather than waited on.
    const fs::path pipe = folder.path() / "netz.nwb";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return readTextLines(pipe); });
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        // Release the reader waiting in open, so that the test ends.
        close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "the reader waits for a writer";
    }
    const TextReadResult read = reading.get();
    EXPECT_NE(read.error.find("keine gewöhnliche Datei"), std::string::npos) << read.error;
}

TEST(TextFile, FailedWriteLeavesTheTargetAndNoTemporaryFile) {
    test::TempFolder folder;
    // The target is a folder: the temporary file is written, the rename fails.
    const fs::path target = folder.path() / "ziel.txt";
    fs::create_directory(target);
    const TextWriteResult result = writeTextLines(target, {"x"});
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("ziel.txt"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"ziel.txt"});
    EXPECT_FALSE(writeTextLines(folder.path() / "fehlt" / "a.txt", {"x"}).ok());  // no folder
}

TEST(TextFile, WriteThatFailsHalfWayLeavesTheOldFileIntact) {
    // A file size limit makes the write itself fail, even for a privileged user.
    test::TempFolder folder;
    const fs::path file = folder.path() / "alt.txt";
    writeBytes(file, "alter Inhalt\r\n");
    const LineList big(2000, std::string(100, 'y'));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const TextWriteResult result = writeTextLines(file, big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok());
    EXPECT_EQ(test::readFileBytes(file), "alter Inhalt\r\n");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"alt.txt"});
}

// A read-only file is refused even for the superuser; folder permissions do not bind the
// superuser, so as root the save into a closed folder runs as "nobody". The file is kept.
TEST(TextFile, AReadOnlyFileOrFolderIsNamedAndTheFileKept) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "alt.txt";
    writeBytes(file, "alter Inhalt\r\n");
    fs::permissions(file, fs::perms(0444));
    const TextWriteResult result = writeTextLines(file, {"neu"});
    EXPECT_NE(result.error.find("alt.txt ist schreibgeschützt"), std::string::npos) << result.error;

    fs::permissions(file, fs::perms(0666));
    fs::permissions(folder.path(), fs::perms(0555));
    const int status = inUnprivilegedChild([&] {
        const TextWriteResult denied = writeTextLines(file, {"neu"});
        return !denied.ok() &&
               denied.error.find("im Ordner " + folder.path().string() +
                                 " können keine Dateien angelegt werden") != std::string::npos;
    });
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readFileBytes(file), "alter Inhalt\r\n");
}

// The longest name can be saved: the temporary name must not grow with the target's.
TEST(TextFile, SavingKeepsThePermissionBitsAndWritesThroughALink) {
    test::TempFolder folder;
    const fs::path file = folder.path() / (std::string(251, 'n') + ".nwb");
    for (const fs::perms bits : {fs::perms(0600), fs::perms(0660)}) {
        writeBytes(file, "x");
        fs::permissions(file, bits);
        ASSERT_TRUE(writeTextLines(file, {"neu"}).ok());
        EXPECT_EQ(fs::status(file).permissions(), bits);
    }
    // A relative link into another folder: the file it points to is replaced, the link stays.
    fs::create_directory(folder.path() / "echt");
    writeBytes(folder.path() / "echt" / "netz.nwb", "alt\r\n");
    const fs::path link = folder.path() / "netz.nwb";
    fs::create_symlink("echt/netz.nwb", link);
    ASSERT_TRUE(writeTextLines(link, {"neu"}).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readFileBytes(folder.path() / "echt" / "netz.nwb"), "neu\r\n");
    EXPECT_EQ(entriesOf(folder.path() / "echt"), std::vector<std::string>{"netz.nwb"});
}

TEST(TextFile, LinksPlantedAtTheTemporaryNamesAreNeverFollowed) {
    test::TempFolder folder;
    const fs::path victim = folder.path() / "fremd.txt";
    writeBytes(victim, "fremd\r\n");
    // The same seed gives the names the writer will try; every one of the first ten is taken.
    TemporaryNames planned(42);
    std::vector<std::string> planted;
    for (int i = 0; i < 10; ++i) {
        planted.push_back(planned.next());
        fs::create_symlink(victim, folder.path() / planted.back());
    }
    TemporaryNames names(42);
    const fs::path file = folder.path() / "netz.nwb";
    ASSERT_TRUE(writeTextLines(file, {"neu"}, names).ok());
    EXPECT_EQ(test::readFileBytes(file), "neu\r\n");
    EXPECT_EQ(test::readFileBytes(victim), "fremd\r\n");
    for (const std::string& name : planted) EXPECT_TRUE(fs::is_symlink(folder.path() / name));
}

TEST(TextFile, TwoProgramsSavingOneFileNeverLeaveItEmptyOrMixed) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "netz.nwb";
    LineList first, second;
    for (int i = 0; i < 300; ++i) first.push_back("erstes Netzwerk " + std::to_string(i));
    for (int i = 0; i < 200; ++i) second.push_back("zweites " + std::to_string(i));
    ASSERT_TRUE(writeTextLines(file, first).ok());
    const std::string firstBytes = test::readFileBytes(file);
    const std::string secondBytes = joinTextLines(second);

    for (const LineList* lines : {&first, &second})
        if (fork() == 0) {
            for (int i = 0; i < 150; ++i)
                if (!writeTextLines(file, *lines).ok()) _exit(1);
            _exit(0);
        }
    int reads = 0, bad = 0, running = 2, status = 0;
    while (running > 0) {
        const std::string seen = test::readFileBytes(file);
        ++reads;
        if (seen != firstBytes && seen != secondBytes) ++bad;
        if (waitpid(-1, &status, WNOHANG) > 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            --running;
        }
    }
    EXPECT_EQ(bad, 0) << "of " << reads << " reads";
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"netz.nwb"});
}

TEST(TextFile, MessageTextEscapesControlsAndCutsLongTextAtCodePoints) {
    EXPECT_EQ(messageText("\x1B]0;Titel\x07\x1B[2J Analyse erfolgreich\xC2\x9B"),
              "\\x1B]0;Titel\\x07\\x1B[2J Analyse erfolgreich\\xC2\\x9B");
    EXPECT_EQ(messageText("a\xFF"
                          "b"),
              "a\\xFFb");
    EXPECT_EQ(messageText("Größe", 5), "Größe");
    EXPECT_EQ(messageText("Größe!", 5), "Größe…");
    EXPECT_EQ(messageText(std::string(10'000'000, 'x'), kQuotedTextLimit),
              std::string(kQuotedTextLimit, 'x') + "…");
    // Counts and prefixes count code points.
    EXPECT_EQ(utf8Length("47 µF äöü"), 9u);
    EXPECT_EQ(utf8Prefix("µµµµ", 2), "µµ");
    EXPECT_EQ(utf8Prefix("abc", 10), "abc");
}

}  // namespace
}  // namespace volmira
