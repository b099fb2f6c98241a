#include "graphics/ui/graphic_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/calculation.h"
#include "analysis/ui/decimal_field.h"
#include "common/progress.h"
#include "graphics/family_sweep.h"
#include "graphics/locus_sweep.h"
#include "graphics/readout.h"
#include "graphics/ui/curve_export.h"
#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/invalidation_panels.h"
#include "graphics/ui/locus_display.h"
#include "graphics/ui/miniature_view.h"
#include "graphics/ui/parameter_panel.h"
#include "graphics/ui/plot_paint_tools.h"
#include "graphics/ui/tool_buttons.h"
#include "graphics/y_scaling.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/network_file.h"

namespace volmira {

namespace {

constexpr std::int32_t kProgressFieldPress = 227;
constexpr std::int32_t kProgressFieldExit = 228;
constexpr std::int32_t kProgressStop = 241;
constexpr std::int32_t kProgressQuantity = 251;
constexpr std::int32_t kProgressAxis = 261;
constexpr std::int32_t kProgressLocus = 271;
constexpr std::int32_t kProgressValueCurve = 276;
constexpr std::int32_t kProgressParameter = 291;
constexpr std::int32_t kProgressYScaling = 321;
constexpr std::int32_t kProgressYAxisMove = 333;
constexpr std::int32_t kProgressBranchChoice = 494;

constexpr int kReadoutDigits = 8;
constexpr std::chrono::milliseconds kEventInterval{15};
// The y-scaling formula counts the marker in the rows of the frame around the plot: 9 rows
// lower and 6 rows taller than the band on Bild1, so that the band becomes the new range.
constexpr int kMarkerFrameShift = 9;
constexpr int kMarkerFrameGrowth = 6;
constexpr int kVisibleColumns = kWindowSteps + 1;

QLineEdit* readoutField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

// Events that would start other work while a sweep runs; only "Stop" and the scroll bar take
// them then.
bool startsWork(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

bool inside(const QObject* object, const QWidget* ancestor) {
    for (; object; object = object->parent())
        if (object == ancestor) return true;
    return false;
}

}  // namespace

GraphicPanel::GraphicPanel(Calculation& calculation, GraphicState& state, const SchematicGrid& grid,
                           InputFields& fields, QWidget* parent)
    : QWidget(parent),
      calculation_(calculation),
      state_(state),
      grid_(grid),
      fields_(fields),
      labelWidth_(plotTextWidth()),
      eventPacer_(kEventInterval) {
    setObjectName("GraphicPanel");
    buildSideControls();
    buildCurveArea();
    buildLocusControls();
    networkChanged();
}

GraphicPanel::~GraphicPanel() = default;

void GraphicPanel::buildSideControls() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    auto* sbTafel = new QFrame(this);
    sbTafel->setObjectName("SbTafel");
    sbTafel->setFrameShape(QFrame::StyledPanel);
    auto* sbLayout = new QVBoxLayout(sbTafel);
    sbLayout->setContentsMargins(4, 4, 4, 4);
    auto* prompt = new QLabel(QStringLiteral("Hier Stromzweig zur Berechnung wählen (anklicken)"));
    sbLayout->addWidget(prompt);
    miniature_ = new MiniatureView("SbKlein", grid_, calculation_);
    miniatureScroll_ = new QScrollArea(sbTafel);
    miniatureScroll_->setObjectName("SbKleinRahmen");
    miniatureScroll_->setWidget(miniature_);
    miniatureScroll_->setFrameShape(QFrame::NoFrame);
    miniatureScroll_->setMinimumHeight(120);
    sbLayout->addWidget(miniatureScroll_, 1);
    column->addWidget(sbTafel, 1);

    auto* quantityBox = new QGroupBox(QStringLiteral("Elektrische Größe"), this);
    auto* quantityGrid = new QGridLayout(quantityBox);
    quantityGrid->setContentsMargins(6, 4, 6, 4);
    quantityGrid->setVerticalSpacing(1);
    auto* quantityGroup = new QButtonGroup(this);
    for (int n = 1; n <= kQuantityButtons; ++n) {
        auto* button =
            new QRadioButton(qText(quantityCaption(quantityForSelector(n))), quantityBox);
        button->setObjectName(QStringLiteral("FgGroesse%1").arg(n));
        quantityGroup->addButton(button, n);
        quantityGrid->addWidget(button, (n - 1) / 3, (n - 1) % 3);
        quantities_[std::size_t(n - 1)] = button;
    }
    quantities_[std::size_t(state_.button - 1)]->setChecked(true);
    connect(quantityGroup, &QButtonGroup::idClicked, this,
            handlerSlot(kProgressQuantity, [this](int n) { FgGroesse1Click(n); }));
    column->addWidget(quantityBox);

