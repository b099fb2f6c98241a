#pragma once
// The symbol toolbar `MausPal1`: the speed buttons `Sym1` to `Sym26`, one per drawing symbol of
// the catalogue plus the rectangle, line and node tools and the mouse pointer. The buttons go
// into a frame the window provides.
#include <QObject>
#include <QPixmap>

class QAbstractButton;
class QButtonGroup;
class QToolButton;
class QWidget;

namespace volmira {

inline constexpr int kSymbolButtonCount = 26;
inline constexpr int kRectangleButton = 14;  // "Rechteck Zeichnen"
inline constexpr int kLineButton = 15;       // "Linien zeichnen"
inline constexpr int kNodeButton = 16;       // "Knotenpunkt setzen"
inline constexpr int kPointerButton = 26;    // "Mauszeiger"

// Adds a control to a tool frame: into its box layout before a closing stretch, or into a new
// layout of the given direction when the frame has none.
void addToToolFrame(QWidget* frame, QWidget* control, bool vertical);

// The glyph of a symbol code on a transparent square of `size` pixels, scaled down only when
// the glyph's box is larger.
QPixmap symbolIcon(int code, int size);

class SymbolToolbar : public QObject {
    Q_OBJECT
  public:
    explicit SymbolToolbar(QWidget* frame);

    // `Sym<number>`, 1 to 26.
    QToolButton* button(int number) const;
    // Shows the button of a symbol code pressed, `Sym26` for 0; forms that have no button of
    // their own leave the buttons as they are.
    void pressSymbol(int code);

  signals:
    void symbolChosen(int code);  // SymWahl with the button's tag
    void rectangleChosen();
    void lineChosen();
    void nodeChosen();

  private:
    void clicked(QAbstractButton* button);

    QButtonGroup* group_;
    QToolButton* buttons_[kSymbolButtonCount + 1] = {};
};

}  // namespace volmira
