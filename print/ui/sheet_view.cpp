#include "print/ui/sheet_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace volmira {

namespace {

QColor slotColour(SlotColour colour) {
    switch (colour) {
        case SlotColour::Red:
            return QColor(0xFF, 0x00, 0x00);
        case SlotColour::Green:
            return QColor(0x00, 0x80, 0x00);
        default:
            return QColor(0x80, 0x80, 0x80);
    }
}

// A placeholder: its fill colour with the element's title in small white letters.
class Placeholder : public QWidget {
  public:
    Placeholder(const ElementSlot& slot, QWidget* parent) : QWidget(parent), slot_(slot) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), slotColour(slot_.colour));
        if (height() < 8) return;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(7);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(2, 1, -1, 0), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(slot_.element.title));
    }

  private:
    const ElementSlot& slot_;
};

// The printable area's dotted silver frame, laid over Blatt.
class DottedFrame : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

SheetView::SheetView(PrintDocument& document, QWidget* parent)
    : QFrame(parent), document_(document) {
    setObjectName("GBlatt");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    blatt_ = new QWidget(this);
    blatt_->setObjectName("Blatt");
    blatt_->setAutoFillBackground(true);
    blatt_->setPalette(QPalette(Qt::white));
    blatt_->installEventFilter(this);
    rahmen_ = new DottedFrame(blatt_);
    rahmen_->setObjectName("Rahmen");
    rahmen_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int n = 1; n <= kElementSlots; ++n) {
        auto* shape = new Placeholder(document_.slot(n), blatt_);
        shape->setObjectName(QStringLiteral("Shape%1").arg(n));
        shape->hide();
        shapes_[std::size_t(n - 1)] = shape;
    }
    vergr_ = new QWidget(blatt_);
    vergr_->setObjectName("Vergr");
    vergr_->setAttribute(Qt::WA_TransparentForMouseEvents);
    vergr_->setAutoFillBackground(true);
    vergr_->setPalette(QPalette(Qt::black));
    vergr_->resize(kHandleSize, kHandleSize);
    vergr_->hide();
}

void SheetView::refresh(QPoint paperTopLeft) {
    setGeometry(paperTopLeft.x(), paperTopLeft.y(), document_.paperWidth(),
                document_.paperHeight());
    refresh();
}

void SheetView::refresh() {
    const SheetRect& area = document_.printableArea();
    blatt_->setGeometry(area.left, area.top, area.width, area.height);
    rahmen_->setGeometry(0, 0, area.width, area.height);
    for (int n = 1; n <= kElementSlots; ++n) {
        const ElementSlot& s = document_.slot(n);
        QWidget* shape = shapes_[std::size_t(n - 1)];
        shape->setGeometry(s.rect.left, s.rect.top, s.rect.width, s.rect.height);
        shape->setVisible(s.visible);
        shape->update();
    }
    const int n = document_.selected();
    const bool handle = n != 0 && document_.slot(n).visible && document_.slot(n).resizable() &&
                        !document_.slot(n).printed();
    if (handle) {
        const SheetRect& r = document_.slot(n).rect;
        vergr_->move(r.right() - kHandleSize, r.bottom() - kHandleSize);
        vergr_->raise();
    }
    vergr_->setVisible(handle);
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != blatt_) return QFrame::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            document_.press(p.x(), p.y());
            refresh();
            emit pressed();
            return true;
        }
        case QEvent::MouseMove: {
            if (!(static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) return false;
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            document_.drag(p.x(), p.y());
            refresh();
            emit changed();
            return true;
        }
        case QEvent::MouseButtonRelease:
            document_.release();
            return true;
        default:
            return false;
    }
}

}  // namespace volmira
