// The graphic mode in the real main window: a click on a branch of the miniature sweeps and
// draws, a quantity change redraws without solving, scrolling into unsolved points sweeps the
// new window, the readout follows the pointer, the component labels appear in the miniature
// without touching its drawing; the curve tools (large view, stretch, the two memories) on the
// curve and the locus; the locus pointer and Stop; the parameter mode's family of five curves
// with Stop during the third, the component's own value after it, and the invalidation notice.
// The guided demonstration at full speed: the twelve steps in order into the locus plot of the
// RCL network with the sweep of step 10 against a user's click on the capacitor's branch, and
// "Abbruch" in the middle of drawing. With VOLMIRA_SCREENSHOTS set to a folder, the label test
// leaves pictures of the window there.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "analysis/value_text.h"
#include "app/ui/demo_driver.h"
#include "app/ui/demo_panel.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/invalidation_panels.h"
#include "graphics/ui/line_control.h"
#include "graphics/ui/locus_display.h"
#include "graphics/ui/miniature_view.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

constexpr QRgb kFuchsia = qRgb(255, 0, 255);
constexpr QRgb kLime = qRgb(0, 255, 0);

// A network (the 1 kHz low-pass: R 1 = 1 kOhm, C 1 = 159,155 nF) confirmed, in the graphic mode.
struct GraphicWindow : test::MainWindow {
    explicit GraphicWindow(const fs::path& file = test::sourceDir() / "examples" / "Tp1kHz.nwb") {
        w().show();
        QVERIFY(openConfirmed(file));
        w().lm1MouseDown(kModeGraphic);
        QCOMPARE(ws().modes.workingMode(), kModeGraphic);
    }
    GraphicPanel* panel() { return find<Tafel4>("tafel4")->graphic(); }
    // What the window last painted: views that paint a part only show here what they left.
    QImage screen() {
        QCoreApplication::processEvents();
        return w()
            .screen()
            ->grabWindow(w().winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // The columns of Bild1 that are red in a row of what the window last painted.
    QList<int> redColumnsOnScreen(int row) {
        CurveView* view = panel()->curveView();
        const QImage screen = this->screen();
        const QPoint origin = view->mapTo(&w(), QPoint(0, 0));
        QList<int> columns;
        for (int x = std::max(0, -origin.x()); x < view->width() && origin.x() + x < screen.width();
             ++x)
            if (screen.pixel(origin.x() + x, origin.y() + row) == qRgb(255, 0, 0)) columns << x;
        return columns;
    }
    PlotState& plot() { return *ws().graphic.plot; }
    QScrollBar* scroll() { return find<QScrollArea>("Bild1Rahmen")->horizontalScrollBar(); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    bool solved(int curve, int point) { return isComputed(plot().curves.at(curve, 1, point)); }
    const Component& resistor() {
        const Network& network = ws().calculation.network();
        return network.component(findComponent(network, "R 1"));
    }
    // Near the left edge, where a radio button's circle takes the click.
    void click(const char* name) {
        QWidget* widget = find<QWidget>(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    // A click on a wire cell of the branch in SbKlein.
    void pickBranch(int branch) {
        const Branch& b = ws().calculation.network().branch(branch);
        int column = b.startColumn, row = b.startRow;
        stepAlongPath(b.path[0], column, row);
        QTest::mouseClick(panel()->miniature(), Qt::LeftButton, {}, QPoint(5 * column, 5 * row));
    }
    // Parameter mode on with R 1 as the parameter, picked in sbklein2.
    void chooseResistor() {
        click("ParEinAus");
        QTest::mouseClick(find<QWidget>("sbklein2"), Qt::LeftButton, {},
                          QPoint(5 * resistor().column, 5 * resistor().row));
        QCOMPARE(ws().graphic.parameter.paramComponent(),
                 findComponent(ws().calculation.network(), "R 1"));
    }
    // Presses Stop once `curve` has reached `point`: events run after every point, as in a
    // long sweep.
    void stopAt(int curve, int point) {
        panel()->setEventInterval(std::chrono::milliseconds(0));
        auto* watch = new QTimer(window.get());
        QObject::connect(watch, &QTimer::timeout, [this, watch, curve, point] {
            if (!solved(curve, point)) return;
            watch->stop();
            click("frstop");
        });
        watch->start(0);
    }
    int pixelsOf(QRgb colour) {
        return test::pixelsOf(panel()->curveView()->grab().toImage(), colour);
    }
    int curveInk() {
        return test::inkPixels(panel()->curveView()->grab().toImage(), {0, 0, 899, 330});
    }
};

struct DemoWindow : test::MainWindow {
    DemoWindow() {
        w().show();
        demo().pointer().setPace(DemoPace{0, 40, 0, 0, 0});
        w().findChild<QAction*>("Demo")->trigger();
    }
    DemoDriver& demo() { return *w().demo(); }
    DemoPanel* panel() { return demo().panel(); }
    // Enter on the focused button, as the user continues.
    void next() { QTest::keyClick(panel()->weiter(), Qt::Key_Return); }
    int capacitorBranch() {
        const Network& network = ws().calculation.network();
        return network.component(findComponent(network, "C 1")).branch;
    }
};

// Curve 1 of two plots holds the same cells, unsolved ones included.
bool sameCurve(const PlotState& a, const PlotState& b) {
    for (int slot = 0; slot < kQuantityCount; ++slot)
        if (!std::ranges::equal(a.curves.row(1, slot), b.curves.row(1, slot))) return false;
    for (int slot = 0; slot < kPhaseCellCount; ++slot)
        if (!std::ranges::equal(a.phases.row(1, slot), b.phases.row(1, slot))) return false;
    return a.computedCount == b.computedCount;
}

}  // namespace

class GraphicModeTest : public QObject {
    Q_OBJECT
  private slots:
    void clickOnABranchSweepsScrollsAndQuantitiesRedrawWithoutSolving() {
        GraphicWindow f;
        // The miniature repaints around the old and the new highlight only: what the screen
        // keeps must be what a whole repaint paints.
        f.find<QWidget>("hw800pan")->hide();  // the small screen's warning covers the miniature
        MiniatureView* miniature = f.panel()->miniature();
        const QRect shown = miniature->visibleRegion().boundingRect();
        for (int branch : {1, 2, 3, 1}) {
            miniature->setHighlightedBranch(branch);
            QCOMPARE(f.screen().copy(shown.translated(miniature->mapTo(&f.w(), QPoint(0, 0)))),
                     miniature->grab(shown).toImage().convertToFormat(QImage::Format_RGB32));
        }
        f.pickBranch(1);
        // Every tool above the plot shows its whole picture or caption.
        for (const QToolButton* tool : f.panel()->toolBar()->findChildren<QToolButton*>())
            QVERIFY2(tool->width() >= tool->sizeHint().width(), qPrintable(tool->objectName()));
        QVERIFY(f.find<QLabel>("hand")->isHidden());
        QCOMPARE(f.ws().graphic.branch, 1);
        QCOMPARE(f.plot().computedCount, 449);
        QCOMPARE(f.panel()->solvedPoints(), 449L);
        QCOMPARE(f.text("FqVon"), QString("100 Hz"));
        QCOMPARE(f.text("FqBis"), QString("10 kHz"));
        QVERIFY(!f.find<QWidget>("fortpan")->isVisible());
        QCOMPARE(f.panel()->plotModel().yTitle, std::string("A"));
        QVERIFY(f.curveInk() > 300);

        // The readout follows the pointer; scrolling into unsolved points sweeps the new window.
        test::hover(f.panel()->curveView(), QPoint(448, 100));
        QTRY_VERIFY(!f.text("FqMom").isEmpty());
        const double middle = pointFrequency(f.ws().graphic.range, 448, true);
        QCOMPARE(f.text("FqMom"), QString::fromStdString(formatValue(kUnitHertz, 8, middle)));
        QVERIFY2(f.text("ElWertMom").endsWith("A"), qPrintable(f.text("ElWertMom")));
        QCOMPARE(f.panel()->curveView()->readoutColumn(), std::optional<int>(448));
        // Only the columns the line leaves and enters are repainted: the screen keeps no trace.
        test::hover(f.panel()->curveView(), QPoint(500, 100));
        QTRY_COMPARE(f.panel()->curveView()->readoutColumn(), std::optional<int>(500));
        QCOMPARE(f.redColumnsOnScreen(250), (QList<int>{500}));

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

        QTest::mouseClick(f.find<QRadioButton>("FgGroesse4"), Qt::LeftButton);  // Phase U / Ue
        QCOMPARE(f.ws().graphic.button, 4);
        QCOMPARE(f.panel()->solvedPoints(), 1347L);
        QVERIFY(f.curveInk() > 300);
    }

    void labelsInTheMiniatureFollowTheCheckBoxAndLeaveTheDrawingAlone() {
        for (const auto& entry : fs::directory_iterator(test::sourceDir() / "examples")) {
            const QString example = QString::fromStdString(entry.path().filename().string());
            GraphicWindow f(entry.path());
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

    // The range of the large view and of the stretch is the core's; here the layout follows.
    void largeViewStretchAndMemories() {
        GraphicWindow f;
        f.pickBranch(1);
        const QSize frame = f.find("Bild1Rahmen")->size();
        const QString from = f.text("FqVon");
        const QString to = f.text("FqBis");
        const QStringList panels{"Mauspal2", "wkmodpan", "tafel4Seite", "sbtafel2",
                                 "Werkzeugleiste"};

        f.click("Grossbild");
        const SweepRange& range = f.ws().graphic.range;
        QVERIFY(range.largeView);
        QCOMPARE(range.firstPoint, 1);
        QCOMPARE(f.panel()->plotModel().rows.bottom, 333 + 257);
        QCOMPARE(f.panel()->plotModel().penWidth, 2);
        for (const QString& name : panels)
            QVERIFY2(f.find(qPrintable(name))->isHidden(), qPrintable(name));
        QVERIFY(f.find("Bild1Rahmen")->width() > frame.width());
        QVERIFY(f.find("Grossbild")->isVisible());

        f.click("Grossbild");
        QVERIFY(!range.largeView);
        QCOMPARE(range.firstPoint, 224);
        QCOMPARE(f.panel()->plotModel().rows.bottom, 333);
        for (const QString& name : panels)
            QVERIFY2(!f.find(qPrintable(name))->isHidden(), qPrintable(name));
        QCOMPARE(f.find("Bild1Rahmen")->size(), frame);
        QCOMPARE(f.text("FqVon"), from);
        QCOMPARE(f.text("FqBis"), to);

        const long before = f.panel()->solvedPoints();
        f.click("MalZwei");
        QCOMPARE(f.panel()->solvedPoints() - before, 224L);
        QCOMPARE(f.text("FqVon"), QString("316,22777 Hz"));

        // The two memories lie over the plot.
        f.click("Einbrenn");
        const int burnt = f.pixelsOf(kFuchsia);
        QVERIFY(burnt > 300);
        f.panel()->FgGroesse1Click(2);
        QCOMPARE(f.pixelsOf(kFuchsia), burnt);

        f.click("EinSpei");
        f.click("AusSpei");
        QVERIFY(f.find<QToolButton>("AusSpei")->isChecked());
        QVERIFY(f.pixelsOf(kLime) > 300);
    }

    // The locus pointer follows OrtScroll and hides over unsolved points; the curve tools rest
    // and the search moves the pointer.
    void theLocusPointerCurveToolsAndStop() {
        GraphicWindow f;
        f.click("Ort");
        QCOMPARE(f.plot().computedCount, 449);
        LocusDisplay* locus = f.panel()->locus();
        QVERIFY(locus->active());
        QVERIFY(!locus->model().curves.front().points.empty());
        auto* line = f.find<TLinie>("ortlinie");
        QVERIFY(line->isVisible() && f.find<QWidget>("Quadrat")->isVisible());
        QCOMPARE(QPoint(line->x1(), line->y1()),
                 QPoint(locus->model().origin.x, locus->model().origin.y));
        QCOMPARE(f.text("FqMom"), QString("1 kHz"));  // the middle of 100 Hz .. 10 kHz
        QVERIFY(!f.find<QRadioButton>("FgGroesse4")->isEnabled());  // no phase, no locus
        const QStringList curveOnly{"MalZwei", "ExtremMax", "Einbrenn", "OberBer"};
        for (const QString& name : curveOnly)
            QVERIFY2(!f.find(qPrintable(name))->isEnabled(), qPrintable(name));
        QVERIFY(f.find("Zentrier")->isHidden());

        // One peak on the smooth curve, at point 400.
        f.plot().curves.at(1, selectorSlot(f.ws().graphic.button), 400) *= 2;
        QScrollBar* ortScroll = f.find<QScrollBar>("OrtScroll");
        f.click("Lupe");
        QCOMPARE(ortScroll->value(), 400 - 224);
        QVERIFY(line->isVisible());
        QVERIFY(!f.text("ElWertMom").isEmpty());
        // The large view's pointer spans the whole store, on a plot of the large size.
        f.click("Grossbild");
        QCOMPARE(ortScroll->maximum(), 895);
        QCOMPARE(f.panel()->curveView()->height(), locus->model().height);
        QVERIFY(f.panel()->curveView()->height() > 590);
        ortScroll->setValue(800);
        QCOMPARE(locus->model().pointer.point, 801);
        f.click("Grossbild");
        QCOMPARE(ortScroll->maximum(), 448);
        QCOMPARE(ortScroll->value(), 224);

        // Stopped at once: the probes and the first point are solved, little else.
        f.panel()->setEventInterval(std::chrono::milliseconds(0));
        QTimer::singleShot(0, f.find<QPushButton>("frstop"), &QPushButton::click);
        f.click("StarteGrafik");
        QVERIFY(f.plot().computedCount < 20);
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
        for (const QString& name : curveOnly)
            QVERIFY2(f.find(qPrintable(name))->isEnabled(), qPrintable(name));
        QVERIFY(!f.find("Zentrier")->isHidden());
    }

    void theRecalledCurveWidensTheLocusAndIsDrawnInLime() {
        GraphicWindow f;
        f.pickBranch(1);
        f.click("Ort");
        f.click("EinSpei");
        // The store now holds the curve at half its size: only the memory reaches the old bounds.
        for (int slot = 0; slot < kQuantityCount; ++slot)
            for (int point = 0; point < kStorePoints; ++point)
                if (isComputed(f.plot().curves.at(1, slot, point)))
                    f.plot().curves.at(1, slot, point) /= 2;
        LocusDisplay* locus = f.panel()->locus();
        const int button = f.ws().graphic.button;
        f.panel()->FgGroesse1Click(button);
        const double halved = locus->bounds().reMax;
        QVERIFY(halved > 0);
        QCOMPARE(f.pixelsOf(kLime), 0);

        f.click("AusSpei");
        QVERIFY(f.find<QToolButton>("AusSpei")->isChecked());
        QCOMPARE(locus->bounds().reMax, 2 * halved);
        QVERIFY(f.pixelsOf(kLime) > 200);
        // Every rebuild takes the memory in while it is shown.
        f.panel()->FgGroesse1Click(2);
        f.panel()->FgGroesse1Click(button);
        QCOMPARE(locus->bounds().reMax, 2 * halved);

        // A new start releases it.
        f.panel()->StartGraphic();
        QVERIFY(!f.find<QToolButton>("AusSpei")->isChecked());
        QCOMPARE(f.pixelsOf(kLime), 0);
    }

    // The family's sweep and Stop are the core's; here the window runs them and gives the
    // component's own value back after every run and after the stretch.
    void aFamilyOfFiveStopsInTheThirdCurveAndGivesTheValueBack() {
        GraphicWindow f;
        const double own = f.resistor().value;
        f.chooseResistor();
        f.click("StarteGrafik");
        QCOMPARE(f.ws().graphic.curveCount, 5);
        for (int curve = 1; curve <= 5; ++curve) QVERIFY(f.solved(curve, 672));
        // A larger series resistor lets less current through at the highest frequency.
        QVERIFY(f.plot().curves.at(1, 1, 672) > f.plot().curves.at(5, 1, 672));
        QCOMPARE(f.panel()->plotModel().curves.size(), std::size_t(5));
        QCOMPARE(f.resistor().value, own);
        // Changing a value shows the notice, changing it back hides it.
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

        f.click("MalZwei");
        for (int curve = 1; curve <= 5; ++curve) QVERIFY(f.solved(curve, 671));
        QCOMPARE(f.resistor().value, own);

        f.stopAt(3, 224);
        f.click("StarteGrafik");
        QVERIFY(f.solved(1, 672) && f.solved(2, 672));
        QVERIFY(f.solved(3, 224) && !f.solved(3, 672));
        QVERIFY(!f.solved(4, 224));
        QCOMPARE(f.ws().graphic.curveCount, 3);
        QCOMPARE(f.resistor().value, own);

        // The same family as a locus: five curves, the selected one drawn last.
        f.click("pareg4");
        f.click("Ort");
        const LocusPlotModel& model = f.panel()->locus()->model();
        QCOMPARE(model.curves.size(), std::size_t(5));
        QVERIFY(model.curves.back().selected);
        QCOMPARE(f.resistor().value, own);
    }

    // Step 10 sweeps as a user's click on the capacitor's branch with "Spannung" does.
    void theTwelveStepsRunInOrderIntoTheLocusPlotOfTheDemoNetwork() {
        DemoWindow f;
        std::filesystem::path file;
        std::unique_ptr<PlotState> stepTen;
        QVERIFY(f.demo().demoRunning() && f.panel()->isVisible());
        QVERIFY(!f.find<QMenu>("Datei")->isEnabled() && !f.find<QAction>("Demo")->isEnabled());
        for (int step = 1; step <= kDemoStepCount; ++step) {
            f.next();
            QCOMPARE(f.demo().demoStep(), step);
            QCOMPARE(f.panel()->text()->lines().size(), qsizetype(demoStep(step).lines.size()));
            QCOMPARE(f.panel()->text()->promptShown(), step < kDemoStepCount);
            if (step == 4) QCOMPARE(f.ws().calculation.network().componentCount, 3);
            if (step == 6) QVERIFY(f.ws().calculation.valuesConfirmed());
            if (step == 9) file = f.writeNetwork("DEMO.NWB", currentNetworkLines(f.ws()));
            if (step == 10) stepTen = std::make_unique<PlotState>(*f.ws().graphic.plot);
        }
        QCOMPARE(f.ws().modes.workingMode(), kModeGraphic);
        QVERIFY(f.find<Tafel4>("tafel4")->graphic()->locus()->active());
        QVERIFY(f.ws().graphic.plot->computedCount > 0);
        QCOMPARE(f.ws().graphic.branch, f.capacitorBranch());
        QVERIFY(quantityCaption(quantityForSelector(f.ws().graphic.button)) == "Spannung");
        const Network& network = f.ws().calculation.network();
        QCOMPARE(network.component(1).value, 12.0);
        QCOMPARE(network.component(2).value, 3.3e-3);
        QCOMPARE(network.component(3).value, 1.5e-6);
        QVERIFY(!f.panel()->weiter()->isVisible() && f.panel()->abbruch()->hasFocus());
        QCOMPARE(f.dialogs.unexpected, 0);
        QVERIFY(f.demo().demoRunning());

        GraphicWindow user(file);
        QCOMPARE(user.find<QRadioButton>("FgGroesse2")->text(), QString("Spannung"));
        user.click("FgGroesse2");
        user.pickBranch(f.capacitorBranch());
        QVERIFY(user.plot().computedCount > 0);
        QVERIFY(sameCurve(*stepTen, user.plot()));

        QTest::keyClick(f.panel()->abbruch(), Qt::Key_Return);
        QVERIFY(!f.demo().demoRunning() && !f.panel()->isVisible());
        QCOMPARE(f.ws().modes.workingMode(), kModeDrawing);
        QVERIFY(f.find<QMenu>("Datei")->isEnabled() && f.find<QAction>("Demo")->isEnabled());
    }

    void abbruchWhileStep2DrawsLeavesAnEmptyNetworkWithoutAsking() {
        DemoWindow f;
        f.next();
        // Pressed once the frame is on the drawing, with the rest of the step still to come.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (f.ws().grid == SchematicGrid{}) return;
            watch.stop();
            QTest::mouseClick(f.panel()->abbruch(), Qt::LeftButton);
        });
        watch.start(0);
        f.next();
        QVERIFY(!watch.isActive());
        QVERIFY(!f.demo().demoRunning() && !f.panel()->isVisible());
        QVERIFY(f.ws().grid == SchematicGrid{});
        QVERIFY(f.ws().symbols.empty());
        QCOMPARE(f.ws().modes.workingMode(), kModeDrawing);
        QCOMPARE(f.dialogs.count(test::ScriptedDialogs::Kind::Question), 0);
        QVERIFY(f.find<QMenu>("Modus")->isEnabled());
    }
};

VOLMIRA_UITEST_MAIN(GraphicModeTest)
#include "tgrf_graphic_uitest.moc"
