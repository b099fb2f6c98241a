#pragma once
// The application's hint switch: while off, no control shows its tool tip.
#include <QObject>

namespace volmira {

class HintSwitch : public QObject {
    Q_OBJECT
  public:
    // Watches every event of the application while it lives.
    explicit HintSwitch(QObject* parent = nullptr);
    void setOn(bool on) { on_ = on; }
    bool isOn() const { return on_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool on_ = true;
};

}  // namespace volmira
