#include "schematic/ui/symbol_toolbar.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "platform/qt_text.h"
#include "schematic/editor.h"
#include "schematic/symbol_catalogue.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

namespace {

// 26 buttons must fit beside the check and analysis buttons in a 1024-pixel window; three
// cells (27 pixels) show unscaled.
constexpr int kButtonSize = 29;
constexpr int kIconSize = 27;

// Glyph boxes are white; on a button only the glyph shall show.
QImage withoutWhite(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == qRgb(255, 255, 255)) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

// Glyphs of single cells laid out on a small square: (column, row, code) from the top-left.
struct CellGlyph {
    int column, row, code;
};

QPixmap cellsIcon(std::initializer_list<CellGlyph> cells, int size) {
    QImage image(3 * kPixelsPerCell, 3 * kPixelsPerCell, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const CellGlyph& c : cells)
        drawGlyph(image, c.code, QPoint(c.column * kPixelsPerCell, c.row * kPixelsPerCell));
    image = withoutWhite(image);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.drawImage((size - image.width()) / 2, (size - image.height()) / 2, image);
    return pixmap;
}

// "Knotenpunkt setzen": a four-way junction with a ring around its dot.
QPixmap nodeToolIcon(int size) {
    QPixmap pixmap = cellsIcon({{1, 0, 10}, {0, 1, 4}, {1, 1, 44}, {2, 1, 4}, {1, 2, 10}}, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 1.5));
    p.drawEllipse(QPointF(size / 2.0 - 0.5, size / 2.0 - 0.5), 6.5, 6.5);
    return pixmap;
}

// "Mauszeiger": an arrow pointer.
QPixmap pointerIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    const QPointF o(size / 2.0 - 6, size / 2.0 - 10);
    arrow.moveTo(o);
    for (QPointF q : {QPointF(0, 16), QPointF(4, 12), QPointF(7, 19), QPointF(9.5, 18),
                      QPointF(6.5, 11), QPointF(12, 11)})
        arrow.lineTo(o + q);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return pixmap;
}

QPixmap buttonIcon(int number, int code) {
    switch (number) {
        case kRectangleButton:
            return cellsIcon({{0, 0, 40},
                              {1, 0, 4},
                              {2, 0, 41},
                              {0, 1, 10},
                              {2, 1, 10},
                              {0, 2, 42},
                              {1, 2, 4},
                              {2, 2, 43}},
                             kIconSize);
        case kLineButton:
            return cellsIcon(
                {{0, 2, 10}, {0, 1, 10}, {0, 0, 40}, {1, 0, 4}, {2, 0, 41}, {2, 1, 10}}, kIconSize);
        case kNodeButton:
            return nodeToolIcon(kIconSize);
        case kPointerButton:
            return pointerIcon(kIconSize);
        default:
            return symbolIcon(code, kIconSize);
    }
}

}  // namespace

void addToToolFrame(QWidget* frame, QWidget* control, bool vertical) {
    auto* layout = qobject_cast<QBoxLayout*>(frame->layout());
    if (!layout) {
        layout =
            new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, frame);
        layout->setContentsMargins(3, 3, 3, 3);
        layout->setSpacing(2);
    }
    const int last = layout->count() - 1;
    if (last >= 0 && layout->itemAt(last)->spacerItem())
        layout->insertWidget(last, control);
    else
        layout->addWidget(control);
}

QPixmap symbolIcon(int code, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (!SymbolCatalogue::valid(code)) return pixmap;
    const QRect box = symbolBox(code, 1, 1);
    if (box.isEmpty()) return pixmap;
    QImage glyph(box.size(), QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    drawGlyph(glyph, code, QPoint(0, 0), GlyphStyle{false, true});
    glyph = withoutWhite(glyph);
    if (glyph.width() > size || glyph.height() > size)
        glyph = glyph.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&pixmap);
    p.drawImage((size - glyph.width()) / 2, (size - glyph.height()) / 2, glyph);
    return pixmap;
}

SymbolToolbar::SymbolToolbar(QWidget* frame) : QObject(frame), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    int codeOf[kSymbolButtonCount + 1] = {};
    QString hintOf[kSymbolButtonCount + 1];
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    for (int code = 0; code < kSymbolCodeCount; ++code) {
        const std::string_view name = catalogue[code].toolbarButton;
        if (name.size() < 4) continue;
        const int number = QString::fromLatin1(name.substr(3).data(), int(name.size() - 3)).toInt();
        codeOf[number] = code;
        hintOf[number] =
            QString::fromUtf8(catalogue[code].hint.data(), int(catalogue[code].hint.size()));
    }
    hintOf[kRectangleButton] = qText(kRectangleToolName);
    hintOf[kLineButton] = qText(kLineToolName);
    hintOf[kNodeButton] = qText(kNodeToolName);

    for (int number = 1; number <= kSymbolButtonCount; ++number) {
        auto* b = new QToolButton(frame);
        b->setObjectName(QStringLiteral("Sym%1").arg(number));
        b->setToolTip(hintOf[number]);
        b->setProperty("tag", codeOf[number]);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFixedSize(kButtonSize, kButtonSize);
        b->setIconSize(QSize(kIconSize, kIconSize));
        b->setIcon(buttonIcon(number, codeOf[number]));
        group_->addButton(b, number);
        buttons_[number] = b;
        addToToolFrame(frame, b, false);
    }
    pressSymbol(0);
    connect(group_, &QButtonGroup::buttonClicked, this, &SymbolToolbar::clicked);
}

QToolButton* SymbolToolbar::button(int number) const {
    return number >= 1 && number <= kSymbolButtonCount ? buttons_[number] : nullptr;
}

void SymbolToolbar::pressSymbol(int code) {
    for (int number = 1; number <= kSymbolButtonCount; ++number) {
        const bool tool =
            number == kRectangleButton || number == kLineButton || number == kNodeButton;
        if (!tool && buttons_[number]->property("tag").toInt() == code) {
            buttons_[number]->setChecked(true);
            return;
        }
    }
}

void SymbolToolbar::clicked(QAbstractButton* button) {
    switch (group_->id(button)) {
        case kRectangleButton:
            emit rectangleChosen();
            break;
        case kLineButton:
            emit lineChosen();
            break;
        case kNodeButton:
            emit nodeChosen();
            break;
        default:
            emit symbolChosen(button->property("tag").toInt());
            break;
    }
}

}  // namespace volmira
