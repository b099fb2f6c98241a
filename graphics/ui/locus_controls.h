#pragma once
// The controls of the locus plot: the choice "Darstellungsart" (`Achse` "Achse", `Ort`
// "Ortskurve"), the scroll bar `OrtScroll` that moves the pointer along the curve, the red
// pointer line `ortlinie` with the red square `Quadrat` at its tip (both over the plot image).
// The graphic mode places them and reacts to their signals.
#include <QObject>
#include <QPoint>

#include "graphics/locus_plot.h"

class QFrame;
class QGroupBox;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace volmira {

class TLinie;

class LocusControls : public QObject {
    Q_OBJECT
  public:
    // The choice and the scroll bar become children of `side`; the pointer and its square of
    // `plotImage` (Bild1), so they scroll with it.
    LocusControls(QWidget* side, QWidget* plotImage);

    QGroupBox* choice() const { return choice_; }
    QRadioButton* achse() const { return achse_; }
    QRadioButton* ort() const { return ort_; }
    QScrollBar* ortScroll() const { return scroll_; }
    TLinie* ortlinie() const { return line_; }
    QFrame* quadrat() const { return square_; }

    bool locusMode() const;
    // OrtScroll's position: the pointer's point is firstPoint + this.
    int pointerPosition() const;

    // Switching the view (OrtClick / AchseClick) as far as these controls go: the scroll bar back
    // on the window's centre, and the pointer controls shown or hidden.
    void showLocusView(bool on);
    // OrtScroll spans the window's points (448 steps, 895 in the large view); entering the
    // view puts it on their centre.
    void setWindowSteps(int steps);
    // PlaceLocusPointer's result: the line from the origin to the point and the square, or both
    // hidden over an unsolved point.
    void showPointer(const LocusPointer& pointer);

  signals:
    void ortClicked();
    void achseClicked();
    void pointerMoved(int position);  // OrtScrollChange

  private:
    QGroupBox* choice_;
    QRadioButton* achse_;
    QRadioButton* ort_;
    QScrollBar* scroll_;
    TLinie* line_;
    QFrame* square_;
};

}  // namespace volmira
