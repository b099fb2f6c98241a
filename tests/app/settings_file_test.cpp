#include "app/settings_file.h"

#include <gtest/gtest.h>

#include "app/option_fields.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

LineList defaultLines() {
    return settingsLines(Settings{});
}

TEST(SettingsFile, RoundTripThroughTheFile) {
    test::TempFolder folder;
    Settings s;
    s.recent = {"", "/n/a.nwb", "", "/n/ä b.nwb", "/n/c.nwb"};
    s.mainWindow = WindowGeometry{-4, 12, 1030, 745, false};
    s.formulaWindow = WindowPlace{300, 200};
    s.options = {0, "2 V", "50 Hz", "10 Hz", "1 MHz", false, false};
    ASSERT_TRUE(writeSettingsFile(folder.path(), s).ok());

    const std::string bytes = test::readFileBytes(folder.path() / kSettingsFileName);
    EXPECT_EQ(bytes.substr(0, 10), "\r\n/n/a.nwb");
    EXPECT_NE(bytes.find("\r\n\r\n0\r\n2 V\r\n50 Hz\r\n10 Hz\r\n1 MHz\r\nnein\r\nnein\r\nnein\r\n"),
              std::string::npos);
    EXPECT_EQ(settingsLines(s).size(), std::size_t(kSettingsLineCount));

    const SettingsRead read = readSettingsFile(folder.path());
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.settings, s);
}

TEST(SettingsFile, MissingOrShortFileKeepsTheDefaults) {
    test::TempFolder folder;
    const SettingsRead missing = readSettingsFile(folder.path());
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.settings, Settings{});

    const Settings shortFile = parseSettings({"/x.nwb", "", "", "", "", "10", "20"});
    EXPECT_EQ(shortFile.recent[0], "/x.nwb");
    EXPECT_FALSE(shortFile.mainWindow);
    EXPECT_EQ(shortFile.options, Options{});
}

struct BadLine {
    int line;
    std::string text;
};

// Each unsound line keeps the default of its own item and nothing else.
TEST(SettingsFile, UnsoundLinesKeepTheirDefaults) {
    const Settings sound = parseSettings(defaultLines());
    for (const BadLine& bad : std::initializer_list<BadLine>{{6, "abc"},
                                                             {7, "12 px"},
                                                             {8, "0"},
                                                             {9, "99999999999"},
                                                             {10, "1e5"},
                                                             {13, "-"},
                                                             {14, "x"},
                                                             {14, "-1"},
                                                             {15, "abc"},
                                                             {16, "0 Hz"},
                                                             {17, "123456789012345678901 Hz"},
                                                             {18, ""}}) {
        SCOPED_TRACE(bad.line);
        LineList lines = defaultLines();
        lines[std::size_t(6 - 1)] = "100";
        lines[std::size_t(7 - 1)] = "50";
        lines[std::size_t(8 - 1)] = "800";
        lines[std::size_t(9 - 1)] = "600";
        lines[std::size_t(bad.line - 1)] = bad.text;
        const Settings s = parseSettings(lines);
        EXPECT_EQ(s.mainWindow.has_value(), bad.line > 9);
        EXPECT_EQ(s.options, sound.options);
        EXPECT_EQ(s.recent, sound.recent);
    }
    LineList lines = defaultLines();
    lines[13] = "2";
    lines[19] = "JA";
    lines.push_back("overlong file");
    const Settings s = parseSettings(lines);
    EXPECT_EQ(s.options.displayDigits, 3);
    EXPECT_FALSE(s.options.showHints);
    EXPECT_TRUE(s.options.autoErrorSearch);
}

TEST(SettingsFile, StoredWindowIsClampedToTheScreen) {
    EXPECT_EQ(clampedToScreen({100, 50, 2000, 1500, false}, {1024, 768}),
              (WindowGeometry{0, 0, 1024, 768, false}));
    EXPECT_EQ(clampedToScreen({100, 50, 800, 600, false}, {1024, 768}),
              (WindowGeometry{100, 50, 800, 600, false}));
    EXPECT_EQ(clampedToScreen({300, 50, 800, 600, false}, {1024, 768}),
              (WindowGeometry{0, 50, 800, 600, false}));
}

// A vanished file leaves its entry empty; a list left empty offers the examples present.
TEST(SettingsFile, RecentFilesOnStart) {
    test::TempFolder folder;
    const std::string kept = displayPath(folder.path() / "kept.nwb");
    const std::string rcl = displayPath(folder.path() / "RCL.nwb");
    writeTextLines(kept, {"x"});
    writeTextLines(rcl, {"x"});
    const std::string gone = displayPath(folder.path() / "gone.nwb");
    EXPECT_EQ(recentOnStart({"", gone, kept, "", ""}, folder.path()),
              (std::array<std::string, 5>{"", "", kept, "", ""}));
    EXPECT_EQ(recentOnStart({"", gone, "", "", ""}, folder.path()),
              (std::array<std::string, 5>{"", "", "", rcl, ""}));
}

TEST(SettingsFile, WrittenOnlyWhereTheFolderAllows) {
    EXPECT_TRUE(settingsWritable({}, true));
    EXPECT_FALSE(settingsWritable({.readOnly = true}, false));
    EXPECT_FALSE(settingsWritable({.settingsFileUnavailable = true}, true));
    // A file missing at start is created.
    EXPECT_TRUE(settingsWritable({.settingsFileUnavailable = true}, false));
}

TEST(OptionFields, DigitsAndDefaultTexts) {
    EXPECT_EQ(digitsFieldText("2"), "3");
    EXPECT_EQ(digitsFieldText("12"), "12");
    EXPECT_EQ(displayDigitsOf("0"), 0);
    EXPECT_EQ(displayDigitsOf("01"), 3);  // found by fuzzing: "01" read as one digit
    EXPECT_FALSE(displayDigitsOf("4 "));

    const auto zero = normalisedFrequencyOption("0");
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->text, "1 kHz");
    EXPECT_EQ(zero->message, "0 Hz nicht erlaubt!");
    EXPECT_EQ(normalisedFrequencyOption("1500")->text, "1,5 kHz");
    EXPECT_EQ(normalisedFrequencyOption("1500")->message, "");
    EXPECT_EQ(normalisedVoltageOption("0,5")->text, "500 mV");
    EXPECT_FALSE(normalisedVoltageOption("abc"));
}

}  // namespace
}  // namespace volmira
