// Single-frequency results on analysed test drawings, wired as the main window wires the panels:
// the confirmation calculates, clicks into the drawing choose and mark a branch, the inputs
// recalculate or are refused once, the DC button draws the DC source, and a short circuit
// across the source is reported once. The acceptance rules and the numbers are the core's.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "analysis/ui/network_highlight.h"
#include "panel_window.h"
#include "support/test_drawings.h"

using namespace volmira;
using test::cellCentre;
using test::componentNumber;

namespace {

const QColor kMarkOnWhite(255, 0, 0);  // cyan exclusive-or white

// A pixel near the top-left corner of a cell, where no glyph draws.
QPoint quietPixel(int column, int row) {
    const GridPixel corner = cellBoxTopLeft({column, row});
    return {corner.x + 1, corner.y + 1};
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
    DrawingView* bild1 = nullptr;
    ResultsPanel* results = nullptr;

    const Network& network() const { return window->network(); }
    QColor shown(QPoint pixel) const { return bild1->picture().pixelColor(pixel); }

    void build(const SchematicGrid& drawing) {
        window = std::make_unique<test::PanelWindow>();
        ws = window->ws.get();
        bild1 = window->bild1;
        results = window->results;
        QVERIFY(window->open(drawing));
    }

    void setValue(std::string_view name, const QString& text) {
        const int k = componentNumber(network(), name);
        QVERIFY(k != 0);
        window->entry->list()->item(k - 1, 1)->setText(text);
        QVERIFY(window->entry->storeRow(k - 1));
    }

    void confirm() {
        QTest::mouseClick(window->entry->confirmButton(), Qt::LeftButton);
        QCOMPARE(ws->modes.workingMode(), 3);
    }

    void clickComponent(std::string_view name) {
        const Component& c = network().component(componentNumber(network(), name));
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row));
    }

    int branchOf(std::string_view name) {
        return network().component(componentNumber(network(), name)).branch;
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

    void confirmationCalculatesAndClicksChooseTheBranch() {
        lowPassConfirmed();
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{4, 3}}));
        QCOMPARE(results->solveCount(), 1);
        QCOMPARE(results->selectedBranch(), 1);
        QVERIFY(results->dcButton()->isHidden());  // the low-pass has a capacitor
        QVERIFY(window->messages().isEmpty());

        // |Z| = R (1 - j): |I| = 1 / (1000 sqrt 2), the current leads by 45 degrees.
        clickComponent("C 1");
        QCOMPARE(results->selectedBranch(), branchOf("C 1"));
        QCOMPARE(fieldTexts(*results),
                 (QStringList{"707,11 mV", "707,11 uA", "1 kOhm", "-3,010 dB", "500 uVA", "0",
                              "-45,00 °", "0 Ohm", "-1 kOhm", "-500 uvar", "45,00 °"}));
        clickComponent("R 1");
        QCOMPARE(results->field(5)->text(), QStringLiteral("500 uW"));
        QCOMPARE(results->solveCount(), 1);  // clicks read the table, they do not solve
    }

    void theMarkFollowsTheClickedBranch() {
        lowPassConfirmed();
        const Component& c = network().component(componentNumber(network(), "C 1"));
        // The wire cell between the node mark and the capacitor belongs to the C branch only.
        const QPoint cBranchCell = quietPixel(c.column, c.row - 2);
        const QPoint rBranchCell = quietPixel(6, 2);
        QCOMPARE(shown(cBranchCell), QColor(Qt::white));
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row - 2));
        QCOMPARE(results->markedBranch(), branchOf("C 1"));
        QCOMPARE(shown(cBranchCell), kMarkOnWhite);
        QCOMPARE(shown(rBranchCell), QColor(Qt::white));
        clickComponent("R 1");
        QCOMPARE(shown(cBranchCell), QColor(Qt::white));
        QCOMPARE(shown(rBranchCell), kMarkOnWhite);
        QCOMPARE(bild1->drawing().pixelColor(rBranchCell), QColor(Qt::white));
        // An empty cell keeps the branch.
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(50, 50));
        QCOMPARE(results->selectedBranch(), branchOf("R 1"));
        // Leaving the mode takes the mark away; coming back without a calculation shows it.
        results->removeBranchMark();
        QCOMPARE(shown(rBranchCell), QColor(Qt::white));
        results->redrawMarks();
        QCOMPARE(shown(rBranchCell), kMarkOnWhite);
        QCOMPARE(results->solveCount(), 1);
    }

    void inputsAreRewrittenAndRecalculate() {
        lowPassConfirmed();
        QLineEdit* fq = results->frequencyField();
        fq->setFocus();
        fq->selectAll();
        QTest::keyClicks(fq, "1.5k");
        QCOMPARE(fq->text(), QStringLiteral("1,5k"));
        QTest::keyClick(fq, Qt::Key_Return);
        QCOMPARE(fq->text(), QStringLiteral("1,5 kHz"));
        QCOMPARE(QString::fromStdString(ws->fields.fqEinzel), QStringLiteral("1,5 kHz"));
        QCOMPARE(results->solveCount(), 2);
        QCOMPARE(ws->calculation.table().frequency, 1500.0);
        // Leaving the field after Enter solves nothing; leaving it with a new text accepts it.
        results->voltageField()->setFocus();
        QCOMPARE(results->solveCount(), 2);
        fq->setFocus();
        fq->selectAll();
        QTest::keyClicks(fq, "2000");
        results->voltageField()->setFocus();
        QCOMPARE(fq->text(), QStringLiteral("2 kHz"));
        QCOMPARE(results->solveCount(), 3);
        typeInto(results->voltageField(), "2.5");
        QCOMPARE(results->voltageField()->text(), QStringLiteral("2,5 V"));
        QCOMPARE(results->solveCount(), 4);
        QVERIFY(window->messages().isEmpty());
    }

    void aRefusedInputIsReportedOnce() {
        lowPassConfirmed();
        const QStringList before = fieldTexts(*results);
        // The message box takes the focus from the field, as a real one does.
        window->dialogs->during = [this](const test::ScriptedDialogs::Call&) {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            for (QLineEdit* field : {results->frequencyField(), results->voltageField()})
                QApplication::sendEvent(field, &out);
        };
        typeInto(results->frequencyField(), "0");
        QCOMPARE(window->messages(),
                 QStringList{"Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt"});
        QCOMPARE(results->frequencyField()->text(), QStringLiteral("1 kHz"));
        typeInto(results->voltageField(), "-2");
        QCOMPARE(window->messages().size(), 2);
        QCOMPARE(results->voltageField()->text(), QStringLiteral("1 V"));
        QCOMPARE(results->solveCount(), 1);
        QCOMPARE(fieldTexts(*results), before);
    }

    void dcButtonOnAResistorNetworkDrawsADirectVoltageSource() {
        build(resistorDivider());
        QVERIFY(!results->dcButton()->isHidden());
        setValue("R 1", "1k");
        setValue("R 2", "3k");
        confirm();
        clickComponent("R 2");  // a branch away from the source, so its mark leaves the glyph alone
        const PlacedSymbol source = ws->symbols[0];
        const QPoint box = cellTopLeft(source.column, source.row);
        const QPoint wave = box + QPoint(8, 17);  // start of the AC mark
        const QPoint bar = box + QPoint(12, 14);  // inside the upper DC bar
        QCOMPARE(shown(wave), QColor(Qt::black));
        QCOMPARE(shown(bar), QColor(Qt::white));

        window->modeRequests.clear();
        QTest::mouseClick(window->host->findChild<QPushButton*>("Gleichspg"), Qt::LeftButton);
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{3, 3}}));
        QCOMPARE(results->frequencyField()->text(), QStringLiteral("0 Hz"));
        QCOMPARE(results->solveCount(), 2);
        QCOMPARE(shown(wave), QColor(Qt::white));
        QCOMPARE(shown(bar), QColor(Qt::black));
        // The divider at DC: 3/4 of the source across R 2.
        QCOMPARE(results->field(0)->text(), QStringLiteral("750 mV"));

        typeInto(results->frequencyField(), "50");
        QCOMPARE(shown(wave), QColor(Qt::black));
        QCOMPARE(shown(bar), QColor(Qt::white));
        QCOMPARE(results->markedBranch(), branchOf("R 2"));
        QVERIFY(window->messages().isEmpty());
    }

    void shortCircuitAcrossTheSourceReportsOnceAndShowsTheResults() {
        build(shortedSource());
        setValue("R 1", "100");
        confirm();
        QCOMPARE(window->messages(),
                 QStringList{QString::fromUtf8(kSolverFailureMessage.data(),
                                               qsizetype(kSolverFailureMessage.size()))});
        // Every branch shows numbers, never "nan" or "inf".
        for (int b = 1; b <= network().branchCount; ++b) {
            const auto cells = branchCells(network().branch(b));
            const QPoint cell = cells[cells.size() / 2];
            QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(cell.x(), cell.y()));
            for (const QString& text : fieldTexts(*results))
                QVERIFY2(!text.isEmpty() && !text.contains("nan", Qt::CaseInsensitive) &&
                             !text.contains("inf", Qt::CaseInsensitive),
                         qPrintable(QStringLiteral("branch %1: %2").arg(b).arg(text)));
        }
        QCOMPARE(window->messages().size(), 1);
        typeInto(results->frequencyField(), "2k");
        QCOMPARE(window->messages().size(), 2);
    }
};

QTEST_MAIN(ResultsTest)
#include "results_uitest.moc"
