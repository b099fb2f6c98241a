#include "schematic/ui/glyph_painter.h"

#include <QPainter>
#include <cstdint>

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
    // The junction dot: a 3 x 5 and a 5 x 3 bar crossing at (x + 2, y + 2).
    void dot(int x, int y) {
        bar(x + 1, y, x + 4, y + 5);
        bar(x, y + 1, x + 5, y + 4);
    }

  private:
    void fill(int x1, int y1, int x2, int y2, Qt::GlobalColor colour) {
        if (x2 > x1 && y2 > y1)
            p_.fillRect(QRect(o_.x() + x1, o_.y() + y1, x2 - x1, y2 - y1), colour);
    }

    QPainter& p_;
    QPoint o_;
};

enum PartKind : std::uint8_t { Bar, White, Outline, Circle, Line, Dot, SourceMark };

// One part of a glyph: a rectangle (x1, y1)-(x2, y2), a line from (x1, y1) to (x2, y2), or a
// junction dot whose two bars start at (x1, y1). The source mark depends on the style.
struct GlyphPart {
    std::uint8_t firstCode;  // the part belongs to codes firstCode..lastCode
    std::uint8_t lastCode;
    PartKind kind;
    std::int8_t x1, y1, x2, y2;
};

// In drawing order. Codes 0, 12 and 52..54 have no parts: the white box only.
constexpr GlyphPart kParts[] = {
    {1, 2, Bar, 0, 4, 7, 5},
    {1, 2, Bar, 20, 4, 27, 5},
    {1, 1, Outline, 6, 1, 21, 8},
    {2, 2, Bar, 6, 1, 21, 8},
    {3, 3, Bar, 0, 4, 27, 5},
    {3, 3, Bar, 11, 1, 17, 8},
    {3, 3, White, 13, 1, 15, 8},
    {4, 4, Bar, 0, 4, 9, 5},
    {5, 5, Circle, 3, 7, 24, 28},
    {5, 5, SourceMark, 0, 0, 0, 0},
    {5, 5, Bar, 13, 0, 14, 7},
    {5, 5, Bar, 13, 28, 14, 36},
    {6, 6, Circle, 8, 3, 29, 24},
    {6, 6, SourceMark, 0, 0, 0, 0},
    {6, 6, Bar, 0, 13, 9, 14},
    {6, 6, Bar, 28, 13, 36, 14},
    {7, 8, Bar, 4, 0, 5, 7},
    {7, 8, Bar, 4, 20, 5, 27},
    {7, 7, Outline, 1, 6, 8, 21},
    {8, 8, Bar, 1, 6, 8, 21},
    {9, 9, Bar, 4, 0, 5, 27},
    {9, 9, Bar, 1, 11, 8, 17},
    {9, 9, White, 1, 13, 8, 15},
    {10, 10, Bar, 4, 0, 5, 9},
    {11, 11, Bar, 4, 0, 5, 9},
    {11, 11, Bar, 0, 4, 9, 5},
    {39, 39, Bar, 0, 13, 27, 14},
    {39, 39, Bar, 13, 0, 14, 27},
    {13, 13, Bar, 4, 4, 18, 5},
    {13, 13, Bar, 4, 4, 5, 18},
    {14, 14, Bar, 0, 4, 13, 5},
    {14, 14, Bar, 13, 4, 14, 18},
    {15, 15, Bar, 4, 0, 5, 13},
    {15, 15, Bar, 4, 13, 18, 14},
    {16, 16, Bar, 13, 0, 14, 13},
    {16, 16, Bar, 0, 13, 14, 14},
    {17, 17, Bar, 0, 13, 27, 14},
    {17, 17, Bar, 13, 0, 14, 27},
    {17, 17, Dot, 11, 11, 0, 0},
    {18, 18, Bar, 0, 4, 27, 5},
    {18, 18, Bar, 13, 4, 14, 18},
    {18, 18, Dot, 11, 2, 0, 0},
    {19, 19, Bar, 0, 13, 14, 14},
    {19, 19, Bar, 13, 0, 14, 27},
    {19, 19, Dot, 11, 11, 0, 0},
    {20, 20, Bar, 4, 0, 5, 27},
    {20, 20, Bar, 4, 13, 18, 14},
    {20, 20, Dot, 2, 11, 0, 0},
    {21, 21, Bar, 0, 13, 27, 14},
    {21, 21, Bar, 13, 0, 14, 14},
    {21, 21, Dot, 11, 11, 0, 0},
    {22, 22, Bar, 4, 0, 5, 15},
    {22, 22, Bar, 0, 13, 9, 16},
    {23, 23, Bar, 0, 4, 27, 5},
    {23, 23, Dot, 11, 2, 0, 0},
    {24, 24, Bar, 4, 0, 5, 27},
    {24, 24, Dot, 2, 11, 0, 0},
    // Amplifiers pointing right: triangle, inputs, output, minus marks, plus stroke.
    {25, 26, Line, 7, 5, 41, 22},
    {25, 26, Line, 41, 22, 7, 39},
    {25, 26, Line, 7, 39, 7, 5},
    {25, 26, Bar, 0, 13, 7, 14},
    {25, 26, Bar, 0, 31, 7, 32},
    {25, 26, Bar, 40, 22, 45, 23},
    {25, 26, Bar, 10, 15, 17, 16},
    {25, 26, Bar, 10, 29, 17, 30},
    {25, 25, Bar, 13, 12, 14, 19},
    {26, 26, Bar, 13, 26, 14, 33},
    // Pointing left.
    {27, 28, Line, 4, 22, 37, 5},
    {27, 28, Line, 37, 5, 37, 39},
    {27, 28, Line, 37, 39, 4, 22},
    {27, 28, Bar, 37, 13, 45, 14},
    {27, 28, Bar, 37, 31, 45, 32},
    {27, 28, Bar, 0, 22, 4, 23},
    {27, 28, Bar, 28, 15, 35, 16},
    {27, 28, Bar, 28, 29, 35, 30},
    {27, 27, Bar, 31, 12, 32, 19},
    {28, 28, Bar, 31, 26, 32, 33},
    {29, 29, Bar, 0, 4, 18, 5},
    {30, 30, Bar, 0, 4, 27, 5},
    {31, 31, Bar, 0, 4, 36, 5},
    {32, 32, Bar, 0, 4, 72, 5},
    {33, 33, Bar, 4, 0, 5, 18},
    {34, 34, Bar, 4, 0, 5, 36},
    {35, 35, Bar, 4, 0, 5, 72},
    {36, 36, Outline, 0, 0, 9, 9},
    {37, 37, Outline, 0, 0, 18, 18},
    {38, 38, Outline, 0, 0, 27, 27},
    {40, 40, Bar, 4, 4, 5, 9},
    {40, 40, Bar, 4, 4, 9, 5},
    {41, 41, Bar, 0, 4, 5, 5},
    {41, 41, Bar, 4, 4, 5, 9},
    {42, 42, Bar, 4, 0, 5, 5},
    {42, 42, Bar, 4, 4, 9, 5},
    {43, 43, Bar, 0, 4, 5, 5},
    {43, 43, Bar, 4, 0, 5, 5},
    {44, 44, Bar, 4, 0, 5, 9},
    {44, 44, Bar, 0, 4, 9, 5},
    {45, 45, Bar, 0, 4, 9, 5},
    {45, 45, Bar, 4, 4, 5, 9},
    {46, 46, Bar, 0, 4, 5, 5},
    {46, 46, Bar, 4, 0, 5, 9},
    {47, 47, Bar, 4, 4, 9, 5},
    {47, 47, Bar, 4, 0, 5, 9},
    {48, 48, Bar, 0, 4, 9, 5},
    {48, 48, Bar, 4, 0, 5, 5},
    {49, 49, Bar, 0, 4, 9, 7},
    {49, 49, Bar, 4, 0, 5, 6},
    {50, 50, Bar, 0, 4, 9, 5},
    {51, 51, Bar, 4, 0, 5, 9},
    // The cell dot of the single-cell junctions and node marks.
    {44, 48, Dot, 2, 2, 0, 0},
    {50, 51, Dot, 2, 2, 0, 0},
};

