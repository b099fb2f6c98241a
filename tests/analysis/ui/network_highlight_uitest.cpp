// The exclusive-or marks on the drawing image: where they land and that a second drawing removes
// them without a trace.
#include <QtTest>

#include "analysis/ui/network_highlight.h"

using namespace volmira;

namespace {

QImage whiteImage() {
    QImage image(898, 718, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

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
    void branchCellsFollowThePath() {
        const auto cells = branchCells(lBranch());
        const std::vector<QPoint> expected{{10, 5}, {11, 5}, {12, 5}, {12, 6}, {12, 7}};
        QCOMPARE(cells, expected);
    }

    void crossingMetTwiceIsListedOnce() {
        Branch b;
        b.startColumn = 2;
        b.startRow = 5;
        b.path = "111100223333";  // right 4, up 2, left 2, down 4 through the crossing (4, 5)
        const auto cells = branchCells(b);
        QCOMPARE(cells.size(), std::size_t{12});
        QCOMPARE(std::count(cells.begin(), cells.end(), QPoint(4, 5)), 1);
        // Inverted once, the crossing cell stays marked.
        QImage image = whiteImage();
        xorBranchPath(image, b);
        QCOMPARE(image.pixelColor(3 * 9 - 2 + 4, 4 * 9 - 2 + 4), QColor(255, 0, 0));
    }

    void branchBoxesCoverTheCellsAndRemoveThemselves() {
        QImage image = whiteImage();
        const QImage before = image;
        xorBranchPath(image, lBranch());
        // Cell (12, 6) spans pixels 97..105 x 43..51: cyan over white gives red.
        QCOMPARE(image.pixelColor(97, 43), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(105, 51), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(106, 51), QColor(Qt::white));  // right of the path
        QCOMPARE(image.pixelColor(96, 52), QColor(Qt::white));   // cell (11, 7) is not on it
        xorBranchPath(image, lBranch());
        QCOMPARE(image, before);
    }

    void blackPixelsTurnCyan() {
        QImage image = whiteImage();
        image.setPixelColor(99, 47, Qt::black);
        xorBranchPath(image, lBranch());
        QCOMPARE(image.pixelColor(99, 47), QColor(0, 255, 255));
    }

    void componentFrameHorizontalAndVertical() {
        QImage image = whiteImage();
        const QImage before = image;
        Component r;
        r.code = 1;  // horizontal: cells (19..21, 10)
        r.column = 20;
        r.row = 10;
        xorComponentFrame(image, r);
        const QRect box(18 * 9 - 2, 9 * 9 - 2, 27, 9);
        QCOMPARE(image.pixelColor(box.topLeft()), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(box.bottomRight()), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(box.center()), QColor(Qt::white));
        QCOMPARE(image.pixelColor(box.left() - 1, box.top()), QColor(Qt::white));
        xorComponentFrame(image, r);
        QCOMPARE(image, before);

        Component c;
        c.code = 9;  // vertical: cells (30, 19..21)
        c.column = 30;
        c.row = 20;
        xorComponentFrame(image, c);
        const QRect vbox(29 * 9 - 2, 18 * 9 - 2, 9, 27);
        QCOMPARE(image.pixelColor(vbox.topLeft()), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(vbox.bottomLeft()), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(vbox.center()), QColor(Qt::white));
        xorComponentFrame(image, c);
        QCOMPARE(image, before);
    }

    void highlightMovesAndIgnoresUnknownNumbers() {
        Network net;
        net.branchCount = 2;
        net.branch(1) = lBranch();
        net.branch(2).startColumn = 40;
        net.branch(2).startRow = 40;
        net.branch(2).path = "33";
        QImage image = whiteImage();
        const QImage before = image;
        NetworkHighlight h;
        h.showBranch(image, net, 1);
        h.showBranch(image, net, 2);
        QCOMPARE(h.branch(), 2);
        QCOMPARE(image.pixelColor(97, 43), QColor(Qt::white));  // branch 1 is gone
        QCOMPARE(image.pixelColor(39 * 9 - 2, 40 * 9 - 2), QColor(255, 0, 0));
        h.showBranch(image, net, 71);  // no such branch: the mark goes away
        QCOMPARE(h.branch(), 0);
        QCOMPARE(image, before);
    }
};

QTEST_MAIN(NetworkHighlightTest)
#include "network_highlight_uitest.moc"
