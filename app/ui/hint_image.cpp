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
    const QFontMetrics metrics(font);
    // A line longer than the window is cut with "…"; the tooltip then holds both whole.
    const int room = std::max(width() - 10, 1);
    const QString first = QString::fromStdString(lines_.first);
    const QString second = QString::fromStdString(lines_.second);
    const QString shownFirst = metrics.elidedText(first, Qt::ElideRight, room);
    const QString shownSecond = metrics.elidedText(second, Qt::ElideRight, room);
    p.drawText(5, 2 + metrics.ascent(), shownFirst);
    p.drawText(5, 16 + metrics.ascent(), shownSecond);
    const bool cut = shownFirst != first || shownSecond != second;
    setToolTip(cut ? first + "\n" + second : QString());
}

void HintImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void HintImage::resizeEvent(QResizeEvent*) {
    render();
}

}  // namespace volmira
