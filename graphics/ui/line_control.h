#pragma once
// `TLinie`: a line as a control of its own, placed by its two ends. Its bounds follow the ends
// (a line that runs straight across or down gets one pixel of breadth), and it paints the
// diagonal of its rectangle from the corner of (x1, y1) to the corner of (x2, y2).
#include <QPen>
#include <QWidget>

namespace volmira {

class TLinie : public QWidget {
    Q_OBJECT
  public:
    explicit TLinie(QWidget* parent = nullptr);

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    // Both ends at once, in the parent's pixels.
    void setEnds(int x1, int y1, int x2, int y2);
    void setX1(int x) { setEnds(x, y1_, x2_, y2_); }
    void setY1(int y) { setEnds(x1_, y, x2_, y2_); }
    void setX2(int x) { setEnds(x1_, y1_, x, y2_); }
    void setY2(int y) { setEnds(x1_, y1_, x2_, y); }

    const QPen& pen() const { return pen_; }
    void setPen(const QPen& pen);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int x1_ = 0;
    int y1_ = 0;
    int x2_ = 1;
    int y2_ = 1;
    QPen pen_;
};

}  // namespace volmira
