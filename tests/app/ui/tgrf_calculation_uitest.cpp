// The road of a calculation through the real main window: an example is loaded and analysed,
// its values typed into `BtListe`, stored, refused, picked from the E12 table and confirmed; the
// mode panels take the mode changes and the presses on the drawing and mark components and
// branches; the inputs recalculate or are refused once; the DC source is drawn in every mode; the
// fields are saved and loaded; the menu "Berechnung" lists the selected branch's "Kennwerte". The
// value, acceptance and mode rules and the numbers are the core's.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <stdexcept>

#include "analysis/ui/e12_picker.h"
#include "analysis/ui/network_highlight.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/ui/branch_tools.h"
#include "app/ui/main_window_fixture.h"
#include "app/window_rules.h"
#include "graphics/ui/characteristics_panel.h"
#include "graphics/ui/pole_zero_window.h"
#include "schematic/network_file.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

const QColor kMarkOnWhite(255, 0, 0);  // cyan exclusive-or white
using test::cellCentre;

// The top-left pixel of a component's frame in the drawing.
QPoint frameCorner(const Component& c) {
    return componentMarkBoxes(c).front().topLeft();
}

QStringList fieldTexts(ResultsPanel* results) {
    QStringList texts;
    for (int slot = 0; slot < kQuantityCount; ++slot) texts << results->field(slot)->text();
    return texts;
}

