// The graphic mode in the real main window: a click on a branch of the miniature sweeps and
// draws, a quantity change redraws without solving, Stop keeps the points solved so far,
// scrolling into unsolved points sweeps the new window, the readout follows the pointer, and the
// component labels appear in the miniature without touching its drawing. With VOLMIRA_SCREENSHOTS
// set to a folder, the label test leaves pictures of the window there.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "analysis/value_text.h"
#include "app/ui/main_timer.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/miniature_view.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

struct GraphicWindow : test::MainWindow {
    explicit GraphicWindow(const std::string& example = "Tp1kHz.nwb") {
        w().show();
        QVERIFY(openConfirmedExample(example));
        w().lm1MouseDown(kModeGraphic);
        QCOMPARE(ws().modes.workingMode(), kModeGraphic);
    }
    GraphicPanel* panel() { return find<Tafel4>("tafel4")->graphic(); }
    const PlotState& plot() { return *ws().graphic.plot; }
    QScrollBar* scroll() { return find<QScrollArea>("Bild1Rahmen")->horizontalScrollBar(); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }

    // A click on a wire cell of the branch in SbKlein.
    void pickBranch(int branch) {
        const Branch& b = ws().calculation.network().branch(branch);
        int column = b.startColumn, row = b.startRow;
        stepAlongPath(b.path[0], column, row);
        QTest::mouseClick(panel()->miniature(), Qt::LeftButton, {}, QPoint(5 * column, 5 * row));
    }
    // A move with no button pressed, as the pointer passes over the widget.
    static void hover(QWidget* widget, QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, widget->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    int curveInk() {
        return test::inkPixels(panel()->curveView()->grab().toImage(), {0, 0, 899, 330});
    }
};

}  // namespace

class GraphicModeTest : public QObject {
    Q_OBJECT
  private slots:
    void clickOnABranchSweepsTheWindowAndQuantitiesRedrawWithoutSolving() {
        GraphicWindow f;
        QCOMPARE(f.w().timer()->state(), TimerState::Blinking);
        f.pickBranch(1);
        QVERIFY(f.find<QLabel>("hand")->isHidden());
        QCOMPARE(f.ws().graphic.branch, 1);
        QCOMPARE(f.plot().computedCount, 449);
        QCOMPARE(f.panel()->solvedPoints(), 449L);
        QCOMPARE(f.text("FqVon"), QString("100 Hz"));
        QCOMPARE(f.text("FqBis"), QString("10 kHz"));
        QVERIFY(!f.find<QWidget>("fortpan")->isVisible());
        QCOMPARE(f.panel()->plotModel().yTitle, std::string("A"));
        QVERIFY(f.curveInk() > 300);

        QTest::mouseClick(f.find<QRadioButton>("FgGroesse4"), Qt::LeftButton);  // Phase U / Ue
        QCOMPARE(f.ws().graphic.button, 4);
        QCOMPARE(f.panel()->solvedPoints(), 449L);
        QVERIFY(!f.panel()->plotModel().curves.empty());
        QVERIFY(f.curveInk() > 300);
    }

    void stopDuringASweepKeepsTheSolvedPoints() {
        GraphicWindow f;
        QTimer::singleShot(0, f.find<QPushButton>("frstop"), &QPushButton::click);
        f.pickBranch(1);
        QVERIFY(f.plot().computedCount > 0);
        QVERIFY(f.plot().computedCount < 449);
        QCOMPARE(f.panel()->plotModel().curves.front().size(), std::size_t(f.plot().computedCount));
        QVERIFY(!f.ws().graphic.sweeping);
    }

    void scrollingIntoUnsolvedPointsSweepsTheNewWindow() {
        GraphicWindow f;
        f.pickBranch(1);
        QCOMPARE(f.scroll()->value(), 224);
        f.scroll()->setValue(230);
        QCOMPARE(f.ws().graphic.range.firstPoint, 230);
        QCOMPARE(f.plot().computedCount, 449);
        QCOMPARE(f.panel()->solvedPoints(), 898L);
        QVERIFY(f.text("FqVon") != QString("100 Hz"));
        // Back to the user's range: swept again, since every start empties the store.
        f.scroll()->setValue(224);
        QCOMPARE(f.text("FqVon"), QString("100 Hz"));
        QCOMPARE(f.panel()->solvedPoints(), 1347L);
    }

    void readoutFollowsTheRestingPointer() {
        GraphicWindow f;
        f.pickBranch(1);
        f.hover(f.panel()->curveView(), QPoint(448, 100));
        QTRY_VERIFY(!f.text("FqMom").isEmpty());
        const double middle = pointFrequency(f.ws().graphic.range, 448, true);
        QCOMPARE(f.text("FqMom"), QString::fromStdString(formatValue(kUnitHertz, 8, middle)));
        QVERIFY2(f.text("ElWertMom").endsWith("A"), qPrintable(f.text("ElWertMom")));
        QCOMPARE(f.panel()->curveView()->readoutColumn(), std::optional<int>(448));
    }

    void labelsInTheMiniatureFollowTheCheckBoxAndLeaveTheDrawingAlone() {
        for (const auto& entry : fs::directory_iterator(test::sourceDir() / "examples")) {
            const QString example = QString::fromStdString(entry.path().filename().string());
            GraphicWindow f(entry.path().filename().string());
            MiniatureView* miniature = f.panel()->miniature();
            auto* values = f.find<QCheckBox>("BauteilwerteAnzeigen");
            const QImage plain = miniature->grab().toImage();
            values->setChecked(true);
            const QImage labelled = miniature->grab().toImage();
            int written = 0;
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x) {
                    if (labelled.pixel(x, y) == plain.pixel(x, y)) continue;
                    QVERIFY2(plain.pixel(x, y) == qRgb(255, 255, 255),
                             qPrintable(QString("%1 at %2, %3").arg(example).arg(x).arg(y)));
                    ++written;
                }
            QVERIFY2(written > 200, qPrintable(example));
            const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
            if (!folder.isEmpty()) {
                f.w().resize(1280, 1000);
                f.find("hw800pan")->hide();
                const QString name = folder + "/miniature_" + example.section('.', 0, 0);
                f.w().grab().save(name + ".png");
                labelled.save(name + "_alone.png");
            }
            values->setChecked(false);
            QCOMPARE(miniature->grab().toImage(), plain);
        }
    }
};

VOLMIRA_UITEST_MAIN(GraphicModeTest)
#include "tgrf_graphic_uitest.moc"
