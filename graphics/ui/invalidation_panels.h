#pragma once
// The notice that the drawn curves no longer fit the settings: `ngueltpan` with its two lines,
// the cover `deckpan` and the arrow `Pfeilpan` towards the start button. The graphic mode shows
// them after the invalidation check.
#include <QObject>

class QFrame;
class QRect;
class QLabel;
class QWidget;

namespace volmira {

struct SweepSettings;

class InvalidationPanels : public QObject {
    Q_OBJECT
  public:
    explicit InvalidationPanels(QWidget* host);

    QFrame* notice() const { return notice_; }  // ngueltpan
    QFrame* cover() const { return cover_; }    // deckpan
    QLabel* arrow() const { return arrow_; }    // Pfeilpan

    // Shows all three when the settings differ from those of the drawn curves and a curve
    // exists, else hides them.
    void check(const SweepSettings& current, const SweepSettings& last, bool curveExists);
    void setShown(bool shown);
    bool shown() const;
    // The cover over `area` of the host, the notice in its middle, the arrow at its right edge
    // (towards the start button beside the plot).
    void placeOver(const QRect& area);

  private:
    QFrame* notice_;
    QFrame* cover_;
    QLabel* arrow_;
};

}  // namespace volmira
