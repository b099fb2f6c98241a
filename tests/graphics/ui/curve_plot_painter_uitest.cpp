// The curve plot painted from its geometry: curve pixels, red clip marks, tick marks and the
// y-axis image, checked pixel by pixel.
#include <QtTest>
#include <memory>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/curve_view.h"

namespace volmira {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;

}  // namespace

class CurvePlotPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void curvesClipMarksAndTicks() {
        auto plot = std::make_unique<PlotState>();
        const SweepRange range = DeriveBounds(20, 20000, false);
        const int slot = selectorSlot(1);
        // A ramp 0..3 over points 224..227, then a point above the chosen range 0..3.
        for (int point = 224; point <= 227; ++point) plot->curves.at(1, slot, point) = point - 224;
        plot->curves.at(1, slot, 300) = 9;
        plot->scale(1).hi = 3;
        plot->scale(1).autoRange = 0;
        const CurvePlotModel model = DrawCurvePlot(*plot, {range, true, 1, 1}, plotTextWidth());
        const QImage image = renderCurvePlot(model);
        QCOMPARE(image.size(), QSize(899, 363));
        QCOMPARE(image.pixel(224, 339), kBlack);  // value 0 at row 333 - 1 + 7
        QCOMPARE(image.pixel(227, 12), kBlack);   // value 3 at the top
        QCOMPARE(image.pixel(300, 12), kBlack);   // drawn at hi ...
        QCOMPARE(image.pixel(300, 4), kRed);      // ... and marked above the plot
        QCOMPARE(image.pixel(299, 4), kWhite);
        QCOMPARE(image.pixel(600, 100), kWhite);  // beside the curve
        // The tick of the "20" label under point 224, below the lowest curve row.
        QCOMPARE(image.pixel(224, 342), kBlack);
        QCOMPARE(image.pixel(225, 342), kWhite);

        const QImage axis = renderYAxis(model);
        QCOMPARE(axis.width(), model.yAxisWidth);
        QCOMPARE(axis.pixel(axis.width() - 1, 12), kBlack);   // tick of "3"
        QCOMPARE(axis.pixel(axis.width() - 1, 339), kBlack);  // tick of " 0"
        QCOMPARE(axis.pixel(axis.width() - 1, 100), kWhite);
    }

    // The views keep their axes as images between paints: after a change of scale and of the
    // frequency axis they must still paint exactly what the painters do.
    void viewsPaintAsThePaintersAcrossAxisChanges() {
        auto plot = std::make_unique<PlotState>();
        const SweepRange range = DeriveBounds(20, 20000, false);
        for (int point = 224; point <= 672; ++point)
            plot->curves.at(1, selectorSlot(1), point) = point - 224;
        CurveView view;
        YAxisView axis;
        CurvePlotModel model;
        const auto pixels = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_RGB32);
        };
        for (const auto& [hi, logarithmic] : {std::pair(448.0, true), std::pair(5.0, false)}) {
            plot->scale(1).hi = hi;
            plot->scale(1).autoRange = 0;
            model = DrawCurvePlot(*plot, {range, logarithmic, 1, 1}, plotTextWidth());
            view.setModel(&model);
            axis.setModel(&model);
            QCOMPARE(pixels(view.grab().toImage()), renderCurvePlot(model));
            QCOMPARE(pixels(axis.grab().toImage()), renderYAxis(model));
        }
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::CurvePlotPainterTest)
#include "curve_plot_painter_uitest.moc"
