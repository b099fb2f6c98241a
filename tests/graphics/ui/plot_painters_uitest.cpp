// The painters checked pixel by pixel: the curve plot with its red clip marks, ticks and y-axis
// image; the locus plot with the selected curve black over a silver one, the axes and the red
// pointer; the miniature at 5 pixels per cell with the inverting branch highlight.
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <memory>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/locus_plot_painter.h"
#include "graphics/ui/miniature_painter.h"
#include "graphics/ui/plot_paint_tools.h"

namespace volmira {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kSilver = 0xFFC0C0C0;

}  // namespace

class PlotPaintersTest : public QObject {
    Q_OBJECT

  private slots:
    void curvesClipMarksAndTicks() {
        auto plot = std::make_unique<PlotState>();
        const SweepRange range = DeriveBounds(20, 20000, false);
        const int slot = selectorSlot(1);
        // A ramp 0..3 over points 224..227, then a point above the chosen range 0..3.
        for (int point = 224; point <= 227; ++point) plot->curves.at(1, slot, point) = point - 224;
        plot->curves.at(1, slot, 300) = 9;
        plot->scale(1) = {.hi = 3, .autoRange = 0};
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

    // The plot view keeps its frequency axis as an image between paints: after a change of scale
    // and of the frequency axis both views must still paint exactly what the painters do.
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

    void locusCurvesAxesAndPointer() {
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

    // Labels are shaped once and kept: painted from the cache they must not move a pixel
    // against text drawn on its baseline, in either font of the axes.
    void shapedLabelsPaintAsDrawnText() {
        QFont bold = plotLabelFont();
        bold.setBold(true);
        for (const QFont& font : {plotLabelFont(), bold, arialFont(7)})
            for (const char* text : {"-12,75", "kΩ", "0,5 mA", "°"}) {
                // Each image painted twice over white: the second paint from the cache must find
                // it as the first one left it.
                QImage drawn(80, 30, QImage::Format_RGB32), cached = drawn;
                for (int pass = 0; pass < 2; ++pass)
                    for (QImage* image : {&drawn, &cached}) {
                        image->fill(Qt::white);
                        QPainter painter(image);
                        painter.setFont(font);
                        if (image == &cached)
                            drawLabel(painter, 7, 20, shapedLabel(font, text));
                        else
                            painter.drawText(7, 20, QString::fromUtf8(text));
                    }
                QCOMPARE(cached, drawn);
                QCOMPARE(shapedLabel(font, text).advance,
                         QFontMetrics(font).horizontalAdvance(QString::fromUtf8(text)));
            }
    }

    void miniatureShapesAndHighlight() {
        Network network;
        network.branchCount = 1;
        network.branch(1).startColumn = 4;
        network.branch(1).startRow = 2;
        network.branch(1).path = "11";
        SchematicGrid grid;
        grid.set(4, 2, 'C');  // junction at the branch's start
        grid.set(8, 6, 'x');  // vertical resistor
        QImage image = renderMiniature(buildMiniature(grid, network));
        QCOMPARE(image.size(), QSize(510, 415));
        QCOMPARE(image.pixel(22, 10), kBlack);  // the wire
        QCOMPARE(image.pixel(21, 11), kBlack);  // the junction square
        QCOMPARE(image.pixel(38, 26), kBlack);  // resistor outline ...
        QCOMPARE(image.pixel(40, 30), kWhite);  // ... white inside
        QCOMPARE(image.pixel(38, 34), kWhite);  // below its box

        QPainter painter(&image);
        paintBranchHighlight(painter, branchHighlightBoxes(network, 1));
        painter.end();
        QCOMPARE(image.pixel(24, 8), kBlack);        // white turned black
        QCOMPARE(image.pixel(22, 10), 0xFF7FFFFFu);  // the black wire turned light
        QCOMPARE(image.pixel(27, 12), kBlack);       // the branch cell's box ...
        QCOMPARE(image.pixel(28, 10), kWhite);       // ... but not the end node's
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::PlotPaintersTest)
#include "plot_painters_uitest.moc"
