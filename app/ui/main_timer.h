#pragma once
// `Zeitgeber`, the main window's timer, and what it does on its tick by its state: close the
// title window, blink the marker `hand` of the graphic mode, move the pointer once for the
// demonstration, or follow the pointer with the curve read-out.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QLabel;
class QTimer;
class QWidget;

namespace volmira {

enum class TimerState {
    Tracking = 0,      // the curve read-out follows the pointer
    Blinking = 1,      // the marker `hand` blinks
    PointerMove = 3,   // the demonstration moves the pointer once
    ClosingTitle = 4,  // the title window closes
};

class MainTimer : public QObject {
    Q_OBJECT
  public:
    explicit MainTimer(QObject* parent);

    QTimer* zeitgeber() const { return timer_; }
    TimerState state() const { return state_; }
    bool titleOpen() const { return titleOpen_; }

    // State 4: the title window closes after 800 ms.
    void closeTitleLater(QWidget* title);
    // State 1: `hand` blinks blue every 400 ms until stopBlinking().
    void startBlinking(QLabel* hand);
    void stopBlinking();
    // State 0: every 40 ms `onTick` lets the curve readout follow the pointer; the blinking
    // marker goes.
    void startTracking(std::function<void()> onTick);
    // State 3: the next tick moves the pointer to `globalPosition` once.
    void schedulePointerMove(QPoint globalPosition, int delayMs);
    // Leaving the graphic mode: the timer stops, unless it still has the title to close.
    void stopUnlessClosingTitle();
    void stop();

    // The work of one tick.
    void tick();

  private:
    QTimer* timer_;
    TimerState state_ = TimerState::Tracking;
    bool titleOpen_ = false;
    QPointer<QWidget> title_;
    QPointer<QLabel> hand_;
    std::function<void()> tracker_;
    QPoint pendingPointer_;
    bool pointerPending_ = false;
};

}  // namespace volmira
