#include "ui/background_window.h"

#include <QCloseEvent>
#include <QPainter>
#include <algorithm>

#include "texts.h"
#include "ui/setup_icon.h"

namespace setup {

BackgroundWindow::BackgroundWindow(const QString& product)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      title_(QString::fromStdString(setup::windowTitle(product.toStdString()))) {
    setObjectName("SetupWnd");
    setWindowTitle(title_);
    setWindowIcon(setupIcon());
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int top = 0;
    const int bottom = height();
    p.fillRect(rect(), Qt::black);
    for (int y = top + 1; y < bottom; ++y) {
        const int blue = std::min(255, (y - top) * 256 / (bottom - top));
        p.setPen(QColor(0, 0, blue));
        p.drawLine(0, y, width() - 1, y);
    }

    QFont font("Arial");
    font.setPixelSize(70);  // a cell height of 80
    font.setWeight(QFont::Light);
    font.setItalic(true);
    p.setFont(font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    p.setPen(Qt::black);
    p.drawText(QRect(36, 36, width(), height()), flags, title_);
    p.setPen(Qt::white);
    p.drawText(QRect(30, 30, width(), height()), flags, title_);
}

void BackgroundWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace setup
