#include "schematic/ui/glyph_painter.h"

#include <QPainter>

namespace volmira {

namespace {

// Draws the parts of one glyph with offsets from the box's top-left pixel. A rectangle
// (x1, y1)-(x2, y2) covers columns x1..x2-1 and rows y1..y2-1.
class GlyphParts {
public:
    GlyphParts(QPainter& painter, QPoint origin) : p_(painter), o_(origin) {}

    void bar(int x1, int y1, int x2, int y2) { fill(x1, y1, x2, y2, Qt::black); }
    void white(int x1, int y1, int x2, int y2) { fill(x1, y1, x2, y2, Qt::white); }
    // Black border, white interior.
    void outline(int x1, int y1, int x2, int y2) {
        bar(x1, y1, x2, y2);
        if (x2 - x1 > 2 && y2 - y1 > 2) white(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    }
    // A circle outline inside the box, white inside.
    void circle(int x1, int y1, int x2, int y2) {
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::white);
        p_.drawEllipse(QRect(o_.x() + x1, o_.y() + y1, x2 - x1 - 1, y2 - y1 - 1));
    }
    // A polyline through the given points, one pixel wide, both ends drawn.
    void line(std::initializer_list<QPoint> points) {
        p_.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const QPoint* previous = nullptr;
        for (const QPoint& point : points) {
            if (previous) p_.drawLine(o_ + *previous, o_ + point);
            previous = &point;
        }
    }
    // The junction dot centred at (x + 2, y + 2.5): a 3 x 5 and a 5 x 3 bar.
    void dot(int x, int y) {
        bar(x + 1, y, x + 4, y + 5);
        bar(x, y + 1, x + 5, y + 4);
    }
    void cellDot() { dot(2, 2); }

private:
    void fill(int x1, int y1, int x2, int y2, Qt::GlobalColor colour) {
        if (x2 > x1 && y2 > y1) p_.fillRect(QRect(o_.x() + x1, o_.y() + y1, x2 - x1, y2 - y1), colour);
    }

    QPainter& p_;
    QPoint o_;
};

void drawParts(GlyphParts& g, int code, GlyphStyle style) {
    switch (code) {
    case 1:
    case 2:
        g.bar(0, 4, 7, 5);
        g.bar(20, 4, 27, 5);
        if (code == 1)
            g.outline(6, 1, 21, 8);
        else
            g.bar(6, 1, 21, 8);
        break;
    case 3:
        g.bar(0, 4, 27, 5);
        g.bar(11, 1, 17, 8);
        g.white(13, 1, 15, 8);
        break;
    case 4: g.bar(0, 4, 9, 5); break;
    case 5:
        g.circle(3, 7, 24, 28);
        if (style.directVoltage) {
            g.bar(9, 14, 18, 16);
            g.bar(9, 19, 18, 21);
        } else {
            g.line({{8, 17}, {11, 20}, {15, 15}, {19, 19}});
        }
        g.bar(13, 0, 14, 7);
        g.bar(13, 28, 14, 36);
        break;
    case 6:
        g.circle(8, 3, 29, 24);
        if (style.directVoltage) {
            g.bar(14, 10, 23, 12);
            g.bar(14, 15, 23, 17);
        } else {
            g.line({{13, 13}, {16, 16}, {20, 11}, {24, 15}});
        }
        g.bar(0, 13, 9, 14);
        g.bar(28, 13, 36, 14);
        break;
    case 7:
    case 8:
        g.bar(4, 0, 5, 7);
        g.bar(4, 20, 5, 27);
        if (code == 7)
            g.outline(1, 6, 8, 21);
        else
            g.bar(1, 6, 8, 21);
        break;
    case 9:
        g.bar(4, 0, 5, 27);
        g.bar(1, 11, 8, 17);
        g.white(1, 13, 8, 15);
        break;
    case 10: g.bar(4, 0, 5, 9); break;
    case 11:
        g.bar(4, 0, 5, 9);
        g.bar(0, 4, 9, 5);
        break;
    case 39:
        g.bar(0, 13, 27, 14);
        g.bar(13, 0, 14, 27);
        break;
    case 13:
        g.bar(4, 4, 18, 5);
        g.bar(4, 4, 5, 18);
        break;
    case 14:
        g.bar(0, 4, 13, 5);
        g.bar(13, 4, 14, 18);
        break;
    case 15:
        g.bar(4, 0, 5, 13);
        g.bar(4, 13, 18, 14);
        break;
    case 16:
        g.bar(13, 0, 14, 13);
        g.bar(0, 13, 14, 14);
        break;
    case 17:
        g.bar(0, 13, 27, 14);
        g.bar(13, 0, 14, 27);
        g.dot(11, 11);
        break;
    case 18:
        g.bar(0, 4, 27, 5);
        g.bar(13, 4, 14, 18);
        g.dot(11, 2);
        break;
    case 19:
        g.bar(0, 13, 14, 14);
        g.bar(13, 0, 14, 27);
        g.dot(11, 11);
        break;
    case 20:
        g.bar(4, 0, 5, 27);
        g.bar(4, 13, 18, 14);
        g.dot(2, 11);
        break;
    case 21:
        g.bar(0, 13, 27, 14);
        g.bar(13, 0, 14, 14);
        g.dot(11, 11);
        break;
    case 22:
        g.bar(4, 0, 5, 15);
        g.bar(0, 13, 9, 16);
        break;
    case 23:
        g.bar(0, 4, 27, 5);
        g.dot(11, 2);
        break;
    case 24:
        g.bar(4, 0, 5, 27);
        g.dot(2, 11);
        break;
    case 25:
    case 26:
        g.line({{7, 5}, {41, 22}, {7, 39}, {7, 5}});
        g.bar(0, 13, 7, 14);
        g.bar(0, 31, 7, 32);
        g.bar(40, 22, 45, 23);
        g.bar(10, 15, 17, 16);
        g.bar(10, 29, 17, 30);
        if (code == 25)
            g.bar(13, 12, 14, 19);
        else
            g.bar(13, 26, 14, 33);
        break;
    case 27:
    case 28:
        g.line({{4, 22}, {37, 5}, {37, 39}, {4, 22}});
        g.bar(37, 13, 45, 14);
        g.bar(37, 31, 45, 32);
        g.bar(0, 22, 4, 23);
        g.bar(28, 15, 35, 16);
        g.bar(28, 29, 35, 30);
        if (code == 27)
            g.bar(31, 12, 32, 19);
        else
            g.bar(31, 26, 32, 33);
        break;
    case 29: g.bar(0, 4, 18, 5); break;
    case 30: g.bar(0, 4, 27, 5); break;
    case 31: g.bar(0, 4, 36, 5); break;
    case 32: g.bar(0, 4, 72, 5); break;
    case 33: g.bar(4, 0, 5, 18); break;
    case 34: g.bar(4, 0, 5, 36); break;
    case 35: g.bar(4, 0, 5, 72); break;
    case 36:
    case 37:
    case 38: {
        const int side = 9 * (code - 35);
        g.outline(0, 0, side, side);
        if (!style.eraserOutline) g.white(0, 0, side, side);
        break;
    }
    case 40:
        g.bar(4, 4, 5, 9);
        g.bar(4, 4, 9, 5);
        break;
    case 41:
        g.bar(0, 4, 5, 5);
        g.bar(4, 4, 5, 9);
        break;
    case 42:
        g.bar(4, 0, 5, 5);
        g.bar(4, 4, 9, 5);
        break;
    case 43:
        g.bar(0, 4, 5, 5);
        g.bar(4, 0, 5, 5);
        break;
    case 44:
        g.bar(4, 0, 5, 9);
        g.bar(0, 4, 9, 5);
        g.cellDot();
        break;
    case 45:
        g.bar(0, 4, 9, 5);
        g.bar(4, 4, 5, 9);
        g.cellDot();
        break;
    case 46:
        g.bar(0, 4, 5, 5);
        g.bar(4, 0, 5, 9);
        g.cellDot();
        break;
    case 47:
        g.bar(4, 4, 9, 5);
        g.bar(4, 0, 5, 9);
        g.cellDot();
        break;
    case 48:
        g.bar(0, 4, 9, 5);
        g.bar(4, 0, 5, 5);
        g.cellDot();
        break;
    case 49:
        g.bar(0, 4, 9, 7);
        g.bar(4, 0, 5, 6);
        break;
    case 50:
        g.bar(0, 4, 9, 5);
        g.cellDot();
        break;
    case 51:
        g.bar(4, 0, 5, 9);
        g.cellDot();
        break;
    default:  // 0, 12, 52..54: the white box only
        break;
    }
}

}  // namespace

QPoint cellTopLeft(int column, int row) {
    return {(column - 1) * kCellPixels - 2, (row - 1) * kCellPixels - 2};
}

QRect symbolBox(int code, int column, int row) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    const int width = SymbolCatalogue::valid(code) ? catalogue.width(code) : 1;
    const int height = SymbolCatalogue::valid(code) ? catalogue.height(code) : 1;
    return {cellTopLeft(column, row), QSize(width * kCellPixels, height * kCellPixels)};
}

