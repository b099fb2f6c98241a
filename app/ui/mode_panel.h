#pragma once
// The panel of one working mode. The main window shows one at a time and hands the drawing
// frame `Bild1Rahmen` to it, so each mode decides where the drawing (or the curve) stands. The
// window tells every panel what happens through the few calls below and leaves the rest to it.
#include <QFrame>
#include <QPoint>

#include "app/working_modes.h"

class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;

namespace volmira {

class ModePanel : public QFrame {
    Q_OBJECT
  public:
    ModePanel(const QString& objectName, QWidget* parent);

    // Takes the drawing frame into this panel's layout.
    void adoptDrawing(QWidget* drawingFrame);

    // A change of the working mode: each panel does its part of the work the change names, in
    // the order of the panels.
    virtual void modeChanged(const ModeSwitch& change) { (void)change; }
    // A press on the drawing while this panel's mode is the working mode.
    virtual void drawingPressed(QPoint pixel) { (void)pixel; }
    // The drawing was painted anew by the window: the marks of this mode go.
    virtual void drawingRepainted() {}
    // The workspace holds another network: a new or loaded one, or the result of an analysis.
    virtual void networkReplaced(bool analysed) { (void)analysed; }

  protected:
    // Where adoptDrawing() puts the frame (at drawingPosition_, -1 for the end); set by the
    // derived panel.
    QBoxLayout* drawingSlot_ = nullptr;
    int drawingPosition_ = -1;
};

// A frame with the look of a raised side panel, for the controls of a mode.
QFrame* makeSidePanel(const QString& objectName, QWidget* parent);

// A side panel of fixed width with a vertical layout for its controls.
struct SideColumn {
    QFrame* frame;
    QVBoxLayout* layout;
};
SideColumn makeSideColumn(const QString& objectName, QWidget* parent, int width);

// The row layout of a panel: side column and drawing side by side.
QHBoxLayout* makePanelRow(QWidget* panel);

}  // namespace volmira
