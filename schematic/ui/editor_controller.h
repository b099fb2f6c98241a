#pragma once
// The drawing editor in the window: routes the mouse events of `Bild1` in mode 1 to the editor,
// paints what changed with the glyph painter, keeps the previews over the drawing in place and
// runs the toolbar `MausPal1` and the side bar `MausPalSenk` with the macro panel that its
// button `mkrJa` opens. In modes 2 and 3 it only shows the hand over clickable cells.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <functional>
#include <span>

#include "schematic/component.h"
#include "schematic/editor.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/ui/editor_previews.h"

namespace volmira {

// What the editor works on: the drawing, its undo copy and its symbol list. The component
// records that move with the drawing and whether the source is drawn as a DC source belong to
// the calculation above the drawing; they are asked for when needed.
struct EditedDrawing {
    SchematicGrid& grid;
    SchematicGrid& undoCopy;
    SymbolList& symbols;
    std::function<std::span<Component>()> records;
    std::function<bool()> directVoltage;
};

class DrawingView;
class EditorSideBar;
class MacroPanel;
class SymbolToolbar;

class EditorController : public QObject {
    Q_OBJECT
  public:
    // Fills the two frames with the buttons; the macro panel lies over the side bar's parent.
    EditorController(DrawingView* view, EditedDrawing drawing, QWidget* toolbarFrame,
                     QWidget* sideBarFrame, QObject* parent = nullptr);

    Editor& editor() { return editor_; }
    SymbolToolbar* toolbar() const { return toolbar_; }
    EditorSideBar* sideBar() const { return sideBar_; }
    MacroPanel* macroPanel() const { return macroPanel_; }
    const EditorPreviewWidgets& previewWidgets() const { return previews_; }

  public slots:
    // The working mode, set by the window with every change: the editor draws in mode 1 only.
    void setWorkingMode(int mode) { workingMode_ = mode; }
    void SymWahl(int code);
    void RechteckEin();
    void LinienZugEin();
    void KnotenPunktEin();
    void UndoClick();
    void RedoClick();
    // Escape ends a line being drawn.
    void endLineByKey();
    void MasseSetzen();
    void LirebildMouseDown(QPoint position);
    // "Netzwerk neu": the main window does the work (new network) and then calls resetTool()
    // and repaintDrawing().
    void NwNeuClick();
    // Back to the mouse pointer with `Sym26` pressed: leaving mode 1, after a new network.
    void resetTool();
    // The whole image from the symbol list.
    void repaintDrawing();

  signals:
    // The grid changed: an earlier analysis no longer fits the drawing.
    void drawingChanged();
    // Any press on the drawing in mode 1.
    void drawingPressed();
    void newNetworkRequested();
    // The tools were switched off (a toolbar choice or a reset): macro insertion ends too.
    void toolsSwitchedOff();
    // A short note for the status bar.
    void note(const QString& text);

  private:
    void MausDruecken(QPoint pixel, Qt::MouseButton button);
    void MausBeweg(QPoint pixel, Qt::MouseButtons buttons);
    void MausTasteUp(QPoint pixel, Qt::MouseButton button);
    void chooseTool(void (Editor::*start)(), int button);
    // A macro from the panel: tools off, then each press inserts it.
    void startMacro(const SymbolList& macro);
    bool drawingMode() const;
    GlyphStyle style() const;
    void paint(const DrawingChanges& changes);
    void showPreviews();

    DrawingView* view_;
    EditedDrawing drawing_;
    int workingMode_ = 1;
    Editor editor_;
    SymbolToolbar* toolbar_;
    EditorSideBar* sideBar_;
    EditorPreviewWidgets previews_;
    MacroPanel* macroPanel_;
    QPixmap macroImage_;  // the floating preview of the macro being inserted
};

}  // namespace volmira
