#include "schematic/ui/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace volmira {

namespace {

const QColor kMarkColour(0, 255, 255);
constexpr int kFaultPenWidth = 4;

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent), image_(blankDrawingImage()) {
    setObjectName("Bild1");
    setFixedSize(kDrawingWidthPixels, kDrawingHeightPixels);
    setMouseTracking(true);
}

void DrawingView::showSymbols(const SymbolList& symbols, GlyphStyle style) {
    paintSymbolList(image_, symbols, style);
    update();
}

void DrawingView::showGlyphs(std::span<const PlacedSymbol> glyphs, GlyphStyle style) {
    if (glyphs.empty()) return;
    QPainter painter(&image_);
    for (const PlacedSymbol& g : glyphs)
        drawGlyph(painter, g.code, cellTopLeft(g.column, g.row), style);
    update();
}

void DrawingView::showBlank() {
    image_.fill(Qt::white);
    update();
}

void DrawingView::setMark(Mark mark, std::vector<QRect> boxes) {
    marks_[std::size_t(mark)] = std::move(boxes);
    update();
}

void DrawingView::setFaultFrame(QRect frame) {
    faultFrame_ = frame;
    update();
}

QImage DrawingView::picture() const {
    QImage out = image_.copy();
    QPainter painter(&out);
    paintMarks(painter);
    return out;
}

void DrawingView::paintMarks(QPainter& painter) const {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const auto& boxes : marks_)
        for (const QRect& box : boxes) painter.fillRect(box, kMarkColour);
    painter.restore();
    if (faultFrame_.isNull()) return;
    painter.setPen(QPen(Qt::red, kFaultPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(faultFrame_);
}

void DrawingView::paintEvent(QPaintEvent*) {
    // The exclusive-or marks need the drawing's own pixels under them, so the picture is
    // composed on an image of the drawing's format.
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button());
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint(), event->buttons());
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint(), event->button());
}

}  // namespace volmira
