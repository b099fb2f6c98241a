// The locus plot and the parameter mode in the real main window: the pointer over solved and
// unsolved points, a family of five curves with Stop during the third, the component's own
// value after the family, and the invalidation notice.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/invalidation_panels.h"
#include "graphics/ui/line_control.h"
#include "graphics/ui/locus_display.h"

using namespace volmira;

namespace {

// The 1 kHz low-pass (R 1 = 1 kOhm, C 1 = 159,155 nF) confirmed, in the graphic mode.
struct LowPassWindow : test::MainWindow {
    LowPassWindow() {
        w().show();
        QVERIFY(w().loadNetwork(test::sourceDir() / "examples" / "Tp1kHz.nwb"));
        w().AnalysClick();
        QTest::mouseClick(find<QPushButton>("BtOK"), Qt::LeftButton);
        w().lm1MouseDown(kModeGraphic);
        resistor = findComponent(ws().calculation.network(), "R 1");
    }
    GraphicPanel* panel() { return find<Tafel4>("tafel4")->graphic(); }
    const PlotState& plot() { return *ws().graphic.plot; }
    bool solved(int curve, int point) { return isComputed(plot().curves.at(curve, 1, point)); }
    double resistorValue() { return ws().calculation.network().component(resistor).value; }
    // Near the left edge, where a radio button's circle takes the click.
    void click(const char* name) {
        QWidget* widget = find<QWidget>(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    // Parameter mode on with R 1 as the parameter, picked in sbklein2.
    void chooseResistor() {
        click("ParEinAus");
        const Component& r = ws().calculation.network().component(resistor);
        QTest::mouseClick(find<QWidget>("sbklein2"), Qt::LeftButton, {},
                          QPoint(5 * r.column, 5 * r.row));
        QCOMPARE(ws().graphic.parameter.paramComponent(), resistor);
    }
    // Presses Stop once `curve` has reached `point`.
    void stopAt(int curve, int point) {
        auto* watch = new QTimer(window.get());
        QObject::connect(watch, &QTimer::timeout, [this, watch, curve, point] {
            if (!solved(curve, point)) return;
            watch->stop();
            click("frstop");
        });
        watch->start(0);
    }
    int resistor = 0;
};

}  // namespace

class LocusWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void thePointerFollowsOrtScrollAndHidesOverUnsolvedPoints() {
        LowPassWindow f;
        f.click("Ort");
        QCOMPARE(f.plot().computedCount, 449);
        LocusDisplay* locus = f.panel()->locus();
        QVERIFY(locus->active());
        QVERIFY(!locus->model().curves.front().points.empty());
        auto* line = f.find<TLinie>("ortlinie");
        QVERIFY(line->isVisible() && f.find<QWidget>("Quadrat")->isVisible());
        QCOMPARE(QPoint(line->x1(), line->y1()),
                 QPoint(locus->model().origin.x, locus->model().origin.y));
        QCOMPARE(f.find<QLineEdit>("FqMom")->text(),
                 QString("1 kHz"));  // the middle of 100 Hz .. 10 kHz
        QVERIFY(!f.find<QRadioButton>("FgGroesse4")->isEnabled());  // no phase, no locus

        // Stopped at once: the probes and the first point are solved, little else.
        QTimer::singleShot(0, f.find<QPushButton>("frstop"), &QPushButton::click);
        f.click("StarteGrafik");
        QVERIFY(f.plot().computedCount < 20);
        QScrollBar* ortScroll = f.find<QScrollBar>("OrtScroll");
        ortScroll->setValue(112);  // point 336, a probe
        QVERIFY(line->isVisible());
        ortScroll->setValue(10);
        QVERIFY(!line->isVisible() && !f.find<QWidget>("Quadrat")->isVisible());

        f.w().lm1MouseDown(kModeSingleFrequency);  // away and back: the pointer comes back too
        f.w().lm1MouseDown(kModeGraphic);
        QVERIFY(ortScroll->isVisible() && line->isVisible());

        f.click("Achse");
        QVERIFY(!locus->active() && line->isHidden() && ortScroll->isHidden());
        QCOMPARE(f.plot().computedCount, 449);
    }

    void aFamilyOfFiveStopsInTheThirdCurveAndGivesTheValueBack() {
        LowPassWindow f;
        const double own = f.resistorValue();
        f.chooseResistor();
        f.click("StarteGrafik");
        QCOMPARE(f.ws().graphic.curveCount, 5);
        for (int curve = 1; curve <= 5; ++curve) QVERIFY(f.solved(curve, 672));
        // A larger series resistor lets less current through at the highest frequency.
        QVERIFY(f.plot().curves.at(1, 1, 672) > f.plot().curves.at(5, 1, 672));
        QCOMPARE(f.panel()->plotModel().curves.size(), std::size_t(5));
        QCOMPARE(f.resistorValue(), own);

        f.stopAt(3, 224);  // events run after the first point of a curve
        f.click("StarteGrafik");
        QVERIFY(f.solved(1, 672) && f.solved(2, 672));
        QVERIFY(f.solved(3, 224) && !f.solved(3, 672));
        QVERIFY(!f.solved(4, 224));
        QCOMPARE(f.ws().graphic.curveCount, 3);
        QCOMPARE(f.resistorValue(), own);

        // The same family as a locus: five curves, the selected one drawn last.
        f.click("pareg4");
        f.click("Ort");
        const LocusPlotModel& model = f.panel()->locus()->model();
        QCOMPARE(model.curves.size(), std::size_t(5));
        QVERIFY(model.curves.back().selected);
        QCOMPARE(f.resistorValue(), own);
    }

    void theStretchSweepsEveryCurveOfTheFamily() {
        LowPassWindow f;
        const double own = f.resistorValue();
        f.chooseResistor();
        f.click("StarteGrafik");
        f.click("MalZwei");
        for (int curve = 1; curve <= 5; ++curve) QVERIFY(f.solved(curve, 671));
        QVERIFY(f.plot().curves.at(1, 1, 671) > f.plot().curves.at(5, 1, 671));
        QCOMPARE(f.resistorValue(), own);
    }

    void changingAValueShowsTheNoticeAndChangingItBackHidesIt() {
        LowPassWindow f;
        f.chooseResistor();
        f.click("StarteGrafik");
        InvalidationPanels* notice = f.panel()->invalidation();
        QVERIFY(!notice->shown());
        auto* field = f.find<QLineEdit>("eingFeld");
        const auto edit = [&](const char* text) {
            QTest::mouseDClick(f.find<QLabel>("pareg2"), Qt::LeftButton);
            QVERIFY(field->isVisible());
            field->setText(text);
            QTest::keyClick(field, Qt::Key_Return);
        };
        edit("910");
        QVERIFY(notice->shown() && f.find<QWidget>("Pfeilpan")->isVisible());
        edit("820");
        QVERIFY(!notice->shown());
    }
};

VOLMIRA_UITEST_MAIN(LocusWindowTest)
#include "tgrf_locus_uitest.moc"
