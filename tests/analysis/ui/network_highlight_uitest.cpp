// The marks of the network on the drawing view: where the branch and component boxes lie, and
// that the view paints them in exclusive-or on top of the drawing without touching it.
#include <QtTest>

#include "analysis/ui/network_highlight.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;

namespace {

Branch lBranch() {
    return {.startColumn = 10, .startRow = 5, .path = "1133"};  // two right, two down
}

}  // namespace

class NetworkHighlightTest : public QObject {
    Q_OBJECT
  private slots:
    void branchCellsFollowThePathAndListACrossingOnce() {
        const std::vector<QPoint> expected{{10, 5}, {11, 5}, {12, 5}, {12, 6}, {12, 7}};
        QCOMPARE(branchCells(lBranch()), expected);
        // Right 4, up 2, left 2, down 4 through the crossing (4, 5).
        const auto cells = branchCells({.startColumn = 2, .startRow = 5, .path = "111100223333"});
        QCOMPARE(cells.size(), std::size_t{12});
        QCOMPARE(std::count(cells.begin(), cells.end(), QPoint(4, 5)), 1);
    }

    void theViewPaintsBranchMarksOnTop() {
        DrawingView view;
        QImage drawing = view.drawing();
        view.setMark(DrawingView::Mark::Branch, branchMarkBoxes(lBranch()));
        QCOMPARE(view.drawing(), drawing);
        const QImage shown = view.picture();
        // Cell (12, 6) spans pixels 97..105 x 43..51: cyan over white gives red.
        QCOMPARE(shown.pixelColor(97, 43), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(105, 51), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(106, 51), QColor(Qt::white));  // right of the path
        QCOMPARE(shown.pixelColor(96, 52), QColor(Qt::white));   // cell (11, 7) is not on it
        // Lines under the mark turn cyan; the screen shows what picture() gives.
        SymbolList symbols;
        symbols.append({12, 6, 4});  // a horizontal wire through cell (12, 6)
        view.showSymbols(symbols, {});
        QCOMPARE(view.picture().pixelColor(99, 47), QColor(0, 255, 255));
        QCOMPARE(view.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 view.picture().convertToFormat(QImage::Format_RGB32));
        view.clearMark(DrawingView::Mark::Branch);
        QCOMPARE(view.picture(), view.drawing());
    }

    void componentFramesAndTheFaultFrame() {
        DrawingView view;
        // Horizontal: cells (19..21, 10).
        view.setMark(DrawingView::Mark::Component,
                     componentMarkBoxes({.row = 10, .column = 20, .code = 1}));
        const QRect box(18 * 9 - 2, 9 * 9 - 2, 27, 9);
        QImage shown = view.picture();
        QCOMPARE(shown.pixelColor(box.topLeft()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(box.bottomRight()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(box.center()), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(box.left() - 1, box.top()), QColor(Qt::white));

        // Vertical: cells (30, 19..21).
        view.setMark(DrawingView::Mark::Component,
                     componentMarkBoxes({.row = 20, .column = 30, .code = 9}));
        const QRect vbox(29 * 9 - 2, 18 * 9 - 2, 9, 27);
        shown = view.picture();
        QCOMPARE(shown.pixelColor(box.topLeft()), QColor(Qt::white));  // one frame at a time
        QCOMPARE(shown.pixelColor(vbox.topLeft()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(vbox.bottomLeft()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(vbox.center()), QColor(Qt::white));
        // The fault frame is red and goes again.
        view.clearMark(DrawingView::Mark::Component);
        view.setFaultFrame(QRect(100, 100, 20, 20));
        QCOMPARE(view.picture().pixelColor(100, 100), QColor(Qt::red));
        QCOMPARE(view.picture().pixelColor(110, 110), QColor(Qt::white));
        view.setFaultFrame({});
        QCOMPARE(view.picture(), view.drawing());
    }
};

QTEST_MAIN(NetworkHighlightTest)
#include "network_highlight_uitest.moc"
