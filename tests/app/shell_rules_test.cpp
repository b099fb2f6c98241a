// The program shell's rules: the settings file and the option fields, the start-up checks of the
// program folder, the window's size and place, and the failure report.
#include <gtest/gtest.h>

#include <fstream>

#include "app/failure_report.h"
#include "app/option_fields.h"
#include "app/settings_file.h"
#include "app/startup_checks.h"
#include "app/window_rules.h"
#include "support/test_support.h"

namespace volmira {
namespace {

namespace fs = std::filesystem;

LineList defaultLines() {
    return settingsLines(Settings{});
}

// Without the file, or with a short one, the defaults stay.
TEST(SettingsFile, RoundTripThroughTheFileAndTheDefaults) {
    test::TempFolder folder;
    const SettingsRead missing = readSettingsFile(folder.path());
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.settings, Settings{});
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

// A missing file is not created; a folder in place of a file is unavailable too.
TEST(StartupChecks, MissingFilesAreUnavailableAndNotCreated) {
    test::TempFolder folder;
    const FolderAccess access = checkProgramFolder(folder.path());
    EXPECT_FALSE(access.readOnly);
    EXPECT_TRUE(access.macroFileUnavailable);
    EXPECT_TRUE(access.settingsFileUnavailable);
    EXPECT_FALSE(fs::exists(folder.path() / kMacroFileName));
    EXPECT_FALSE(fs::exists(folder.path() / kSettingsFileName));

    fs::create_directory(folder.path() / kMacroFileName);
    writeFile(folder.path() / kSettingsFileName, "x");
    EXPECT_TRUE(checkProgramFolder(folder.path()).macroFileUnavailable);
    EXPECT_FALSE(checkProgramFolder(folder.path()).settingsFileUnavailable);
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

TEST(WindowRules, StartupSizeBySreenWidth) {
    EXPECT_EQ(startupGeometry({800, 600}), (WindowGeometry{0, 0, 800, 570, false}));
    EXPECT_EQ(startupGeometry({999, 700}), (WindowGeometry{0, 0, 800, 570, false}));
    EXPECT_EQ(startupGeometry({1000, 700}), (WindowGeometry{0, 0, 1024, 740, false}));
    EXPECT_EQ(startupGeometry({1920, 1080}), (WindowGeometry{0, 0, 1024, 740, false}));
}

TEST(WindowRules, PlacementWhenShown) {
    struct Case {
        ScreenSize screen;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {{800, 600}, {0, 0, 800, 571, true}},
        {{1024, 768}, {0, 0, 1024, 740, true}},
        {{1049, 800}, {0, 0, 1024, 740, true}},
        {{1280, 1024}, {128, 124, 1030, 745, false}},
        {{1920, 1080}, {448, 152, 1030, 745, false}},
        {{1280, 700}, {128, 5, 1030, 745, false}},  // top would be negative
        {{1280, 775}, {128, 5, 1030, 745, false}},  // top would be 0
        {{1000, 800}, {0, 0, 1024, 740, false}},    // the borders keep the start-up size
        {{1050, 800}, {0, 0, 1024, 740, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width);
        EXPECT_EQ(shownGeometry(c.screen, startupGeometry(c.screen)), c.expected);
    }
}

TEST(WindowRules, ScreenWarningBelowThousandPixels) {
    EXPECT_TRUE(screenWarningNeeded({800, 600}));
    EXPECT_TRUE(screenWarningNeeded({999, 600}));
    EXPECT_FALSE(screenWarningNeeded({1000, 600}));
    EXPECT_EQ(screenWarningText({800, 600}),
              "Wichtiger Hinweis!\n"
              "Ihr Computer bzw. Monitor arbeitet mit einer Auflösung von 800  x  600\n"
              "Leider ist das Programm damit nur eingeschränkt, d.h. unter Verwendung der "
              "Rollbalken, lauffähig.\n"
              "Die optimale Auflösung beträgt 1024 x 768.  Bitte stellen Sie, falls möglich, "
              "ihr System auf diese Auflösung um.");
}

TEST(WindowRules, ScrollBarsOnlyBelowTheDesignSize) {
    EXPECT_TRUE(windowScrollBars(800, 571).horizontal);
    EXPECT_TRUE(windowScrollBars(800, 571).vertical);
    EXPECT_TRUE(windowScrollBars(1019, 740).horizontal);
    EXPECT_FALSE(windowScrollBars(1020, 740).horizontal);
    EXPECT_FALSE(windowScrollBars(1020, 730).vertical);
    EXPECT_TRUE(windowScrollBars(1020, 729).vertical);
}

TEST(WindowRules, FittedIntoTheAvailableArea) {
    // 1024 x 768 with a 32-pixel panel at the bottom and a 30-pixel title bar.
    EXPECT_EQ(fittedGeometry({0, 0, 1024, 740, true}, {0, 0, 1024, 736}, 2, 32),
              (WindowGeometry{0, 0, 1022, 704, true}));
    // Centred on a large screen: kept where it is.
    EXPECT_EQ(fittedGeometry({128, 124, 1030, 745, false}, {0, 0, 1280, 1000}, 2, 32),
              (WindowGeometry{128, 124, 1030, 745, false}));
    // Pushed back inside an area that starts below a top panel.
    EXPECT_EQ(fittedGeometry({128, 5, 1030, 745, false}, {0, 40, 1280, 984}, 2, 32),
              (WindowGeometry{128, 40, 1030, 745, false}));
    // No area known: unchanged.
    EXPECT_EQ(fittedGeometry({0, 0, 800, 571, true}, {}, 2, 32),
              (WindowGeometry{0, 0, 800, 571, true}));
}

constexpr const char* kSuffix =
    "\n\nWenn Sie \"Ignorieren\" wählen, können Sie das Prog-\n"
    "ramm vermutlich fortsetzen. \"Abbruch\" beendet es!\n(Interner Fehlercode: ";

TEST(FailureReport, MessageByCodeAndSuffixWithTheCode) {
    struct Case {
        int code;
        const char* message;
    };
    const char* general =
        "Beim Programmablauf von Volmira ist ein\nnicht näher spezifizierter Fehler aufgetreten";
    const Case cases[] = {
        {23,
         "Beim Lösen des Gleichungssystems ist ein Fehler aufgetreten.\n"
         "Möglicherweise enthält die Schaltung einen Kurzschluß!"},
        {181, "Beim Dateizugriff ist ein Fehler aufgetreten."},
        {191, "Beim Dateizugriff ist ein Fehler aufgetreten."},
        {995,
         "Volmira konnte keinen Rechner starten. Gesucht wurden:\ngnome-calculator, kcalc, "
         "galculator, mate-calc, qalculate-gtk und xcalc.\nKeines dieser Programme ist "
         "installiert."},
        {0, general},
        {24, general},
        {-5, general},
        {4412, general},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(failureMessage(c.code), c.message);
        EXPECT_EQ(failureReportText(c.code),
                  std::string(c.message) + kSuffix + std::to_string(c.code) + ")");
    }
}

}  // namespace
}  // namespace volmira
