#include <QPainter>
#include <QtTest>
#include <vector>

#include "schematic/ui/glyph_painter.h"
#include "support/test_drawings.h"

namespace volmira {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
const QPoint kAt(10, 10);  // where the single glyphs are drawn

constexpr int kCanvas = 100;  // holds the longest glyph (72 pixels) at kAt

QImage canvas(QRgb fill = kRed) {
    QImage image(kCanvas, kCanvas, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage glyph(int code, GlyphStyle style = {}) {
    QImage image = canvas();
    drawGlyph(image, code, kAt, style);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return image.pixel(kAt.x() + x, kAt.y() + y) == kBlack;
}

// The glyph as the table describes it, set pixel by pixel: black rectangles (x1, y1)-(x2, y2)
// covering columns x1..x2-1, then white ones.
struct Rect {
    int x1, y1, x2, y2;
};
QImage expected(int code, std::vector<Rect> black, std::vector<Rect> white = {}) {
    QImage image = canvas();
    const QRect box = symbolBox(code, 1, 1).translated(kAt - cellTopLeft(1, 1));
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) image.setPixel(x, y, kWhite);
    const auto paint = [&](const std::vector<Rect>& rects, QRgb colour) {
        for (const Rect& r : rects)
            for (int y = r.y1; y < r.y2; ++y)
                for (int x = r.x1; x < r.x2; ++x) image.setPixel(kAt.x() + x, kAt.y() + y, colour);
    };
    paint(black, kBlack);
    paint(white, kWhite);
    return image;
}

int blackCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kBlack;
    return count;
}

}  // namespace

class GlyphPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void rectangleGlyphsMatchTheTablePixelForPixel_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QImage>("want");
        QTest::newRow("4 wire across") << 4 << expected(4, {{0, 4, 9, 5}});
        QTest::newRow("1 resistor")
            << 1 << expected(1, {{0, 4, 7, 5}, {20, 4, 27, 5}, {6, 1, 21, 8}}, {{7, 2, 20, 7}});
        QTest::newRow("2 inductor")
            << 2 << expected(2, {{0, 4, 7, 5}, {20, 4, 27, 5}, {6, 1, 21, 8}});
        QTest::newRow("9 capacitor down")
            << 9 << expected(9, {{4, 0, 5, 27}, {1, 11, 8, 17}}, {{1, 13, 8, 15}});
        QTest::newRow("13 corner") << 13 << expected(13, {{4, 4, 18, 5}, {4, 4, 5, 18}});
        QTest::newRow("17 junction")
            << 17
            << expected(17, {{0, 13, 27, 14}, {13, 0, 14, 27}, {12, 11, 15, 16}, {11, 12, 16, 15}});
        QTest::newRow("22 ground") << 22 << expected(22, {{4, 0, 5, 15}, {0, 13, 9, 16}});
        QTest::newRow("39 crossing, no dot")
            << 39 << expected(39, {{0, 13, 27, 14}, {13, 0, 14, 27}});
        QTest::newRow("44 junction cell")
            << 44 << expected(44, {{4, 0, 5, 9}, {0, 4, 9, 5}, {3, 2, 6, 7}, {2, 3, 7, 6}});
        QTest::newRow("50 node mark")
            << 50 << expected(50, {{0, 4, 9, 5}, {3, 2, 6, 7}, {2, 3, 7, 6}});
        QTest::newRow("12 empty cell") << 12 << expected(12, {});
    }
    void rectangleGlyphsMatchTheTablePixelForPixel() {
        QFETCH(int, code);
        QFETCH(QImage, want);
        QCOMPARE(glyph(code), want);
    }

    void everyGlyphStaysInItsWhitenedBoxInPureBlackAndWhite() {
        const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
        for (int code = 0; code < kSymbolCodeCount; ++code)
            for (bool flag : {false, true}) {
                const QImage image = glyph(code, {flag, flag});
                const QRect box(kAt, QSize(catalogue.width(code) * 9, catalogue.height(code) * 9));
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb p = image.pixel(x, y);
                        const bool ok = box.contains(x, y) ? p == kBlack || p == kWhite : p == kRed;
                        if (!ok)
                            QFAIL(qPrintable(QString::asprintf("code %d at %d,%d", code, x, y)));
                    }
            }
        // Out-of-range codes draw nothing at all.
        QCOMPARE(glyph(55), canvas());
        QCOMPARE(glyph(-1), canvas());
    }

    void sourceMarkFollowsTheDirectVoltageFlag() {
        const QImage ac = glyph(5);
        const QImage dc = glyph(5, {.directVoltage = true});
        // Both: the circle through (13, 7) and (3, 17) and the leads, empty inside.
        for (const QImage* image : {&ac, &dc})
            QVERIFY(isBlack(*image, 13, 7) && isBlack(*image, 3, 17) && isBlack(*image, 13, 0) &&
                    isBlack(*image, 13, 35) && !isBlack(*image, 13, 8));
        // The wave passes its corner points; the bars fill (9, 14)-(18, 16) and (9, 19)-(18, 21),
        // with nothing between them.
        for (QPoint p : {QPoint(8, 17), QPoint(11, 20), QPoint(15, 15), QPoint(19, 19)})
            QVERIFY(isBlack(ac, p.x(), p.y()));
        for (int y : {14, 15, 19, 20})
            for (int x = 9; x < 18; ++x) QVERIFY(isBlack(dc, x, y) && !isBlack(dc, x, 17));
    }

    void eraserShowsItsSquareOnlyWithTheOutlineFlag() {
        for (int code = 36; code <= 38; ++code) {
            const int side = 9 * (code - 35);
            const QImage outlined = glyph(code, {.eraserOutline = true});
            QCOMPARE(blackCount(outlined), 4 * side - 4);
            QVERIFY(isBlack(outlined, 0, 0) && isBlack(outlined, side - 1, side - 1));
            QVERIFY(!isBlack(outlined, 1, 1));
            QCOMPARE(blackCount(glyph(code)), 0);
        }
        // Drawn over a drawing, it clears its box.
        QImage image = canvas(kBlack);
        drawGlyph(image, 37, kAt);
        QCOMPARE(blackCount(image), kCanvas * kCanvas - 18 * 18);
    }

    void amplifierTriangleIsOnePixelLinesWithoutAntialiasing() {
        const QImage right = glyph(25);
        for (QPoint p : {QPoint(7, 5), QPoint(41, 22), QPoint(7, 39), QPoint(7, 20)})
            QVERIFY(isBlack(right, p.x(), p.y()));
        // Halfway along the slanted edges (y = 13.5 and 30.5): exactly one of the two rows.
        QVERIFY(isBlack(right, 24, 13) != isBlack(right, 24, 14));
        QVERIFY(isBlack(right, 24, 30) != isBlack(right, 24, 31));
        // One pixel wide: beside the vertical edge and inside the triangle all is white.
        QVERIFY(!isBlack(right, 6, 20) && !isBlack(right, 8, 20) && !isBlack(right, 25, 22));
        // Plus stroke on the upper input for 25, on the lower for 26; output lead to the edge.
        QVERIFY(isBlack(right, 13, 12) && !isBlack(right, 13, 26));
        const QImage lower = glyph(26);
        QVERIFY(!isBlack(lower, 13, 12) && isBlack(lower, 13, 26));
        QVERIFY(isBlack(right, 44, 22) && isBlack(right, 0, 13) && isBlack(right, 0, 31));

        // The caller's antialiasing does not leak into the glyph.
        QImage image = canvas();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        drawGlyph(painter, 25, kAt);
        QVERIFY(painter.testRenderHint(QPainter::Antialiasing));
        painter.end();
        QCOMPARE(image, right);
    }

    void paintingAListWhitensTheImageAndDrawsEveryEntryInItsBox() {
        SchematicGrid grid = test::art::rcLowPass();
        const SchematicGrid original = grid;
        SymbolList list;
        rebuildSymbolList(grid, list);

        QImage image = blankDrawingImage();
        QCOMPARE(blackCount(image), 0);
        QVERIFY(image.rect().contains(symbolBox(25, kGridColumns - 4, kGridRows - 4)));
        QCOMPARE(symbolBox(25, 2, 3), QRect(7, 16, 45, 45));
        image.fill(kBlack);
        grid.clear();
        paintDrawing(list, grid, image);
        QCOMPARE(grid, original);

        const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
        QRect covered;
        for (const PlacedSymbol& s : list) {
            covered |= symbolBox(s.code, s.column, s.row);
            // Every cell of a wire run carries its wire through offset 4.
            const bool across = s.code == 4 || (s.code >= 29 && s.code <= 32);
            const bool down = s.code == 10 || (s.code >= 33 && s.code <= 35);
            if (!across && !down) continue;
            for (int i = 0; i < catalogue.width(s.code); ++i)
                for (int j = 0; j < catalogue.height(s.code); ++j) {
                    const QPoint p = cellTopLeft(s.column + i, s.row + j);
                    for (int k = 0; k < 9; ++k)
                        QCOMPARE(image.pixel(across ? p + QPoint(k, 4) : p + QPoint(4, k)), kBlack);
                }
        }
        // Outside the entries' boxes the image is white again.
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (!covered.contains(x, y)) QCOMPARE(image.pixel(x, y), kWhite);

        // The resistor's glyph lands in its box at ((c - 1) * 9 - 2, (r - 1) * 9 - 2).
        const PlacedSymbol resistor = *std::find_if(
            list.begin(), list.end(), [](const PlacedSymbol& s) { return s.code == 1; });
        const QRect box(cellTopLeft(resistor.column, resistor.row), QSize(27, 9));
        QCOMPARE(image.copy(box), glyph(1).copy(box.translated(kAt - box.topLeft())));
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::GlyphPainterTest)
#include "glyph_painter_uitest.moc"
