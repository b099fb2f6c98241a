#pragma once
// The full-screen backdrop behind the installer's dialogs: a gradient from black to blue with
// the product's name. Closing it ends the installation.
#include <QWidget>

namespace setup {

class BackgroundWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BackgroundWindow(const QString& product);

  signals:
    void closed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QString title_;
};

}  // namespace setup
