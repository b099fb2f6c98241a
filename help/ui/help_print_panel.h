#pragma once
// "Hilfethemen ausdrucken": a small panel beside the main window that prints a range of the
// topic pages on the printer the program installs.
#include <QWidget>
#include <functional>

class QSpinBox;

namespace volmira {

// Prints topic pages first..last; false when the printer could not be started.
using HelpPagePrinter = std::function<bool(int first, int last)>;

class HelpPrintPanel : public QWidget {
    Q_OBJECT
  public:
    explicit HelpPrintPanel(QWidget* parent = nullptr);
    void setPrinter(HelpPagePrinter printer) { printer_ = std::move(printer); }

  public slots:
    void HilfDruckOKClick();

  private:
    QSpinBox* von_ = nullptr;
    QSpinBox* bis_ = nullptr;
    HelpPagePrinter printer_;
};

}  // namespace volmira
