#include "app/ui/tgrf.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/schematic_check.h"
#include "analysis/ui/calculation_model.h"
#include "analysis/ui/e12_picker.h"
#include "analysis/ui/probe_panel.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/failure_report.h"
#include "app/file_session.h"
#include "app/hint_lines.h"
#include "app/ui/branch_tools.h"
#include "app/ui/demo_driver.h"
#include "app/ui/editor_comforts.h"
#include "app/ui/hint_image.h"
#include "app/ui/hint_switch.h"
#include "app/ui/main_timer.h"
#include "app/ui/options_panel.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel1.h"
#include "app/ui/tafel2.h"
#include "app/ui/tafel3.h"
#include "app/ui/tafel4.h"
#include "app/ui/title_window.h"
#include "app/ui/window_content.h"
#include "app/workspace.h"
#include "common/progress.h"
#include "formulas/ui/formula_window.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/miniature_view.h"
#include "help/help_placement.h"
#include "help/ui/help_print_panel.h"
#include "help/ui/thilfform.h"
#include "platform/calculator.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/symbol_catalogue.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/glyph_painter.h"
#include "schematic/ui/macro_panel.h"

namespace volmira {

namespace {

QString qPath(const std::filesystem::path& path) {
    return qText(displayPath(path));
}

std::filesystem::path homeFolder() {
    return fsPath(QDir::homePath());
}

const QString kNetworkFilter = QStringLiteral("Netzwerke (*.nwb)");
const QString kOldNetworkFilter = QStringLiteral("Netzwerke (Altform *.nwe)");

// The content of the window is designed for a 1024 x 740 window; smaller windows scroll.
constexpr QSize kContentMinimum(1010, 688);
constexpr QPoint kQuestionOffset(200, 150);
constexpr QPoint kFailureOffset(200, 200);

// The red frame of the schematic check around the fault's cell, 4 pixels wide.
QRect faultFrame(const SchematicFault& fault) {
    const QPoint cell = cellTopLeft(fault.column, fault.row);
    const QPoint topLeft = cell + QPoint(fault.shiftX, fault.shiftY - 5);
    const QPoint bottomRight =
        cell + QPoint(fault.shiftX + 2 * kPixelsPerCell, fault.shiftY + kPixelsPerCell + 4);
    return QRect(topLeft, bottomRight);
}

// The client area on the screen, where the help and its print panel are placed.
ScreenBox clientBox(const QWidget& window) {
    const QRect client = window.geometry();
    return {client.x(), client.y(), client.width(), client.height()};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Creation

Tgrf::Tgrf(Workspace& workspace, QWidget* parent) : QMainWindow(parent), ws_(workspace) {
    progressCode = progress::kWindowCreation;
    setObjectName("Tgrf");
    setFailureHandler(this, [this] { MyExcept(); });
    // Numbers and dates are written by our own formatter; nothing to set in the toolkit.
    progressCode = progress::kWindowCreationControls;

    formScroll_ = new QScrollArea(this);
    formScroll_->setObjectName("FormScroll");
    formScroll_->setWidgetResizable(true);
    formScroll_->setFrameShape(QFrame::NoFrame);
    content_ = new WindowContent(kContentMinimum, [this] { updateScrollBars(); });
    content_->setObjectName("Inhalt");
    formScroll_->setWidget(content_);
    setCentralWidget(formScroll_);

    drawingView_ = new DrawingView;
    drawingFrame_ = new QScrollArea;
    drawingFrame_->setObjectName("Bild1Rahmen");
    drawingFrame_->setWidget(drawingView_);
    drawingFrame_->setWidgetResizable(false);
    drawingFrame_->setFrameShape(QFrame::StyledPanel);
    drawingFrame_->setFrameShadow(QFrame::Sunken);
    drawingFrame_->setBackgroundRole(QPalette::Dark);

    drawingPanel_ = new Tafel1;
    componentPanel_ = new Tafel2;
    resultsPanel_ = new Tafel3;
    graphicPanel_ = new Tafel4(ws_);
    panels_ = {drawingPanel_, componentPanel_, resultsPanel_, graphicPanel_};
    hints_ = new HintImage;

    auto* panels = new QVBoxLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    for (ModePanel* panel : panels_) {
        panels->addWidget(panel);
        panel->hide();
    }

    // The drawing tools of mode 1 fill the tool bars of `tafel1`.
    editor_ = new EditorController(
        drawingView_,
        {ws_.grid, ws_.undoCopy, ws_.symbols, [this] { return ws_.calculation.confirmedRecords(); },
         [this] { return ws_.calculation.directVoltage(); }},
        drawingPanel_->mausPal1(), drawingPanel_->mausPalSenk(), this);
    drawingPanel_->setEditor(editor_);
    menus_ = buildMainMenus(*this, *editor_);
    topBar_ = buildTopBar(*this);
    modeBar_ = buildModeBar(*this, this);

    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(5);
    layout->addWidget(topBar_.bar);
    layout->addWidget(modeBar_.panel);
    layout->addLayout(panels, 1);
    layout->addWidget(hints_);

    buildScreenWarning(content_, currentScreenSize());

    status_ = new StatusPanel(this);
    timer_ = new MainTimer(this);
    connect(timer_->zeitgeber(), &QTimer::timeout, this, &Tgrf::ZeitgeberTimer);
    connect(graphicPanel_->graphic(), &GraphicPanel::trackingRequested, this,
            [this] { timer_->startTracking([this] { graphicPanel_->graphic()->readoutTick(); }); });
    connect(graphicPanel_->graphic(), &GraphicPanel::sweepStarted, timer_,
            &MainTimer::stopBlinking);

    connect(drawingPanel_->analys(), &QPushButton::clicked, this, &Tgrf::AnalysClick);
    connect(drawingPanel_->schbcheck(), &QToolButton::clicked, this, &Tgrf::SchaltbildCheck1Click);
    connect(editor_, &EditorController::drawingChanged, this,
            guardedSlot([this] { drawingEdited(); }));
    connect(editor_, &EditorController::drawingPressed, this,
            guardedSlot([this] { drawingPressed(); }));
    connect(editor_, &EditorController::newNetworkRequested, this, &Tgrf::NeuesNetzwerk1Click);
    connect(drawingView_, &DrawingView::edited, this, guardedSlot([this] { drawingEdited(); }));
    // After the editor, which takes the presses of mode 1.
    connect(drawingView_, &DrawingView::pressed, this,
            handlerSlot(progress::kMouseDown, [this](QPoint pixel, Qt::MouseButton) {
                panelOfMode(ws_.modes.workingMode())->drawingPressed(pixel);
            }));

    buildValuePanels();
    buildOptionsPanel();
    help_ = new THilfform(this);
    helpPrint_ = new HelpPrintPanel(this);
    comforts_ =
        new EditorComforts(*this, ws_, drawingView_, editor_, hints_, valueEntry_, menus_.drawing);
    connect(comforts_, &EditorComforts::miniatureLabelsSwitched,
            graphicPanel_->graphic()->miniature(), &MiniatureView::showLabels);
    demo_ = new DemoDriver(*this, content_);
    connect(menus_.demo, &QAction::triggered, demo_, &DemoDriver::DemoClick);

    updateCaption();
    updateRecentControls();
    updateModeControls();
    ws_.closing = false;
}

Tgrf::~Tgrf() {
    removeFailureHandler(this);
}

StatusLine* Tgrf::statusLine() const {
    return comforts_->statusLine();
}

void Tgrf::buildValuePanels() {
    picker_ = new E12Picker(content_);
    // In a window smaller than its content the table would open below the visible part.
    connect(picker_, &E12Picker::opened, this, guardedSlot([this] {
                picker_->fitInto(QRect(-content_->pos(), formScroll_->viewport()->size()));
            }));
    model_ = new CalculationModel(ws_.calculation, ws_.fields, ws_.symbols, this);
    valueEntry_ = new ValueEntryPanel(*model_, *drawingView_, *picker_);
    graphicPanel_->setPicker(*picker_);
    componentPanel_->setValueEntry(valueEntry_);
    results_ = new ResultsPanel(*model_, *drawingView_);
    // Until the display-digits setting is read from the settings file.
    results_->setDisplayDigits(5);
    resultsPanel_->setResults(results_);
    branchTools_ = new BranchTools(*menus_.calculation, ws_, *results_, *this);

    connect(model_, &CalculationModel::valuesChanged, this,
            [this] { ws_.modes.setValuesUnchanged(false); });
    connect(valueEntry_, &ValueEntryPanel::valuesConfirmed, this,
            guardedSlot([this](bool wereConfirmed) {
                forgetCurves(ws_.graphic);  // curves of the old values are gone
                applyModeSwitch(ws_.modes.confirmValues(wereConfirmed));
                results_->calculateAfterConfirmation();
            }));
    connect(valueEntry_, &ValueEntryPanel::resultModesWithdrawn, this,
            guardedSlot([this] { enableModes(kModeComponents, ws_.modes.workingMode()); }));
    connect(results_, &ResultsPanel::singleFrequencyRequested, this,
            guardedSlot([this] { enableModes(kModeSingleFrequency, kModeSingleFrequency); }));

    probe_ = new ProbePanel(ws_.calculation, *drawingView_);
    resultsPanel_->setProbe(probe_);
}

void Tgrf::buildOptionsPanel() {
    options_ = new OptionsPanel(content_);
    hintSwitch_ = new HintSwitch(this);
    connect(options_, &OptionsPanel::optionsAccepted, this,
            guardedSlot([this](const Options& options) { applyOptions(options); }));
    connect(options_, &OptionsPanel::autoErrorSearchToggled, this,
            [this](bool on) { ws_.autoErrorSearch = on; });
}

void Tgrf::applyOptions(const Options& options) {
    results_->setDisplayDigits(options.displayDigits);
    hintSwitch_->setOn(options.showHints);
    ws_.autoErrorSearch = options.autoErrorSearch;
}

void Tgrf::buildScreenWarning(QWidget* content, ScreenSize screen) {
    screenWarning_ = new QFrame(content);
    screenWarning_->setObjectName("hw800pan");
    screenWarning_->setFrameShape(QFrame::Panel);
    screenWarning_->setFrameShadow(QFrame::Raised);
    screenWarning_->setLineWidth(2);
    screenWarning_->setAutoFillBackground(true);
    QPalette palette = screenWarning_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xDC));
    screenWarning_->setPalette(palette);

