// Working modes of the main window: what is selectable when, menu against buttons, the panels
// and hint lines of each mode, the invalidation by drawing changes and the analysis.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "analysis/topology.h"
#include "app/hint_lines.h"
#include "app/progress.h"
#include "app/ui/hint_image.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel1.h"
#include "app/ui/tafel4.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;

namespace {

// Enabled state of Mod1..4, wkmod1..4 and lm1..8 must agree; returns the four modes' state.
QList<bool> selectable(MainWindow& f) {
    QList<bool> result;
    for (int m = 1; m <= 4; ++m) {
        const bool menu = f.find<QAction>(qPrintable(QString("Mod%1").arg(m)))->isEnabled();
        const bool button = f.find(qPrintable(QString("wkmod%1").arg(m)))->isEnabled();
        const bool first = f.find(qPrintable(QString("lm%1").arg(2 * m - 1)))->isEnabled();
        const bool second = f.find(qPrintable(QString("lm%1").arg(2 * m)))->isEnabled();
        if (menu != button || menu != first || menu != second)
            qWarning("mode %d: menu, button and labels disagree", m);
        result << (menu && button && first && second);
    }
    return result;
}

QString visiblePanel(MainWindow& f) {
    QString shown;
    for (const char* name : {"tafel1", "Tafel2", "Tafel3", "tafel4"})
        if (!f.find(name)->isHidden()) shown += name;
    return shown;
}

void loadAndAnalyse(MainWindow& f) {
    const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
    QVERIFY(f.w().loadNetwork(path));
    QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
}

}  // namespace

class TgrfModesTest : public QObject {
    Q_OBJECT
  private slots:
    void startsInDrawingModeWithOnlyModeOne() {
        MainWindow f;
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(visiblePanel(f), QString("tafel1"));
        QVERIFY(f.find<QToolButton>("wkmod1")->isChecked());
        QVERIFY(f.find<QMenu>("Zeichnen")->isEnabled());
        // The drawing frame sits in the drawing mode's panel.
        QVERIFY(f.find<Tafel1>("tafel1")->isAncestorOf(f.find("Bild1Rahmen")));
    }

