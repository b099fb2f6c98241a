#include "app/ui/main_timer.h"

#include <QCursor>
#include <QLabel>
#include <QTimer>

namespace volmira {

namespace {

constexpr int kTitleMilliseconds = 800;
constexpr int kBlinkMilliseconds = 400;
constexpr int kFirstInterval = 600;
constexpr int kTrackingMilliseconds = 40;

}  // namespace

MainTimer::MainTimer(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    timer_->setObjectName("Zeitgeber");
    timer_->setInterval(kFirstInterval);
}

void MainTimer::closeTitleLater(QWidget* title) {
    title_ = title;
    state_ = TimerState::ClosingTitle;
    timer_->setInterval(kTitleMilliseconds);
    titleOpen_ = true;
    timer_->start();
}

void MainTimer::startBlinking(QLabel* hand) {
    hand_ = hand;
    state_ = TimerState::Blinking;
    timer_->setInterval(kBlinkMilliseconds);
    QPalette palette = hand->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    hand->setPalette(palette);
    hand->show();
    timer_->start();
}

void MainTimer::stopBlinking() {
    if (state_ == TimerState::Blinking) timer_->stop();
    if (hand_) hand_->hide();
}

void MainTimer::startTracking(std::function<void()> onTick) {
    if (titleOpen_) return;
    stopBlinking();
    tracker_ = std::move(onTick);
    state_ = TimerState::Tracking;
    timer_->setInterval(kTrackingMilliseconds);
    timer_->start();
}

void MainTimer::schedulePointerMove(QPoint globalPosition, int delayMs) {
    pendingPointer_ = globalPosition;
    pointerPending_ = true;
    state_ = TimerState::PointerMove;
    timer_->setInterval(delayMs);
    timer_->start();
}

void MainTimer::stopUnlessClosingTitle() {
    if (!titleOpen_) timer_->stop();
}

void MainTimer::stop() {
    timer_->stop();
}

void MainTimer::tick() {
    switch (state_) {
        case TimerState::Tracking:
            if (tracker_) tracker_();
            break;
        case TimerState::Blinking:
            if (hand_) hand_->setHidden(!hand_->isHidden());
            break;
        case TimerState::PointerMove:
            if (pointerPending_) QCursor::setPos(pendingPointer_);
            timer_->stop();
            pointerPending_ = false;
            pendingPointer_ = {};
            break;
        case TimerState::ClosingTitle:
            if (title_) title_->hide();
            timer_->stop();
            titleOpen_ = false;
            break;
    }
}

}  // namespace volmira