    auto* rangeBox = new QGroupBox(QStringLiteral("Frequenzbereich"), this);
    auto* rangeGrid = new QGridLayout(rangeBox);
    rangeGrid->setContentsMargins(6, 4, 6, 4);
    fqVon_ = new QLineEdit(rangeBox);
    fqVon_->setObjectName("FqVon");
    fqBis_ = new QLineEdit(rangeBox);
    fqBis_->setObjectName("FqBis");
    rangeGrid->addWidget(new QLabel(QStringLiteral("von"), rangeBox), 0, 0);
    rangeGrid->addWidget(fqVon_, 0, 1);
    rangeGrid->addWidget(new QLabel(QStringLiteral("bis"), rangeBox), 0, 2);
    rangeGrid->addWidget(fqBis_, 0, 3);
    logAchse_ = new QRadioButton(QStringLiteral("logarithmisch"), rangeBox);
    logAchse_->setObjectName("LogAchse");
    linAchse_ = new QRadioButton(QStringLiteral("linear"), rangeBox);
    linAchse_->setObjectName("LinAchse");
    (state_.logarithmic ? logAchse_ : linAchse_)->setChecked(true);
    rangeGrid->addWidget(logAchse_, 1, 0, 1, 2);
    rangeGrid->addWidget(linAchse_, 1, 2, 1, 2);
    starteGrafik_ = new QPushButton(QStringLiteral("Grafik manuell starten"), rangeBox);
    starteGrafik_->setObjectName("StarteGrafik");
    rangeGrid->addWidget(starteGrafik_, 2, 0, 1, 4);
    wertkurve_ = new QPushButton(qText(kValueCurveCaption), rangeBox);
    wertkurve_->setObjectName("Wertkurve");
    wertkurve_->setCheckable(true);
    rangeGrid->addWidget(wertkurve_, 3, 0, 1, 4);
    rangeBox_ = rangeBox;
    column->addWidget(rangeBox);

