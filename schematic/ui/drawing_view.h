#pragma once
// `Bild1`: the drawing in drawing, component-entry and single-frequency modes. The view owns its
// canvas: the drawing image, painted only through the calls below, and the marks of the modes
// (the cyan component frame and branch highlight, the red frame of the schematic check), which
// are painted on top in paintEvent and never into the image. The view may show the image zoomed;
// mouse events come out in image pixels at every zoom, and the editor and the modes decide what
// they mean.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <span>
#include <vector>

#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

class DrawingView : public QWidget {
    Q_OBJECT
  public:
    // The marks, one of each at a time. The cyan ones are exclusive-or boxes: cyan on the white
    // paper, inverted where they cross the lines.
    enum class Mark { Component, Branch, Probe };

    explicit DrawingView(QWidget* parent = nullptr);

    // The drawing: all of it from the list, some glyphs of an edit, or blank (the graphic mode).
    void showSymbols(const SymbolList& symbols, GlyphStyle style);
    void showGlyphs(std::span<const PlacedSymbol> glyphs, GlyphStyle style);
    void showBlank();
    // Besides repainting after an edit, tells the main window that the drawing no longer matches
    // an earlier analysis.
    void drawingEdited() {
        update();
        emit edited();
    }

    void setMark(Mark mark, std::vector<QRect> boxes);
    void clearMark(Mark mark) { setMark(mark, {}); }
    // The red frame of a fault found by the schematic check (an empty rectangle: none).
    void setFaultFrame(QRect frame);

    // The drawing without the marks, and the picture as shown (drawing and marks).
    const QImage& drawing() const { return image_; }
    QImage picture() const;

    // The zoom in percent (50 to 400); Ctrl + wheel steps it.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    QPoint toView(QPoint imagePixel) const;
    QRect toView(QRect imageRect) const;

    // Names and values beside the components, painted over the drawing while set.
    struct Label {
        QRect box;  // image pixels
        QString text;
    };
    void setLabels(std::vector<Label> labels);
    static QFont labelFont();
    // Also the miniature paints them so, in its smaller font.
    static void paintLabels(QPainter& painter, std::span<const Label> labels, const QFont& font);

  signals:
    void pressed(QPoint pixel, Qt::MouseButton button);
    void moved(QPoint pixel, Qt::MouseButtons buttons);
    void released(QPoint pixel, Qt::MouseButton button);
    void edited();
    void zoomChanged(int percent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void paintMarks(QPainter& painter) const;
    QPoint toImage(QPointF viewPixel) const;

    QImage image_;
    std::array<std::vector<QRect>, 3> marks_;
    QRect faultFrame_;
    std::vector<Label> labels_;
    int zoom_ = 100;
};

}  // namespace volmira