void drawSourceMark(GlyphParts& g, int code, bool direct) {
    if (code == 5 && direct) {
        g.bar(9, 14, 18, 16);
        g.bar(9, 19, 18, 21);
    } else if (code == 5) {
        g.line({{8, 17}, {11, 20}, {15, 15}, {19, 19}});
    } else if (direct) {
        g.bar(14, 10, 23, 12);
        g.bar(14, 15, 23, 17);
    } else {
        g.line({{13, 13}, {16, 16}, {20, 11}, {24, 15}});
    }
}

void drawParts(GlyphParts& g, int code, GlyphStyle style) {
    for (const GlyphPart& part : kParts) {
        if (code < part.firstCode || code > part.lastCode) continue;
        switch (part.kind) {
            case Bar:
                g.bar(part.x1, part.y1, part.x2, part.y2);
                break;
            case White:
                g.white(part.x1, part.y1, part.x2, part.y2);
                break;
            case Outline:
                g.outline(part.x1, part.y1, part.x2, part.y2);
                break;
            case Circle:
                g.circle(part.x1, part.y1, part.x2, part.y2);
                break;
            case Line:
                g.line({{part.x1, part.y1}, {part.x2, part.y2}});
                break;
            case Dot:
                g.dot(part.x1, part.y1);
                break;
            case SourceMark:
                drawSourceMark(g, code, style.directVoltage);
                break;
        }
    }
    // The eraser is shown as a square only in the previews; on the drawing it paints white.
    if (code >= 36 && code <= 38 && !style.eraserOutline) {
        const int side = 9 * (code - 35);
        g.white(0, 0, side, side);
    }
}

}  // namespace