QPoint cellAtPixel(QPoint pixel) {
    // Floor division, so pixels left of or above the image give column or row 0 and below.
    const auto cell = [](int v) {
        const int shifted = v + 2;
        return (shifted >= 0 ? shifted / kCellPixels : -((-shifted + kCellPixels - 1) / kCellPixels)) + 1;
    };
    return {cell(pixel.x()), cell(pixel.y())};
}

void drawGlyph(QPainter& painter, int code, QPoint topLeft, GlyphStyle style) {
    if (!SymbolCatalogue::valid(code)) return;
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(topLeft, QSize(catalogue.width(code) * kCellPixels,
                                          catalogue.height(code) * kCellPixels)),
                     Qt::white);
    GlyphParts parts(painter, topLeft);
    drawParts(parts, code, style);
    painter.restore();
}

void drawGlyph(QImage& image, int code, QPoint topLeft, GlyphStyle style) {
    QPainter painter(&image);
    drawGlyph(painter, code, topLeft, style);
}

QImage blankDrawingImage() {
    QImage image(kDrawingImageWidth, kDrawingImageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

namespace {

void paintEntry(QPainter& painter, const PlacedSymbol& symbol, GlyphStyle style) {
    const QRect box = symbolBox(symbol.code, symbol.column, symbol.row);
    painter.fillRect(box, Qt::white);
    drawGlyph(painter, symbol.code, box.topLeft(), style);
}

}  // namespace

void paintPlacedSymbol(QImage& image, const PlacedSymbol& symbol, GlyphStyle style) {
    QPainter painter(&image);
    paintEntry(painter, symbol, style);
}

void paintSymbolList(QImage& image, const SymbolList& symbols, GlyphStyle style) {
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const PlacedSymbol& symbol : symbols) {
        if (symbol.code == 0) break;
        paintEntry(painter, symbol, style);
    }
}

void paintDrawing(const SymbolList& symbols, SchematicGrid& grid, QImage& image, GlyphStyle style) {
    restamp(symbols, grid);
    paintSymbolList(image, symbols, style);
}

}  // namespace volmira
