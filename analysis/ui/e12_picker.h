#pragma once
// The E12 value picker `awlist`: the table image `awbild`, its label, the drag handle `ziehgriff`,
// the buttons `WerAbb` and `WerOK`, and the shadow panel `swpan2` beside it. It shows one table
// kind and reports clicked cells; what a click means (a value for the current component, or one
// of the parameter values) is decided by whoever listens.
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include "analysis/e12_table.h"

class QLabel;
class QPushButton;

namespace volmira {

// Arial of 14 pixels, smaller where the longest text of the table would not fit its cell.
QFont e12TableFont(E12Kind kind);

// The table as the picker shows it: white, Arial, cells 70 x 17, column lines, and the cells of
// picked values white on navy.
QImage drawE12Table(E12Kind kind, const E12Selection& selection);

// `awbild`: shows the table image and reports presses in image pixels.
class E12TableView : public QWidget {
    Q_OBJECT
  public:
    explicit E12TableView(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

  signals:
    void pressed(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};

// `ziehgriff`: the handle by which the picker is dragged; reports pointer moves in global pixels.
class DragHandle : public QFrame {
    Q_OBJECT
  public:
    explicit DragHandle(QWidget* parent = nullptr);

  signals:
    void dragStarted(QPoint globalPosition);
    void dragMoved(QPoint globalPosition);
    void dragEnded();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool dragging_ = false;
};

class E12Picker : public QObject {
    Q_OBJECT
  public:
    // `awlist` and `swpan2` become children of `host` (the window area the picker floats over).
    explicit E12Picker(QWidget* host);

    static constexpr QPoint kStartPosition{180, 370};
    static constexpr QSize kPanelSize{583, 287};
    static constexpr int kShadowOffset = 10;

    QFrame* panel() const { return panel_; }               // awlist
    QFrame* shadow() const { return shadow_; }             // swpan2
    E12TableView* table() const { return table_; }         // awbild
    QLabel* label() const { return label_; }               // werlab
    DragHandle* handle() const { return handle_; }         // ziehgriff
    QPushButton* acceptButton() const { return accept_; }  // WerOK, parameter mode only
    QPushButton* cancelButton() const { return cancel_; }  // WerAbb

    // Picked values drawn white on navy; the parameter mode fills it.
    E12Selection& selection() { return selection_; }
    E12Kind kind() const { return kind_; }
    bool isOpen() const;
    // Where the picker opens (in the host's pixels); the drag handle moves it.
    QPoint position() const { return position_; }
    // Places the picker; an open picker moves there with its shadow.
    void setPosition(QPoint position);

    // E12EinClick: shows the panel and its shadow at the picker position with the table of `kind`.
    void open(E12Kind kind);
    // Moves the open panel with its shadow up or left as far as needed to lie inside `area` (the
    // visible part of the host), as long as it fits; the picker position stays as it is.
    void fitInto(const QRect& area);
    // Draws the table again (another kind, or after the selection changed).
    void showTable(E12Kind kind);
    // WerAbbClick: hides the panel and its shadow.
    void close();

  signals:
    // awbildMouseDown on a cell (clicks beside the cells are ignored).
    void cellClicked(E12Kind kind, int column, int row, double value);
    void opened();    // E12EinClick, after the panel is shown
    void accepted();  // WerOK
    void closed();    // WerAbb, after the panel is hidden

  private:
    void placeShadow();

    QFrame* panel_;
    QFrame* shadow_;
    QLabel* label_;
    DragHandle* handle_;
    E12TableView* table_;
    QPushButton* accept_;
    QPushButton* cancel_;
    E12Selection selection_;
    E12Kind kind_ = E12Kind::Resistor;
    QPoint position_ = kStartPosition;
    QPoint dragStartGlobal_;
    QPoint dragStartPanel_;
};

}  // namespace volmira
