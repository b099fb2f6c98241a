#pragma once
// `Tseitan`, the page preview: a borderless window over the whole screen with the bar `Panel1`
// and its button "Schließen", the white sheet `MBlatt` and in it the surface `SaBild` that stands
// for the printable area, on which the composer's pass is painted in PageUnits.
#include <QSizeF>
#include <QWidget>
#include <functional>

class QPushButton;

namespace volmira {

// Where the sheet and the surface stand in a preview window of `window` pixels for a printable
// area of `printable` millimetres.
struct PreviewGeometry {
    QRect sheet;    // MBlatt in the window
    QRect surface;  // SaBild in MBlatt
};
PreviewGeometry previewGeometry(QSize window, QSizeF printable);

class Tseitan : public QWidget {
    Q_OBJECT
  public:
    // Paints the page onto a painter whose transform already maps PageUnits onto the surface.
    using PagePainter = std::function<void(QPainter&)>;

    explicit Tseitan(QWidget* parent = nullptr);

    // Covers `screen`, places sheet and surface for the printable area and shows the page.
    void showPage(QRect screen, QSizeF printableMm, PagePainter page);
    QWidget* surface() const;

  public slots:
    void Button1Click() { hide(); }

  private:
    class Surface;
    QWidget* mBlatt_;
    Surface* saBild_;
};

}  // namespace volmira