    boundFilter_ = new DecimalFieldFilter(this);
    boundFilter_->watch(fqVon_);
    boundFilter_->watch(fqBis_);
    connect(boundFilter_, &DecimalFieldFilter::accepted, this,
            handlerSlot(kProgressFieldExit, [this](QLineEdit* field) { ParFeldExit(field); }));
    // Any typed change: the range is derived again at the next start.
    for (QLineEdit* field : {fqVon_, fqBis_})
        connect(
            field, &QLineEdit::textEdited, this,
            handlerSlot(kProgressFieldPress, [this](const QString&) { state_.range.set = false; }));
    connect(logAchse_, &QRadioButton::clicked, this,
            handlerSlot(kProgressAxis, [this](bool) { LogAchseClick(true); }));
    connect(linAchse_, &QRadioButton::clicked, this,
            handlerSlot(kProgressAxis, [this](bool) { LogAchseClick(false); }));
    connect(starteGrafik_, &QPushButton::clicked, this,
            handlerSlot(kProgressAxis, [this](bool) { StartGraphic(); }));
    connect(wertkurve_, &QPushButton::clicked, this,
            handlerSlot(kProgressValueCurve, [this](bool on) { WertkurveClick(on); }));
    connect(miniature_, &MiniatureView::pressed, this,
            handlerSlot(kProgressBranchChoice, [this](QPoint pixel) { SbKleinMouseDown(pixel); }));
}

void GraphicPanel::buildCurveArea() {
    mauspal2_ = new QFrame(this);
    mauspal2_->setObjectName("Mauspal2");
    mauspal2_->setFrameShape(QFrame::StyledPanel);
    auto* tools = new QHBoxLayout(mauspal2_);
    tools->setContentsMargins(3, 2, 3, 2);
    tools->addStretch(1);  // the tools come before it
    oberBer_ =
        addToolButton(mauspal2_, "OberBer", QStringLiteral("Y-Skalierung"), ToolGlyph::YScaling);
    oberBer_->setCheckable(true);
    aus1_ = addToolButton(mauspal2_, "Aus1", QStringLiteral("y-Skalierung aufheben"),
                          ToolGlyph::YScalingOff);
    aus1_->setEnabled(false);
    auto* exportButton = addToolButton(mauspal2_, "KurvenExport",
                                       QString::fromUtf8(kCurveExportCaption), ToolGlyph::Export);
    connect(exportButton, &QToolButton::clicked, this,
            handlerSlot(progress::kExport, [this](bool) { exportCurves(); }));
    connect(oberBer_, &QToolButton::toggled, this,
            handlerSlot(kProgressYScaling, [this](bool on) { YTeilbereich(on); }));
    connect(aus1_, &QToolButton::clicked, this,
            handlerSlot(kProgressYScaling, [this](bool) { Aus1Click(); }));

    // Over the tool bar while a sweep runs, so that its tools cannot be used meanwhile.
    fortpan_ = new QFrame(mauspal2_);
    fortpan_->setObjectName("fortpan");
    fortpan_->setFrameShape(QFrame::Panel);
    fortpan_->setFrameShadow(QFrame::Raised);
    fortpan_->setAutoFillBackground(true);
    auto* progress = new QHBoxLayout(fortpan_);
    progress->setContentsMargins(4, 1, 4, 1);
    frstop_ = new QPushButton(QStringLiteral("Stop"), fortpan_);
    frstop_->setObjectName("frstop");
    fort_ = new QProgressBar(fortpan_);
    fort_->setObjectName("fort");
    fort_->setTextVisible(false);
    progress->addWidget(frstop_);
    progress->addWidget(fort_, 1);
    fortpan_->hide();
    connect(frstop_, &QPushButton::clicked, this,
            handlerSlot(kProgressStop, [this](bool) { frstopClick(); }));

    yblock_ = new QFrame(this);
    yblock_->setObjectName("yblock");
    auto* yLayout = new QVBoxLayout(yblock_);
    yLayout->setContentsMargins(0, 0, 0, 0);
    yAxis_ = new YAxisView(yblock_);
    yLayout->addWidget(yAxis_);
    yLayout->addStretch(1);
    connect(yAxis_, &YAxisView::mouseMoved, this,
            handlerSlot(kProgressYAxisMove, [this](QPoint pixel) { ybildMouseMove(pixel); }));

    curve_ = new CurveView(this);
    curve_->hide();
    connect(curve_, &CurveView::mouseMoved, this,
            handlerSlot(progress::kMouseMove, [this](QPoint pixel) { Bild1MouseMove(pixel); }));
    connect(curve_, &CurveView::pressed, this,
            handlerSlot(progress::kMouseDown, [this](QPoint pixel) { Bild1MouseDown(pixel); }));

    readout_ = new QWidget(this);
    readout_->setObjectName("Ablesung");
    auto* row = new QHBoxLayout(readout_);
    row->setContentsMargins(0, 0, 0, 0);
    fqMom_ = readoutField("FqMom", readout_);
    elWertMom_ = readoutField("ElWertMom", readout_);
    phaseMom_ = readoutField("PhaseMom", readout_);
    row->addWidget(new QLabel(QStringLiteral("Frequenz:"), readout_));
    row->addWidget(fqMom_, 1);
    row->addWidget(new QLabel(QStringLiteral("Wert:"), readout_));
    row->addWidget(elWertMom_, 1);
    row->addWidget(new QLabel(QStringLiteral("Phase:"), readout_));
    row->addWidget(phaseMom_, 1);
}

void GraphicPanel::buildLocusControls() {
    locus_ = new LocusDisplay(this, curve_, yAxis_);
    LocusControls& controls = locus_->controls();
    auto* row = new QHBoxLayout;
    row->addWidget(controls.choice());
    static_cast<QBoxLayout*>(layout())->addLayout(row);
    connect(&controls, &LocusControls::ortClicked, this,
            handlerSlot(kProgressLocus, [this] { OrtClick(); }));
    connect(&controls, &LocusControls::achseClicked, this,
            handlerSlot(kProgressLocus, [this] { AchseClick(); }));
    connect(locus_, &LocusDisplay::pointerPlaced, this,
            guardedSlot([this](int point) { fillReadout(point); }));
    invalid_ = new InvalidationPanels(curve_);
    miniature2_ = new MiniatureView("sbklein2", grid_, calculation_);
}

QWidget* GraphicPanel::locusScroll() const {
    return locus_->controls().ortScroll();
}

ParameterPanel* GraphicPanel::buildParameterPanel(E12Picker& picker) {
    parameter_ = new ParameterPanel(state_.parameter, calculation_, picker, miniature2_, this);
    connect(miniature2_, &MiniatureView::pressed, this,
            handlerSlot(kProgressParameter, [this](QPoint pixel) { sbklein2MouseDown(pixel); }));
    connect(parameter_, &ParameterPanel::curveSelected, this,
            handlerSlot(kProgressParameter, [this](int curve) { selectCurve(curve); }));
    connect(parameter_, &ParameterPanel::settingsChanged, this,
            guardedSlot([this] { checkSettings(); }));
    return parameter_;
}

void GraphicPanel::attachFrame(QScrollArea* frame) {
    frame_ = frame;
    frame_->setWidget(curve_);
    curve_->show();
    const int border = 2 * frame_->frameWidth();
    frame_->setFixedSize(
        kVisibleColumns + border,
        curve_->height() + frame_->horizontalScrollBar()->sizeHint().height() + border);
    // The range before the frame is laid out, so that the position holds at once.
    frame_->horizontalScrollBar()->setRange(0, kPlotWidth - kVisibleColumns);
    connect(frame_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            guardedSlot([this](int position) { DummyPBoxPaint(position); }));
    frame_->horizontalScrollBar()->setValue(state_.range.set ? state_.range.firstPoint
                                                             : kNormalFirstPoint);
    // Curves of another input voltage are not shown as this one's.
    if (state_.voltage != calculation_.voltage()) ResetPlot(*state_.plot);
    // Leaving the mode hid the locus pointer and the notice by name.
    if (locus_->active()) locus_->showLocusView(true);
    checkSettings();
    redraw();
}

void GraphicPanel::detachFrame() {
    if (!frame_) return;
    disconnect(frame_->horizontalScrollBar(), nullptr, this, nullptr);
    frame_->takeWidget();
    curve_->setParent(this);
    curve_->hide();
    frame_->setMinimumSize(0, 0);
    frame_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame_ = nullptr;
}

void GraphicPanel::networkChanged() {
    // Before the first choice the sweep takes branch 1, so that one is shown.
    miniature_->setHighlightedBranch(std::max(state_.branch, 1));
    miniature_->refresh();
    miniature2_->refresh();
    // The drawing's corner in view: drawings rarely fill the whole grid.
    const QRect drawn = miniature_->drawnArea();
    const QPoint corner = drawn.topLeft() - QPoint(kMiniatureCell, kMiniatureCell);
    miniatureScroll_->horizontalScrollBar()->setValue(corner.x());
    miniatureScroll_->verticalScrollBar()->setValue(corner.y());
    if (parameter_) parameter_->showMiniatureFrom(corner);
    showBounds();
    redraw();
}

void GraphicPanel::showBounds() {
    fqVon_->setText(qText(fromText()));
    fqBis_->setText(qText(toText()));
}

std::string& GraphicPanel::fromText() {
    return state_.valueCurve.component ? state_.valueCurve.from : fields_.fqVon;
}

std::string& GraphicPanel::toText() {
    return state_.valueCurve.component ? state_.valueCurve.to : fields_.fqBis;
}

void GraphicPanel::showWindowBounds() {
    const BoundTexts texts =
        windowBoundTexts(state_.range, state_.logarithmic, kBoundDigits, state_.valueCurve.unit);
    fromText() = texts.fqVon;
    toText() = texts.fqBis;
    showBounds();
}

void GraphicPanel::networkReplaced(bool analysed) {
    state_.curve = 1;
    // The component numbers now mean other components.
    if (state_.valueCurve.component) showValueCurve({});
    if (parameter_) parameter_->networkReplaced(analysed);
    networkChanged();
}

void GraphicPanel::redraw() {
    if (locus_->active()) {
        drawLocus();
        return;
    }
    model_ = DrawCurvePlot(*state_.plot,
                           {state_.range, state_.logarithmic, state_.button, state_.curveCount,
                            state_.curve, state_.valueCurve.unit},
                           labelWidth_);
    curve_->setModel(&model_);
    yAxis_->setModel(&model_);
    yblock_->setFixedWidth(model_.yAxisWidth);
    emit redrawn();
}

// ---------------------------------------------------------------------------------------------
// Starting a sweep

void GraphicPanel::SbKleinMouseDown(QPoint pixel) {
    const int branch = miniatureBranchAt(calculation_.network(), pixel.x(), pixel.y());
    if (branch == 0 || state_.sweeping) return;
    state_.branch = branch;
    miniature_->setHighlightedBranch(branch);
    StartGraphic();
}

void GraphicPanel::StartGraphic() {
    if (state_.sweeping || !calculation_.valuesConfirmed()) return;
    if (state_.branch < 1 || state_.branch > calculation_.network().branchCount) state_.branch = 1;
    miniature_->setHighlightedBranch(state_.branch);
    // Refused starts keep the previous curve.
    if (const std::string refusal =
            sweepRefusal(state_, calculation_.network(), fromText(), toText());
        !refusal.empty()) {
        showMessage(refusal);
        return;
    }
    if (!state_.range.set) {
        state_.range =
            DeriveBounds(acceptRangeBound(state_, fromText()).value,
                         acceptRangeBound(state_, toText()).value, state_.range.largeView);
        showWindowBounds();
        if (frame_) frame_->horizontalScrollBar()->setValue(state_.range.firstPoint);
    }
    invalid_->setShown(false);
    state_.lastSettings = currentSettings();
    if (!familySwept()) state_.curve = 1;
    enableForLocus(locus_->active());
    ResetPlot(*state_.plot);
    locus_->bounds() = {};
    state_.voltage = calculation_.voltage();
    hideMarker();
    oberBer_->setChecked(false);
    aus1_->setEnabled(false);
    clearReadout();
    emit sweepStarted();
    RunSweep();
}

void GraphicPanel::RunSweep() {
    if (frame_) scrollWindow(state_.range, frame_->horizontalScrollBar()->value());
    state_.stopRequested = false;
    state_.sweeping = true;
    restartPending_ = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);

