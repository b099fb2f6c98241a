#include "app/ui/hint_image.h"

#include <QPainter>

namespace volmira {

HintImage::HintImage(QWidget* parent) : QWidget(parent) {
    setObjectName("prhbild");
    setFixedHeight(kHeight);
    setMinimumWidth(200);
    render();
}

void HintImage::showLines(const HintLines& lines) {
    lines_ = lines;
    render();
    update();
}

void HintImage::render() {
    image_ = QImage(std::max(width(), 1), kHeight, QImage::Format_RGB32);
    image_.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&image_);
    QFont font("Arial");
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::black);
    const int ascent = QFontMetrics(font).ascent();
    p.drawText(5, 2 + ascent, QString::fromStdString(lines_.first));
    p.drawText(5, 16 + ascent, QString::fromStdString(lines_.second));
}

void HintImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void HintImage::resizeEvent(QResizeEvent*) {
    render();
}

}  // namespace volmira
