// The miniature painted: shapes at 5 pixels per cell and the inverting branch highlight.
#include <QPainter>
#include <QtTest>

#include "graphics/ui/miniature_painter.h"

namespace volmira {

class MiniaturePainterTest : public QObject {
    Q_OBJECT

  private slots:
    void shapesAndHighlight() {
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
        QCOMPARE(image.pixel(22, 10), 0xFF000000u);  // the wire
        QCOMPARE(image.pixel(21, 11), 0xFF000000u);  // the junction square
        QCOMPARE(image.pixel(38, 26), 0xFF000000u);  // resistor outline ...
        QCOMPARE(image.pixel(40, 30), 0xFFFFFFFFu);  // ... white inside
        QCOMPARE(image.pixel(38, 34), 0xFFFFFFFFu);  // below its box

        QPainter painter(&image);
        paintBranchHighlight(painter, branchHighlightBoxes(network, 1));
        painter.end();
        QCOMPARE(image.pixel(24, 8), 0xFF000000u);   // white turned black
        QCOMPARE(image.pixel(22, 10), 0xFF7FFFFFu);  // the black wire turned light
        QCOMPARE(image.pixel(27, 12), 0xFF000000u);  // the branch cell's box ...
        QCOMPARE(image.pixel(28, 10), 0xFFFFFFFFu);  // ... but not the end node's
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::MiniaturePainterTest)
#include "miniature_painter_uitest.moc"
