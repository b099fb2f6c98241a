#include "schematic/ui/editor_previews.h"

#include <QPainter>

#include "schematic/ui/drawing_view.h"

namespace volmira {

namespace {

QLabel* previewLabel(QWidget* drawing, const char* name) {
    auto* label = new QLabel(drawing);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setScaledContents(true);
    label->hide();
    return label;
}

// What `hbi` shows while a macro is being inserted, in place of a symbol code.
constexpr int kMacroPreview = -2;

QPoint toPoint(Pixel p) {
    return {p.x, p.y};
}

// The glyph of a code on its white box.
QPixmap glyphPixmap(int code, GlyphStyle style) {
    const QRect box = symbolBox(code, 1, 1);
    QImage image(box.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    drawGlyph(image, code, QPoint(0, 0), style);
    return QPixmap::fromImage(image);
}

// A small red square inside a cell.
QPixmap markerPixmap() {
    QPixmap pixmap(kPixelsPerCell, kPixelsPerCell);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0xD0, 0x10, 0x10));
    p.drawRect(1, 1, kPixelsPerCell - 3, kPixelsPerCell - 3);
    return pixmap;
}

}  // namespace

RubberBand::RubberBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("REck"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void RubberBand::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, width() - 1, height() - 1);
}

EditorPreviewWidgets::EditorPreviewWidgets(DrawingView* drawing)
    : drawing_(drawing),
      hbi_(previewLabel(drawing, "hbi")),
      zQuad_(previewLabel(drawing, "ZQuad")),
      rEck_(new RubberBand(drawing)),
      eckbild_(previewLabel(drawing, "Eckbild")) {
    zQuad_->setPixmap(markerPixmap());
}

void EditorPreviewWidgets::place(QWidget* control, QPoint imageTopLeft, QSize imageSize) const {
    control->setGeometry(drawing_->toView(QRect(imageTopLeft, imageSize)));
}

void EditorPreviewWidgets::show(const EditorPreviews& previews, int symbol, GlyphStyle style) {
    // The floating symbol: its glyph is drawn again only when the code changes.
    style.eraserOutline = true;
    if (symbol != hbiSymbol_ || style.directVoltage != hbiDirectVoltage_) {
        hbiSymbol_ = symbol;
        hbiDirectVoltage_ = style.directVoltage;
        if (symbol != 0) {
            const QPixmap glyph = glyphPixmap(symbol, style);
            hbi_->setPixmap(glyph);
        }
    }
    place(hbi_, toPoint(previews.symbolTopLeft) - QPoint(2, 2), hbi_->pixmap().size());
    hbi_->setVisible(previews.symbolVisible && symbol != 0);
    showToolPreviews(previews, style);
}

void EditorPreviewWidgets::showMacro(const EditorPreviews& previews, const QPixmap& macro) {
    if (hbiSymbol_ != kMacroPreview || hbi_->pixmap().cacheKey() != macro.cacheKey()) {
        hbiSymbol_ = kMacroPreview;
        hbi_->setPixmap(macro);
    }
    place(hbi_, toPoint(previews.symbolTopLeft) - QPoint(2, 2), macro.size());
    hbi_->setVisible(previews.symbolVisible);
    showToolPreviews(previews, {});
}

void EditorPreviewWidgets::showToolPreviews(const EditorPreviews& previews, GlyphStyle style) {
    const QSize cell(kPixelsPerCell, kPixelsPerCell);
    place(zQuad_, toPoint(cellBoxTopLeft(previews.markerCell)), cell);
    zQuad_->setVisible(previews.markerVisible);

    if (previews.band) {
        const PixelRect& r = *previews.band;
        place(rEck_, QPoint(r.x, r.y), QSize(r.width, r.height));
        rEck_->show();
        rEck_->update();
    } else {
        rEck_->hide();
    }

    if (previews.cornerCode != eckbildCode_ && previews.cornerCode != 0) {
        eckbildCode_ = previews.cornerCode;
        eckbild_->setPixmap(glyphPixmap(eckbildCode_, style));
    }
    place(eckbild_, toPoint(cellBoxTopLeft(previews.cornerCell)), cell);
    eckbild_->setVisible(previews.cornerVisible && previews.cornerCode != 0);
    // The marker and the band stay on top of the glyphs they point at.
    eckbild_->raise();
    rEck_->raise();
    zQuad_->raise();
}

void EditorPreviewWidgets::hideAll() {
    hbi_->hide();
    zQuad_->hide();
    rEck_->hide();
    eckbild_->hide();
}

}  // namespace volmira
