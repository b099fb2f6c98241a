#pragma once
// The title shown while the program starts; the main window's timer closes it.
#include <QWidget>

namespace volmira {

class Ttitform : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 460;
    static constexpr int kHeight = 250;

    explicit Ttitform(QWidget* mainWindow);
    // Centred on the screen, painted at once.
    void showCentred();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace volmira