    progressCode = progress::kSolver;
    eventPacer_.start();
    const SweepProgress keepGoing = [this](int solved, int windowPoints) {
        return sweepProgress(solved, windowPoints);
    };
    SweepOutcome outcome;
    try {
        outcome = sweepCurves(keepGoing);
    } catch (...) {
        // On to the failure report; after "Ignorieren" the window takes input again.
        endSweep();
        throw;
    }
    endSweep();
    if (familySwept() && parameter_)
        parameter_->pareg1MouseDown(state_.curve);  // frames the selected value and redraws
    else
        redraw();
    if (const std::string_view message = outcome.message(); !message.empty())
        dialogs().error(window(), qText(message));
    if (restartPending_ && frame_) DummyPBoxPaint(frame_->horizontalScrollBar()->value());
}

void GraphicPanel::endSweep() {
    qApp->removeEventFilter(this);
    state_.sweeping = false;
    fortpan_->hide();
    QApplication::restoreOverrideCursor();
}

SweepOutcome GraphicPanel::sweepCurves(const SweepProgress& keepGoing) {
    SweepOutcome total;
    auto sweepCurve = [&](int curve) {
        state_.curveCount = curve;
        const SweepTarget target{state_.range, state_.logarithmic, curve, state_.button,
                                 state_.valueCurve.component};
        const SweepOutcome outcome =
            locus_->active() ? SweepLocusWindow(calculation_, *state_.plot, locus_->bounds(),
                                                target, state_.branch, plan_, keepGoing,
                                                [this](const LocusScale&) { drawLocus(); })
                             : sweepWindowPoints(calculation_, *state_.plot, target, state_.branch,
                                                 plan_, keepGoing);
        total.pointsDone += outcome.pointsDone;
        total.stopped = outcome.stopped;
        total.failed = total.failed || outcome.failed;
        total.imprecise = total.imprecise || outcome.imprecise;
        return !outcome.stopped;
    };
    const ParameterMode& parameter = state_.parameter;
    if (!familySwept()) {
        sweepCurve(1);
        return total;
    }
    // The component takes each value in turn and gets its own back however the family ends.
    state_.curveCount =
        RunFamilySweep(parameter.values(), calculation_, parameter.paramComponent(), sweepCurve)
            .lastCurve;
    return total;
}

