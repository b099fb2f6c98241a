#pragma once
// A miniature of the analysed drawing at 5 pixels per cell (`SbKlein`, `sbklein2`): the picture
// is built when the network changes, the selected branch is inverted over it, and a press
// reports its pixel for the branch or component hit test. With the component labels switched on
// they stand beside the components where two cell rows are free.
#include <QImage>
#include <QWidget>
#include <vector>

#include "graphics/miniature.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

class Calculation;

class MiniatureView : public QWidget {
    Q_OBJECT
  public:
    MiniatureView(const QString& objectName, const SchematicGrid& grid,
                  const Calculation& calculation, QWidget* parent = nullptr);

    // The drawing or the network changed: the picture is built again.
    void refresh();
    // The branch shown inverted; 0 for none.
    void setHighlightedBranch(int branch);
    int highlightedBranch() const { return branch_; }
    // The names and values beside the components, placed again on each refresh while shown.
    void showLabels(bool shown);
    // Where the picture has shapes; empty without a drawing.
    QRect drawnArea() const;

  signals:
    void pressed(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const SchematicGrid& grid_;
    const Calculation& calculation_;
    std::vector<MiniatureItem> items_;
    std::vector<PlotPoint> highlight_;
    bool labelsShown_ = false;
    std::vector<DrawingView::Label> labels_;
    // The drawing and its labels without the highlight, painted again only when they change:
    // a new branch repaints its boxes from here.
    QImage picture_;
    int branch_ = 0;
};

}  // namespace volmira
