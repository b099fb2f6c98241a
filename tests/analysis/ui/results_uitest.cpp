// Single-frequency results on analysed test drawings, driven the way the main window connects
// the panels: values typed and confirmed, results compared with closed-form numbers, branches
// chosen by clicks into the drawing, frequency and voltage inputs, the DC button with the
// source glyph, and a short circuit across the source.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "panel_window.h"
#include "support/test_drawings.h"

using namespace volmira;
using test::cellCentre;
using test::componentNumber;

namespace {

const QColor kMarkOnWhite(255, 0, 0);  // cyan exclusive-or white

// A pixel near the top-left corner of a cell, where no glyph draws.
QPoint quietPixel(int column, int row) {
    return {(column - 1) * 9 - 1, (row - 1) * 9 - 1};
}

// The low-pass with a resistor where the capacitor was: a divider of "R 1" and "R 2".
SchematicGrid resistorDivider() {
    SchematicGrid grid = test::rcLowPass();
    for (int row = 1; row <= kGridRows; ++row)
        for (int column = 1; column <= kGridColumns; ++column)
            if (grid.at(column, row) == 'z') grid.set(column, row, 'x');
    return grid;
}

// A wire from the source's upper terminal to ground: a mesh of wires only across the source.
// "R 1" hangs between the wire's junction and a second ground mark.
//
//     3 1 1 1 C 1x1 4
//     2       2     2
//     A       2     2
//     2       2     2
//     2       2     2
//     2       I     I
//     I
SchematicGrid shortedSource() {
    test::Sketch s;
    s.put(test::code::cornerDownRight, 2, 2)
        .put(test::code::verticalSource, 1, 3)
        .put(test::code::ground, 2, 7)
        .horizontalWire(2, 3, 5)
        .put(test::code::junctionNoUp, 6, 2)
        .put(test::code::resistor, 7, 2)
        .put(test::code::cornerDownLeft, 10, 2)
        .verticalWire(6, 3, 6)
        .put(test::code::ground, 6, 7)
        .verticalWire(10, 3, 6)
        .put(test::code::ground, 10, 7);
    return s.grid();
}

QStringList fieldTexts(const ResultsPanel& panel) {
    QStringList texts;
    for (int slot = 0; slot < kQuantityCount; ++slot) texts << panel.field(slot)->text();
    return texts;
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::PanelWindow> window;
    Workspace* ws = nullptr;
    QWidget* host = nullptr;
    DrawingView* bild1 = nullptr;
    ValueEntryPanel* entry = nullptr;
    ResultsPanel* results = nullptr;
    test::RecordingDialogs* dialogs = nullptr;

    void build(const SchematicGrid& drawing) {
        window = std::make_unique<test::PanelWindow>();
        ws = window->ws.get();
        host = window->host.get();
        bild1 = window->bild1;
        entry = window->entry;
        results = window->results;
        dialogs = window->dialogs;
        QVERIFY(window->open(drawing));
    }

    void setValue(std::string_view name, const QString& text) {
        const int k = componentNumber(ws->network, name);
        QVERIFY(k != 0);
        entry->list()->item(k - 1, 1)->setText(text);
        QVERIFY(entry->storeRow(k - 1));
    }

    void confirm() {
        QTest::mouseClick(entry->confirmButton(), Qt::LeftButton);
        QCOMPARE(ws->modes.workingMode(), 3);
    }

    // Clicks the drawing on the cell of a component.
    void clickComponent(std::string_view name) {
        const Component& c = ws->network.component(componentNumber(ws->network, name));
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row));
    }

    int branchOf(std::string_view name) {
        return ws->network.component(componentNumber(ws->network, name)).branch;
    }

    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void lowPassConfirmed() {
        build(test::rcLowPass());
        setValue("R 1", "1k");
        setValue("C 1", "159,1549431n");  // the corner frequency is 1 kHz
        confirm();
    }

  private slots:
    void cleanup() { window.reset(); }

    void fieldsHaveTheirNamesAndCaptions() {
        build(test::rcLowPass());
        const QStringList captions{"Spannung",      "Strom",          "S-Widerstand",
                                   "Verstärkung",   "Scheinleistung", "Wirkleistung",
                                   "Phase U / Ue",  "Widerstand R",   "Blindwiderstand X",
                                   "Blindleistung", "Phase I / Ue"};
        for (int slot = 0; slot < kQuantityCount; ++slot) {
            auto* field = host->findChild<QLineEdit*>(QStringLiteral("Elfeld%1").arg(slot));
            QVERIFY(field);
            QVERIFY(field->isReadOnly());
            QCOMPARE(results->caption(slot)->text(), captions[slot]);
        }
        QCOMPARE(host->findChild<QLineEdit*>("FqEinzel")->text(), QStringLiteral("1 kHz"));
        QCOMPARE(host->findChild<QLineEdit*>("FqEinzel")->toolTip(),
                 QStringLiteral("Frequenzeingabe"));
        QCOMPARE(host->findChild<QLineEdit*>("SpEingabe")->text(), QStringLiteral("1 V"));
        QVERIFY(results->dcButton()->isHidden());  // the low-pass has a capacitor
    }

    void lowPassAtOneKilohertzMatchesTheClosedForm() {
        lowPassConfirmed();
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{4, 3}}));
        QCOMPARE(results->solveCount(), 1);
        QCOMPARE(results->selectedBranch(), 1);
        QCOMPARE(results->markedBranch(), 1);
        QVERIFY(dialogs->messages.isEmpty());

        // |Z| = R (1 - j): |I| = 1 / (1000 sqrt 2), the current leads by 45 degrees.
        clickComponent("C 1");
        QCOMPARE(results->selectedBranch(), branchOf("C 1"));
        QCOMPARE(fieldTexts(*results),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "0",
                              "-45,00 °", "0 Ohm", "-1 kOhm", "-500 uvar", "45,00 °"}));
        clickComponent("R 1");
        QCOMPARE(results->selectedBranch(), branchOf("R 1"));
        QCOMPARE(fieldTexts(*results),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "500 uW",
                              "45,00 °", "1 kOhm", "0 Ohm", "0", "45,00 °"}));
        QCOMPARE(results->solveCount(), 1);  // clicks read the table, they do not solve
    }

    void clickedBranchIsMarkedAndTheMarkMoves() {
        lowPassConfirmed();
        const Component& c = ws->network.component(componentNumber(ws->network, "C 1"));
        // The wire cell between the node mark and the capacitor belongs to the C branch only.
        const QPoint cBranchCell = quietPixel(c.column, c.row - 2);
        const QPoint rBranchCell = quietPixel(6, 2);
        QCOMPARE(bild1->image().pixelColor(cBranchCell), QColor(Qt::white));
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row - 2));
        QCOMPARE(results->markedBranch(), branchOf("C 1"));
        QCOMPARE(bild1->image().pixelColor(cBranchCell), kMarkOnWhite);
        QCOMPARE(bild1->image().pixelColor(rBranchCell), QColor(Qt::white));
        clickComponent("R 1");
        QCOMPARE(bild1->image().pixelColor(cBranchCell), QColor(Qt::white));
        QCOMPARE(bild1->image().pixelColor(rBranchCell), kMarkOnWhite);
        // An empty cell keeps the branch and shows it again.
        const QStringList shown = fieldTexts(*results);
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(50, 50));
        QCOMPARE(results->selectedBranch(), branchOf("R 1"));
        QCOMPARE(fieldTexts(*results), shown);
        QCOMPARE(bild1->image().pixelColor(rBranchCell), kMarkOnWhite);
    }

    void marksComeBackAfterTheWindowRepaintsTheDrawing() {
        lowPassConfirmed();
        const Component& c = ws->network.component(componentNumber(ws->network, "C 1"));
        const QPoint cBranchCell = quietPixel(c.column, c.row - 2);
        clickComponent("C 1");
        // Leaving mode 3 and coming back: the window paints the drawing afresh.
        paintSymbolList(bild1->image(), ws->symbols);
        results->drawingRepainted();
        QCOMPARE(bild1->image().pixelColor(cBranchCell), QColor(Qt::white));
        results->redrawMarks();
        QCOMPARE(bild1->image().pixelColor(cBranchCell), kMarkOnWhite);
        QCOMPARE(results->markedBranch(), branchOf("C 1"));
        QCOMPARE(results->solveCount(), 1);
    }

    void frequencyInputIsRewrittenAndRecalculates() {
        lowPassConfirmed();
        clickComponent("C 1");
        QLineEdit* fq = results->frequencyField();
        fq->setFocus();
        fq->selectAll();
        QTest::keyClicks(fq, "1.5k");
        QCOMPARE(fq->text(), QStringLiteral("1,5k"));
        QTest::keyClick(fq, Qt::Key_Return);
        QCOMPARE(fq->text(), QStringLiteral("1,5 kHz"));
        QCOMPARE(ws->frequency, 1500.0);
        QCOMPARE(QString::fromStdString(ws->fields.fqEinzel), QStringLiteral("1,5 kHz"));
        QCOMPARE(results->solveCount(), 2);
        QCOMPARE(results->allBranches().frequency, 1500.0);
        // wRC = 1.5: |I| = 832,05 uA leading by 33,69 degrees; the capacitor takes 554,7 mV.
        QCOMPARE(fieldTexts(*results),
                 (QStringList{"554,7 mV", "832,05 uA", "666,67 Ohm", "-5,119 dB", "461,54 uVA",
                              "0", "-56,31 °", "0 Ohm", "-666,67 Ohm", "-461,54 uvar", "33,69 °"}));
        // Leaving the field after Enter changes nothing and solves nothing.
        results->voltageField()->setFocus();
        QCOMPARE(results->solveCount(), 2);
        // Leaving it with a new text accepts that text.
        fq->setFocus();
        fq->selectAll();
        QTest::keyClicks(fq, "2000");
        results->voltageField()->setFocus();
        QCOMPARE(fq->text(), QStringLiteral("2 kHz"));
        QCOMPARE(results->solveCount(), 3);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void refusedFrequenciesKeepThePreviousOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero with C") << "0"
                                     << "Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt";
        QTest::newRow("zero with unit") << "0 Hz"
                                        << "Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt";
        QTest::newRow("negative") << "-50"
                                  << "Negative Frequenz ist nicht erlaubt";
        QTest::newRow("no number") << "1,2,3"
                                   << "Ungültige Frequenz ´1,2,3´";
    }
    void refusedFrequenciesKeepThePreviousOne() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        lowPassConfirmed();
        const QStringList before = fieldTexts(*results);
        typeInto(results->frequencyField(), typed);
        QCOMPARE(dialogs->messages, QStringList{message});
        QCOMPARE(results->frequencyField()->text(), QStringLiteral("1 kHz"));
        QCOMPARE(ws->frequency, 1000.0);
        QVERIFY(!ws->directVoltage);
        QCOMPARE(results->solveCount(), 1);
        QCOMPARE(fieldTexts(*results), before);
        // Leaving the restored field asks nothing again.
        results->voltageField()->setFocus();
        QCOMPARE(dialogs->messages.size(), 1);
    }

    void voltageInput() {
        lowPassConfirmed();
        clickComponent("R 1");
        typeInto(results->voltageField(), "0");
        typeInto(results->voltageField(), "-2");
        QCOMPARE(dialogs->messages, (QStringList{"Spannung ´0 V´ ist nicht erlaubt",
                                                 "Negative Spannung ist nicht erlaubt"}));
        QCOMPARE(results->voltageField()->text(), QStringLiteral("1 V"));
        QCOMPARE(results->solveCount(), 1);
        typeInto(results->voltageField(), "2.5");
        QCOMPARE(results->voltageField()->text(), QStringLiteral("2,5 V"));
        QCOMPARE(ws->voltage, 2.5);
        QCOMPARE(results->solveCount(), 2);
        QCOMPARE(results->field(0)->text(), QStringLiteral("1,7678 V"));  // 2,5 V / sqrt 2
        QCOMPARE(results->field(3)->text(), QStringLiteral("-3,010 dB"));
    }

    void dcButtonOnAResistorNetworkDrawsADirectVoltageSource() {
        build(resistorDivider());
        QVERIFY(!results->dcButton()->isHidden());
        setValue("R 1", "1k");
        setValue("R 2", "3k");
        confirm();
        clickComponent("R 2");  // a branch away from the source, so its mark leaves the glyph alone
        const PlacedSymbol source = ws->symbols[0];
        QCOMPARE(int(source.code), 5);
        const QPoint box((source.column - 1) * 9 - 2, (source.row - 1) * 9 - 2);
        const QPoint wave = box + QPoint(8, 17);  // start of the AC mark
        const QPoint bar = box + QPoint(12, 14);  // inside the upper DC bar
        QCOMPARE(bild1->image().pixelColor(wave), QColor(Qt::black));
        QCOMPARE(bild1->image().pixelColor(bar), QColor(Qt::white));

        window->modeRequests.clear();
        QTest::mouseClick(host->findChild<QPushButton*>("Gleichspg"), Qt::LeftButton);
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{3, 3}}));
        QCOMPARE(results->frequencyField()->text(), QStringLiteral("0 Hz"));
        QCOMPARE(ws->frequency, 0.0);
        QVERIFY(ws->directVoltage);
        QCOMPARE(results->solveCount(), 2);
        QCOMPARE(bild1->image().pixelColor(wave), QColor(Qt::white));
        QCOMPARE(bild1->image().pixelColor(bar), QColor(Qt::black));
        // The divider at DC: 3/4 of the source across R 2, in phase.
        QCOMPARE(results->field(0)->text(), QStringLiteral("750 mV"));
        QCOMPARE(results->field(6)->text(), QStringLiteral("0 °"));
        QVERIFY(dialogs->messages.isEmpty());
        // The redraw of the source is no drawing change.
        QCOMPARE(ws->guardCode, 0);
        QCOMPARE(ws->modes.workingMode(), 3);

        typeInto(results->frequencyField(), "50");
        QVERIFY(!ws->directVoltage);
        QCOMPARE(bild1->image().pixelColor(wave), QColor(Qt::black));
        QCOMPARE(bild1->image().pixelColor(bar), QColor(Qt::white));
        QCOMPARE(results->markedBranch(), branchOf("R 2"));
        QCOMPARE(bild1->image().pixelColor(quietPixel(7, 6)), kMarkOnWhite);
    }

    void zeroFrequencyInTheFieldIsRefusedAtConfirmationOnceCapacitorsExist() {
        build(test::rcLowPass());
        ws->fields.fqEinzel = "0 Hz";  // left over from a resistor network
        ws->frequency = 0;
        ws->directVoltage = true;
        results->showInputFields();
        setValue("R 1", "1k");
        setValue("C 1", "1u");
        confirm();
        QCOMPARE(dialogs->messages, QStringList{"Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt"});
        QCOMPARE(ws->frequency, 1000.0);
        QVERIFY(!ws->directVoltage);
        QCOMPARE(results->frequencyField()->text(), QStringLiteral("1 kHz"));
        QCOMPARE(results->solveCount(), 1);
    }

    void shortCircuitAcrossTheSourceReportsOnceAndShowsTheResults() {
        build(shortedSource());
        setValue("R 1", "100");
        confirm();
        QCOMPARE(dialogs->messages.count(QString::fromUtf8(
                     kSolverFailureMessage.data(), qsizetype(kSolverFailureMessage.size()))),
                 1);
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(results->solveCount(), 1);
        // Every branch shows numbers, never "nan" or "inf".
        for (int b = 1; b <= ws->network.branchCount; ++b) {
            const auto cells = branchCells(ws->network.branch(b));
            const QPoint cell = cells[cells.size() / 2];
            QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(cell.x(), cell.y()));
            for (const QString& text : fieldTexts(*results)) {
                QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("branch %1").arg(b)));
                QVERIFY2(!text.contains("nan", Qt::CaseInsensitive) &&
                             !text.contains("inf", Qt::CaseInsensitive),
                         qPrintable(QStringLiteral("branch %1: %2").arg(b).arg(text)));
            }
        }
        QCOMPARE(dialogs->messages.size(), 1);
        // A new frequency solves again and reports again, once.
        typeInto(results->frequencyField(), "2k");
        QCOMPARE(dialogs->messages.size(), 2);
    }
};

QTEST_MAIN(ResultsTest)
#include "results_uitest.moc"
