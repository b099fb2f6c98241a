#pragma once
// `Tgrf`, the main window: menus, the file buttons, the mode buttons, the panel of the working
// mode with the drawing, the hint lines, the status panel and the timer. It routes events to
// the workspace and to the mode panels, which do the work of their modes.
#include <QMainWindow>
#include <QPoint>
#include <array>
#include <filesystem>
#include <functional>

#include "app/settings_file.h"
#include "app/ui/main_bars.h"
#include "app/window_rules.h"
#include "app/working_modes.h"
#include "schematic/text_file.h"

class QFrame;
class QLabel;
class QScrollArea;

namespace volmira {

class BranchTools;
class CalculationModel;
class DemoDriver;
class DrawingView;
class E12Picker;
class EditorComforts;
class EditorController;
class HelpPrintPanel;
class HintImage;
class HintSwitch;
class MainTimer;
class ModePanel;
class ProbePanel;
class OptionsPanel;
class ResultsPanel;
class StatusLine;
class StatusPanel;
class Tafel1;
class Tafel2;
class Tafel3;
class Tafel4;
class THilfform;
class Ttitform;
class ValueEntryPanel;
struct Workspace;

class Tgrf : public QMainWindow {
    Q_OBJECT
  public:
    // The creation handler: installs the failure report and builds every control.
    explicit Tgrf(Workspace& workspace, QWidget* parent = nullptr);
    ~Tgrf() override;

    // Program start, in this order: showTitle(), startupInitialisation(), NeuesNetzwerk1Click()
    // (or openFromCommandLine()), ReadSettings(), startTitleTimer(), showPlaced().
    void showTitle();
    void startupInitialisation(const std::filesystem::path& programFolder, ScreenSize screen);
    void startTitleTimer();
    void showPlaced();
    // Size, place and warn for a screen of this size (the window is not shown), kept inside
    // `area` (the screen without its panels) where one is given. A window stored in the
    // settings file keeps its place and size as far as the screen allows.
    void placeForScreen(ScreenSize screen, ScreenArea area = {});
    static ScreenSize currentScreenSize();
    static ScreenArea availableArea();
    // The network named on the command line, checked as the open dialog's choice would be; a
    // refused file leaves the new network.
    void openFromCommandLine(const std::filesystem::path& path);
    // The settings file: read at start (options, input fields, recent list, the place of the
    // window when it is first shown), written at the end where the program folder allows it.
    void ReadSettings();
    void WriteSettings();

    // The parts other windows and panels reach.
    DrawingView* drawingView() const { return drawingView_; }
    EditorController* editorController() const { return editor_; }
    ValueEntryPanel* valueEntryPanel() const { return valueEntry_; }
    ResultsPanel* resultsPanel() const { return results_; }
    BranchTools* branchTools() const { return branchTools_; }
    StatusPanel* statusPanel() const { return status_; }
    StatusLine* statusLine() const;
    ProbePanel* probePanel() const { return probe_; }
    MainTimer* timer() const { return timer_; }
    OptionsPanel* optionsPanel() const { return options_; }
    HintSwitch* hintSwitch() const { return hintSwitch_; }
    THilfform* helpWindow() const { return help_; }
    HelpPrintPanel* helpPrintPanel() const { return helpPrint_; }
    DemoDriver* demo() const { return demo_; }

    // Enable modes up to `level` and switch to `mode` (the analysis, the value confirmation,
    // the print composer and the demonstration call it).
    void enableModes(int level, int mode);
    // Paints the drawing from the symbol list (and the grid from the list).
    void repaintDrawing();
    // "Neues Netzwerk", asking first about unsaved work or not; false when the question was
    // cancelled or saving failed.
    bool newNetwork(bool askAboutUnsavedWork);

    // Loading and saving; false when nothing was loaded or saved.
    bool loadNetwork(const std::filesystem::path& path);
    bool saveNetwork(bool saveAs);