// The open cell editor of the list, or the list itself when no cell is being edited.
QWidget* keyTarget(ValueList* list) {
    for (QLineEdit* editor : list->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return list;
}

struct CalculationWindow : MainWindow {
    CalculationWindow() {
        w().show();
        QApplication::setActiveWindow(&w());
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

    ValueList* list() { return find<ValueList>("BtListe"); }
    QLineEdit* frequency() { return find<QLineEdit>("FqEinzel"); }
    ValueEntryPanel* entry() { return w().valueEntryPanel(); }
    ResultsPanel* results() { return w().resultsPanel(); }
    const Network& network() { return ws().calculation.network(); }
    QColor shown(QPoint pixel) { return w().drawingView()->picture().pixelColor(pixel); }

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
    // The status panel shown meanwhile took the activation, as the window manager gives it back.
    void analyse() {
        QTest::mouseClick(find<QPushButton>("analys"), Qt::LeftButton);
        QApplication::setActiveWindow(&w());
    }

    int component(std::string_view name) { return findComponent(network(), name); }

    // Types into the row of a component; Enter stores it.
    void typeValue(std::string_view name, const QString& text) {
        list()->setCurrentCell(component(name) - 1, 1);
        for (QChar ch : text) QTest::keyClick(keyTarget(list()), ch.toLatin1());
        QTest::keyClick(keyTarget(list()), Qt::Key_Return);
    }
    QString shownValue(std::string_view name) {
        return list()->item(component(name) - 1, 1)->text();
    }
    double value(std::string_view name) { return network().component(component(name)).value; }
    int branchOf(std::string_view name) { return network().component(component(name)).branch; }
    void confirm() { QTest::mouseClick(find<QPushButton>("BtOK"), Qt::LeftButton); }

    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void click(int column, int row) {
        QTest::mouseClick(w().drawingView(), Qt::LeftButton, {}, cellCentre(column, row));
    }
    void clickComponent(std::string_view name) {
        const Component& c = network().component(component(name));
        click(c.column, c.row);
    }
    // The low-pass loaded and analysed: mode 2.
    void exampleInModeTwo() {
        openExample("Tp1kHz.nwb");
        analyse();
    }
    // Then confirmed with the file's values: mode 3 on branch 1.
    void exampleInModeThree() {
        exampleInModeTwo();
        confirm();
        QCOMPARE(ws().modes.workingMode(), 3);
    }
};

}  // namespace

class TgrfCalculationTest : public QObject {
    Q_OBJECT
  private slots:
    // The menu "Berechnung" lists the selected branch's "Kennwerte" over the sweep limits.
    void analysedValuesAreConfirmedIntoModeThreeAndItsBranchMenu() {
        CalculationWindow f;
        f.exampleInModeTwo();
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QVERIFY(!f.find<QMenu>("Berechnung")->isEnabled());
        QVERIFY(f.find("Tafel2")->isAncestorOf(f.list()));
        QVERIFY(f.find("Tafel2")->isAncestorOf(f.w().drawingView()));
        QCOMPARE(f.shownValue("C 1"), QString("159,155 nF"));

        const int messages = int(f.dialogs.calls.size());
        f.confirm();
        QCOMPARE(int(f.dialogs.calls.size()), messages);
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QVERIFY(f.find<QToolButton>("wkmod3")->isChecked() && f.find("Tafel3")->isVisible());
        QVERIFY(f.find<QMenu>("Berechnung")->isEnabled());
        QVERIFY(f.find("awlist")->isHidden());
        QCOMPARE(f.results()->selectedBranch(), 1);
        QVERIFY(f.results()->dcButton()->isHidden());  // the low-pass has a capacitor
        // |Z| = R (1 - j): |I| = 1 / (1000 sqrt 2), the current leads by 45 degrees. Clicks
        // read the table of the one solve.
        f.clickComponent("C 1");
        QCOMPARE(f.results()->selectedBranch(), f.branchOf("C 1"));
        QCOMPARE(fieldTexts(f.results()),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "0",
                              "-45,00 °", "0 Ohm", "-1 kOhm", "-500 uvar", "45,00 °"}));
        f.clickComponent("R 1");
        QCOMPARE(f.results()->field(5)->text(), QString("500 uW"));
        QCOMPARE(f.results()->solveCount(), 1);

        f.clickComponent("C 1");
        f.ws().graphic.button = 2;  // the graphic mode's selector on "Spannung"
        f.find<QAction>("Kennwerte1")->trigger();
        CharacteristicsPanel* panel = f.w().branchTools()->characteristicsPanel();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->findChild<QLabel*>("KennwertTitel")->text(),
                 QString("Kennwerte: Spannung, Zweig %1").arg(f.branchOf("C 1")));
        // From the maximum at FqVon = fc / 10: fc sqrt(1.02).
        QCOMPARE(panel->table()->item(3, 0)->text(), QString("-3 dB oberhalb"));
        QCOMPARE(panel->table()->item(3, 1)->text(), QString("1,00995 kHz"));

        // A range that a sweep would refuse: its message, no new list.
        f.ws().fields.fqVon = "30k";
        f.find<QAction>("Kennwerte1")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Information), QString("MinFrequenz > MaxFrequenz !"));
        f.find<QAction>("PolNull1")->trigger();
        QVERIFY(f.w().branchTools()->poleZeroWindow()->isVisible());
    }

    void typedOrPickedValuesAreStoredOrRefusedWithTheirRowSelected() {
        CalculationWindow f;
        f.exampleInModeTwo();
        f.typeValue("R 1", "4.7k");  // the full stop becomes a comma
        QCOMPARE(f.shownValue("R 1"), QString("4,7 kOhm"));
        QCOMPARE(f.value("R 1"), 4700.0);
        // The cursor keys store the row they leave, with and without an open editor.
        f.list()->setCurrentCell(f.component("R 1") - 1, 1);
        for (QChar ch : QString("3.3k")) QTest::keyClick(keyTarget(f.list()), ch.toLatin1());
        QTest::keyClick(keyTarget(f.list()), Qt::Key_Down);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);
        QCOMPARE(f.value("R 1"), 3300.0);
        f.list()->item(f.component("C 1") - 1, 1)->setText("2,2u");
        QTest::keyClick(keyTarget(f.list()), Qt::Key_Up);
        QCOMPARE(f.shownValue("C 1"), QString("2,2 uF"));
        // A click on a name goes to its value.
        const QRect name = f.list()->visualItemRect(f.list()->item(f.component("C 1") - 1, 0));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, name.center());
        QCOMPARE(f.list()->currentColumn(), 1);
        QCOMPARE(f.dialogs.count(Kind::Information), 1);  // the analysis only

        // A text that does not convert and a capacitor of 0 are refused, each with its message,
        // and the confirmation goes to the row that holds it.
        f.typeValue("R 1", "1,2,3");
        QCOMPARE(f.dialogs.count(Kind::Information), 2);
        QVERIFY(f.dialogs.lastText(Kind::Information).contains("1,2,3"));
        QCOMPARE(f.value("R 1"), 3300.0);
        f.list()->setCurrentCell(f.component("C 1") - 1, 1);
        f.confirm();
        QCOMPARE(f.dialogs.count(Kind::Information), 3);
        QCOMPARE(f.list()->currentRow(), f.component("R 1") - 1);

        f.typeValue("R 1", "1k");
        f.typeValue("C 1", "0");
        f.confirm();
        QCOMPARE(f.dialogs.count(Kind::Information), 4);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);
        QVERIFY(!f.ws().calculation.valuesConfirmed());
        QCOMPARE(f.ws().modes.workingMode(), 2);

        // Picked from the E12 table.
        auto* picker = f.w().findChild<E12Picker*>();
        f.list()->setCurrentCell(f.component("C 1") - 1, 1);
        QTest::mouseClick(f.find<QPushButton>("E12Ein"), Qt::LeftButton);
        QCOMPARE(picker->kind(), E12Kind::Capacitor);
        // Cell (4, 9) of the capacitor table: 47 nF.
        QTest::mouseClick(picker->table(), Qt::LeftButton, {},
                          QPoint(70 * 3 + 35, 11 + 17 * 8 + 8));
        QCOMPARE(f.shownValue("C 1"), QString("47 nF"));
        QVERIFY(f.entry()->flashFrame()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!f.entry()->flashFrame()->isVisible(), 1000);
        f.list()->setCurrentCell(f.component("R 1") - 1, 1);
        QCOMPARE(picker->kind(), E12Kind::Resistor);
        // Hidden, the value entry leaves the picker to the parameter mode.
        f.entry()->hide();
        QTest::mouseClick(picker->table(), Qt::LeftButton, {}, QPoint(35, 20));
        QCOMPARE(f.value("R 1"), 1000.0);
    }

    // The list and the drawing mark each other's component in mode 2; in mode 3 a click marks
    // its branch; each mark goes with its mode, and mode 1 shows none.
    void marksFollowTheRowsAndTheClickedBranch() {
        CalculationWindow f;
        f.exampleInModeTwo();
        const Component r1 = f.network().component(f.component("R 1"));
        const Component c1 = f.network().component(f.component("C 1"));
        const QImage unmarked = f.w().drawingView()->picture();
        f.list()->setCurrentCell(f.component("C 1") - 1, 1);
        QCOMPARE(f.entry()->markedComponent(), f.component("C 1"));
        QCOMPARE(f.shown(frameCorner(c1)), kMarkOnWhite);
        QCOMPARE(f.w().drawingView()->drawing(), unmarked);  // the mark lies on top
        // A click on the cell below the capacitor letter stores the edited row and selects C 1.
        f.list()->setCurrentCell(f.component("R 1") - 1, 1);
        for (QChar ch : QString("680")) QTest::keyClick(keyTarget(f.list()), ch.toLatin1());
        f.click(c1.column, c1.row + 1);
        QCOMPARE(f.value("R 1"), 680.0);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);
        QVERIFY(f.list()->hasFocus());
        QCOMPARE(f.shown(frameCorner(c1)), kMarkOnWhite);
        QCOMPARE(f.shown(frameCorner(r1)), QColor(Qt::white));
        f.click(60, 60);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);

        f.confirm();
        QCOMPARE(f.entry()->markedComponent(), 0);
        QPoint wire;  // a cell of the capacitor's branch that holds no component
        for (QPoint cell : branchCells(f.network().branch(c1.branch)))
            if (wire.isNull() && f.network().branchMap.branchAt(cell.x(), cell.y()) == c1.branch)
                wire = cell;
        QVERIFY(!wire.isNull());
        const QPoint markPixel = cellCentre(wire.x(), wire.y()) + QPoint(-3, -3);
        f.click(wire.x(), wire.y());
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));
        QCOMPARE(f.shown(markPixel), kMarkOnWhite);
        f.clickComponent("R 1");
        QCOMPARE(f.results()->markedBranch(), int(r1.branch));
        QCOMPARE(f.shown(markPixel), QColor(Qt::white));
        f.click(wire.x(), wire.y());
        f.click(50, 50);  // an empty cell keeps the branch
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));

        // Through mode 2 and back with the values unchanged: no solve, the mark comes back.
        QTest::mouseClick(f.find<QToolButton>("wkmod2"), Qt::LeftButton);
        QCOMPARE(f.shown(markPixel), QColor(Qt::white));
        f.click(c1.column, c1.row);
        QCOMPARE(f.entry()->markedComponent(), f.component("C 1"));
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QCOMPARE(f.entry()->markedComponent(), 0);
        QCOMPARE(f.shown(markPixel), kMarkOnWhite);
        QCOMPARE(f.results()->solveCount(), 1);
        f.w().lm1MouseDown(1);
        QCOMPARE(f.w().drawingView()->picture(), f.w().drawingView()->drawing());
    }

    // A refused input is reported once and changes nothing; Enter, or leaving the field with a
    // new text, recalculates; leaving it unchanged does not.
    void inputsRecalculateOrAreRefusedOnce() {
        CalculationWindow f;
        f.exampleInModeThree();
        QLineEdit* voltage = f.results()->voltageField();
        const QStringList before = fieldTexts(f.results());
        const int messages = f.dialogs.count(Kind::Information);
        // The message box takes the focus from the field, as a real one does.
        f.dialogs.during = [&f, voltage](const test::ScriptedDialogs::Call&) {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            for (QLineEdit* field : {f.frequency(), voltage}) QApplication::sendEvent(field, &out);
        };
        f.typeInto(f.frequency(), "0");
        QCOMPARE(f.dialogs.count(Kind::Information), messages + 1);
        QCOMPARE(f.frequency()->text(), QString("1 kHz"));
        f.typeInto(voltage, "-2");
        QCOMPARE(f.dialogs.count(Kind::Information), messages + 2);
        QCOMPARE(voltage->text(), QString("1 V"));
        QCOMPARE(f.results()->solveCount(), 1);
        QCOMPARE(fieldTexts(f.results()), before);
        f.dialogs.during = nullptr;

        f.typeInto(f.frequency(), "1.5k");
        QCOMPARE(f.frequency()->text(), QString("1,5 kHz"));
        QCOMPARE(f.ws().fields.fqEinzel, std::string("1,5 kHz"));
        QCOMPARE(f.results()->solveCount(), 2);
        voltage->setFocus();
        QCOMPARE(f.results()->solveCount(), 2);
        f.frequency()->setFocus();
        f.frequency()->selectAll();
        QTest::keyClicks(f.frequency(), "2000");
        voltage->setFocus();
        QCOMPARE(f.ws().calculation.table().frequency, 2000.0);
        f.typeInto(voltage, "2.5");
        QCOMPARE(f.results()->solveCount(), 4);
        QCOMPARE(f.dialogs.count(Kind::Error), 0);

        // In the graphic mode an edit withdraws modes 3 and 4 until the values are confirmed
        // again, which gives them back without leaving the mode.
        f.w().enableModes(4, 4);
        f.list()->setCurrentCell(f.component("R 1") - 1, 1);
        f.entry()->TasteDownBtWertefeld(Qt::Key_2);
        QVERIFY(!f.find<QAction>("Mod3")->isEnabled());
        QVERIFY(f.entry()->BauteilOkayClick());
        QVERIFY(f.find<QAction>("Mod3")->isEnabled() && f.find<QAction>("Mod4")->isEnabled());
        QCOMPARE(f.ws().modes.workingMode(), 4);
    }

    // The solver's failure is the core's; here it is reported once per solve.
    void shortCircuitAcrossTheSourceIsReportedOncePerSolve() {
        CalculationWindow f;
        f.openDrawing(test::shortedSource());
        f.analyse();
        f.typeValue("R 1", "100");
        f.confirm();
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QCOMPARE(f.dialogs.count(Kind::Error), 1);
        f.typeInto(f.frequency(), "2k");
        QCOMPARE(f.dialogs.count(Kind::Error), 2);
    }

    void dcSourceIsDrawnInEveryModeUntilAFrequencyIsSet() {
        CalculationWindow f;
        f.openDrawing(test::wheatstoneBridge());
        f.analyse();
        int k = 0;
        for (const char* value : {"1k", "2k", "3k", "4k", "5k"})
            f.typeValue(qPrintable(QString("R %1").arg(++k)), value);
        f.confirm();
        QCOMPARE(f.ws().modes.workingMode(), 3);
        // The rung away from the source, so that its mark leaves the source glyph alone.
        const Component rung = f.network().component(f.component("R 3"));
        f.click(rung.column, rung.row);
        const PlacedSymbol source = f.ws().symbols[0];
        const QPoint box = cellTopLeft(source.column, source.row);
        const QPoint wave = box + QPoint(8, 17);  // start of the AC mark
        const QPoint bar = box + QPoint(12, 14);  // inside the upper DC bar
        QCOMPARE(f.shown(bar), QColor(Qt::white));

        QTest::mouseClick(f.find<QPushButton>("Gleichspg"), Qt::LeftButton);
        QCOMPARE(f.shown(bar), QColor(Qt::black));
        QVERIFY(f.find<QAction>("Mod4")->isEnabled());
        f.w().lm1MouseDown(1);
        QCOMPARE(f.shown(bar), QColor(Qt::black));
        f.w().lm1MouseDown(3);
        f.typeInto(f.frequency(), "50");
        QCOMPARE(f.shown(wave), QColor(Qt::black));
        QCOMPARE(f.dialogs.count(Kind::Error), 0);
    }

    void inputFieldsAreSavedAndLoaded() {
        const test::TempFolder files;
        fs::path path;
        {
            CalculationWindow f;
            path = f.openExample("Tp1kHz.nwb", files.path());
            f.analyse();
            f.confirm();
            f.typeInto(f.frequency(), "1,5k");
            // Typed without Enter and saved by a button that takes no focus: still saved.
            f.frequency()->setFocus();
            f.frequency()->selectAll();
            QTest::keyClicks(f.frequency(), "2.5k");
            QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);
            QCOMPARE(f.dialogs.count(Kind::Save), 0);  // the file has a name
            const LineList lines = readTextLines(path).lines;
            QCOMPARE(lines[lines.size() - 3], std::string("2,5 kHz"));
        }
        CalculationWindow f;
        QVERIFY(f.w().loadNetwork(path));
        QCOMPARE(f.frequency()->text(), QString("2,5 kHz"));
        f.analyse();
        f.confirm();
        QCOMPARE(f.find<QLineEdit>("Elfeld1")->text(), QString("928,48 uA"));
    }

    // Modes 2 and 3 at the small layout: every text fits its control.
    void modesTwoAndThreeFitTheSmallScreen() {
        const ScreenSize screen{800, 600};
        CalculationWindow f;
        f.w().startupInitialisation(f.folder.path(), screen);
        f.w().placeForScreen(screen);
        f.w().setWindowState(Qt::WindowNoState);
        const WindowGeometry g = shownGeometry(screen, startupGeometry(screen));
        f.w().resize(g.width, g.height);
        f.find("hw800pan")->hide();
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        auto inside = [](QWidget* child, QWidget* parent) {
            const QRect r(child->mapTo(parent, QPoint(0, 0)), child->size());
            return parent->rect().contains(r);
        };
        f.list()->setCurrentCell(0, 1);
        QTest::mouseClick(f.find<QPushButton>("E12Ein"), Qt::LeftButton);
        QCoreApplication::processEvents();
        for (const char* name : {"BtListe", "E12Ein", "BtOK"})
            QVERIFY2(inside(f.find(name), f.find("Tafel2Seite")), name);
        // Scrolled into the window when the window is smaller than its content.
        QWidget* viewport = f.find<QScrollArea>("FormScroll")->viewport();
        QVERIFY(inside(f.find("awlist"), viewport));

        const QPoint drawingInModeTwo = f.find("Bild1Rahmen")->mapTo(&f.w(), QPoint(0, 0));
        f.confirm();
        QCoreApplication::processEvents();
        QCOMPARE(f.find("Bild1Rahmen")->mapTo(&f.w(), QPoint(0, 0)), drawingInModeTwo);
        QWidget* card = f.find("Tafel3Karte");
        for (QLineEdit* field : card->findChildren<QLineEdit*>())
            QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <
                         field->contentsRect().width() - 4,
                     qPrintable(field->text()));
        for (QLabel* label : card->findChildren<QLabel*>())
            QVERIFY2(inside(label, card) &&
                         label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
    }

    // No exception may cross a signal emission: the panels' handlers report their failures
    // with their own ProgressCode.
    void failuresInsideHandlersAreReported() {
        CalculationWindow f;
        f.exampleInModeTwo();
        f.typeValue("C 1", "0");
        f.dialogs.during = [](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Information) throw std::runtime_error("inside the message");
        };
        f.find<QPushButton>("BtOK")->click();  // the signal alone, without the event
        f.dialogs.during = nullptr;
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        QVERIFY(f.dialogs.lastText(Kind::Failure).endsWith("(Interner Fehlercode: 201)"));
        QCOMPARE(f.ws().modes.workingMode(), 2);
    }
};

VOLMIRA_UITEST_MAIN(TgrfCalculationTest)
#include "tgrf_calculation_uitest.moc"
