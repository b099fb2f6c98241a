#include "schematic/ui/drawing_view.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "schematic/drawing_zoom.h"

namespace volmira {

namespace {

const QColor kMarkColour(0, 255, 255);
constexpr int kFaultPenWidth = 4;
constexpr int kLabelFontPixels = 8;

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
    paintLabels(painter, labels_, labelFont());
    return out;
}

void DrawingView::paintLabels(QPainter& painter, std::span<const Label> labels, const QFont& font) {
    painter.setFont(font);
    painter.setPen(QColor(0x00, 0x30, 0x90));
    for (const Label& label : labels)
        painter.drawText(label.box, Qt::AlignLeft | Qt::AlignVCenter, label.text);
}

void DrawingView::setZoom(int percent) {
    percent = std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
    if (percent == zoom_) return;
    zoom_ = percent;
    setFixedSize(viewLength(kDrawingWidthPixels, zoom_), viewLength(kDrawingHeightPixels, zoom_));
    update();
    emit zoomChanged(zoom_);
}

QPoint DrawingView::toView(QPoint imagePixel) const {
    return {viewLength(imagePixel.x(), zoom_), viewLength(imagePixel.y(), zoom_)};
}

QRect DrawingView::toView(QRect imageRect) const {
    return QRect(toView(imageRect.topLeft()),
                 toView(imageRect.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

QPoint DrawingView::toImage(QPointF viewPixel) const {
    const QPoint p = viewPixel.toPoint();
    const GridPixel image = imagePixelAt({p.x(), p.y()}, zoom_);
    return {image.x, image.y};
}

QFont DrawingView::labelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kLabelFontPixels);
    return font;
}

void DrawingView::setLabels(std::vector<Label> labels) {
    labels_ = std::move(labels);
    update();
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
    // composed on an image of the drawing's format. Zoomed, it is scaled smoothly when shrunk, so
    // no line drops out, and pixel by pixel when enlarged, so the cells stay sharp; the labels
    // are then drawn at the zoom, so their text stays sharp too.
    QPainter painter(this);
    if (zoom_ == kFullSize) {
        painter.drawImage(0, 0, picture());
        return;
    }
    QImage marked = image_.copy();
    {
        QPainter onImage(&marked);
        paintMarks(onImage);
    }
    if (zoom_ < kFullSize)
        painter.drawImage(0, 0,
                          marked.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        painter.drawImage(rect(), marked);
    painter.scale(zoom_ / double(kFullSize), zoom_ / double(kFullSize));
    paintLabels(painter, labels_, labelFont());
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    emit pressed(toImage(event->position()), event->button());
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(toImage(event->position()), event->buttons());
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(toImage(event->position()), event->button());
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();  // the scroll area scrolls
        return;
    }
    // The image pixel under the pointer stays under it where the scroll area lets it.
    const QPoint image = toImage(event->position());
    const QPoint before = event->position().toPoint();
    setZoom(event->angleDelta().y() > 0 ? zoomedIn(zoom_) : zoomedOut(zoom_));
    if (auto* area = qobject_cast<QAbstractScrollArea*>(parentWidget()->parentWidget())) {
        const QPoint shift = toView(image) - before;
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + shift.x());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + shift.y());
    }
    event->accept();
}

}  // namespace volmira
