#pragma once
// The side bar `MausPalSenk` of the drawing mode: `UndoButton` "Rückgängig", `SetMasse`
// "Massepunkte setzen", the arrow image `Lirebild` "Netzwerk verschieben" and `NwNeu`
// "Netzwerk neu". The controls go into a frame the window provides.
#include <QLabel>
#include <QObject>

class QToolButton;

namespace volmira {

// `Lirebild`: four arrows on 25 x 25 pixels; reports where it was pressed.
class ArrowImage : public QLabel {
    Q_OBJECT
  public:
    explicit ArrowImage(QWidget* parent = nullptr);

  signals:
    void pressedAt(QPoint position);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class EditorSideBar : public QObject {
    Q_OBJECT
  public:
    explicit EditorSideBar(QWidget* frame);

    QToolButton* undoButton() const { return undo_; }
    QToolButton* groundButton() const { return ground_; }
    ArrowImage* arrowImage() const { return arrows_; }
    QToolButton* newNetworkButton() const { return newNetwork_; }

  private:
    QToolButton* undo_;
    QToolButton* ground_;
    ArrowImage* arrows_;
    QToolButton* newNetwork_;
};

}  // namespace volmira