bool GraphicPanel::sweepProgress(int solved, int windowPoints) {
    ++solvedPoints_;
    // Pending events run every few milliseconds: often enough for "Stop", scrolling and the
    // bar, rarely enough not to slow the sweep down. A shorter sweep paints once, at its end.
    if (!eventPacer_.due()) return !state_.stopRequested;
    showProgress(solved, windowPoints);
    QCoreApplication::processEvents();
    eventPacer_.start();
    return !state_.stopRequested;
}

// The panel comes with the first interval: a shorter sweep is over before it could be seen,
// and showing it costs a layout pass.
void GraphicPanel::showProgress(int solved, int windowPoints) {
    if (fortpan_->isHidden()) {
        fortpan_->setGeometry(mauspal2_->rect());
        fortpan_->raise();
        fortpan_->show();
    }
    fort_->setRange(0, windowPoints);
    fort_->setValue(solved);
}

bool GraphicPanel::eventFilter(QObject* watched, QEvent* event) {
    if (!state_.sweeping || !startsWork(event->type())) return false;
    if (inside(watched, fortpan_)) return false;
    if (frame_ && inside(watched, frame_->horizontalScrollBar())) return false;
    return true;
}

void GraphicPanel::setEventInterval(std::chrono::milliseconds interval) {
    eventPacer_ = EventPacer(interval);
}

