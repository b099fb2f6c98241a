#include "analysis/ui/e12_picker.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "platform/qt_text.h"

namespace volmira {

namespace {

const QColor kNavy(0, 0, 128);
// Room below the last row for the descenders of its text.
constexpr int kTableHeight = e12_layout::kImageHeight + 5;
constexpr int kTableTop = 38;
constexpr int kSmallestFontPixels = 9;

}  // namespace

QFont e12TableFont(E12Kind kind) {
    using namespace e12_layout;
    // The texts start 12 pixels into their 70-pixel cells; the longest ("10,0 mOhm") must end
    // before the next column's line, whatever the metrics of the font standing in for Arial.
    const int room = kCellWidth - (textX(1) - separatorX(1)) - 2;
    QFont font(qText(kFontFamily));
    for (int pixels = kFontPixels; pixels >= kSmallestFontPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (int c = 1; c <= kE12Columns; ++c)
            for (int r = 1; r <= kE12Rows; ++r)
                widest =
                    std::max(widest, metrics.horizontalAdvance(qText(e12Cell(kind, c, r).text)));
        if (widest <= room) break;
    }
    return font;
}

QImage drawE12Table(E12Kind kind, const E12Selection& selection) {
    using namespace e12_layout;
    QImage image(kImageWidth, kTableHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(e12TableFont(kind));
    const int ascent = painter.fontMetrics().ascent();
    for (int c = 1; c <= kE12Columns; ++c) {
        for (int r = 1; r <= kE12Rows; ++r) {
            const E12Cell& cell = e12Cell(kind, c, r);
            const bool picked = selection.isPicked(cell.value);
            if (picked) {
                painter.fillRect(QRect(separatorX(c), kRowOffset + kCellHeight * (r - 1),
                                       kCellWidth, kCellHeight),
                                 kNavy);
            }
            painter.setPen(picked ? Qt::white : Qt::black);
            // The text's top edge stands at textY, as the cells were laid out.
            painter.drawText(QPoint(textX(c), textY(r) + ascent), qText(cell.text));
        }
        painter.setPen(Qt::black);
        painter.drawLine(separatorX(c), 0, separatorX(c), kTableHeight - 1);
    }
    return image;
}

E12TableView::E12TableView(QWidget* parent) : QWidget(parent) {
    setObjectName("awbild");
    setFixedSize(e12_layout::kImageWidth, kTableHeight);
    setCursor(Qt::PointingHandCursor);
}

void E12TableView::setImage(const QImage& image) {
    image_ = image;
    update();
}

void E12TableView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void E12TableView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
}

DragHandle::DragHandle(QWidget* parent) : QFrame(parent) {
    setObjectName("ziehgriff");
    setCursor(Qt::SizeAllCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kNavy);
    setPalette(p);
}

void DragHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    emit dragStarted(event->globalPosition().toPoint());
}

void DragHandle::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) emit dragMoved(event->globalPosition().toPoint());
}

void DragHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    emit dragEnded();
}

E12Picker::E12Picker(QWidget* host) : QObject(host) {
    shadow_ = new QFrame(host);
    shadow_->setObjectName("swpan2");
    shadow_->setAutoFillBackground(true);
    QPalette shade = shadow_->palette();
    shade.setColor(QPalette::Window, QColor(96, 96, 96));
    shadow_->setPalette(shade);
    shadow_->resize(kPanelSize);

    panel_ = new QFrame(host);
    panel_->setObjectName("awlist");
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(2);
    panel_->setAutoFillBackground(true);
    panel_->resize(kPanelSize);

    handle_ = new DragHandle(panel_);
    handle_->setGeometry(4, 3, kPanelSize.width() - 8, 8);

    label_ = new QLabel(panel_);
    label_->setObjectName("werlab");
    label_->setWordWrap(true);
    label_->setText(
        QStringLiteral("Sie können aus der Liste durch Anklicken auswählen, oder "
                       "beliebige Werte unten direkt manuell eingeben"));
    label_->setGeometry(11, 12, e12_layout::kImageWidth, 26);

    table_ = new E12TableView(panel_);
    table_->move(11, kTableTop);

    const int buttonTop = kTableTop + kTableHeight + 3;
    cancel_ = new QPushButton(QStringLiteral("Abbruch"), panel_);
    cancel_->setObjectName("WerAbb");
    cancel_->setGeometry(kPanelSize.width() - 11 - 90, buttonTop, 90, 23);
    accept_ = new QPushButton(QStringLiteral("Übernehmen"), panel_);
    accept_->setObjectName("WerOK");
    accept_->setGeometry(kPanelSize.width() - 11 - 190, buttonTop, 90, 23);
    accept_->hide();

    panel_->hide();
    shadow_->hide();

    connect(table_, &E12TableView::pressed, this, [this](QPoint pixel) {
        const auto cell = e12CellAt(pixel.x(), pixel.y());
        if (!cell) return;
        emit cellClicked(kind_, cell->column, cell->row,
                         e12Cell(kind_, cell->column, cell->row).value);
    });
    connect(cancel_, &QPushButton::clicked, this, &E12Picker::close);
    connect(accept_, &QPushButton::clicked, this, &E12Picker::accepted);
    connect(handle_, &DragHandle::dragStarted, this, [this](QPoint global) {
        dragStartGlobal_ = global;
        dragStartPanel_ = panel_->pos();
    });
    connect(handle_, &DragHandle::dragMoved, this, [this](QPoint global) {
        panel_->move(dragStartPanel_ + (global - dragStartGlobal_));
        placeShadow();
    });
    connect(handle_, &DragHandle::dragEnded, this, [this] {
        position_ = panel_->pos();
        open(kind_);
    });
}

bool E12Picker::isOpen() const {
    return !panel_->isHidden();
}

void E12Picker::open(E12Kind kind) {
    panel_->move(position_);
    placeShadow();
    showTable(kind);
    shadow_->show();
    shadow_->raise();
    panel_->show();
    panel_->raise();
    emit opened();
}

void E12Picker::fitInto(const QRect& area) {
    const QRect both = panel_->geometry().united(shadow_->geometry());
    const int dx = std::max(std::min(0, area.right() - both.right()), area.left() - both.left());
    const int dy = std::max(std::min(0, area.bottom() - both.bottom()), area.top() - both.top());
    if (dx == 0 && dy == 0) return;
    panel_->move(panel_->pos() + QPoint(dx, dy));
    placeShadow();
}

void E12Picker::setPosition(QPoint position) {
    position_ = position;
    panel_->move(position_);
    placeShadow();
}

void E12Picker::showTable(E12Kind kind) {
    kind_ = kind;
    table_->setImage(drawE12Table(kind, selection_));
}

void E12Picker::close() {
    const bool wasOpen = !panel_->isHidden() || !shadow_->isHidden();
    panel_->hide();
    shadow_->hide();
    if (wasOpen) emit closed();
}

void E12Picker::placeShadow() {
    shadow_->setGeometry(
        QRect(panel_->pos() + QPoint(kShadowOffset, kShadowOffset), panel_->size()));
}

}  // namespace volmira
