// The road of a calculation through the real main window: an example network is loaded and
// analysed, values are typed and picked into `BtListe` and confirmed, the eleven result fields
// follow clicks into the drawing and the frequency input, the DC button of resistor networks,
// the withdrawal of the results by a drawing change, and the fields saved into and loaded from
// the network file.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <stdexcept>

#include "analysis/topology.h"
#include "analysis/ui/e12_picker.h"
#include "analysis/ui/network_highlight.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/progress.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel2.h"
#include "app/ui/tafel3.h"
#include "app/window_rules.h"
#include "schematic/network_file.h"
#include "schematic/ui/drawing_view.h"
#include "support/test_drawings.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

const QString kAnalysed(
    "Analyse erfolgreich durchgeführt\n\n3 Knoten  und \n"
    "1 unabhängige Maschen vorhanden");
const QString kZeroFrequency("Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt");

// The middle pixel of a grid cell in the drawing image.
QPoint cellCentre(int column, int row) {
    return {(column - 1) * 9 + 2, (row - 1) * 9 + 2};
}

QStringList fieldTexts(MainWindow& f) {
    QStringList texts;
    for (int slot = 0; slot <= 10; ++slot)
        texts << f.find<QLineEdit>(qPrintable(QString("Elfeld%1").arg(slot)))->text();
    return texts;
}