void GraphicPanel::frstopClick() {
    state_.stopRequested = true;
}

// ---------------------------------------------------------------------------------------------
// Quantity, axis, range

void GraphicPanel::FgGroesse1Click(int button) {
    state_.button = std::clamp(button, 1, kQuantityButtons);
    locus_->controls().ort()->setEnabled(locusAllowed(state_.button));
    quantities_[std::size_t(state_.button - 1)]->setChecked(true);
    aus1_->setEnabled(state_.plot->scale(state_.button).autoRange == 0);
    // The readout shows the new quantity at the next rest of the pointer.
    for (QLineEdit* field : {fqMom_, elWertMom_, phaseMom_}) field->clear();
    restingColumn_.reset();
    if (!state_.curveExists()) return;
    // The extremes of this quantity come from what the store holds: no point is solved again.
    locus_->rebuildBounds(*state_.plot, state_.range, state_.button, state_.curveCount);
    redraw();
}

void GraphicPanel::LogAchseClick(bool logarithmic) {
    if (state_.logarithmic == logarithmic) return;
    state_.logarithmic = logarithmic;
    ResetPlot(*state_.plot);
    if (state_.range.set) showWindowBounds();
    StartGraphic();
    redraw();
}

void GraphicPanel::ParFeldExit(QLineEdit* field) {
    std::string& text = field == fqVon_ ? fromText() : toText();
    if (!field->isModified()) return;
    field->setModified(false);
    const BoundInput input = acceptRangeBound(state_, field->text().toStdString());
    if (input.accepted) {
        text = input.text;
        state_.range.set = false;
    }
    field->setText(qText(text));
    if (!input.accepted) showMessage(input.message);
    checkSettings();
}

// ---------------------------------------------------------------------------------------------
// Scrolling

void GraphicPanel::DummyPBoxPaint(int scrollPosition) {
    if (!state_.range.set || !frame_ || locus_->active()) return;
    if (state_.sweeping) {
        // The running sweep ends first; the new window is swept after it.
        restartPending_ = true;
        state_.stopRequested = true;
        return;
    }
    const int previousStart = state_.range.firstPoint;
    moveWindow(scrollPosition);
    if (state_.range.firstPoint != previousStart && state_.curveExists() &&
        windowHasUnsolved(*state_.plot, state_.range, state_.curve))
        StartGraphic();
}

void GraphicPanel::moveWindow(int scrollPosition) {
    scrollWindow(state_.range, scrollPosition);
    showWindowBounds();
}

// ---------------------------------------------------------------------------------------------
// Y scaling

void GraphicPanel::YTeilbereich(bool markerShown) {
    if (!markerShown) {
        hideMarker();
        return;
    }
    if (!state_.curveExists()) {
        oberBer_->setChecked(false);
        return;
    }
    markerTop_ = model_.rows.top;
    curve_->setReadoutColumn(std::nullopt);
    curve_->setMarker(ScaleMarker{markerTop_, kScaleMarkerHeight});
    yAxis_->setEllipseShown(true);
}

void GraphicPanel::ybildMouseMove(QPoint pixel) {
    const std::optional<ScaleMarker> marker = curve_->marker();
    if (!marker) return;
    curve_->setMarker(ScaleMarker{marker->top, scaleMarkerHeight(pixel.y(), marker->top)});
}

