#pragma once
// `Grossbild`: the curve frame enlarged to the whole store (points 1..896, the plot 257 rows
// taller, doubled pens and grid lines) with the panels around it hidden; leaving gives back the
// layout and the user's range texts.
#include <QPointer>
#include <QSize>
#include <string>
#include <vector>

class QScrollArea;
class QWidget;

namespace volmira {

class GraphicPanel;
struct GraphicState;
struct InputFields;

class LargeView {
  public:
    LargeView(GraphicPanel& panel, GraphicState& state, InputFields& fields);

    bool active() const { return active_; }
    // Both sweep the window anew.
    void enter();
    void leave();
    // Leaving the graphic mode: the layout and the texts come back, the large curve goes.
    void abandon();

  private:
    QScrollArea* frame() const;
    void restoreLayout();

    GraphicPanel& panel_;
    GraphicState& state_;
    InputFields& fields_;
    bool active_ = false;
    std::vector<QPointer<QWidget>> hidden_;
    QSize frameMinimum_;
    QSize frameMaximum_;
    Qt::ScrollBarPolicy framePolicy_ = Qt::ScrollBarAsNeeded;
    std::string savedVon_;
    std::string savedBis_;
};

}  // namespace volmira
