#pragma once
// The drawing tools of mode 1: placing symbols, the line, rectangle and node tools, ground marks,
// moving the drawing, undo and redo and a new network. The window feeds mouse events in
// drawing-image pixels, paints what the returned DrawingChanges name and places its preview
// controls where previews() says.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "schematic/component.h"
#include "schematic/drawing_history.h"
#include "schematic/drawing_moves.h"
#include "schematic/editor_geometry.h"
#include "schematic/grid.h"
#include "schematic/macro_insert.h"
#include "schematic/symbol_list.h"
#include "schematic/wire_tools.h"

namespace volmira {

// The line tool: off, on without a line, a line begun, and the moment a press continues it.
enum class LineState : std::uint8_t { Aus, Ein, Beg, End };

enum class MouseButton : std::uint8_t { Left, Right, Other };

// The tools without a symbol, by the names of their buttons.
inline constexpr std::string_view kRectangleToolName = "Rechteck Zeichnen";
inline constexpr std::string_view kLineToolName = "Linien zeichnen";
inline constexpr std::string_view kNodeToolName = "Knotenpunkt setzen";

// The preview controls over the drawing, in drawing-image pixels and cells.
struct EditorPreviews {
    bool symbolVisible = true;   // the floating symbol `hbi`
    Pixel symbolTopLeft{9, 9};   // snapped; the symbol lands on the cell under it
    bool markerVisible = false;  // the cell marker `ZQuad`
    Cell markerCell{1, 1};
    std::optional<PixelRect> band;  // the rubber band `REck`: a rectangle or a one-pixel segment
    bool cornerVisible = false;     // the corner preview `Eckbild`
    int cornerCode = 0;
    Cell cornerCell{1, 1};
};

class Editor {
  public:
    Editor(SchematicGrid& grid, SchematicGrid& undoCopy, SymbolList& symbols);

    // The toolbar.
    void selectSymbol(int code);  // 0 is the mouse pointer
    void startRectangle();
    void startLine();
    void startNode();
    void toolsOff();
    // Inserting a macro: tools off; then each left press inserts it with its column 2, row 2 at
    // the cell under the floating preview, until another tool is chosen.
    void startMacro(const SymbolList& macro);
    void setMacroMode(MacroMode mode) { macroMode_ = mode; }

    // The drawing in mode 1.
    void mouseMove(Pixel p, bool leftDown);
    DrawingChanges mousePress(Pixel p, MouseButton button);
    DrawingChanges mouseRelease(Pixel p, MouseButton button);

    // Escape: a line being drawn ends as with the right button at the pointer.
    DrawingChanges endLineByKey();

    // The side bar and the menu. Undo and redo skip steps that would change nothing and move
    // the records by the moves they take back or do again.
    DrawingChanges undo(std::span<Component> records = {});
    DrawingChanges redo(std::span<Component> records = {});
    const DrawingHistory& history() const { return *history_; }
    // The drawing is about to be replaced by a new network: it becomes a step of the history.
    void rememberDrawing() { remember(grid_); }
    // A loaded network starts a history of its own.
    void forgetHistory() { history_->clear(); }
    DrawingChanges groundMarks();
    // Moves the drawing and the cells of the confirmed component records; nothing changes when
    // something would leave the grid.
    DrawingChanges moveDrawing(MoveDirection direction, std::span<Component> records);

    int currentSymbol() const { return currentSymbol_; }
    bool insertingMacro() const { return macroOn_; }
    const SymbolList& macro() const { return macro_; }
    MacroMode macroMode() const { return macroMode_; }
    LineState lineState() const { return line_; }
    bool rectangleOn() const { return rectangle_; }
    bool nodeOn() const { return node_; }
    bool leftDown() const { return leftDown_; }
    bool rightDown() const { return rightDown_; }
    Pixel pressPosition() const { return pressPosition_; }
    Pixel lastPosition() const { return lastPosition_; }
    Cell lineStart() const { return start_; }
    Cell previousLineStart() const { return previousStart_; }
    Direction direction() const { return direction_; }
    Direction previousDirection() const { return previousDirection_; }
    const EditorPreviews& previews() const { return previews_; }

  private:
    DrawingChanges placeSymbol();
    DrawingChanges placeMacro();
    DrawingChanges linePress(Pixel p, bool finish);
    DrawingChanges placeNode(Cell cell);
    void endLine();
    // Recogniser after a whole-grid change: the window repaints everything from the list.
    DrawingChanges rebuiltSince(const SchematicGrid& before);
    // Before a change: the undo copy and a step of the history.
    void remember(const SchematicGrid& before);
    DrawingChanges travel(bool (DrawingHistory::*step)(DrawingState&),
                          std::span<Component> records);
    void track(Pixel p);
    void trackLine(Pixel p);

    SchematicGrid& grid_;
    SchematicGrid& undo_;
    SymbolList& symbols_;
    std::unique_ptr<DrawingHistory> history_ = std::make_unique<DrawingHistory>();
    DrawingOffset offset_;

    int currentSymbol_ = 0;
    LineState line_ = LineState::Aus;
    bool rectangle_ = false;
    bool node_ = false;
    bool macroOn_ = false;
    SymbolList macro_;
    MacroMode macroMode_ = MacroMode::Cover;
    bool leftDown_ = false;
    bool rightDown_ = false;
    Pixel pressPosition_;
    Pixel lastPosition_;
    Cell start_;
    Cell previousStart_;
    Direction direction_ = Direction::None;
    Direction previousDirection_ = Direction::None;
    EditorPreviews previews_;
};

// Whether the pointer over a pixel shows the hand: in component entry (mode 2) over a component
// letter, in the single-frequency mode (3) over any non-empty cell.
bool showsHandCursor(const SchematicGrid& grid, int workingMode, Pixel p);

}  // namespace volmira
