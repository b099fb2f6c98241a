#pragma once
// The four working modes: 1 drawing, 2 component entry, 3 single-frequency calculation,
// 4 graphic display. Which modes may be chosen, the highest mode chosen since the last new
// network, and the work a change from one mode to another asks for.
namespace volmira {

inline constexpr int kModeDrawing = 1;
inline constexpr int kModeComponents = 2;
inline constexpr int kModeSingleFrequency = 3;
inline constexpr int kModeGraphic = 4;

// The work of one mode change, in the order the window must do it. `happened` is false when the
// requested mode was already current (or not a mode): then nothing is to be done at all.
struct ModeSwitch {
    bool happened = false;
    int from = 0;  // 0: no mode yet (start-up)
    int to = 0;

    bool layoutDrawingArea = false;     // to < 4: graphic controls away, drawing frame in place
    bool leaveGraphic = false;          // from 4: graphic side panels away, fields reformatted
    bool repaintDrawing = false;        // blank the image and paint the drawing again
    bool rebuildValueList = false;      // the component list `BtListe`
    bool calculate = false;             // the single-frequency calculation
    bool removeComponentMarks = false;  // the marks of the value entry in the drawing
    bool redrawMarks = false;           // into mode 3 without a calculation: source and branch
    bool enterGraphic = false;          // curve area, blinking marker or the curve
    bool refreshHelp = false;           // refresh the help topic if the help window is shown
    bool resetDrawingTool = false;      // leaving mode 1: back to the mouse pointer
};

class WorkingModes {
  public:
    int workingMode() const { return working_; }
    int reachedMode() const { return reached_; }
    // The mode button shown pressed.
    int pressedButton() const { return pressed_; }
    // Mode 1 always; mode 2 after an analysis; modes 3 and 4 after the values are confirmed.
    bool selectable(int mode) const;
    bool valuesUnchanged() const { return valuesUnchanged_; }
    // Set by the value entry: true when a change from mode 2 to 3 needs no new calculation.
    void setValuesUnchanged(bool unchanged) { valuesUnchanged_ = unchanged; }

    // Enable modes up to level r and switch to mode m: (2, 2) after an analysis, (4, 3) after
    // the values are confirmed, (1, 1) for a new network and when the drawing changes.
    ModeSwitch enable(int level, int mode);
    // The mode menu entries: raise ReachedMode, then enable (ReachedMode, tag). A mode that is
    // not selectable is refused.
    ModeSwitch chooseFromMenu(int tag);
    // The mode buttons: raise ReachedMode and switch, leaving what is selectable as it is.
    ModeSwitch chooseButton(int tag);
    // "Neues Netzwerk" (also before every load): ReachedMode 1, only mode 1 selectable.
    ModeSwitch newNetwork();
    // A drawing change: in mode 1 with ReachedMode 2 or more the analysis is no longer valid
    // and only mode 1 stays selectable (true). Otherwise nothing happens.
    bool drawingChanged();
    // A press on the drawing in mode 1 withdraws modes 2 to 4 at once (no switch).
    void withdrawResultModes();
    // The values were confirmed (`wereConfirmed`: they were before the last edit). Going from
    // mode 2 to 3 needs no new calculation now; outside the graphic mode all modes open and the
    // single-frequency mode follows, in it the modes that editing withdrew come back.
    ModeSwitch confirmValues(bool wereConfirmed);

    // The plain change of mode with the work it asks for.
    ModeSwitch switchTo(int mode);

  private:
    int working_ = 0;
    int reached_ = 1;
    int level_ = 1;
    int pressed_ = 1;
    bool valuesUnchanged_ = false;
};

}  // namespace volmira
