#pragma once
// `Tgrf`, the main window: menus, the file buttons, the mode buttons, the panel of the working
// mode with the drawing, the hint lines, the status panel and the timer. It routes events to
// the workspace and to the mode panels and shows what they produce.
#include <QMainWindow>
#include <QPoint>
#include <array>
#include <filesystem>
#include <functional>

#include "app/window_rules.h"
#include "app/working_modes.h"
#include "schematic/text_file.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;

namespace volmira {

class DrawingView;
class E12Picker;
class EditorController;
class HintImage;
class ModePanel;
class ResultsPanel;
class StatusPanel;
class Tafel1;
class Tafel2;
class Tafel3;
class Tafel4;
class Ttitform;
class ValueEntryPanel;
struct Workspace;

// What the timer `Zeitgeber` does on its tick.
enum class TimerState {
    Tracking = 0,      // the curve read-out follows the pointer
    Blinking = 1,      // the marker `hand` blinks
    PointerMove = 3,   // the demonstration moves the pointer once
    ClosingTitle = 4,  // the title window closes
};

class Tgrf : public QMainWindow {
    Q_OBJECT
  public:
    // The creation handler: installs the failure report and builds every control.
    explicit Tgrf(Workspace& workspace, QWidget* parent = nullptr);
    ~Tgrf() override;

    Workspace& workspace() { return ws_; }

    // Program start, in this order: showTitle(), startupInitialisation(), NeuesNetzwerk1Click(),
    // startTitleTimer(), showPlaced().
    void showTitle();
    void startupInitialisation(const std::filesystem::path& programFolder, ScreenSize screen);
    void startTitleTimer();
    void showPlaced();
    // Size, place and warn for a screen of this size (the window is not shown).
    void placeForScreen(ScreenSize screen);
    static ScreenSize currentScreenSize();

    // The controls other windows and panels reach.
    DrawingView* bild1() const { return bild1_; }
    EditorController* editorController() const { return editor_; }
    QScrollArea* bild1Rahmen() const { return bild1Rahmen_; }
    Tafel1* tafel1() const { return tafel1_; }
    Tafel2* tafel2() const { return tafel2_; }
    Tafel3* tafel3() const { return tafel3_; }
    Tafel4* tafel4() const { return tafel4_; }
    ValueEntryPanel* valueEntryPanel() const { return valueEntry_; }
    ResultsPanel* resultsPanel() const { return results_; }
    E12Picker* e12Picker() const { return picker_; }
    StatusPanel* statusPanel() const { return status_; }
    QTimer* zeitgeber() const { return zeitgeber_; }
    Ttitform* titleWindow() const { return title_; }
    bool titleOpen() const { return titleOpen_; }
    TimerState timerState() const { return timerState_; }

    // The status panel of long operations.
    void showStatus(const QString& text);
    void hideStatus();

    // Enable modes up to `level` and switch to `mode` (the analysis, the value confirmation,
    // the print composer and the demonstration call it).
    void enableModes(int level, int mode);
    // Paints the drawing image from the symbol list (and the grid from the list).
    void repaintDrawing();

    // Loading and saving; false when nothing was loaded or saved.
    bool loadNetwork(const std::filesystem::path& path);
    bool saveNetwork(bool askAlways);

    // Timer state 3: the next tick moves the pointer to `globalPosition` once.
    void schedulePointerMove(QPoint globalPosition, int delayMs);

    // Hooks for tests and the demonstration: the pause after writing a file (400 ms) and the
    // way the calculator is brought up.
    void setSaveDelay(int milliseconds) { saveDelayMs_ = milliseconds; }
    void setCalculatorLauncher(std::function<void()> launcher) {
        calculator_ = std::move(launcher);
    }

  public slots:
    // Handlers, named after their controls.
    void NeuesNetzwerk1Click();
    void SbOeffnen1Click();
    void NwSpeichernClick();
    void SpSpeichern1Click();
    void NwName1Click(int slot);
    void NetwerkDateilschen1Click();
    void Programmbeenden1Click();
    void ModWahl(int tag);
    void lm1MouseDown(int tag);
    void AnalysClick();
    // Runs the check; true when a fault was found (and shown).
    bool Schaltbildcheck();
    void SchaltbildCheck1Click();
    void RechnerClick();
    void ZeitgeberTimer();
    // The failure report: message by ProgressCode, "Abbruch" or "Ignorieren".
    void MyExcept();

