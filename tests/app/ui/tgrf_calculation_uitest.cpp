// The road of a calculation through the real main window: an example is loaded and analysed, its
// values confirmed, the mode panels take the mode changes and the presses on the drawing, the
// DC source is drawn in every mode, a drawing change withdraws the results, and the fields are
// saved and loaded. What the panels do on their own is tested with the panels.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <stdexcept>

#include "analysis/ui/network_highlight.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/ui/main_window_fixture.h"
#include "app/window_rules.h"
#include "schematic/network_file.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"
#include "support/test_drawings.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

const QString kAnalysed(
    "Analyse erfolgreich durchgeführt\n\n3 Knoten  und \n"
    "1 unabhängige Maschen vorhanden");

// The middle pixel of a grid cell in the drawing image.
QPoint cellCentre(int column, int row) {
    return cellTopLeft(column, row) + QPoint(kPixelsPerCell / 2, kPixelsPerCell / 2);
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

struct CalculationWindow : MainWindow {
    CalculationWindow() {
        w().show();
        QApplication::setActiveWindow(&w());
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

    ValueList* list() { return find<ValueList>("BtListe"); }
    QLineEdit* frequency() { return find<QLineEdit>("FqEinzel"); }
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
    void analyse() { QTest::mouseClick(find<QPushButton>("analys"), Qt::LeftButton); }

    // The component's number, 0 when there is none of this name ("R 1").
    int component(std::string_view name) {
        for (int k = 1; k <= network().componentCount; ++k)
            if (network().component(k).name == name) return k;
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
        QTest::mouseClick(w().drawingView(), Qt::LeftButton, {}, cellCentre(column, row));
    }
    // A cell of the branch that holds no component, or the component's cell.
    QPoint wireCellOf(int branch) {
        for (QPoint cell : branchCells(network().branch(branch)))
            if (network().branchMap.branchAt(cell.x(), cell.y()) == branch) return cell;
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
    void analysedValuesAreConfirmedIntoModeThree() {
        CalculationWindow f;
        f.openExample("Tp1kHz.nwb");
        f.analyse();
        QCOMPARE(f.dialogs.lastText(Kind::Information), kAnalysed);
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QVERIFY(!f.find<QAction>("Mod3")->isEnabled());
        QVERIFY(f.find("Tafel2")->isAncestorOf(f.list()));
        QVERIFY(f.find("Tafel2")->isAncestorOf(f.w().drawingView()));
        // The loaded values, formatted again by the analysis.
        QCOMPARE(listRows(f.list()), (QStringList{"R 1 = 1 kOhm", "C 1 = 159,155 nF"}));

        f.typeValue("C 1", "0");
        f.confirm();
        QCOMPARE(f.dialogs.lastText(Kind::Information),
                 QString("Kondensator mit Wert 0!  Dies ist nicht erlaubt!"));
        QCOMPARE(f.ws().modes.workingMode(), 2);

        f.typeValue("C 1", "159.155n");
        const int messages = int(f.dialogs.calls.size());
        f.confirm();
        QCOMPARE(int(f.dialogs.calls.size()), messages);
        QCOMPARE(f.ws().modes.workingMode(), 3);
        for (const char* name : {"Mod3", "Mod4"}) QVERIFY(f.find<QAction>(name)->isEnabled());
        QVERIFY(f.find<QToolButton>("wkmod3")->isChecked());
        QVERIFY(f.find("Tafel3")->isVisible());
        QVERIFY(f.find("awlist")->isHidden());
        // Branch 1 (R 1) of the series loop at 1 kHz and 1 V: R = Xc = 1 kOhm.
        QCOMPARE(f.results()->selectedBranch(), 1);
        QCOMPARE(fieldTexts(f),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "500 uW",
                              "45,00 °", "1 kOhm", "0 Ohm", "0", "45,00 °"}));
        QCOMPARE(f.results()->solveCount(), 1);
    }

    void modePanelsTakeThePressesAndTheirMarksGoWithTheMode() {
        CalculationWindow f;
        f.exampleInModeThree();
        const Component c1 = f.network().component(f.component("C 1"));
        const QPoint wire = f.wireCellOf(c1.branch);
        QVERIFY(!wire.isNull());
        const QPoint markPixel = cellCentre(wire.x(), wire.y()) + QPoint(-3, -3);
        f.click(wire.x(), wire.y());
        QCOMPARE(f.results()->selectedBranch(), int(c1.branch));
        QCOMPARE(f.shown(markPixel), QColor(255, 0, 0));  // cyan exclusive-or white

        // Through mode 2 and back with the values unchanged: no solve, the mark comes back.
        QTest::mouseClick(f.find<QToolButton>("wkmod2"), Qt::LeftButton);
        QCOMPARE(f.shown(markPixel), QColor(Qt::white));
        f.click(c1.column, c1.row);
        QCOMPARE(f.list()->currentRow(), f.component("C 1") - 1);
        QCOMPARE(f.w().valueEntryPanel()->markedComponent(), f.component("C 1"));
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QCOMPARE(f.w().valueEntryPanel()->markedComponent(), 0);
        QCOMPARE(f.results()->markedBranch(), int(c1.branch));
        QCOMPARE(f.shown(markPixel), QColor(255, 0, 0));
        QCOMPARE(f.results()->solveCount(), 1);
        // Mode 1 repaints the drawing without marks.
        f.w().lm1MouseDown(1);
        QCOMPARE(f.w().drawingView()->picture(), f.w().drawingView()->drawing());
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

    void drawingChangeWithdrawsTheResultsAndReanalysisKeepsTheValues() {
        CalculationWindow f;
        f.exampleInModeThree();
        f.typeInto(f.frequency(), "2k");
        QTest::mouseClick(f.find<QToolButton>("wkmod1"), Qt::LeftButton);
        QVERIFY(f.find<QAction>("Mod3")->isEnabled());

        // A resistor onto a horizontal run of the loop's wire.
        QPoint run;
        for (int row = 1; row <= kGridRows && run.isNull(); ++row)
            for (int column = 2; column < kGridColumns && run.isNull(); ++column)
                if (f.ws().grid.at(column - 1, row) == '1' && f.ws().grid.at(column, row) == '1' &&
                    f.ws().grid.at(column + 1, row) == '1')
                    run = {column, row};
        QVERIFY(!run.isNull());
        const Component r1 = f.network().component(f.component("R 1"));
        for (QToolButton* b : f.w().findChildren<QToolButton*>())
            if (b->objectName().startsWith("Sym") && b->property("tag").toInt() == 1)
                QTest::mouseClick(b, Qt::LeftButton);
        f.click(run.x(), run.y());
        QCOMPARE(f.ws().grid.at(run.x(), run.y()), 'x');
        for (const char* name : {"Mod2", "Mod3", "Mod4", "wkmod2", "wkmod3", "wkmod4"})
            QVERIFY2(!f.find(name) || !f.find(name)->isEnabled(), name);
        QVERIFY(!f.find<QAction>("Mod2")->isEnabled());

        f.analyse();
        QCOMPARE(f.list()->rowCount(), 3);
        // Values follow their components by cell and kind; the new resistor has none.
        for (int k = 1; k <= 3; ++k) {
            const Component& c = f.network().component(k);
            if (c.row == r1.row && c.column == r1.column)
                QCOMPARE(f.list()->item(k - 1, 1)->text(), QString("1 kOhm"));
            else if (int(c.row) == run.y())
                QCOMPARE(f.list()->item(k - 1, 1)->text(), QString());
        }
        f.typeValue(f.network().component(3).name, "1k");
        f.typeValue(f.network().component(2).name, "1k");
        f.typeValue(f.network().component(1).name, "1k");
        f.confirm();
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QCOMPARE(f.frequency()->text(), QString("2 kHz"));  // the earlier frequency stays
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
        QVERIFY(test::inkPixels(f.w().drawingView()->grab().toImage()) > 100);
    }

    // No exception may cross a signal emission: the panels' handlers report their failures
    // with their own ProgressCode.
    void failuresInsideHandlersAreReported() {
        CalculationWindow f;
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
    }
};

VOLMIRA_UITEST_MAIN(TgrfCalculationTest)
#include "tgrf_calculation_uitest.moc"
