// The curve tools in the real main window: the large view and back, and the two memories laid
// over the plot.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/line_control.h"
#include "graphics/ui/locus_display.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

// Tp1kHz analysed and confirmed, the curve of branch 1 swept in mode 4.
struct CurveWindow : test::MainWindow {
    CurveWindow() {
        w().show();
        QVERIFY(openConfirmedExample("Tp1kHz.nwb"));
        w().lm1MouseDown(kModeGraphic);
        ws().graphic.branch = 1;
        panel()->StartGraphic();
    }
    GraphicPanel* panel() { return find<Tafel4>("tafel4")->graphic(); }
    void click(const char* name) { QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    int pixelsOf(QRgb colour) {
        const QImage image = panel()->curveView()->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
        return n;
    }
};

constexpr QRgb kFuchsia = qRgb(255, 0, 255);
constexpr QRgb kLime = qRgb(0, 255, 0);

}  // namespace

class CurveToolsTest : public QObject {
    Q_OBJECT
  private slots:
    void largeViewOnAndOffRestoresTheLayoutAndTheRangeTexts() {
        CurveWindow f;
        QVERIFY(f.ws().graphic.curveExists());
        const QSize frame = f.find("Bild1Rahmen")->size();
        const QString from = f.text("FqVon");
        const QString to = f.text("FqBis");
        const QStringList panels{"Mauspal2", "wkmodpan", "tafel4Seite", "sbtafel2",
                                 "Werkzeugleiste"};

        f.click("Grossbild");
        const SweepRange& range = f.ws().graphic.range;
        QVERIFY(range.largeView);
        // The user's range fills the whole store.
        QCOMPARE(range.fMin, 100.0);
        QCOMPARE(range.fMax, 10000.0);
        QCOMPARE(range.firstPoint, 1);
        QCOMPARE(range.lastPoint, 896);
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
    }

    void stretchSolvesOnlyTheNewPoints() {
        CurveWindow f;
        const long before = f.panel()->solvedPoints();
        f.click("MalZwei");
        QCOMPARE(f.panel()->solvedPoints() - before, 224L);
        QCOMPARE(f.text("FqVon"), QString("316,22777 Hz"));
    }

    void memoriesLieOverThePlot() {
        CurveWindow f;
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

    void inTheLocusTheCurveToolsRestAndTheSearchMovesThePointer() {
        CurveWindow f;
        f.find<QRadioButton>("Ort")->click();
        const QStringList curveOnly{"MalZwei", "ExtremMax", "Einbrenn", "OberBer"};
        for (const QString& name : curveOnly)
            QVERIFY2(!f.find<QToolButton>(qPrintable(name))->isEnabled(), qPrintable(name));
        QVERIFY(f.find<QToolButton>("Zentrier")->isHidden());
        // One peak on the smooth curve, at point 400.
        PlotState& plot = *f.ws().graphic.plot;
        plot.curves.at(1, selectorSlot(f.ws().graphic.button), 400) *= 2;
        auto* ortScroll = f.find<QScrollBar>("OrtScroll");
        f.click("Lupe");
        QCOMPARE(ortScroll->value(), 400 - 224);
        QVERIFY(f.find<TLinie>("ortlinie")->isVisible());
        QVERIFY(!f.text("ElWertMom").isEmpty());

        // The large view's pointer spans the whole store, on a plot of the large size.
        f.click("Grossbild");
        QCOMPARE(ortScroll->maximum(), 895);
        QCOMPARE(f.panel()->curveView()->height(), f.panel()->locus()->model().height);
        QVERIFY(f.panel()->curveView()->height() > 590);
        ortScroll->setValue(800);
        QCOMPARE(f.panel()->locus()->model().pointer.point, 801);
        QVERIFY(f.find<TLinie>("ortlinie")->isVisible());
        f.click("Grossbild");
        QCOMPARE(ortScroll->maximum(), 448);
        QCOMPARE(ortScroll->value(), 224);

        f.find<QRadioButton>("Achse")->click();
        for (const QString& name : curveOnly)
            QVERIFY2(f.find<QToolButton>(qPrintable(name))->isEnabled(), qPrintable(name));
        QVERIFY(!f.find<QToolButton>("Zentrier")->isHidden());
    }

    void theRecalledCurveWidensTheLocusAndIsDrawnInLime() {
        CurveWindow f;
        f.find<QRadioButton>("Ort")->click();
        f.click("EinSpei");
        // The store now holds the curve at half its size: only the memory reaches the old bounds.
        PlotState& plot = *f.ws().graphic.plot;
        for (int slot = 0; slot < kQuantityCount; ++slot)
            for (int point = 0; point < kStorePoints; ++point)
                if (isComputed(plot.curves.at(1, slot, point))) plot.curves.at(1, slot, point) /= 2;
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
};

VOLMIRA_UITEST_MAIN(CurveToolsTest)
#include "tgrf_curve_tools_uitest.moc"
