#pragma once
// The modeless dialog shown while copying: which file goes where, and the progress bar.
#include <QFrame>
#include <QString>

#include "ui/setup_dialog.h"

class QLabel;

namespace setup {

// The bordered frame of the bar; the bar fills its inside (shrunk by 2) from the left.
class ProgressFrame : public QFrame {
  public:
    ProgressFrame();
    // Pixels the bar grows over the whole copy.
    int span() const;
    void setEdge(int edge);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect barArea() const;
    int edge_ = 0;
};

class ProgressDialog : public SetupDialog {
  public:
    ProgressDialog(const QString& product, const QString& targetFolder, QWidget* parent);
    void showFile(const QString& source, const QString& target);
    ProgressFrame& bar() const { return *bar_; }
    // "Abbrechen" asks, and a Yes stops the copy.
    bool cancelled() const { return cancelled_; }
    void reject() override;

  private:
    QLabel* source_;
    QLabel* target_;
    ProgressFrame* bar_;
    bool cancelled_ = false;
};

}  // namespace setup