void GraphicPanel::Bild1MouseMove(QPoint pixel) {
    if (const std::optional<ScaleMarker> marker = curve_->marker()) {
        // The band's top follows the pointer over the plot; its height is set over ybild.
        markerTop_ = std::clamp(pixel.y(), 0, model_.rows.bottom);
        curve_->setMarker(ScaleMarker{markerTop_, marker->height});
        return;
    }
    if (!state_.curveExists() || pixel.x() < 0 || pixel.x() > kSweepLastPoint) return;
    curve_->setReadoutColumn(pixel.x());
    emit trackingRequested();
}

void GraphicPanel::Bild1MouseDown(QPoint) {
    const std::optional<ScaleMarker> marker = curve_->marker();
    if (!marker) return;
    progressCode = kProgressYScaling;
    volmira::YTeilbereich(state_.plot->scale(state_.button), model_.rows,
                          marker->top + kMarkerFrameShift, marker->height + kMarkerFrameGrowth);
    hideMarker();
    oberBer_->setChecked(false);
    aus1_->setEnabled(state_.plot->scale(state_.button).autoRange == 0);
    redraw();
}

void GraphicPanel::Aus1Click() {
    restoreAutoRange(state_.plot->scale(state_.button));
    hideMarker();
    oberBer_->setChecked(false);
    aus1_->setEnabled(false);
    redraw();
}

void GraphicPanel::hideMarker() {
    curve_->setMarker(std::nullopt);
    yAxis_->setEllipseShown(false);
}

// ---------------------------------------------------------------------------------------------
// Locus plot and parameter mode

void GraphicPanel::OrtClick() {
    enableForLocus(true);
    hideMarker();
    oberBer_->setChecked(false);
    clearReadout();
    // The locus frame stands on the user's range: the scroll box goes back there.
    centreWindow();
    locus_->showLocusView(true);
    if (state_.curveExists()) {
        locus_->rebuildBounds(*state_.plot, state_.range, state_.button, state_.curveCount);
        redraw();
    }
    StartGraphic();
}

void GraphicPanel::AchseClick() {
    locus_->showLocusView(false);
    enableForLocus(false);
    if (state_.curveExists()) {
        RebuildFromStore(*state_.plot, state_.range, state_.button, state_.curveCount);
        redraw();
    }
    centreWindow();
    StartGraphic();
}

// Without the scroll handler: the start that follows sweeps the window.
void GraphicPanel::centreWindow() {
    if (frame_) {
        const QSignalBlocker quiet(frame_->horizontalScrollBar());
        frame_->horizontalScrollBar()->setValue(kNormalFirstPoint);
    }
    if (state_.range.set) moveWindow(kNormalFirstPoint);
}

void GraphicPanel::ZentrierClick() {
    const int position = zentrierScrollPosition(locus_->active());
    if (position >= 0 && frame_) frame_->horizontalScrollBar()->setValue(position);
}

// The quantities without a phase have no locus; the y-scaling tool, the stretch, the ripple
// zoom and the image memory work on the curve plot only, and the locus frame does not scroll.
void GraphicPanel::enableForLocus(bool locus) {
    for (int button = 1; button <= kQuantityButtons; ++button)
        quantities_[std::size_t(button - 1)]->setEnabled(!locus || locusAllowed(button));
    oberBer_->setEnabled(!locus);
    for (const char* name : {"MalZwei", "ExtremMax", "Einbrenn"})
        if (auto* tool = mauspal2_->findChild<QToolButton*>(QString::fromLatin1(name)))
            tool->setEnabled(!locus);
    if (auto* zentrier = mauspal2_->findChild<QToolButton*>("Zentrier"))
        zentrier->setVisible(!locus);
    locus_->controls().ort()->setEnabled(locusAllowed(state_.button));
}

void GraphicPanel::drawLocus() {
    locus_->draw(*state_.plot, state_.range, {state_.button, state_.curveCount, state_.curve});
    const LocusPlotModel& model = locus_->model();
    // The canvases cover Bild1 and ybild, which take the locus's size (taller in the large view).
    curve_->setFixedSize(model.width, model.height);
    yAxis_->setFixedSize(model.yAxisWidth, model.height);
    yblock_->setFixedWidth(model.yAxisWidth);
}