  signals:
    // The work of a mode change that belongs to the panels of later modes. Each is emitted at
    // its place in the order of the change.
    void valueListRebuildRequested();       // rebuild `BtListe`
    void componentMarksRemovalRequested();  // marks of the value entry off the drawing
    void calculationRequested();            // the single-frequency calculation
    void graphicModeLeft();                 // graphic side panels away, fields reformatted
    void graphicModeEntered();              // draw the existing curve or locus
    void helpRefreshRequested();            // the help window shows the new mode's topic
    void drawingToolResetRequested();       // leaving mode 1: the mouse pointer as tool
    // After "Neues Netzwerk" and after loading: the panels show the state of the workspace
    // (the four input fields, the component tables).
    void workspaceReplaced();
    // A successful analysis: the value entry fills `BtListe`.
    void analysisSucceeded();
    // A drawing change withdrew the analysis (the print composer refreshes its copy).
    void analysisInvalidated();
    // Timer state 0 tick: the curve read-out may update.
    void trackingTick();
    // The settings file is written when closing is confirmed.
    void closingConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTopBar();
    QWidget* buildModeBar();
    void buildScreenWarning(QWidget* content, ScreenSize screen);
    void buildValuePanels();
    void applyModeSwitch(const ModeSwitch& change);
    void updateModeControls();
    void hideNamedControls(std::initializer_list<const char*> names);
    ModePanel* panelOfMode(int mode) const;
    void drawingEdited();
    void drawingPressed();
    // A press on `Bild1` in component entry or single-frequency mode.
    void drawingPressedForPanels(QPoint pixel);
    // The drawing image was painted anew: the panels' marks are gone from it.
    void drawingRepainted();
    void updateCaption();
    void updateRecentControls();
    // Unsaved work: asks and saves on "Yes". False when the user wanted to save and that
    // failed or was cancelled, so the caller must not go on.
    bool settleUnsavedWork();
    bool writeNetworkFile(const std::filesystem::path& path, const LineList& lines);
    void openRecent(int slot);
    QString dialogFolder() const;
    void stopBlinking();

    Workspace& ws_;

    QScrollArea* formScroll_ = nullptr;
    QWidget* content_ = nullptr;
    QFrame* wkmodpan_ = nullptr;
    std::array<QToolButton*, 4> wkmod_{};
    std::array<QLabel*, 8> lm_{};
    std::array<QAction*, 4> mod_{};
    std::array<QAction*, 5> nwbn_{};
    std::array<QToolButton*, 5> nwName_{};
    QToolButton* sbOeffnen1_ = nullptr;
    QToolButton* sbSpeichern1_ = nullptr;
    QCheckBox* opFehlerS_ = nullptr;
    QMenu* zeichnen_ = nullptr;
    QAction* recentSeparator_ = nullptr;

    Tafel1* tafel1_ = nullptr;
    Tafel2* tafel2_ = nullptr;
    Tafel3* tafel3_ = nullptr;
    Tafel4* tafel4_ = nullptr;
    QScrollArea* bild1Rahmen_ = nullptr;
    DrawingView* bild1_ = nullptr;
    EditorController* editor_ = nullptr;
    E12Picker* picker_ = nullptr;
    ValueEntryPanel* valueEntry_ = nullptr;
    ResultsPanel* results_ = nullptr;
    HintImage* prhbild_ = nullptr;

    QFrame* hw800pan_ = nullptr;
    QLabel* label3_ = nullptr;

    StatusPanel* status_ = nullptr;
    Ttitform* title_ = nullptr;
    QTimer* zeitgeber_ = nullptr;
    TimerState timerState_ = TimerState::Tracking;
    bool titleOpen_ = false;
    QPoint pendingPointer_;
    bool pointerPending_ = false;

    int saveDelayMs_ = 400;
    std::function<void()> calculator_;
};

}  // namespace volmira
