#include "schematic/ui/editor_controller.h"

#include <QApplication>
#include <QToolButton>

#include "common/progress.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_side_bar.h"
#include "schematic/ui/glyph_painter.h"
#include "schematic/ui/macro_image.h"
#include "schematic/ui/macro_panel.h"
#include "schematic/ui/symbol_toolbar.h"

namespace volmira {

namespace {

// The working modes are numbered by the window; the editor draws in the first.
constexpr int kDrawingMode = 1;

MouseButton editorButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::Other;
    }
}

Pixel toPixel(QPoint p) {
    return {p.x(), p.y()};
}

// The hourglass for as long as the drawing is being moved.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

EditorController::EditorController(DrawingView* view, EditedDrawing drawing, QWidget* toolbarFrame,
                                   QWidget* sideBarFrame, QObject* parent)
    : QObject(parent),
      view_(view),
      drawing_(std::move(drawing)),
      editor_(drawing_.grid, drawing_.undoCopy, drawing_.symbols),
      toolbar_(new SymbolToolbar(toolbarFrame)),
      sideBar_(new EditorSideBar(sideBarFrame)),
      previews_(view),
      macroPanel_(new MacroPanel(sideBarFrame->parentWidget(), drawing_.grid, drawing_.symbols)) {
    // Every handler runs guarded: no exception may cross the emission of the signal.
    connect(view_, &DrawingView::pressed, this,
            handlerSlot(progress::kMouseDown,
                        [this](QPoint p, Qt::MouseButton b) { MausDruecken(p, b); }));
    connect(view_, &DrawingView::moved, this,
            handlerSlot(progress::kMouseMove,
                        [this](QPoint p, Qt::MouseButtons b) { MausBeweg(p, b); }));
    connect(view_, &DrawingView::released, this,
            handlerSlot(progress::kMouseUp,
                        [this](QPoint p, Qt::MouseButton b) { MausTasteUp(p, b); }));

    connect(toolbar_, &SymbolToolbar::symbolChosen, this,
            handlerSlot(progress::kSymbolChoice, [this](int code) { SymWahl(code); }));
    connect(toolbar_, &SymbolToolbar::rectangleChosen, this,
            handlerSlot(progress::kSymbolChoice, [this] { RechteckEin(); }));
    connect(toolbar_, &SymbolToolbar::lineChosen, this,
            handlerSlot(progress::kSymbolChoice, [this] { LinienZugEin(); }));
    connect(toolbar_, &SymbolToolbar::nodeChosen, this,
            handlerSlot(progress::kSymbolChoice, [this] { KnotenPunktEin(); }));

    connect(sideBar_->undoButton(), &QToolButton::clicked, this,
            handlerSlot(progress::kUndo, [this](bool) { UndoClick(); }));
    connect(sideBar_->groundButton(), &QToolButton::clicked, this,
            handlerSlot(progress::kGroundPoints, [this](bool) { MasseSetzen(); }));
    connect(sideBar_->arrowImage(), &ArrowImage::pressedAt, this,
            handlerSlot(progress::kNetworkMove, [this](QPoint p) { LirebildMouseDown(p); }));
    connect(sideBar_->newNetworkButton(), &QToolButton::clicked, this,
            handlerSlot(progress::kNewNetwork, [this](bool) { NwNeuClick(); }));

    addToToolFrame(sideBarFrame, macroPanel_->createMkrJa(sideBarFrame), true);
    connect(macroPanel_, &MacroPanel::insertionStarted, this,
            handlerSlot(progress::kSymbolChoice,
                        [this](const SymbolList& macro) { startMacro(macro); }));
    connect(macroPanel_, &MacroPanel::modeChanged, this,
            [this](MacroMode mode) { editor_.setMacroMode(mode); });
    connect(this, &EditorController::toolsSwitchedOff, macroPanel_, &MacroPanel::endInsertion);
    showPreviews();
}

bool EditorController::drawingMode() const {
    return workingMode_ == kDrawingMode;
}

GlyphStyle EditorController::style() const {
    return GlyphStyle{drawing_.directVoltage(), false};
}

