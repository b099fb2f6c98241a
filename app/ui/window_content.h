#pragma once
#include <QWidget>
#include <functional>

namespace volmira {

// The main window's scrolled content: never smaller than the design size, and never lower than
// the shown mode panel needs (the graphic mode's fixed plot frame would otherwise be
// drawn over the controls under it).
class WindowContent : public QWidget {
  public:
    WindowContent(QSize designMinimum, std::function<void()> neededSizeChanged);
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;

  private:
    QSize designMinimum_;
    std::function<void()> neededSizeChanged_;
};

}  // namespace volmira
