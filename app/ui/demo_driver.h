#pragma once
// The guided demonstration in the main window: `DemoClick` starts it with a new network, every
// "Weiter" (or Enter) runs the next step of the script with the real pointer on the real
// controls, "Abbruch" ends it at any time with an empty network. Message boxes that the steps
// bring up are read for a moment and confirmed by the pointer.
#include <QObject>
#include <QPoint>

#include "app/ui/demo_pointer.h"
#include "graphics/demo_script.h"

class QTimer;

namespace volmira {

class DemoPanel;
class Tgrf;

class DemoDriver : public QObject {
    Q_OBJECT
  public:
    // The panel, the marker and the hint field go onto the window's content `content`.
    DemoDriver(Tgrf& window, QWidget* content);

    DemoPanel* panel() const { return panel_; }
    DemoPointer& pointer() { return pointer_; }
    int demoStep() const { return step_; }
    bool demoRunning() const { return running_; }
    // A step's actions are being carried out.
    bool stepRunning() const { return busy_; }

  public slots:
    void DemoClick();
    void DemoWeiterClick();
    void DemoAbbruchClick();

  private:
    void runStep(const DemoStep& step);
    void perform(const DemoStepAction& action);
    void pressControl(const char* name);
    void clickDrawing(GridPixel pixel, Qt::MouseButton button);
    void dragOnDrawing(GridPixel from, GridPixel to);
    void TypeValue(int row, const QString& text);
    void pickBranch(GridPixel pixel);
    void confirmMessageBox();
    void showText(std::span<const std::string_view> lines, bool prompt);
    void returnToPanel();
    // The panel's bottom-right corner on the content.
    void placePanel(QPoint bottomRight);
    void setMenusEnabled(bool enabled);
    void stop();

    Tgrf& window_;
    QWidget* content_;
    DemoPanel* panel_;
    DemoPointer pointer_;
    QTimer* modalWatch_;
    int step_ = 0;
    bool running_ = false;
    bool busy_ = false;
    bool stopRequested_ = false;
    bool confirming_ = false;
};

}  // namespace volmira
