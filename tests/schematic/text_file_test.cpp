#include "schematic/text_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(TextFile, WritesLatin1WithCrLfAfterEveryLine) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.txt";
    ASSERT_TRUE(writeTextLines(file, {"Spannung 1 V", "47 µF", "Größe", ""}).ok());
    EXPECT_EQ(test::readFileBytes(file),
              "Spannung 1 V\r\n47 \xB5"
              "F\r\nGr\xF6\xDF"
              "e\r\n\r\n");
}

TEST(TextFile, CharactersOutsideLatin1AndLineBreaksBecomeQuestionMarks) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.txt";
    const std::string malformed = "a\xC3(b\xFF";  // cut sequence, byte never valid in UTF-8
    ASSERT_TRUE(
        writeTextLines(file, {"5 €", "zwei\nZeilen\r", malformed, "\xF0\x9F\x94\x8C"}).ok());
    EXPECT_EQ(test::readFileBytes(file), "5 ?\r\nzwei?Zeilen?\r\na?(b?\r\n?\r\n");
    // The line count on disk is the count written.
    EXPECT_EQ(readTextLines(file).lines.size(), 4u);
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

TEST(TextFile, RoundTripKeepsTheBytes) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.txt";
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

TEST(TextFile, ReadingRefusesMissingFilesFoldersAndOversizedFiles) {
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

    // A missing folder.
    EXPECT_FALSE(writeTextLines(folder.path() / "fehlt" / "a.txt", {"x"}).ok());
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

TEST(TextFile, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
    test::TempFolder folder;
    const fs::path file = folder.path() / "alt.txt";
    writeBytes(file, "alter Inhalt\r\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const TextWriteResult result = writeTextLines(file, {"neu"});
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(test::readFileBytes(file), "alter Inhalt\r\n");
}

TEST(TextFile, CharacterCountsAndPrefixesCountCodePoints) {
    EXPECT_EQ(utf8Length("4,7 kOhm"), 8u);
    EXPECT_EQ(utf8Length("47 µF äöü"), 9u);
    EXPECT_EQ(utf8Prefix("µµµµ", 2), "µµ");
    EXPECT_EQ(utf8Prefix("abc", 10), "abc");
    EXPECT_EQ(latin1ToUtf8("\xB5"), "µ");
    EXPECT_EQ(utf8ToLatin1Line("µ"), "\xB5");
}

}  // namespace
}  // namespace volmira
