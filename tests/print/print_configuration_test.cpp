#include "print/print_configuration.h"

#include <gtest/gtest.h>

#include "print/quantity_list.h"
#include "support/test_support.h"

namespace volmira {
namespace {

double tenPerCharacter(std::string_view text) {
    return 10.0 * utf8Length(text);
}

// The composer's insert commands as the working mode allows them.
class Composer : public ConfigurationInserter {
  public:
    Composer(PrintDocument& doc, int mode) : doc_(doc), mode_(mode) {}
    int insertSchematic() override {
        return enabled().schematic ? doc_.insertSchematic({10, 10, 40, 30}).slot : 0;
    }
    int insertComponentList(int columns) override {
        const std::vector<ComponentEntry> list{
            {"R 1", "1 kOhm"}, {"C 1", "100 nF"}, {"L 1", "10 mH"}};
        return enabled().componentList
                   ? doc_.insertComponentList(columns, list, tenPerCharacter).slot
                   : 0;
    }
    int insertCurve(ElementKind kind, int slot) override {
        const InsertEnabling e = enabled(listPositionForSlot(slot));
        if (!(kind == ElementKind::Locus ? e.locus : e.curve)) return 0;
        return doc_.insertCurve(kind, slot, "10 Hz", "100 kHz").slot;
    }
    int insertText(int style, int heightMm, std::string_view text) override {
        return doc_.insertText(text, heightMm, style, 100.0 * utf8Length(text)).slot;
    }

  private:
    InsertEnabling enabled(int position = 0) const {
        return insertEnabling(mode_, position, false);
    }
    PrintDocument& doc_;
    int mode_;
};

// Schematic, a bold-italic 6 mm text and a two-column list, moved apart.
PrintDocument threeElementSheet() {
    PrintDocument doc;
    Composer composer(doc, 4);
    doc.moveTo(composer.insertSchematic(), 5, 6);
    doc.moveTo(composer.insertText(kStyleBold | kStyleItalic, 6, "Tiefpass"), 20, 100);
    doc.moveTo(composer.insertComponentList(2), 30, 120);
    return doc;
}

TEST(PrintConfiguration, RecordsPerKindAndTheClosingE) {
    const LineList lines = configurationLines(threeElementSheet());
    const LineList expected{"S", "5",  "6",   "62", "43",  // 33 x 1.89, 23 x 1.89
                            "T", "20", "100", "32", "4",  "3", "6", "Tiefpass",
                            "B", "30", "120", "19", "6",  "2", "E"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(configurationLines(PrintDocument{}).empty());
}

TEST(PrintConfiguration, SavedAtomicallyAndLoadedInDrawingModeOnlyTheText) {
    test::TempFolder folder;
    const auto path = folder.path() / "seite.dkf";
    EXPECT_FALSE(saveConfiguration(path, PrintDocument{}).written);
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(saveConfiguration(path, threeElementSheet()).written);
    EXPECT_EQ(test::readFileBytes(path).substr(0, 8), "S\r\n5\r\n6\r");

    PrintDocument doc;
    Composer drawing(doc, 1);
    const ConfigurationLoad load = loadConfigurationFile(path, doc, drawing);
    EXPECT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.inserted, 1);
    const ElementSlot& text = doc.slot(1);
    EXPECT_EQ(text.element.kind, ElementKind::Text);
    EXPECT_EQ(text.element.textStyle, kStyleBold | kStyleItalic);
    EXPECT_EQ(text.rect.left, 20);
    EXPECT_EQ(text.rect.top, 100);
    EXPECT_TRUE(doc.slot(2).free());
}

TEST(PrintConfiguration, TablesAreSkippedAndSizesFollowTheAspect) {
    const LineList lines{"M", "1",  "1",  "60", "30",  // a table: not restored
                         "F", "10", "20", "90", "13", "9", "O", "5", "90", "60", "40", "1", "E"};
    PrintDocument doc;
    Composer graphic(doc, 4);
    const ConfigurationLoad load = loadConfiguration(lines, doc, graphic);
    EXPECT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.inserted, 2);
    EXPECT_FALSE(doc.hasTable());
    EXPECT_EQ(doc.slot(1).element.kind, ElementKind::Curve);
    EXPECT_EQ(doc.slot(1).element.fieldA, 9);
    EXPECT_EQ(doc.slot(1).rect.width, 90);
    EXPECT_EQ(doc.slot(1).rect.height, 60);  // 90 / 1.5; the saved 13 is not used
    EXPECT_EQ(doc.slot(2).rect.left, 5);
    EXPECT_EQ(doc.slot(2).rect.top, 90);
}

TEST(PrintConfiguration, ABadLineEndsLoadingAndKeepsWhatWasInserted) {
    PrintDocument doc;
    Composer graphic(doc, 4);
    struct Case {
        LineList lines;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"S", "1", "1", "30", "20", "B", "1", "x2", "40", "9", "1", "E"},
         "Zeile 8: keine ganze Zahl: \"x2\""},
        {{"S", "1", "1", "30", "20", "B", "1", "-2", "40", "9", "1", "E"},
         "Zeile 8: keine ganze Zahl"},
        {{"S", "1", "1", "30", "20", "Q", "1", "E"}, "Zeile 6: unbekannte Art \"Q\""},
        {{"S", "1", "1", "30", "20"}, "endet ohne \"E\""},
        {{"S", "1", "1", "30", "20", "T", "1", "1", "30"}, "endet ohne \"E\""},
    };
    for (const Case& c : cases) {
        const ConfigurationLoad load = loadConfiguration(c.lines, doc, graphic);
        EXPECT_NE(load.error.find(c.message), std::string::npos) << load.error;
        EXPECT_EQ(load.inserted, 1);
        EXPECT_EQ(doc.slot(1).element.kind, ElementKind::Schematic);
        EXPECT_TRUE(doc.slot(2).free());
    }
}

}  // namespace
}  // namespace volmira
