#pragma once
// `Bild1`: the drawing image in drawing, component-entry and single-frequency modes. It shows a
// QImage of the drawing and reports mouse events in image pixels; the editor and the modes
// decide what they mean.
#include <QImage>
#include <QWidget>

#include "schematic/grid.h"

namespace volmira {

class DrawingView : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingView(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Call after drawing into image() so the widget repaints.
    void imageChanged() { update(); }
    // Call after an edit of the drawing was painted into image(): besides repainting, tells the
    // main window that the drawing no longer matches an earlier analysis.
    void drawingEdited() {
        update();
        emit edited();
    }

  signals:
    void pressed(QPoint pixel, Qt::MouseButton button);
    void moved(QPoint pixel, Qt::MouseButtons buttons);
    void released(QPoint pixel, Qt::MouseButton button);
    void edited();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};

}  // namespace volmira