    // Hooks for tests and the demonstration: the pause after writing a file (400 ms) and the
    // way the calculator is brought up.
    void setSaveDelay(int milliseconds) { saveDelayMs_ = milliseconds; }
    void setCalculatorLauncher(std::function<void()> launcher) {
        calculator_ = std::move(launcher);
    }
    // The print composer's window and its printer set-up; the program installs them (the
    // composer's library stands above this one).
    struct PrintCommands {
        std::function<void()> open;
        std::function<void()> printerSetup;
        // Prints help topic pages first..last; false when the printer failed.
        std::function<bool(int first, int last)> helpTopics;
    };
    void setPrintCommands(PrintCommands commands);

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
    void FSammelClick();
    void Optionen1Click();
    void DruckenClick();
    void Druckerinstallation1Click();
    void Hilfe1Click();
    void Hilfe2Click();
    void Hilfethemen1Click();
    void HilfethemenAusdruckenClick();
    void ZeitgeberTimer();
    // The failure report: message by ProgressCode, "Abbruch" or "Ignorieren".
    void MyExcept();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateScrollBars();
    int frameExtraHeight() const;
    void buildScreenWarning(QWidget* content, ScreenSize screen);
    void buildValuePanels();
    void buildOptionsPanel();
    void applyOptions(const Options& options);
    void applyModeSwitch(const ModeSwitch& change);
    void updateModeControls();
    void hideNamedControls(std::initializer_list<const char*> names);
    ModePanel* panelOfMode(int mode) const;
    void drawingEdited();
    void drawingPressed();
    // A new network in the workspace (new, loaded): the panels and the window show it.
    void showReplacedNetwork();
    void updateCaption();
    void updateRecentControls();
    // Unsaved work: asks "Ja", "Nein" or "Abbrechen" and saves on "Ja". False when the caller
    // must not go on: cancelled, or saving failed or was cancelled.
    bool settleUnsavedWork();
    bool writeNetworkFile(const std::filesystem::path& path, const LineList& lines);
    void openRecent(int slot);
    QString dialogFolder() const;

    Workspace& ws_;

    QScrollArea* formScroll_ = nullptr;
    QWidget* content_ = nullptr;
    MainMenus menus_;
    TopBar topBar_;
    ModeBar modeBar_;

    Tafel1* drawingPanel_ = nullptr;
    Tafel2* componentPanel_ = nullptr;
    Tafel3* resultsPanel_ = nullptr;
    Tafel4* graphicPanel_ = nullptr;
    std::array<ModePanel*, 4> panels_{};
    QScrollArea* drawingFrame_ = nullptr;
    DrawingView* drawingView_ = nullptr;
    EditorController* editor_ = nullptr;
    E12Picker* picker_ = nullptr;
    CalculationModel* model_ = nullptr;
    ValueEntryPanel* valueEntry_ = nullptr;
    ResultsPanel* results_ = nullptr;
    BranchTools* branchTools_ = nullptr;
    HintImage* hints_ = nullptr;

    QFrame* screenWarning_ = nullptr;
    QLabel* screenWarningText_ = nullptr;

    OptionsPanel* options_ = nullptr;
    HintSwitch* hintSwitch_ = nullptr;
    // What the settings file gave at start: the places it holds for the other windows, the
    // main window's place (taken when the window is first shown), and whether it was found.
    Settings startSettings_;
    bool settingsFound_ = false;

    StatusPanel* status_ = nullptr;
    EditorComforts* comforts_ = nullptr;
    ProbePanel* probe_ = nullptr;
    Ttitform* title_ = nullptr;
    THilfform* help_ = nullptr;
    HelpPrintPanel* helpPrint_ = nullptr;
    MainTimer* timer_ = nullptr;
    DemoDriver* demo_ = nullptr;

    int saveDelayMs_ = 400;
    std::function<void()> calculator_;
    PrintCommands print_;
};

}  // namespace volmira
