#pragma once
// The panel of one working mode. The main window shows one at a time and hands the drawing
// frame `Bild1Rahmen` to it, so each mode decides where the drawing (or the curve) stands.
#include <QFrame>

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