// The open cell editor of the list, or the list itself when no cell is being edited.
QWidget* keyTarget(ValueList* list) {
    for (QLineEdit* editor : list->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return list;
}

QStringList listRows(ValueList* list) {
    QStringList rows;
    for (int r = 0; r < list->rowCount(); ++r)
        rows << list->item(r, 0)->text() + " = " + list->item(r, 1)->text();
    return rows;
}

struct Calculation : MainWindow {
    Calculation() {
        w().show();
        QApplication::setActiveWindow(&w());
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

    ValueList* list() { return find<ValueList>("BtListe"); }
    QLineEdit* frequency() { return find<QLineEdit>("FqEinzel"); }
    ResultsPanel* results() { return w().resultsPanel(); }

    // The example copied into the program folder (or another), opened through the menu and the
    // dialog.
    fs::path openExample(const char* name, const fs::path& into = {}) {
        const fs::path path = (into.empty() ? folder.path() : into) / name;
        fs::copy_file(test::sourceDir() / "examples" / name, path);
        dialogs.fileNames.push_back(QString::fromStdString(path.string()));
        find<QAction>("nwOeffnen")->trigger();
        return path;
    }
    // A drawing built in code, saved without values and opened.
    void openDrawing(const SchematicGrid& grid) {
        SchematicGrid copy = grid;
        SymbolList symbols;
        rebuildSymbolList(copy, symbols);
        const auto path = writeNetwork(
            "drawn.nwb", buildNetworkLines(symbols, {}, {"1 V", "1 kHz", "20 Hz", "20 kHz"}));
        QVERIFY(w().loadNetwork(path));
    }
    void analyse() { QTest::mouseClick(find<QPushButton>("analys"), Qt::LeftButton); }

    // The component's number, 0 when there is none of this name ("R 1").
    int component(std::string_view name) {
        for (int k = 1; k <= ws().network.componentCount; ++k)
            if (ws().network.component(k).name == name) return k;
        return 0;
    }

    // Types into the row of a component; Enter stores it.
    void typeValue(std::string_view name, const QString& text) {
        list()->setCurrentCell(component(name) - 1, 1);
        for (QChar ch : text) QTest::keyClick(keyTarget(list()), ch.toLatin1());
        QTest::keyClick(keyTarget(list()), Qt::Key_Return);
    }
    QString shownValue(std::string_view name) {
        return list()->item(component(name) - 1, 1)->text();
    }
    void confirm() { QTest::mouseClick(find<QPushButton>("BtOK"), Qt::LeftButton); }

    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void click(int column, int row) {
        QTest::mouseClick(w().bild1(), Qt::LeftButton, {}, cellCentre(column, row));
    }
    // A cell of the branch that holds no component, or the component's cell.
    QPoint wireCellOf(int branch) {
        for (QPoint cell : branchCells(ws().network.branch(branch)))
            if (ws().network.branchMap.branchAt(cell.x(), cell.y()) == branch) return cell;
        return {};
    }
    // Loaded, analysed and confirmed with the file's values: mode 3 on branch 1.
    void exampleInModeThree() {
        openExample("Tp1kHz.nwb");
        analyse();
        confirm();
        QCOMPARE(ws().modes.workingMode(), 3);
    }
};

}  // namespace

class TgrfCalculationTest : public QObject {
    Q_OBJECT
  private slots:
    void analysisOfAnExampleFillsTheValueList() {
        Calculation f;
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        QCOMPARE(f.dialogs.lastText(Kind::Information), kAnalysed);
        QCOMPARE(f.dialogs.count(Kind::Error), 0);
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QVERIFY(f.find<QAction>("Mod2")->isEnabled());
        QVERIFY(!f.find<QAction>("Mod3")->isEnabled());
        QVERIFY(f.w().tafel2()->isVisible());
        QVERIFY(f.list()->isVisible());
        // The loaded values, formatted again by the analysis.
        QCOMPARE(listRows(f.list()), (QStringList{"R 1 = 1 kOhm", "C 1 = 159,155 nF"}));
        QCOMPARE(f.list()->height(), 2 * 19 + 5);
        // The list sits in the side panel of the value entry, the drawing beside it.
        QVERIFY(f.w().tafel2()->sidePanel()->isAncestorOf(f.list()));
        QVERIFY(f.w().tafel2()->isAncestorOf(f.w().bild1()));
    }

    void valuesTypedPickedRefusedAndConfirmed() {
        Calculation f;
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        const int informationBefore = f.dialogs.count(Kind::Information);

        f.typeValue("R 1", "4.7k");
        QCOMPARE(f.shownValue("R 1"), QString("4,7 kOhm"));
        QCOMPARE(f.ws().network.component(f.component("R 1")).value, 4700.0);
        f.typeValue("R 1", "1,23456789k");
        QCOMPARE(f.shownValue("R 1"), QString("1,234568 kOhm"));
        f.typeValue("C 1", "0.1u");
        QCOMPARE(f.shownValue("C 1"), QString("100 nF"));

        // The E12 table of the current row's kind; a click on row 1, column 5 is 1,0 kOhm.
        f.list()->setCurrentCell(f.component("R 1") - 1, 1);
        QTest::mouseClick(f.find<QPushButton>("E12Ein"), Qt::LeftButton);
        auto* table = f.find<E12TableView>("awbild");
        QVERIFY(table->isVisible());
        QCOMPARE(f.w().e12Picker()->kind(), E12Kind::Resistor);
        QTest::mouseClick(table, Qt::LeftButton, {}, QPoint(4 * 70 + 35, 11 + 8));
        QCOMPARE(f.shownValue("R 1"), QString("1 kOhm"));
        QCOMPARE(f.ws().network.component(f.component("R 1")).value, 1000.0);
        QCOMPARE(f.dialogs.count(Kind::Information), informationBefore);

        f.typeValue("C 1", "abc");
        QCOMPARE(f.dialogs.lastText(Kind::Information),
                 QString("Der Wert „abc“ von C 1 ist keine gültige Zahl."));
        f.typeValue("C 1", "0");
        f.confirm();
        QCOMPARE(f.dialogs.lastText(Kind::Information),
                 QString("Kondensator mit Wert 0!  Dies ist nicht erlaubt!"));
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QVERIFY(!f.find<QAction>("Mod3")->isEnabled());

        f.typeValue("C 1", "159.155n");
        const int messages = int(f.dialogs.calls.size());
        f.confirm();
        QCOMPARE(int(f.dialogs.calls.size()), messages);
        QCOMPARE(f.ws().modes.workingMode(), 3);
        for (const char* name : {"Mod3", "Mod4"}) QVERIFY(f.find<QAction>(name)->isEnabled());
        QVERIFY(f.find<QToolButton>("wkmod3")->isChecked());
        QVERIFY(f.w().tafel3()->isVisible());
        QVERIFY(f.find("awlist")->isHidden());
        // Branch 1 (R 1) of the series loop at 1 kHz and 1 V: R = Xc = 1 kOhm, |I| = 1 V / √2 kOhm.
        QCOMPARE(f.results()->selectedBranch(), 1);
        QCOMPARE(f.frequency()->text(), QString("1 kHz"));
        QCOMPARE(f.find<QLineEdit>("SpEingabe")->text(), QString("1 V"));
        QCOMPARE(fieldTexts(f),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "500 uW",
                              "45,00 °", "1 kOhm", "0 Ohm", "0", "45,00 °"}));
        QCOMPARE(f.results()->solveCount(), 1);
    }

    void clickOnAnotherBranchShowsItWithoutASolve() {
        Calculation f;
        f.exampleInModeThree();
        const QStringList first = fieldTexts(f);
        const Component& c1 = f.ws().network.component(f.component("C 1"));
        QVERIFY(c1.branch != 1);

        f.click(c1.column, c1.row);
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));
        QCOMPARE(f.results()->markedBranch(), int(c1.branch));
        QCOMPARE(fieldTexts(f),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "0",
                              "-45,00 °", "0 Ohm", "-1 kOhm", "-500 uvar", "45,00 °"}));
        // A wire cell of the capacitor's branch selects it as well.
        f.click(1, 1);  // an empty cell keeps the selection
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));
        const QPoint wire = f.wireCellOf(c1.branch);
        QVERIFY(!wire.isNull());
        f.click(wire.x(), wire.y());
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));

        // Through mode 2 and back with the values unchanged: no solve, the mark comes back.
        QTest::mouseClick(f.find<QToolButton>("wkmod2"), Qt::LeftButton);
        QCOMPARE(f.results()->markedBranch(), 0);
        QCOMPARE(f.w().bild1()->image().pixelColor(cellCentre(wire.x(), wire.y()) + QPoint(-3, -3)),
                 QColor(Qt::white));
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QCOMPARE(f.results()->markedBranch(), int(c1.branch));
        QCOMPARE(f.w().bild1()->image().pixelColor(cellCentre(wire.x(), wire.y()) + QPoint(-3, -3)),
                 QColor(255, 0, 0));  // cyan exclusive-or white
        QCOMPARE(f.results()->solveCount(), 1);

        const QPoint back = f.wireCellOf(1);
        QVERIFY(!back.isNull());
        f.click(back.x(), back.y());
        QCOMPARE(f.results()->selectedBranch(), 1);
        QCOMPARE(fieldTexts(f), first);
        QCOMPARE(f.results()->solveCount(), 1);
    }

    void frequencyInput() {
        Calculation f;
        f.exampleInModeThree();
        f.typeInto(f.frequency(), "1.5k");
        QCOMPARE(f.frequency()->text(), QString("1,5 kHz"));
        QCOMPARE(f.ws().frequency, 1500.0);
        QCOMPARE(f.ws().fields.fqEinzel, std::string("1,5 kHz"));
        QCOMPARE(f.results()->solveCount(), 2);
        // Xc = 666,67 Ohm: |Z| = 1,2019 kOhm, |I| = 832,05 uA, leading by 33,69°.
        QCOMPARE(f.find<QLineEdit>("Elfeld1")->text(), QString("832,05 uA"));
        QCOMPARE(f.find<QLineEdit>("Elfeld10")->text(), QString("33,69 °"));

        f.typeInto(f.frequency(), "0");
        QCOMPARE(f.dialogs.lastText(Kind::Information), kZeroFrequency);
        QCOMPARE(f.frequency()->text(), QString("1,5 kHz"));
        QCOMPARE(f.ws().frequency, 1500.0);
        QCOMPARE(f.results()->solveCount(), 2);
        QVERIFY(f.find<QPushButton>("Gleichspg")->isHidden());
    }

    void dcButtonOfAResistorNetwork() {
        Calculation f;
        f.openDrawing(test::wheatstoneBridge());
        f.analyse();
        QCOMPARE(f.ws().modes.workingMode(), 2);
        int k = 0;
        for (const char* value : {"1k", "2k", "3k", "4k", "5k"})
            f.typeValue(qPrintable(QString("R %1").arg(++k)), value);
        f.confirm();
        QCOMPARE(f.ws().modes.workingMode(), 3);
        auto* dc = f.find<QPushButton>("Gleichspg");
        QVERIFY(dc->isVisible());

        // The rung away from the source, so that its mark leaves the source glyph alone.
        const Component& rung = f.ws().network.component(f.component("R 3"));
        f.click(rung.column, rung.row);
        const PlacedSymbol source = f.ws().symbols[0];
        QCOMPARE(int(source.code), test::code::verticalSource);
        const QPoint box((source.column - 1) * 9 - 2, (source.row - 1) * 9 - 2);
        const QPoint wave = box + QPoint(8, 17);  // start of the AC mark
        const QPoint bar = box + QPoint(12, 14);  // inside the upper DC bar
        const QImage& image = f.w().bild1()->image();
        QCOMPARE(image.pixelColor(wave), QColor(Qt::black));
        QCOMPARE(image.pixelColor(bar), QColor(Qt::white));

        QTest::mouseClick(dc, Qt::LeftButton);
        QCOMPARE(f.frequency()->text(), QString("0 Hz"));
        QCOMPARE(f.ws().frequency, 0.0);
        QVERIFY(f.ws().directVoltage);
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QVERIFY(f.find<QAction>("Mod4")->isEnabled());
        QCOMPARE(image.pixelColor(wave), QColor(Qt::white));
        QCOMPARE(image.pixelColor(bar), QColor(Qt::black));
        QCOMPARE(f.results()->markedBranch(), int(rung.branch));
        // The source redraw did not withdraw the results.
        QCOMPARE(f.ws().guardCode, 0);
        QCOMPARE(f.dialogs.count(Kind::Error), 0);

        // Another drawing: the window is repainted with the DC source until a frequency is set.
        f.w().lm1MouseDown(1);
        QCOMPARE(image.pixelColor(bar), QColor(Qt::black));
        f.w().lm1MouseDown(3);
        f.typeInto(f.frequency(), "50");
        QVERIFY(!f.ws().directVoltage);
        QCOMPARE(image.pixelColor(wave), QColor(Qt::black));
    }

    void drawingChangeWithdrawsTheResultsAndReanalysisKeepsTheValues() {
        Calculation f;
        f.exampleInModeThree();
        f.typeInto(f.frequency(), "2k");
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);  // ReachedMode 3
        QTest::mouseClick(f.find<QToolButton>("wkmod1"), Qt::LeftButton);
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QVERIFY(f.find<QAction>("Mod3")->isEnabled());

        // A resistor onto a horizontal run of the loop's wire.
        QPoint run;
        for (int row = 1; row <= kGridRows && run.isNull(); ++row)
            for (int column = 2; column < kGridColumns && run.isNull(); ++column)
                if (f.ws().grid.at(column - 1, row) == '1' && f.ws().grid.at(column, row) == '1' &&
                    f.ws().grid.at(column + 1, row) == '1')
                    run = {column, row};
        QVERIFY(!run.isNull());
        const Component r1 = f.ws().network.component(f.component("R 1"));
        const Component c1 = f.ws().network.component(f.component("C 1"));
        QToolButton* resistor = nullptr;
        for (QToolButton* b : f.w().findChildren<QToolButton*>())
            if (b->objectName().startsWith("Sym") && b->property("tag").toInt() == 1) resistor = b;
        QVERIFY(resistor);
        QTest::mouseClick(resistor, Qt::LeftButton);
        f.click(run.x(), run.y());
        QCOMPARE(f.ws().grid.at(run.x(), run.y()), 'x');
        for (const char* name : {"Mod2", "Mod3", "Mod4"})
            QVERIFY2(!f.find<QAction>(name)->isEnabled(), name);
        for (const char* name : {"wkmod2", "wkmod3", "wkmod4"})
            QVERIFY2(!f.find<QToolButton>(name)->isEnabled(), name);

        f.analyse();
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QCOMPARE(f.ws().network.componentCount, 3);
        QCOMPARE(f.list()->rowCount(), 3);
        // Values follow their components by cell and kind; the new resistor has none.
        for (int k = 1; k <= 3; ++k) {
            const Component& c = f.ws().network.component(k);
            if (c.row == r1.row && c.column == r1.column) {
                QCOMPARE(c.value, 1000.0);
                QCOMPARE(f.list()->item(k - 1, 1)->text(), QString("1 kOhm"));
            } else if (c.row == c1.row && c.column == c1.column) {
                QCOMPARE(c.valueText, std::string("159,155 nF"));
            } else {
                QCOMPARE(int(c.row), run.y());
                QCOMPARE(c.value, 0.0);
                QCOMPARE(f.list()->item(k - 1, 1)->text(), QString());
            }
        }
        QVERIFY(!f.find<QAction>("Mod3")->isEnabled());
        // The frequency of the earlier calculation stays.
        f.confirm();
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QCOMPARE(f.frequency()->text(), QString("2 kHz"));
    }

    void componentClickInModeTwoSelectsTheRowAndMarksIt() {
        Calculation f;
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        const Component& c1 = f.ws().network.component(f.component("C 1"));
        f.click(c1.column, c1.row);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);
        QCOMPARE(f.w().valueEntryPanel()->markedComponent(), f.component("C 1"));
        // Leaving for mode 1 takes the mark away; a repaint forgets it.
        f.w().lm1MouseDown(1);
        QCOMPARE(f.w().valueEntryPanel()->markedComponent(), 0);
        f.w().lm1MouseDown(2);
        f.click(c1.column, c1.row);
        f.w().repaintDrawing();
        QCOMPARE(f.w().valueEntryPanel()->markedComponent(), 0);
    }

    void frequencyIsSavedAndLoaded() {
        // The file outlives the windows and their program folders.
        const test::TempFolder files;
        fs::path path;
        {
            Calculation f;
            path = f.openExample("Tp1kHz.nwb", files.path());
            f.analyse();
            f.confirm();
            QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);
            QCOMPARE(f.dialogs.count(Kind::Save), 0);  // the file has a name
            f.typeInto(f.frequency(), "1,5k");

            // Only the frequency changed since saving.
            f.dialogs.answers.push_back(false);
            QVERIFY(f.w().close());
            QCOMPARE(f.dialogs.lastText(Kind::Question),
                     QString("Frequenzeingaben geändert!  Änderungen speichern?"));
        }
        {
            Calculation f;
            QVERIFY(f.w().loadNetwork(path));
            QCOMPARE(f.frequency()->text(), QString("1 kHz"));
            f.analyse();
            f.confirm();
            f.typeInto(f.frequency(), "1,5k");
            QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);
            const LineList lines = readTextLines(path).lines;
            QCOMPARE(lines[lines.size() - 3], std::string("1,5 kHz"));

            // Typed without Enter and saved by a button that takes no focus: still saved.
            f.frequency()->setFocus();
            f.frequency()->selectAll();
            QTest::keyClicks(f.frequency(), "2.5k");
            QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);
            QCOMPARE(readTextLines(path).lines[lines.size() - 3], std::string("2,5 kHz"));
            QCOMPARE(f.frequency()->text(), QString("2,5 kHz"));
            QCOMPARE(f.ws().frequency, 2500.0);
        }
        {
            Calculation f;
            QVERIFY(f.w().loadNetwork(path));
            // Shown in the field of mode 3 and kept by the workspace in every mode.
            QCOMPARE(f.frequency()->text(), QString("2,5 kHz"));
            QCOMPARE(f.ws().fields.fqEinzel, std::string("2,5 kHz"));
            f.analyse();
            f.confirm();
            QCOMPARE(f.ws().frequency, 2500.0);
            QCOMPARE(f.find<QLineEdit>("Elfeld1")->text(), QString("928,48 uA"));
        }
    }

    // Modes 2 and 3 with an example at the small and the large layout: every text fits its
    // control. The pictures go to VOLMIRA_SCREENSHOTS when that is set.
    void modesTwoAndThreeRender_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("800") << 800;
        QTest::newRow("1280") << 1280;
    }
    void modesTwoAndThreeRender() {
        QFETCH(int, width);
        const ScreenSize screen = width < 1000 ? ScreenSize{800, 600} : ScreenSize{1280, 1024};
        Calculation f;
        f.w().startupInitialisation(f.folder.path(), screen);
        f.w().placeForScreen(screen);
        f.w().setWindowState(Qt::WindowNoState);
        const WindowGeometry g = shownGeometry(screen, startupGeometry(screen));
        f.w().resize(g.width, g.height);
        f.find("hw800pan")->hide();
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        auto shoot = [&](const char* name) {
            QCoreApplication::processEvents();
            const QImage shot = f.w().grab().toImage();
            QCOMPARE(shot.size(), QSize(g.width, g.height));
            if (!folder.isEmpty())
                shot.save(QDir(folder).filePath(QString("h10-%1-%2.png").arg(name).arg(width)));
        };
        auto inside = [](QWidget* child, QWidget* parent) {
            const QRect r(child->mapTo(parent, QPoint(0, 0)), child->size());
            return parent->rect().contains(r);
        };

        f.list()->setCurrentCell(0, 1);
        QTest::mouseClick(f.find<QPushButton>("E12Ein"), Qt::LeftButton);
        shoot("mode2");
        QWidget* side = f.w().tafel2()->sidePanel();
        for (const char* name : {"BtListe", "E12Ein", "BtOK"})
            QVERIFY2(inside(f.find(name), side), name);
        QCOMPARE(f.list()->height(), 2 * 19 + 5);
        for (const char* name : {"E12Ein", "BtOK"}) {
            auto* button = f.find<QPushButton>(name);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                     name);
        }
        QVERIFY(f.find("awlist")->isVisible());
        // Scrolled into the window when the window is smaller than its content.
        QWidget* viewport = f.find<QScrollArea>("FormScroll")->viewport();
        QVERIFY(inside(f.find("awlist"), viewport));
        QVERIFY(inside(f.list(), viewport));

        const QPoint drawingInModeTwo = f.w().bild1Rahmen()->mapTo(&f.w(), QPoint(0, 0));
        f.confirm();
        shoot("mode3");
        QCOMPARE(f.w().bild1Rahmen()->mapTo(&f.w(), QPoint(0, 0)), drawingInModeTwo);
        QWidget* card = f.w().tafel3()->card();
        for (int slot = 0; slot <= 10; ++slot) {
            auto* field = f.find<QLineEdit>(qPrintable(QString("Elfeld%1").arg(slot)));
            QVERIFY(inside(field, card));
            QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <
                         field->contentsRect().width() - 4,
                     qPrintable(field->text()));
        }
        for (QLabel* label : card->findChildren<QLabel*>()) {
            QVERIFY2(inside(label, card), qPrintable(label->text()));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        for (const char* name : {"FqEinzel", "SpEingabe"})
            QVERIFY2(inside(f.find(name), card), name);
        // The drawing shows beside the results.
        QVERIFY(test::inkPixels(f.w().bild1()->grab().toImage()) > 100);
        QVERIFY(f.w().bild1Rahmen()->width() > 400);
    }

    // No exception may cross a signal emission: handlers of the panels and of the editor report
    // their failures with their own ProgressCode.
    void failuresInsideHandlersAreReported() {
        Calculation f;
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        f.typeValue("C 1", "0");
        f.dialogs.during = [](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Information) throw std::runtime_error("inside the message");
        };
        f.find<QPushButton>("BtOK")->click();  // the signal alone, without the event
        f.dialogs.during = nullptr;
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        QVERIFY(f.dialogs.lastText(Kind::Failure).endsWith("(Interner Fehlercode: 201)"));
        QCOMPARE(f.ws().modes.workingMode(), 2);

        // A symbol placed in mode 1 after mode 2 was chosen: the invalidation fails.
        f.w().lm1MouseDown(2);
        f.w().lm1MouseDown(1);
        QObject::connect(&f.w(), &Tgrf::analysisInvalidated, &f.w(),
                         [] { throw std::runtime_error("in the invalidation"); });
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);
        emit f.w().bild1()->pressed(cellCentre(60, 60), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Failure), 2);
        QVERIFY(f.dialogs.lastText(Kind::Failure).endsWith("(Interner Fehlercode: 134)"));
        QVERIFY(!f.find<QAction>("Mod2")->isEnabled());
    }
};

VOLMIRA_UITEST_MAIN(TgrfCalculationTest)
#include "tgrf_calculation_uitest.moc"
