// Working modes through the main window: the menu entries, buttons, labels and function keys
// follow the mode rules of the core, the panel and hint lines of each mode are shown, the timer
// blinks in the graphic mode, drawing changes withdraw the analysis, the schematic check marks
// its fault, and the drawing menu's entries work in mode 1.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/hint_lines.h"
#include "app/progress.h"
#include "app/ui/hint_image.h"
#include "app/ui/main_timer.h"
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
    // The mode rules are the core's; here the menu, buttons, labels and keys reach them and
    // show the panel of each mode.
    void controlsFollowTheModes() {
        MainWindow f;
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(visiblePanel(f), QString("tafel1"));
        QVERIFY(f.find<Tafel1>("tafel1")->isAncestorOf(f.find("Bild1Rahmen")));
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));

        loadAndAnalyse(f);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QCOMPARE(visiblePanel(f), QString("Tafel2"));
        QVERIFY(f.find<QToolButton>("wkmod2")->isChecked());
        QVERIFY(!f.find<QMenu>("Zeichnen")->isEnabled());
        QVERIFY(f.w().statusPanel()->isHidden());

        f.w().enableModes(4, 3);  // as the confirmation of the values does
        QCOMPARE(selectable(f), (QList<bool>{true, true, true, true}));
        QTest::mouseClick(f.find<QLabel>("lm3"),
                          Qt::LeftButton);  // a label chooses like its button
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QCOMPARE(visiblePanel(f), QString("Tafel3"));
        QTest::keyClick(&f.w(), Qt::Key_F8);
        QCOMPARE(visiblePanel(f), QString("tafel4"));
        QTest::mouseClick(f.find<QToolButton>("wkmod1"), Qt::LeftButton);
        QCOMPARE(visiblePanel(f), QString("tafel1"));
        QVERIFY(f.find<QMenu>("Zeichnen")->isEnabled());
    }

    void graphicModeBlinksTheMarkerUntilACurveExists() {
        MainWindow f;
        f.w().enableModes(4, 4);
        MainTimer* timer = f.w().timer();
        QCOMPARE(timer->state(), TimerState::Blinking);
        QCOMPARE(timer->zeitgeber()->interval(), 400);
        QVERIFY(timer->zeitgeber()->isActive());
        QLabel* hand = f.find<QLabel>("hand");
        QCOMPARE(hand->palette().color(QPalette::WindowText), QColor(Qt::blue));
        f.w().ZeitgeberTimer();
        QVERIFY(hand->isHidden());
        f.w().ZeitgeberTimer();
        QVERIFY(!hand->isHidden());
        QCOMPARE(test::inkPixels(f.w().drawingView()->picture()), 0);  // blank for the curve
        f.w().lm1MouseDown(1);
        QVERIFY(!timer->zeitgeber()->isActive());
        QVERIFY(hand->isHidden());

        f.ws().graphic.voltage = f.ws().calculation.voltage();  // a curve of this voltage
        f.ws().graphic.plot->computedCount = 1;
        f.w().lm1MouseDown(4);
        QVERIFY(!timer->zeitgeber()->isActive());
        QVERIFY(hand->isHidden());
    }

    void hintLinesOfEachMode() {
        MainWindow f;
        auto* hints = f.find<HintImage>("prhbild");
        hints->resize(1000, HintImage::kHeight);
        for (int m : {1, 2, 3, 4}) {
            f.w().enableModes(4, m);
            const QImage& image = hints->image();
            QVERIFY2(test::inkPixels(image, QRect(5, 3, 300, 12)) > 20,
                     qPrintable(QString::number(m)));
            QVERIFY2(test::inkPixels(image, QRect(5, 18, 300, 12)) > 20,
                     qPrintable(QString::number(m)));
        }
        // Too narrow for its lines: cut, and whole in the tooltip.
        hints->resize(200, HintImage::kHeight);
        hints->showLines(hintLines(4));
        QVERIFY(hints->toolTip().startsWith(QString::fromStdString(hintLines(4).first)));
    }

    void drawingChangesWithdrawTheAnalysis() {
        MainWindow f;
        loadAndAnalyse(f);
        f.w().lm1MouseDown(2);  // ReachedMode 2
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);
        QTest::mouseClick(f.w().drawingView(), Qt::LeftButton, {}, QPoint(500, 500));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));

        // A press alone in mode 1 withdraws the result modes.
        loadAndAnalyse(f);
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QTest::mouseClick(f.find<QToolButton>("Sym26"), Qt::LeftButton);
        QTest::mousePress(f.w().drawingView(), Qt::LeftButton, {}, QPoint(400, 400));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(progressCode, progress::kMouseDown);
        QTest::mouseRelease(f.w().drawingView(), Qt::LeftButton, {}, QPoint(400, 400));
    }

    void drawingMenuUndoesAndSetsGroundMarks() {
        MainWindow f;
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);
        QTest::mouseClick(f.w().drawingView(), Qt::LeftButton, {}, QPoint(500, 500));
        QVERIFY(!f.ws().grid.empty());
        f.find<QAction>("Rueckgaengig1")->trigger();
        QVERIFY(f.ws().grid.empty());

        stamp(f.ws().grid, 10, 40, 40);  // a wire end that leads down into an empty cell
        f.w().repaintDrawing();
        const SchematicGrid before = f.ws().grid;
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!(f.ws().grid == before));
        // Outside mode 1 the menu and its keys are off.
        loadAndAnalyse(f);
        QVERIFY(!f.find<QMenu>("Zeichnen")->isEnabled());
    }

    void schematicCheckMarksTheFaultAndRedraws() {
        MainWindow f;
        const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        QVERIFY(f.w().loadNetwork(path));
        f.ws().grid.set(19, 15, '0');  // the corner at the bottom right: two wire ends open
        f.w().repaintDrawing();
        int redWhileShown = -1;
        f.dialogs.during = [&](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Error)
                redWhileShown = test::redPixels(f.w().drawingView()->picture());
        };
        f.find<QAction>("SchaltbildCheck1")->trigger();
        QCOMPARE(progressCode, progress::kSchematicCheck);
        QCOMPARE(f.dialogs.count(Kind::Error), 1);
        QVERIFY(redWhileShown > 40);
        QCOMPARE(test::redPixels(f.w().drawingView()->picture()), 0);
        QCOMPARE(f.dialogs.last(Kind::Error)->offset, QPoint(200, 260));

        // Before the analysis, with the check ticked, the analysis does not run.
        QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 2);
        QCOMPARE(f.dialogs.count(Kind::Information), 0);
        QTest::mouseClick(f.find<QToolButton>("Schbcheck"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 3);
    }
};

VOLMIRA_UITEST_MAIN(TgrfModesTest)
#include "tgrf_modes_uitest.moc"