    screenWarningText_ = new QLabel(screenWarning_);
    screenWarningText_->setObjectName("Label3");
    screenWarningText_->setWordWrap(true);
    auto* button1 = new QPushButton("OK", screenWarning_);
    button1->setObjectName("Button1");
    connect(button1, &QPushButton::clicked, screenWarning_, &QWidget::hide);

    auto* layout = new QVBoxLayout(screenWarning_);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(screenWarningText_);
    layout->addWidget(button1, 0, Qt::AlignHCenter);
    screenWarning_->setGeometry(120, 110, 560, 200);

    screenWarningText_->setText(qText(screenWarningText(screen)));
    screenWarning_->setVisible(screenWarningNeeded(screen));
    screenWarning_->raise();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void Tgrf::showTitle() {
    if (!title_) title_ = new Ttitform(this);
    title_->showCentred();
}

void Tgrf::startupInitialisation(const std::filesystem::path& programFolder, ScreenSize screen) {
    progressCode = progress::kStartupBegin;
    ws_.programFolder = programFolder;
    ws_.currentFile = untitledNetworkPath(ws_);
    updateCaption();
    progressCode = progress::kStartupCaption;

    ws_.folderAccess = checkProgramFolder(programFolder);

    const WindowGeometry size = startupGeometry(screen);
    resize(size.width, size.height);
    applyModeSwitch(ws_.modes.switchTo(kModeDrawing));
    progressCode = progress::kStartupCatalogue;

    SymbolCatalogue::instance();
    ws_.grid.clear();
    ws_.undoCopy.clear();
    // The defaults of the curve and option variables are set by their panels when created.
    progressCode = progress::kStartupMacros;
    editor_->macroPanel()->initialise(programFolder, ws_.folderAccess.readOnly,
                                      ws_.folderAccess.macroFileUnavailable);
    progressCode = progress::kStartupEnd;
}

void Tgrf::openFromCommandLine(const std::filesystem::path& path) {
    // Made absolute: the caption and the recent files must still name it from another folder.
    runHandler(progress::kOpen, [&] { loadNetwork(std::filesystem::absolute(path)); });
}

void Tgrf::ReadSettings() {
    progressCode = progress::kSettings;
    const SettingsRead read = readSettingsFile(ws_.programFolder);
    settingsFound_ = read.found;
    startSettings_ = read.settings;
    ws_.recent.setEntries(recentOnStart(read.settings.recent, ws_.programFolder));
    updateRecentControls();

    const Options& o = read.settings.options;
    options_->setOptions(o);
    options_->setWritable(settingsWritable(ws_.folderAccess, settingsFound_));
    applyOptions(o);
    ws_.fields = {o.defaultVoltage, o.defaultFrequency, o.defaultLowerLimit, o.defaultUpperLimit};
    results_->showInputFields();
}

void Tgrf::WriteSettings() {
    progressCode = progress::kSettings;
    if (!settingsWritable(ws_.folderAccess, settingsFound_)) return;
    Settings settings = startSettings_;
    settings.recent = ws_.recent.entries();
    settings.mainWindow = WindowGeometry{x(), y(), width(), height(), false};
    if (const auto* formulas = findChild<Tformel*>(QString(), Qt::FindDirectChildrenOnly))
        settings.formulaWindow = WindowPlace{formulas->x(), formulas->y()};
    settings.options = options_->options();
    const TextWriteResult result = writeSettingsFile(ws_.programFolder, settings);
    if (!result.ok()) dialogs().error(this, qText(result.error));
}

void Tgrf::startTitleTimer() {
    timer_->closeTitleLater(title_);
}

ScreenSize Tgrf::currentScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {kDesignWidth, 768};
    return {screen->size().width(), screen->size().height()};
}

ScreenArea Tgrf::availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

int Tgrf::frameExtraHeight() const {
    // Before the window is shown the frame is not known yet: a title bar's height stands in.
    const int known = frameGeometry().height() - height();
    return known > 0 ? known : style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
}

void Tgrf::placeForScreen(ScreenSize screen, ScreenArea area) {
    screenWarningText_->setText(qText(screenWarningText(screen)));
    screenWarning_->setVisible(screenWarningNeeded(screen));
    const WindowGeometry wanted = startSettings_.mainWindow
                                      ? clampedToScreen(*startSettings_.mainWindow, screen)
                                      : shownGeometry(screen, startupGeometry(screen));
    const WindowGeometry g =
        fittedGeometry(wanted, area, frameGeometry().width() - width(), frameExtraHeight());
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(g.width, g.height);
    move(g.left, g.top);
    if (g.maximised) setWindowState(windowState() | Qt::WindowMaximized);
    drawingFrame_->horizontalScrollBar()->setValue(0);
}

void Tgrf::showPlaced() {
    placeForScreen(currentScreenSize(), availableArea());
    show();
}

// Small windows scroll; so does a larger one whose mode panel needs more than it has.
void Tgrf::updateScrollBars() {
    const ScrollBarsShown bars = windowScrollBars(width(), height());
    const QSize needed = content_->minimumSizeHint();
    const QSize room = formScroll_->maximumViewportSize();
    const bool horizontal = bars.horizontal || needed.width() > room.width();
    const bool vertical = bars.vertical || needed.height() > room.height();
    formScroll_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
    formScroll_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
}

void Tgrf::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (ws_.closing) return;
    runHandler(progress::kResize, [this] {
        updateScrollBars();
        if (title_ && title_->isVisible()) {
            formScroll_->horizontalScrollBar()->setValue(0);
            formScroll_->verticalScrollBar()->setValue(0);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Working modes

bool Tgrf::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant tag = watched->property("tag");
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (tag.isValid() && mouse->button() == Qt::LeftButton &&
            (watched->objectName().startsWith("wkmod") || watched->objectName().startsWith("lm"))) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isEnabled()) lm1MouseDown(tag.toInt());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tgrf::ModWahl(int tag) {
    runHandler(progress::kModeChoice, [&] {
        if (!ws_.modes.selectable(tag)) return;
        applyModeSwitch(ws_.modes.chooseFromMenu(tag));
    });
}

void Tgrf::lm1MouseDown(int tag) {
    runHandler(progress::kModeChoice, [&] {
        if (!ws_.modes.selectable(tag)) return;
        applyModeSwitch(ws_.modes.chooseButton(tag));
    });
}

void Tgrf::enableModes(int level, int mode) {
    applyModeSwitch(ws_.modes.enable(level, mode));
}

void Tgrf::updateModeControls() {
    for (int m = 1; m <= 4; ++m) {
        const bool on = ws_.modes.selectable(m);
        menus_.modes[std::size_t(m - 1)]->setEnabled(on);
        modeBar_.buttons[std::size_t(m - 1)]->setEnabled(on);
        modeBar_.labels[std::size_t(2 * m - 2)]->setEnabled(on);
        modeBar_.labels[std::size_t(2 * m - 1)]->setEnabled(on);
    }
    const int pressed = ws_.modes.pressedButton();
    if (pressed >= 1 && pressed <= 4) modeBar_.buttons[std::size_t(pressed - 1)]->setChecked(true);
}

ModePanel* Tgrf::panelOfMode(int mode) const {
    return panels_[std::size_t(std::clamp(mode, kModeDrawing, kModeGraphic) - 1)];
}

void Tgrf::hideNamedControls(std::initializer_list<const char*> names) {
    for (const char* name : names)
        for (QWidget* w : findChildren<QWidget*>(QString::fromLatin1(name))) w->hide();
}

void Tgrf::applyModeSwitch(const ModeSwitch& change) {
    updateModeControls();
    if (!change.happened) return;

    picker_->close();
    model_->setGraphicModeActive(change.to == kModeGraphic);
    editor_->setWorkingMode(change.to);
    if (change.layoutDrawingArea) {
        hideNamedControls({"Mauspal2", "sw9", "ngueltpan", "Pfeilpan", "REck", "darlinie",
                           "ortlinie", "Quadrat", "yblock", "GruppeOben", "OrtScroll"});
        timer_->stopBlinking();
        timer_->stopUnlessClosingTitle();
    }

    ModePanel* target = panelOfMode(change.to);
    for (ModePanel* panel : panels_)
        if (panel != target) panel->hide();
    target->adoptDrawing(drawingFrame_);
    target->show();

    if (change.leaveGraphic) hideNamedControls({"SbTafel", "sbtafel2", "deckpan"});
    if (change.repaintDrawing) repaintDrawing();
    for (ModePanel* panel : panels_) panel->modeChanged(change);
    if (change.enterGraphic) {
        drawingView_->showBlank();
        for (ModePanel* panel : panels_) panel->drawingRepainted();
        if (!graphicPanel_->curveAvailable()) timer_->startBlinking(graphicPanel_->hand());
    }
    menus_.drawing->setEnabled(change.to == kModeDrawing);
    menus_.calculation->setEnabled(change.to == kModeSingleFrequency);
    hints_->showLines(hintLines(change.to));
    comforts_->modeChanged(menus_.modes[std::size_t(change.to - 1)]->text());
}

void Tgrf::drawingEdited() {
    if (ws_.modes.drawingChanged()) updateModeControls();
    comforts_->drawingChanged();
}

void Tgrf::drawingPressed() {
    if (ws_.modes.workingMode() != kModeDrawing) return;
    ws_.modes.withdrawResultModes();
    updateModeControls();
}

void Tgrf::repaintDrawing() {
    if (ws_.closingConfirmed) return;
    (void)rebuildSymbolList(ws_.grid, ws_.symbols);
    restamp(ws_.symbols, ws_.grid);
    drawingView_->showSymbols(ws_.symbols, GlyphStyle{ws_.calculation.directVoltage(), false});
    for (ModePanel* panel : panels_) panel->drawingRepainted();
}

void Tgrf::ZeitgeberTimer() {
    runGuarded([this] { timer_->tick(); });
}

// ---------------------------------------------------------------------------------------------
// Files

void Tgrf::updateCaption() {
    setWindowTitle(qText(windowCaption(ws_)));
}

void Tgrf::updateRecentControls() {
    bool any = false;
    for (int k = 1; k <= 5; ++k) {
        const QString caption = qText(ws_.recent.captionOfSlot(k));
        QToolButton* button = topBar_.recent[std::size_t(k - 1)];
        button->setText(caption);
        // Too wide for its button, the caption loses its start so that the file name shows
        // whole; the tool tip has the whole path.
        if (const int over = button->sizeHint().width() - button->maximumWidth(); over > 0) {
            const QFontMetrics metrics(button->font());
            button->setText(metrics.elidedText(caption, Qt::ElideLeft,
                                               metrics.horizontalAdvance(caption) - over));
        }
        button->setToolTip(qText(ws_.recent.pathOfSlot(k)));
        QAction* entry = menus_.recent[std::size_t(k - 1)];
        entry->setText(caption);
        entry->setToolTip(qText(ws_.recent.pathOfSlot(k)));
        entry->setVisible(!caption.isEmpty());
        any = any || !caption.isEmpty();
    }
    menus_.recentSeparator->setVisible(any);
}

QString Tgrf::dialogFolder() const {
    return qPath(volmira::dialogFolder(ws_, homeFolder()));
}

void Tgrf::NeuesNetzwerk1Click() {
    runHandler(progress::kNewNetwork, [this] { newNetwork(true); });
}

bool Tgrf::newNetwork(bool askAboutUnsavedWork) {
    if (askAboutUnsavedWork && !settleUnsavedWork()) return false;
    progressCode = progress::kNewNetwork;
    editor_->editor().rememberDrawing();
    applyModeSwitch(startNewNetwork(ws_));
    showReplacedNetwork();
    return true;
}

void Tgrf::showReplacedNetwork() {
    repaintDrawing();
    editor_->resetTool();
    drawingFrame_->horizontalScrollBar()->setValue(0);
    drawingFrame_->verticalScrollBar()->setValue(0);
    updateCaption();
    updateRecentControls();
    for (ModePanel* panel : panels_) panel->networkReplaced(false);
    comforts_->drawingChanged();
}

bool Tgrf::settleUnsavedWork() {
    results_->acceptPendingInputs();
    const std::optional<std::string> question = unsavedWorkQuestion(ws_);
    if (!question) return true;
    switch (dialogs().questionWithCancel(this, qText(*question), kQuestionOffset)) {
        case Answer::Yes:
            return saveNetwork(false);
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
    }
    return false;
}

bool Tgrf::loadNetwork(const std::filesystem::path& path) {
    NetworkLoadResult result = loadNetworkFile(path);
    if (!result.ok()) {
        dialogs().error(this, qText(result.error));
        return false;
    }
    applyModeSwitch(startNewNetwork(ws_));
    adoptLoadedNetwork(ws_, std::move(*result.network), path);
    editor_->editor().forgetHistory();
    showReplacedNetwork();
    return true;
}

void Tgrf::SbOeffnen1Click() {
    runHandler(progress::kOpen, [this] {
        if (!settleUnsavedWork()) return;
        progressCode = progress::kOpen;
        const QString name =
            dialogs().openFileName(this, "Netzwerkdatei öffnen", {kNetworkFilter}, dialogFolder());
        if (name.isEmpty()) return;
        rememberDialogChoice(ws_, fsPath(name));
        loadNetwork(fsPath(name));
    });
}

void Tgrf::NwName1Click(int slot) {
    runHandler(progress::kOpenRecent, [this, slot] { openRecent(slot); });
}

void Tgrf::openRecent(int slot) {
    if (ws_.recent.captionOfSlot(slot).empty()) return;
    const std::string path = ws_.recent.pathOfSlot(slot);
    if (!settleUnsavedWork()) return;
    progressCode = progress::kOpenRecent;
    if (loadNetwork(fsPath(qText(path)))) drawingPanel_->analys()->setFocus();
}

void Tgrf::NwSpeichernClick() {
    runHandler(progress::kSave, [this] { saveNetwork(false); });
}

void Tgrf::SpSpeichern1Click() {
    runHandler(progress::kSave, [this] { saveNetwork(true); });
}

bool Tgrf::saveNetwork(bool saveAs) {
    progressCode = progress::kSave;
    results_->acceptPendingInputs();
    if (ws_.modes.workingMode() == kModeDrawing && ws_.modes.reachedMode() == 1) repaintDrawing();
    LineList lines = currentNetworkLines(ws_);

    std::filesystem::path path = ws_.currentFile;
    const SaveRequest request = saveRequest(ws_, saveAs, homeFolder());
    if (request.askName) {
        const QString name = dialogs().saveFileName(this, "Netzwerk speichern", kNetworkFilter,
                                                    qPath(request.folder), qText(request.name));
        if (name.isEmpty()) return false;
        path = withNetworkExtension(fsPath(name));
        rememberDialogChoice(ws_, path);
        if (const auto question = overwriteQuestion(path);
            question && !dialogs().question(this, qText(*question)))
            return false;
    }
    if (!writeNetworkFile(path, lines)) return false;
    markSaved(ws_, std::move(lines), path);
    updateCaption();
    updateRecentControls();
    return true;
}

bool Tgrf::writeNetworkFile(const std::filesystem::path& path, const LineList& lines) {
    status_->showMessage(QStringLiteral(" Netzwerk wird gespeichert\r") +
                         qText(recentFileCaption(displayPath(path))));
    const NetworkSaveResult result = saveNetworkFile(path, lines);
    if (saveDelayMs_ > 0) QThread::msleep(static_cast<unsigned long>(saveDelayMs_));
    status_->hideMessage();
    if (result.ok()) return true;
    progressCode = progress::kSave;
    // The reason (read-only file, a folder that takes no files) first, then the usual report.
    if (!result.detail.empty()) dialogs().error(this, qText(result.detail));
    reportFailure();
    return false;
}

void Tgrf::NetwerkDateilschen1Click() {
    runHandler(progress::kSave, [this] {
        const QString name = dialogs().openFileName(
            this, "Netzwerkdateien löschen", {kNetworkFilter, kOldNetworkFilter}, dialogFolder());
        if (name.isEmpty()) return;
        rememberDialogChoice(ws_, fsPath(name));
        if (!dialogs().question(this, QStringLiteral("Soll die Netzwerkdatei\n„%1“\n"
                                                     "endgültig gelöscht werden?")
                                          .arg(name))) {
            return;
        }
        std::error_code error;
        if (!std::filesystem::remove(fsPath(name), error) || error) reportFailure();
    });
}

// ---------------------------------------------------------------------------------------------
// Analysis

bool Tgrf::Schaltbildcheck() {
    const SchematicFault fault = checkSchematic(ws_.grid);
    if (!fault.found) return false;
    const QRect frame = faultFrame(fault);
    drawingView_->setFaultFrame(frame);
    const QPoint shown = drawingView_->toView(frame.topLeft());
    drawingFrame_->ensureVisible(shown.x(), shown.y(), 60, 60);
    dialogs().error(this, qText(kOpenPathMessage), QPoint(200, fault.row > 17 ? 90 : 260));
    drawingView_->setFaultFrame({});
    repaintDrawing();
    return true;
}

void Tgrf::SchaltbildCheck1Click() {
    runHandler(progress::kSchematicCheck, [this] {
        repaintDrawing();
        Schaltbildcheck();
    });
}

void Tgrf::AnalysClick() {
    runHandler(progress::kAnalysis, [this] {
        editor_->resetTool();
        repaintDrawing();
        if (ws_.autoErrorSearch && Schaltbildcheck()) return;

        progressCode = progress::kAnalysis;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        status_->showMessage("   Netzwerk wird analysiert\r  Bitte warten!");
        const AnalysisResult result = analyseDrawing(ws_);
        status_->hideMessage();
        QApplication::restoreOverrideCursor();

        if (!result.ok()) {
            ws_.modes.withdrawResultModes();
            updateModeControls();
            dialogs().error(this, qText(analysisErrorMessage(result.errorCode)));
            return;
        }
        comforts_->networkAnalysed();
        dialogs().information(this, qText(analysisStatusMessage(ws_.calculation.network())));
        // The new network's values are confirmed (and summed per branch) before they count.
        ws_.modes.setValuesUnchanged(false);
        for (ModePanel* panel : panels_) panel->networkReplaced(true);
        enableModes(2, 2);
    });
}

// ---------------------------------------------------------------------------------------------
// Calculator, failures, closing

void Tgrf::RechnerClick() {
    runHandler(progress::kCalculator, [this] {
        if (calculator_)
            calculator_();
        else
            bringUpCalculator();
    });
}

void Tgrf::FSammelClick() {
    runHandler(progress::kFormulaCollection, [this] {
        const bool first = !findChild<Tformel*>(QString(), Qt::FindDirectChildrenOnly);
        openFormulaCollection(
            this, [](QWidget* parent, const QString& text) { dialogs().error(parent, text); });
        auto* formulas = findChild<Tformel*>(QString(), Qt::FindDirectChildrenOnly);
        if (first && formulas && startSettings_.formulaWindow)
            formulas->move(startSettings_.formulaWindow->left, startSettings_.formulaWindow->top);
    });
}

void Tgrf::Optionen1Click() {
    runHandler(progress::kOptions, [this] { options_->showInFront(); });
}

void Tgrf::DruckenClick() {
    runHandler(progress::kPrintComposer, [this] {
        help_->hide();
        if (print_.open) print_.open();
    });
}

void Tgrf::setPrintCommands(PrintCommands commands) {
    print_ = std::move(commands);
    helpPrint_->setPrinter(print_.helpTopics);
}

void Tgrf::Hilfe1Click() {
    progressCode = progress::kHelp;
    menus_.topics->setEnabled(ws_.modes.workingMode() != kModeGraphic);
}

void Tgrf::Hilfe2Click() {
    runHandler(progress::kHelp, [this] {
        help_->openContextHelp(
            contextHelpBox(clientBox(*this), ws_.modes.workingMode() == kModeGraphic));
    });
}

void Tgrf::Hilfethemen1Click() {
    runHandler(progress::kHelp, [this] { help_->openTopics(topicHelpBox(clientBox(*this))); });
}

void Tgrf::HilfethemenAusdruckenClick() {
    runHandler(progress::kHelp, [this] {
        const ScreenBox box = helpPrintPanelBox(clientBox(*this));
        helpPrint_->setGeometry(box.left, box.top, box.width, box.height);
        helpPrint_->show();
        helpPrint_->raise();
    });
}

void Tgrf::Druckerinstallation1Click() {
    runHandler(progress::kPrinterSetup, [this] {
        if (print_.printerSetup) print_.printerSetup();
    });
}

void Tgrf::MyExcept() {
    const QString text = qText(failureReportText(progressCode));
    status_->hideMessage();
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    if (dialogs().failure(this, text, kFailureOffset) == FailureChoice::Abort) {
        // Closed from the event loop, not from inside the handler that failed.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void Tgrf::Programmbeenden1Click() {
    ws_.closing = true;
    close();
}

void Tgrf::closeEvent(QCloseEvent* event) {
    // Refused unless everything below goes through, also when something in it fails.
    event->ignore();
    progressCode = progress::kClose;
    if (!settleUnsavedWork()) {
        ws_.closing = false;
        return;
    }
    WriteSettings();
    ws_.closingConfirmed = true;
    timer_->stop();
    status_->hideMessage();
    if (title_) title_->hide();
    event->accept();
}

}  // namespace volmira
