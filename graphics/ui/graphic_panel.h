#pragma once
// The graphic mode's controls and what they do: the branch choice in the miniature `SbKlein`,
// the quantity buttons `FgGroesse1`..9, the axis division, the range fields `FqVon`/`FqBis`,
// the sweep through the engine with its progress panel `fortpan` and "Stop", the curve view
// `Bild1` with its y axis, scrolling through the store, the y-scaling tool and the readout.
// The pieces are placed by the mode panel; this class only builds and drives them.
#include <QWidget>
#include <array>
#include <optional>

#include "graphics/curve_plot.h"
#include "graphics/event_pacer.h"
#include "graphics/graphic_state.h"
#include "graphics/sweep_window.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace volmira {

class Calculation;
class CurveView;
class DecimalFieldFilter;
class E12Picker;
class InvalidationPanels;
class LocusDisplay;
class MiniatureView;
class ParameterPanel;
class YAxisView;
struct InputFields;

class GraphicPanel : public QWidget {
    Q_OBJECT
  public:
    // The side controls are this widget; the curve-area pieces below are placed by the owner.
    GraphicPanel(Calculation& calculation, GraphicState& state, const SchematicGrid& grid,
                 InputFields& fields, QWidget* parent = nullptr);
    ~GraphicPanel() override;

    QFrame* toolBar() const { return mauspal2_; }  // Mauspal2, with the y-scaling buttons
    QFrame* yBlock() const { return yblock_; }
    QWidget* readoutRow() const { return readout_; }
    CurveView* curveView() const { return curve_; }
    MiniatureView* miniature() const { return miniature_; }
    const CurvePlotModel& plotModel() const { return model_; }
    LocusDisplay* locus() const { return locus_; }
    QWidget* locusScroll() const;  // OrtScroll, placed under the frame
    ParameterPanel* parameterPanel() const { return parameter_; }
    InvalidationPanels* invalidation() const { return invalid_; }
    // The parameter panel edits its values with the window's E12 picker, made after this panel.
    ParameterPanel* buildParameterPanel(E12Picker& picker);

    // The scroll box shows Bild1 while the mode is shown; detaching gives Bild1 back.
    void attachFrame(QScrollArea* frame);
    void detachFrame();

    // The network or the drawing changed: the miniatures follow, the fields show the workspace.
    void networkChanged();
    // Another network (new, loaded or analysed): its components are others, so the parameter
    // mode ends.
    void networkReplaced(bool analysed);
    // Lays the plot out from the store and paints it (quantity, scale or store changed).
    void redraw();
    // Points solved since the panel was made: quantity changes and redraws add none.
    long solvedPoints() const { return solvedPoints_; }
    // How often a running sweep lets the window take its events; 0 after every point.
    void setEventInterval(std::chrono::milliseconds interval);
    // Sweeps the unsolved points of the window without resetting the store (the stretch x2).
    void RunSweep();
    // FqVon and FqBis show the workspace's texts.
    void showBounds();

  public slots:
    void SbKleinMouseDown(QPoint pixel);
    void StartGraphic();
    void FgGroesse1Click(int button);
    void LogAchseClick(bool logarithmic);
    void ParFeldExit(QLineEdit* field);
    void frstopClick();
    void OrtClick();
    void AchseClick();
    void ZentrierClick();
    // The value curve on (the parameter mode's component against its value at FqEinzel) or off.
    void WertkurveClick(bool on);
    // "Kurven exportieren …" of what is shown.
    void exportCurves();
    void sbklein2MouseDown(QPoint pixel);
    // A value panel was clicked: its curve is drawn black and read out, without solving.
    void selectCurve(int curve);
    // The invalidation check: the notice when the settings differ from the drawn curves'.
    void checkSettings();
    // Follows the horizontal scroll position of Bild1Rahmen.
    void DummyPBoxPaint(int scrollPosition);
    void YTeilbereich(bool markerShown);
    void Aus1Click();
    void ybildMouseMove(QPoint pixel);
    // Timer state 0: the readout is written once the pointer rests on a column.
    void readoutTick();

  signals:
    // The readout wants the main timer in its tracking state (40 ms).
    void trackingRequested();
    // A sweep starts: the blinking marker goes.
    void sweepStarted();
    // The plot was laid out anew from the store (after a sweep, a quantity or scale change).
    void redrawn();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSideControls();
    void buildCurveArea();
    void buildLocusControls();
    // One curve, or the family of the parameter mode; as a curve or as a locus.
    SweepOutcome sweepCurves(const SweepProgress& keepGoing);
    void endSweep();
    bool sweepProgress(int solved, int windowPoints);
    void showProgress(int solved, int windowPoints);
    void drawLocus();
    void moveWindow(int scrollPosition);
    void centreWindow();
    void enableForLocus(bool locus);
    SweepSettings currentSettings() const;
    // A family is swept in the parameter mode, unless the value curve varies its component.
    bool familySwept() const;
    // FqVon and FqBis edit these: the frequency range, or the value curve's range.
    std::string& fromText();
    std::string& toText();
    // FqVon and FqBis show the bounds of the window now drawn.
    void showWindowBounds();
    void showValueCurve(const ValueCurve& curve);
    void fillReadout(int point);
    void Bild1MouseMove(QPoint pixel);
    void Bild1MouseDown(QPoint pixel);
    void hideMarker();
    void clearReadout();
    void showMessage(const std::string& text);

    Calculation& calculation_;
    GraphicState& state_;
    const SchematicGrid& grid_;
    InputFields& fields_;
    CurvePlotModel model_;
    TextWidth labelWidth_;
    SweepPlan plan_;
    long solvedPoints_ = 0;
    bool restartPending_ = false;
    EventPacer eventPacer_;
    int markerTop_ = kPlotTop;
    std::optional<int> restingColumn_;

    MiniatureView* miniature_;
    QScrollArea* miniatureScroll_;
    std::array<QRadioButton*, kQuantityButtons> quantities_{};
    QRadioButton* logAchse_;
    QRadioButton* linAchse_;
    QLineEdit* fqVon_;
    QLineEdit* fqBis_;
    DecimalFieldFilter* boundFilter_;
    QPushButton* starteGrafik_;
    QPushButton* wertkurve_;
    QGroupBox* rangeBox_;

    QFrame* mauspal2_;
    QToolButton* oberBer_;
    QToolButton* aus1_;
    QFrame* fortpan_;
    QProgressBar* fort_;
    QPushButton* frstop_;
    QFrame* yblock_;
    YAxisView* yAxis_;
    CurveView* curve_;
    LocusDisplay* locus_;
    InvalidationPanels* invalid_;
    MiniatureView* miniature2_;  // sbklein2
    ParameterPanel* parameter_ = nullptr;
    QWidget* readout_;
    QLineEdit* fqMom_;
    QLineEdit* elWertMom_;
    QLineEdit* phaseMom_;
    QScrollArea* frame_ = nullptr;
};

}  // namespace volmira
