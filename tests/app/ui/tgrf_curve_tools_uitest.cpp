// The curve tools in the real main window: the large view and back, and the two memories laid
// over the plot.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

// Tp1kHz analysed and confirmed, the curve of branch 1 swept in mode 4.
struct CurveWindow : test::MainWindow {
    CurveWindow() {
        w().show();
        const fs::path path = folder.path() / "Tp1kHz.nwb";
        fs::copy_file(test::sourceDir() / "examples" / "Tp1kHz.nwb", path);
        QVERIFY(w().loadNetwork(path));
        QTest::mouseClick(find<QPushButton>("analys"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>("BtOK"), Qt::LeftButton);
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
        const QStringList panels{"Mauspal2", "wkmodpan", "tafel4Seite", "Werkzeugleiste"};

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
};

VOLMIRA_UITEST_MAIN(CurveToolsTest)
#include "tgrf_curve_tools_uitest.moc"
