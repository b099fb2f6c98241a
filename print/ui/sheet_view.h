#pragma once
// The miniature sheet of the composer: the paper `GBlatt`, the printable area `Blatt` with its
// dotted frame `Rahmen`, the placeholders `Shape1`..`Shape20` and the resize handle `Vergr`.
// Presses, drags and releases on `Blatt` go to the document; the widgets only show its slots.
#include <QFrame>
#include <array>

#include "print/print_document.h"

namespace volmira {

class SheetView : public QFrame {
    Q_OBJECT
  public:
    SheetView(PrintDocument& document, QWidget* parent);

    QWidget* blatt() const { return blatt_; }
    // Places the paper at `paperTopLeft` and shows the slots as the document holds them.
    void refresh(QPoint paperTopLeft);
    void refresh();

  signals:
    // A press on Blatt (BlattMouseDown) and every move or resize that followed.
    void pressed();
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PrintDocument& document_;
    QWidget* blatt_;
    QWidget* rahmen_;
    QWidget* vergr_;
    std::array<QWidget*, kElementSlots> shapes_{};
};

}  // namespace volmira