QPoint cellTopLeft(int column, int row) {
    const GridPixel pixel = cellBoxTopLeft({column, row});
    return {pixel.x, pixel.y};
}

QRect symbolBox(int code, int column, int row) {
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    const int width = SymbolCatalogue::valid(code) ? catalogue.width(code) : 1;
    const int height = SymbolCatalogue::valid(code) ? catalogue.height(code) : 1;
    return {cellTopLeft(column, row), QSize(width * kPixelsPerCell, height * kPixelsPerCell)};
}

void drawGlyph(QPainter& painter, int code, QPoint topLeft, GlyphStyle style) {
    if (!SymbolCatalogue::valid(code)) return;
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(topLeft, QSize(catalogue.width(code) * kPixelsPerCell,
                                          catalogue.height(code) * kPixelsPerCell)),
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
    QImage image(kDrawingWidthPixels, kDrawingHeightPixels, QImage::Format_RGB32);
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

void paintSymbolList(QPainter& painter, const SymbolList& symbols, GlyphStyle style) {
    painter.fillRect(QRect(0, 0, kDrawingWidthPixels, kDrawingHeightPixels), Qt::white);
    for (const PlacedSymbol& symbol : symbols) {
        if (symbol.code == 0) break;
        paintEntry(painter, symbol, style);
    }
}

void paintSymbolList(QImage& image, const SymbolList& symbols, GlyphStyle style) {
    image.fill(Qt::white);
    QPainter painter(&image);
    paintSymbolList(painter, symbols, style);
}

void paintDrawing(const SymbolList& symbols, SchematicGrid& grid, QImage& image, GlyphStyle style) {
    restamp(symbols, grid);
    paintSymbolList(image, symbols, style);
}

}  // namespace volmira
