#pragma once
// The status panel: a small borderless window that stays on top of the main window while a long
// operation runs ("Netzwerk wird gespeichert", "Netzwerk wird analysiert").
#include <QFrame>
#include <QWidget>

class QLabel;

namespace volmira {

class StatusPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 227;
    static constexpr int kHeight = 111;
    static constexpr QPoint kOffset{230, 140};  // from the main window's top-left corner

    // A tool window of `mainWindow`: it goes with the main window and never keeps the program
    // alive on its own.
    explicit StatusPanel(QWidget* mainWindow);

    // Places the window beside the main window, shows `text` (a "\r" or "\n" starts a new line)
    // and paints it at once.
    void showMessage(const QString& text);
    void hideMessage() { hide(); }
    QString message() const;

  private:
    QWidget* mainWindow_;
    QFrame* panel_;
    QLabel* label_;
};

}  // namespace volmira
