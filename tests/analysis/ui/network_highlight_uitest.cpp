// The marks of the network on the drawing view: where the branch and component boxes lie, and
// that the view paints them in exclusive-or on top of the drawing without touching it.
#include <QtTest>

#include "analysis/ui/network_highlight.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;

namespace {

Branch lBranch() {
    Branch b;
    b.startColumn = 10;
    b.startRow = 5;
    b.path = "1133";  // two cells right, two cells down
    return b;
}

}  // namespace

class NetworkHighlightTest : public QObject {
    Q_OBJECT
  private slots:
    void branchCellsFollowThePathAndListACrossingOnce() {
        const std::vector<QPoint> expected{{10, 5}, {11, 5}, {12, 5}, {12, 6}, {12, 7}};
        QCOMPARE(branchCells(lBranch()), expected);
        Branch b;
        b.startColumn = 2;
        b.startRow = 5;
        b.path = "111100223333";  // right 4, up 2, left 2, down 4 through the crossing (4, 5)
        const auto cells = branchCells(b);
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
        Component r;
        r.code = 1;  // horizontal: cells (19..21, 10)
        r.column = 20;
        r.row = 10;
        view.setMark(DrawingView::Mark::Component, componentMarkBoxes(r));
        const QRect box(18 * 9 - 2, 9 * 9 - 2, 27, 9);
        QImage shown = view.picture();
        QCOMPARE(shown.pixelColor(box.topLeft()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(box.bottomRight()), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(box.center()), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(box.left() - 1, box.top()), QColor(Qt::white));

        Component c;
        c.code = 9;  // vertical: cells (30, 19..21)
        c.column = 30;
        c.row = 20;
        view.setMark(DrawingView::Mark::Component, componentMarkBoxes(c));
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
