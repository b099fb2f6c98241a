#pragma once
// The preview controls over the drawing `Bild1`: the floating symbol `hbi`, the cell marker
// `ZQuad`, the rubber band `REck` and the corner preview `Eckbild`. They let every mouse event
// through to the drawing and are scaled with its zoom.
#include <QLabel>

#include "schematic/editor.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

// `REck`: a one-pixel outline of its rectangle; one pixel wide or high, it is a line.
class RubberBand : public QWidget {
    Q_OBJECT
  public:
    explicit RubberBand(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class DrawingView;

class EditorPreviewWidgets {
  public:
    explicit EditorPreviewWidgets(DrawingView* drawing);

    // Places and shows the controls as the editor's previews say; `symbol` is the code the
    // floating preview shows (0: none).
    void show(const EditorPreviews& previews, int symbol, GlyphStyle style);
    // While a macro is being inserted, the floating preview shows the macro's image.
    void showMacro(const EditorPreviews& previews, const QPixmap& macro);
    // Outside the drawing mode none of them is shown.
    void hideAll();

    QLabel* hbi() const { return hbi_; }
    QLabel* zQuad() const { return zQuad_; }
    RubberBand* rEck() const { return rEck_; }
    QLabel* eckbild() const { return eckbild_; }

  private:
    // The marker, the rubber band and the corner preview.
    void showToolPreviews(const EditorPreviews& previews, GlyphStyle style);
    // Puts a control over an area of the drawing image.
    void place(QWidget* control, QPoint imageTopLeft, QSize imageSize) const;

    DrawingView* drawing_;
    QLabel* hbi_;
    QLabel* zQuad_;
    RubberBand* rEck_;
    QLabel* eckbild_;
    int hbiSymbol_ = -1;
    bool hbiDirectVoltage_ = false;
    int eckbildCode_ = -1;
};

}  // namespace volmira
