// The locus plot painted from its geometry: the selected curve black over a silver one, the
// axes and the red pointer with its square.
#include <QtTest>
#include <cmath>
#include <memory>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/locus_plot_painter.h"

namespace volmira {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kSilver = 0xFFC0C0C0;

}  // namespace

class LocusPlotPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void curvesAxesAndPointer() {
        auto plot = std::make_unique<PlotState>();
        const SweepRange range = DeriveBounds(20, 20000, false);
        const int button = 8;
        const int slot = selectorSlot(button);
        // Two rays at 4 + 3j: curve 1 (silver) up to 449, curve 2 (selected) up to 224.
        for (int point = 224; point <= 672; ++point) {
            for (int curve = 1; curve <= 2; ++curve) {
                plot->curves.at(curve, slot, point) = (point - 223) / curve;
                plot->phases.at(curve, slot, point) = std::atan2(3.0, 4.0);
            }
        }
        const LocusBounds bounds = RebuildFromStore(*plot, range, button, 2);
        const LocusView view{range, button, 2, 2, 100};
        const LocusPlotModel model =
            DrawLocusPlot(*plot, bounds, view, plotTextWidth(), locusRealTextWidth());
        const QImage image = renderLocusPlot(model);
        QCOMPARE(image.size(), QSize(899, 363));
        const LocusScale& scale = model.scale;
        const PlotPoint silverPoint = scale.pixel({4 * 400.0 / 5, 3 * 400.0 / 5});
        QCOMPARE(image.pixel(silverPoint.x, silverPoint.y), kSilver);
        const PlotPoint selected = scale.pixel({4 * 150.0 / 5, 3 * 150.0 / 5});
        QCOMPARE(image.pixel(selected.x, selected.y), kBlack);
        QVERIFY(model.pointer.visible);
        QCOMPARE(model.pointer.point, 324);
        QCOMPARE(image.pixel(model.pointer.tip.x, model.pointer.tip.y), kRed);
        QCOMPARE(image.pixel(model.pointer.square.x, model.pointer.square.y), kRed);
        QCOMPARE(image.pixel(model.origin.x, model.origin.y - 100), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(image.pixel(800, 20), kWhite);

        const QImage axis = renderLocusYAxis(model);
        QCOMPARE(axis.width(), model.yAxisWidth);
        QVERIFY(!model.imaginaryLabels.empty());
        QCOMPARE(axis.pixel(axis.width() - 1, model.imaginaryLabels.front().position - 2), kBlack);
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::LocusPlotPainterTest)
#include "locus_plot_painter_uitest.moc"
