// The guided demonstration in the real main window, at full speed: the twelve steps in order
// into the locus plot of the RCL network, "Abbruch" in the middle of drawing, and the sweep of
// step 10 against a user's click on the capacitor's branch.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/ui/demo_driver.h"
#include "app/ui/demo_panel.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/locus_display.h"

using namespace volmira;

namespace {

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
    void runTo(int step) {
        while (demo().demoStep() < step) next();
    }
    GraphicPanel* graphic() { return find<Tafel4>("tafel4")->graphic(); }
    int capacitorBranch() {
        const Network& network = ws().calculation.network();
        return network.component(findComponent(network, "C 1")).branch;
    }
};

// Curve 1 of two plots holds the same cells, unsolved ones included.
bool sameCurve(const PlotState& a, const PlotState& b) {
    for (int point = 0; point < kStorePoints; ++point) {
        for (int slot = 0; slot < kQuantityCount; ++slot)
            if (a.curves.at(1, slot, point) != b.curves.at(1, slot, point)) return false;
        for (int slot = 0; slot < kPhaseCellCount; ++slot)
            if (a.phases.at(1, slot, point) != b.phases.at(1, slot, point)) return false;
    }
    return a.computedCount == b.computedCount;
}

}  // namespace

class DemoTest : public QObject {
    Q_OBJECT
  private slots:
    void theTwelveStepsRunInOrderIntoTheLocusPlotOfTheDemoNetwork() {
        DemoWindow f;
        QVERIFY(f.demo().demoRunning() && f.panel()->isVisible());
        QVERIFY(!f.find<QMenu>("Datei")->isEnabled() && !f.find<QAction>("Demo")->isEnabled());
        for (int step = 1; step <= kDemoStepCount; ++step) {
            f.next();
            QCOMPARE(f.demo().demoStep(), step);
            QCOMPARE(f.panel()->text()->lines().size(), qsizetype(demoStep(step).lines.size()));
            QCOMPARE(f.panel()->text()->promptShown(), step < kDemoStepCount);
            if (step == 4) QCOMPARE(f.ws().calculation.network().componentCount, 3);
            if (step == 6) QVERIFY(f.ws().calculation.valuesConfirmed());
        }
        QCOMPARE(f.ws().modes.workingMode(), kModeGraphic);
        QVERIFY(f.graphic()->locus()->active());
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

    void step10SweepsAsAUserClickOnTheCapacitorBranchWithSpannung() {
        DemoWindow f;
        f.runTo(9);
        const auto file = f.writeNetwork("DEMO.NWB", currentNetworkLines(f.ws()));
        f.next();
        QCOMPARE(f.ws().graphic.branch, f.capacitorBranch());

        test::MainWindow user;
        user.w().show();
        QVERIFY(user.w().loadNetwork(file));
        user.w().AnalysClick();
        QTest::mouseClick(user.find<QPushButton>("BtOK"), Qt::LeftButton);
        user.w().lm1MouseDown(kModeGraphic);
        QRadioButton* spannung = nullptr;
        for (QRadioButton* button : user.w().findChildren<QRadioButton*>())
            if (button->objectName().startsWith("FgGroesse") && button->text() == "Spannung")
                spannung = button;
        QVERIFY(spannung);
        QTest::mouseClick(spannung, Qt::LeftButton, {}, QPoint(8, spannung->height() / 2));
        const Network& network = user.ws().calculation.network();
        const Component& c = network.component(findComponent(network, "C 1"));
        QTest::mouseClick(user.find<QWidget>("SbKlein"), Qt::LeftButton, {},
                          QPoint(5 * c.column, 5 * c.row));
        QCOMPARE(user.ws().graphic.branch, c.branch);
        QVERIFY(user.ws().graphic.plot->computedCount > 0);
        QVERIFY(sameCurve(*f.ws().graphic.plot, *user.ws().graphic.plot));
    }
};

VOLMIRA_UITEST_MAIN(DemoTest)
#include "demo_uitest.moc"