    void functionKeysFollowTheEnabledEntries() {
        MainWindow f;
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));

        QTest::keyClick(&f.w(), Qt::Key_F7);  // before any confirmation: nothing
        QTest::keyClick(&f.w(), Qt::Key_F6);
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(f.ws().modes.reachedMode(), 1);

        f.w().enableModes(4, 3);  // as the confirmation of the values does
        QCOMPARE(f.ws().modes.workingMode(), 3);
        QTest::keyClick(&f.w(), Qt::Key_F8);
        QCOMPARE(f.ws().modes.workingMode(), 4);
        QCOMPARE(f.ws().modes.reachedMode(), 4);
        QTest::keyClick(&f.w(), Qt::Key_F5);
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(visiblePanel(f), QString("tafel1"));
    }

    void analysisOpensModesOneAndTwo() {
        MainWindow f;
        loadAndAnalyse(f);
        QCOMPARE(f.dialogs.count(Kind::Error), 0);
        QCOMPARE(f.dialogs.lastText(Kind::Information),
                 QString::fromStdString(analysisStatusMessage(f.ws().network)));
        QVERIFY(
            f.dialogs.lastText(Kind::Information).startsWith("Analyse erfolgreich durchgeführt"));
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QCOMPARE(visiblePanel(f), QString("Tafel2"));
        QVERIFY(f.find<QToolButton>("wkmod2")->isChecked());
        QVERIFY(!f.find<QMenu>("Zeichnen")->isEnabled());
        QCOMPARE(f.w().statusPanel()->message(),
                 QString("   Netzwerk wird analysiert\n  Bitte warten!"));
        QVERIFY(f.w().statusPanel()->isHidden());
        // An analysis is not a choice of the user.
        QCOMPARE(f.ws().modes.reachedMode(), 1);
        QCOMPARE(f.ws().network.componentCount, 2);
        // The loaded value went through the confirmed table into the analysed component.
        QCOMPARE(f.ws().network.component(1).value, 1000.0);
    }

    void failedAnalysisLeavesTheModesUnavailable() {
        MainWindow f;
        loadAndAnalyse(f);
        QCOMPARE(f.ws().modes.workingMode(), 2);
        f.w().lm1MouseDown(1);
        // A drawing without a source, the check switched off so that the analysis itself runs.
        f.ws().grid.clear();
        f.find<QCheckBox>("OpFehlerS")->setChecked(false);
        QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
        QCOMPARE(f.dialogs.lastText(Kind::Error), QString("Keine Spannungsquelle vorhanden"));
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
    }

    void menuChoiceNarrowsButtonsDoNot() {
        MainWindow f;
        loadAndAnalyse(f);
        f.find<QAction>("Mod2")->trigger();
        f.w().enableModes(4, 3);
        QCOMPARE(selectable(f), (QList<bool>{true, true, true, true}));
        f.find<QAction>("Mod2")->trigger();  // ReachedMode is 2: modes 3 and 4 go
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));

        f.w().enableModes(4, 3);
        QTest::mouseClick(f.find<QToolButton>("wkmod2"), Qt::LeftButton);
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QCOMPARE(selectable(f), (QList<bool>{true, true, true, true}));
        // The labels choose like their button.
        QTest::mouseClick(f.find<QLabel>("lm7"), Qt::LeftButton);
        QCOMPARE(f.ws().modes.workingMode(), 4);
        QCOMPARE(f.ws().modes.reachedMode(), 4);
        QVERIFY(f.find<QToolButton>("wkmod4")->isChecked());
        QCOMPARE(visiblePanel(f), QString("tafel4"));
    }

    void disabledButtonsDoNothing() {
        MainWindow f;
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QTest::mouseClick(f.find<QLabel>("lm4"), Qt::LeftButton);
        f.find<QAction>("Mod4")->trigger();
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(f.ws().modes.reachedMode(), 1);
        QVERIFY(f.find<QToolButton>("wkmod1")->isChecked());
    }

    void transitionsAskThePanelsForTheirWork() {
        MainWindow f;
        loadAndAnalyse(f);
        QSignalSpy list(&f.w(), &Tgrf::valueListRebuildRequested);
        QSignalSpy marks(&f.w(), &Tgrf::componentMarksRemovalRequested);
        QSignalSpy calculate(&f.w(), &Tgrf::calculationRequested);
        QSignalSpy tool(&f.w(), &Tgrf::drawingToolResetRequested);
        QSignalSpy left(&f.w(), &Tgrf::graphicModeLeft);

        f.w().lm1MouseDown(1);  // 2 -> 1
        QCOMPARE(marks.count(), 1);
        f.w().lm1MouseDown(2);  // 1 -> 2
        QCOMPARE(list.count(), 1);
        QCOMPARE(tool.count(), 1);
        f.w().enableModes(4, 3);  // 2 -> 3
        QCOMPARE(calculate.count(), 1);
        QCOMPARE(marks.count(), 2);
        f.ws().modes.setValuesUnchanged(true);
        f.w().lm1MouseDown(2);  // 3 -> 2
        QCOMPARE(list.count(), 2);
        f.w().lm1MouseDown(3);  // 2 -> 3 with unchanged values: no new calculation
        QCOMPARE(calculate.count(), 1);
        f.w().lm1MouseDown(4);
        f.w().lm1MouseDown(1);  // 4 -> 1: repainted from the symbol list
        QCOMPARE(left.count(), 1);
        QVERIFY(test::inkPixels(f.w().bild1()->image()) > 50);
    }

    void graphicModeWithoutCurveBlinksTheMarker() {
        MainWindow f;
        f.w().enableModes(4, 4);
        QCOMPARE(f.w().timerState(), TimerState::Blinking);
        QCOMPARE(f.w().zeitgeber()->interval(), 400);
        QVERIFY(f.w().zeitgeber()->isActive());
        QLabel* hand = f.find<QLabel>("hand");
        QVERIFY(!hand->isHidden());
        QCOMPARE(hand->palette().color(QPalette::WindowText), QColor(Qt::blue));
        f.w().ZeitgeberTimer();
        QVERIFY(hand->isHidden());
        f.w().ZeitgeberTimer();
        QVERIFY(!hand->isHidden());
        // The drawing image is blank for the curve.
        QCOMPARE(test::inkPixels(f.w().bild1()->image()), 0);

        f.w().lm1MouseDown(1);
        QVERIFY(!f.w().zeitgeber()->isActive());
        QVERIFY(hand->isHidden());
    }

    void graphicModeWithCurveAsksForIt() {
        MainWindow f;
        f.find<Tafel4>("tafel4")->setCurveAvailable(true);
        QSignalSpy entered(&f.w(), &Tgrf::graphicModeEntered);
        f.w().enableModes(4, 4);
        QCOMPARE(entered.count(), 1);
        QVERIFY(!f.w().zeitgeber()->isActive());
        QVERIFY(f.find<QLabel>("hand")->isHidden());
    }

    void hintLinesOfEachMode() {
        MainWindow f;
        auto* hints = f.find<HintImage>("prhbild");
        hints->resize(1000, HintImage::kHeight);
        for (int m : {1, 2, 3, 4}) {
            f.w().enableModes(4, m);
            const QImage& image = hints->image();
            QCOMPARE(image.pixel(0, 0), qRgb(0xF0, 0xF0, 0xF0));
            // Text in both line bands, starting 5 pixels from the left.
            QVERIFY2(test::inkPixels(image, QRect(5, 3, 300, 12)) > 20,
                     qPrintable(QString::number(m)));
            QVERIFY2(test::inkPixels(image, QRect(5, 18, 300, 12)) > 20,
                     qPrintable(QString::number(m)));
            QCOMPARE(test::inkPixels(image, QRect(0, 0, 5, HintImage::kHeight)), 0);
        }
    }

    void drawingChangeAfterModeTwoWithdrawsTheAnalysis() {
        MainWindow f;
        loadAndAnalyse(f);
        QSignalSpy invalidated(&f.w(), &Tgrf::analysisInvalidated);
        f.w().lm1MouseDown(2);  // ReachedMode 2
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        f.w().bild1()->drawingEdited();
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(invalidated.count(), 1);
        QCOMPARE(f.ws().modes.workingMode(), 1);

        // The redraw of the source in the single-frequency calculation is the exception.
        f.w().enableModes(4, 1);
        f.ws().guardCode = guard::kSourceRedraw;
        f.w().bild1()->drawingEdited();
        QCOMPARE(f.ws().guardCode, guard::kNone);
        QCOMPARE(selectable(f), (QList<bool>{true, true, true, true}));
    }

    void placingASymbolAfterModeTwoDisablesTheOtherModes() {
        MainWindow f;
        loadAndAnalyse(f);
        f.w().lm1MouseDown(2);
        f.w().lm1MouseDown(1);
        QSignalSpy invalidated(&f.w(), &Tgrf::analysisInvalidated);
        const SchematicGrid before = f.ws().grid;
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);  // resistor
        QTest::mouseClick(f.w().bild1(), Qt::LeftButton, {}, QPoint(500, 500));
        QVERIFY(!(f.ws().grid == before));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(invalidated.count(), 1);
    }

    void pressOnTheDrawingInModeOneWithdrawsResultModes() {
        MainWindow f;
        loadAndAnalyse(f);
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QTest::mousePress(f.w().bild1(), Qt::LeftButton, {}, QPoint(400, 400));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(progressCode, progress::kMouseDown);
        QTest::mouseRelease(f.w().bild1(), Qt::LeftButton, {}, QPoint(400, 400));
    }

    void schematicCheckMarksTheFaultAndRedraws() {
        MainWindow f;
        const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        QVERIFY(f.w().loadNetwork(path));
        f.ws().grid.set(19, 15, '0');  // the corner at the bottom right: two wire ends open
        f.w().repaintDrawing();
        int redWhileShown = -1;
        f.dialogs.during = [&](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Error) redWhileShown = test::redPixels(f.w().bild1()->image());
        };
        f.find<QAction>("SchaltbildCheck1")->trigger();
        QCOMPARE(progressCode, progress::kSchematicCheck);
        QCOMPARE(f.dialogs.lastText(Kind::Error),
                 QString("Ein Stromweg endet nicht an einem Knotenpunkt!"));
        QVERIFY(redWhileShown > 40);
        QCOMPARE(test::redPixels(f.w().bild1()->image()), 0);
        QCOMPARE(f.dialogs.last(Kind::Error)->offset, QPoint(200, 260));

        // Before the analysis, with the check ticked, the analysis does not run.
        QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 2);
        QCOMPARE(f.dialogs.count(Kind::Information), 0);
        QCOMPARE(f.ws().modes.workingMode(), 1);
        // The tool button runs the check too.
        QTest::mouseClick(f.find<QToolButton>("Schbcheck"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 3);
    }
};

VOLMIRA_UITEST_MAIN(TgrfModesTest)
#include "tgrf_modes_uitest.moc"