void GraphicPanel::sbklein2MouseDown(QPoint pixel) {
    if (state_.sweeping || !parameter_) return;
    parameter_->sbklein2MouseDown(
        miniatureComponentAt(calculation_.network(), pixel.x(), pixel.y()));
}

void GraphicPanel::selectCurve(int curve) {
    state_.curve = std::clamp(curve, 1, kCurveCount);
    redraw();
}

SweepSettings GraphicPanel::currentSettings() const {
    const ParameterMode& parameter = state_.parameter;
    return sweepSettings(fqVon_->text().toStdString(), fqBis_->text().toStdString(),
                         parameter.paramMode(), parameter.paramComponent(), parameter.captions());
}

void GraphicPanel::checkSettings() {
    invalid_->check(currentSettings(), state_.lastSettings, state_.curveExists());
    if (!invalid_->shown()) return;
    const int left = frame_ ? frame_->horizontalScrollBar()->value() : kNormalFirstPoint;
    invalid_->placeOver({left, 0, kVisibleColumns, curve_->height()});
}

// ---------------------------------------------------------------------------------------------
// Readout

void GraphicPanel::readoutTick() {
    const std::optional<int> column = curve_->readoutColumn();
    const bool resting = column && column == restingColumn_;
    restingColumn_ = column;
    if (!resting || state_.sweeping || !frame_) return;
    fillReadout(*column);
}

void GraphicPanel::fillReadout(int point) {
    const std::optional<Readout> readout =
        readoutAt({*state_.plot, state_.range, state_.logarithmic, state_.curve, state_.button,
                   kReadoutDigits, state_.valueCurve.unit},
                  point);
    if (!readout) return;
    fqMom_->setText(qText(readout->frequency));
    elWertMom_->setText(qText(readout->value));
    phaseMom_->setText(qText(readout->phase));
}

void GraphicPanel::clearReadout() {
    curve_->setReadoutColumn(std::nullopt);
    restingColumn_.reset();
    // An empty field cleared again would still be repainted.
    for (QLineEdit* field : {fqMom_, elWertMom_, phaseMom_})
        if (!field->text().isEmpty()) field->clear();
}

// ---------------------------------------------------------------------------------------------
// Value curve and export

bool GraphicPanel::familySwept() const {
    return state_.parameter.paramMode() && !state_.valueCurve.component;
}

void GraphicPanel::WertkurveClick(bool on) {
    if (state_.sweeping) {
        wertkurve_->setChecked(!on);
        return;
    }
    std::optional<ValueCurve> curve;
    if (on) {
        curve =
            valueCurveFor(calculation_.network(), state_.parameter.paramComponent(), kBoundDigits);
        if (!curve) showMessage(std::string(kNoValueComponentMessage));
    }
    showValueCurve(curve.value_or(ValueCurve{}));
    if (on && !curve) return;
    StartGraphic();
}

void GraphicPanel::showValueCurve(const ValueCurve& curve) {
    state_.valueCurve = curve;
    state_.range.set = false;
    wertkurve_->setChecked(curve.component != 0);
    rangeBox_->setTitle(
        curve.component
            ? qText("Wertebereich " + calculation_.network().component(curve.component).name)
            : QStringLiteral("Frequenzbereich"));
    showBounds();
}

void GraphicPanel::exportCurves() {
    if (!state_.curveExists()) return;
    const bool locus = locus_->active();
    const int left = frame_ ? frame_->horizontalScrollBar()->value() : state_.range.firstPoint;
    const ShownPlot shown{locus ? nullptr : &model_, locus ? &locus_->model() : nullptr, left,
                          frame_ ? frame_->viewport()->width() : kVisibleColumns};
    CurveCsvView view{state_.range, state_.logarithmic,    state_.button, state_.curveCount,
                      locus,        state_.valueCurve.unit};
    const Network& network = calculation_.network();
    if (state_.valueCurve.component)
        view.xName = network.component(state_.valueCurve.component).name;
    if (familySwept()) {
        const ParameterCaptions captions = state_.parameter.captions();
        for (std::size_t k = 0; k < view.curveNames.size(); ++k)
            if (!captions[k].empty())
                view.curveNames[k] = state_.parameter.componentName() + " = " + captions[k];
    }
    volmira::exportCurves(window(), shown, curveCsv(*state_.plot, view));
}

void GraphicPanel::showMessage(const std::string& text) {
    dialogs().information(window(), qText(text));
}

}  // namespace volmira
