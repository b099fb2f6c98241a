#include "app/ui/demo_pointer.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace volmira {

namespace {

constexpr QPoint kHintOffset(18, 22);
constexpr QPoint kClickOffset(-30, -34);

// A small red-rimmed badge with the word "Klick".
QPixmap clickImage() {
    QPixmap pixmap(60, 26);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2));
    p.setBrush(QColor(0xFF, 0xF4, 0xC0));
    p.drawRoundedRect(QRectF(1, 1, 58, 24), 8, 8);
    QFont font("Arial");
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Klick"));
    return pixmap;
}

}  // namespace

DemoPointer::DemoPointer(QWidget* surface)
    : surface_(surface), klick_(new QFrame(surface)), hint_(new QLabel(surface)) {
    klick_->setObjectName("Klick");
    klick_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* image = new QLabel(klick_);
    image->setObjectName("inklick");
    image->setPixmap(clickImage());
    auto* layout = new QVBoxLayout(klick_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image);
    klick_->adjustSize();
    klick_->hide();

    hint_->setObjectName("DemoHw");
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hint_->setStyleSheet(
        "QLabel#DemoHw { background: #FFFF80; color: black; border: 1px solid #808000;"
        " padding: 3px 6px; font-family: Arial; font-size: 13px; }");
    hint_->hide();
}

void DemoPointer::Pause(int milliseconds) {
    QElapsedTimer since;
    since.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (!cancelled_ && since.elapsed() < milliseconds);
}

void DemoPointer::MovePointerTo(QPoint global, const std::function<void(QPoint)>& eachStep) {
    const QPoint from = QCursor::pos();
    const QPoint way = global - from;
    const double length = std::hypot(way.x(), way.y());
    const int steps = std::max(1, int(std::ceil(length / std::max(1, pace_.pointerStepPixels))));
    int done = 0;
    QTimer stepper;
    stepper.setInterval(pace_.pointerStepMs);
    QEventLoop arrived;
    QObject::connect(&stepper, &QTimer::timeout, &arrived, [&] {
        ++done;
        const QPoint at = done >= steps ? global : from + way * (double(done) / steps);
        QCursor::setPos(at);
        if (eachStep) eachStep(at);
        if (done >= steps || cancelled_) arrived.quit();
    });
    stepper.start();
    arrived.exec();
}

void DemoPointer::MovePointerTo(QWidget* widget, QPoint local) {
    MovePointerTo(widget->mapToGlobal(local));
}

QPoint DemoPointer::onSurface(QPoint global) const {
    return surface_->mapFromGlobal(global);
}

void DemoPointer::ShowClick() {
    klick_->move(onSurface(QCursor::pos()) + kClickOffset);
    klick_->show();
    klick_->raise();
    Pause(pace_.shortPauseMs);
    klick_->hide();
}

void DemoPointer::ShowHintBox(const QString& text) {
    hint_->setText(text);
    hint_->adjustSize();
    hint_->move(onSurface(QCursor::pos()) + kHintOffset);
    hint_->show();
    hint_->raise();
    Pause(pace_.shortPauseMs);
}

void DemoPointer::hideHint() {
    hint_->hide();
}

void DemoPointer::hideMarks() {
    hint_->hide();
    klick_->hide();
}

void DemoPointer::press(QWidget* widget, QPoint local, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void DemoPointer::release(QWidget* widget, QPoint local, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, local, widget->mapToGlobal(local), button,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void DemoPointer::move(QWidget* widget, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void DemoPointer::click(QWidget* widget, QPoint local, Qt::MouseButton button) {
    move(widget, local, Qt::NoButton);
    press(widget, local, button);
    release(widget, local, button);
}

void DemoPointer::type(QWidget* widget, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

}  // namespace volmira