void EditorController::paint(const DrawingChanges& changes) {
    if (changes.repaintAll)
        view_->showSymbols(drawing_.symbols, style());
    else
        view_->showGlyphs(changes.glyphs, style());
    if (changes.changed) emit drawingChanged();
    if (!changes.hint.empty()) dialogs().information(view_->window(), qText(changes.hint));
}

void EditorController::showPreviews() {
    if (editor_.insertingMacro())
        previews_.showMacro(editor_.previews(), macroImage_);
    else
        previews_.show(editor_.previews(), editor_.currentSymbol(), style());
}

void EditorController::startMacro(const SymbolList& macro) {
    editor_.startMacro(macro);
    toolbar_->pressSymbol(0);
    emit toolsSwitchedOff();
    macroImage_ = QPixmap::fromImage(macroImage(macro));
    showPreviews();
}

void EditorController::SymWahl(int code) {
    progressCode = progress::kSymbolChoice;
    editor_.selectSymbol(code);
    toolbar_->pressSymbol(editor_.currentSymbol());
    emit toolsSwitchedOff();
    showPreviews();
}

void EditorController::chooseTool(void (Editor::*start)(), int button) {
    progressCode = progress::kSymbolChoice;
    (editor_.*start)();
    toolbar_->button(button)->setChecked(true);
    emit toolsSwitchedOff();
    showPreviews();
}

void EditorController::RechteckEin() {
    chooseTool(&Editor::startRectangle, kRectangleButton);
}

void EditorController::LinienZugEin() {
    chooseTool(&Editor::startLine, kLineButton);
}

void EditorController::KnotenPunktEin() {
    chooseTool(&Editor::startNode, kNodeButton);
}

void EditorController::resetTool() {
    editor_.toolsOff();
    toolbar_->pressSymbol(0);
    emit toolsSwitchedOff();
    showPreviews();
}

void EditorController::repaintDrawing() {
    view_->showSymbols(drawing_.symbols, style());
}

void EditorController::UndoClick() {
    progressCode = progress::kUndo;
    const DrawingChanges changes = editor_.undo(drawing_.records());
    if (!changes.changed) emit note("Nichts mehr rückgängig zu machen.");
    paint(changes);
    showPreviews();
}

void EditorController::RedoClick() {
    progressCode = progress::kUndo;
    const DrawingChanges changes = editor_.redo(drawing_.records());
    if (!changes.changed) emit note("Nichts zu wiederholen.");
    paint(changes);
    showPreviews();
}

void EditorController::endLineByKey() {
    progressCode = progress::kMouseDown;
    paint(editor_.endLineByKey());
    showPreviews();
}

void EditorController::MasseSetzen() {
    progressCode = progress::kGroundPoints;
    paint(editor_.groundMarks());
}

void EditorController::LirebildMouseDown(QPoint position) {
    progressCode = progress::kNetworkMove;
    const std::optional<MoveDirection> direction = arrowDirection(position.x(), position.y());
    if (!direction) return;
    DrawingChanges changes;
    {
        WaitCursor wait;
        changes = editor_.moveDrawing(*direction, drawing_.records());
    }
    paint(changes);
}

void EditorController::NwNeuClick() {
    progressCode = progress::kNewNetwork;
    emit newNetworkRequested();
}

void EditorController::MausDruecken(QPoint pixel, Qt::MouseButton button) {
    if (!drawingMode()) return;
    progressCode = progress::kMouseDown;
    emit drawingPressed();
    paint(editor_.mousePress(toPixel(pixel), editorButton(button)));
    showPreviews();
}

void EditorController::MausBeweg(QPoint pixel, Qt::MouseButtons buttons) {
    if (workingMode_ != kDrawingMode) {
        previews_.hideAll();
        if (showsHandCursor(drawing_.grid, workingMode_, toPixel(pixel)))
            view_->setCursor(Qt::PointingHandCursor);
        else
            view_->unsetCursor();
        return;
    }
    progressCode = progress::kMouseMove;
    view_->unsetCursor();
    editor_.mouseMove(toPixel(pixel), buttons.testFlag(Qt::LeftButton));
    showPreviews();
}

void EditorController::MausTasteUp(QPoint pixel, Qt::MouseButton button) {
    if (!drawingMode()) return;
    progressCode = progress::kMouseUp;
    paint(editor_.mouseRelease(toPixel(pixel), editorButton(button)));
    showPreviews();
}

}  // namespace volmira
