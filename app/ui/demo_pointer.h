#pragma once
// The hands of the guided demonstration: the real mouse pointer moved in small steps by a timer,
// the click marker `Klick` with its image `inklick`, the yellow hint field `DemoHw`, pauses that
// let the window work, and the presses, drags and keys the pointer gives to the controls under
// it. A cancelled demonstration skips what is left of waits and moves.
#include <QPoint>
#include <QString>
#include <functional>

class QFrame;
class QLabel;
class QWidget;

namespace volmira {

// How fast the demonstration goes; zero for tests.
struct DemoPace {
    int pointerStepMs = 8;  // one step of the pointer
    int pointerStepPixels = 14;
    int shortPauseMs = 250;  // between two actions, and how long `Klick` shows
    int typingMs = 140;      // between two typed characters
    int readingMs = 1800;    // before a message box is confirmed
};

class DemoPointer {
  public:
    // The marker and the hint field lie on `surface` (the window's content).
    explicit DemoPointer(QWidget* surface);

    void setPace(const DemoPace& pace) { pace_ = pace; }
    const DemoPace& pace() const { return pace_; }
    void setCancelled(bool cancelled) { cancelled_ = cancelled; }
    bool cancelled() const { return cancelled_; }

    // Waits by the tick counter while the window works.
    void Pause(int milliseconds);
    // Moves the pointer along a straight line onto the point; `eachStep` runs after every step
    // (a drag reports the moves to the control it holds).
    void MovePointerTo(QPoint global, const std::function<void(QPoint)>& eachStep = {});
    void MovePointerTo(QWidget* widget, QPoint local);
    // `Klick` at the pointer for a moment.
    void ShowClick();
    // The hint beside the pointer; hidden by hideHint().
    void ShowHintBox(const QString& text);
    void hideHint();
    void hideMarks();

    // The pointer's press and release of one button on the control at `local`.
    static void click(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton);
    static void press(QWidget* widget, QPoint local, Qt::MouseButton button);
    static void release(QWidget* widget, QPoint local, Qt::MouseButton button);
    static void move(QWidget* widget, QPoint local, Qt::MouseButtons buttons);
    // A typed character or key on the widget that has the keyboard.
    static void type(QWidget* widget, int key, const QString& text);

  private:
    QPoint onSurface(QPoint global) const;

    QWidget* surface_;
    QFrame* klick_;
    QLabel* hint_;
    DemoPace pace_;
    bool cancelled_ = false;
};

}  // namespace volmira
