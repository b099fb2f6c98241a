#include "app/ui/tgrf.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <system_error>

#include "analysis/schematic_check.h"
#include "analysis/topology.h"
#include "analysis/ui/e12_picker.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/failure_report.h"
#include "app/hint_lines.h"
#include "app/progress.h"
#include "app/ui/dialogs.h"
#include "app/ui/failure_handling.h"
#include "app/ui/hint_image.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel1.h"
#include "app/ui/tafel2.h"
#include "app/ui/tafel3.h"
#include "app/ui/tafel4.h"
#include "app/ui/title_window.h"
#include "app/workspace.h"
#include "platform/calculator.h"
#include "schematic/symbol_catalogue.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString qPath(const std::filesystem::path& path) {
    return qText(displayPath(path));
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

const QString kNetworkFilter = QStringLiteral("Netzwerke (*.nwb)");
const QString kOldNetworkFilter = QStringLiteral("Netzwerke (Altform *.nwe)");
const QString kFaultMessage = QStringLiteral("Ein Stromweg endet nicht an einem Knotenpunkt!");

// The content of the window is designed for a 1024 x 740 window; smaller windows scroll.
constexpr QSize kContentMinimum(1010, 688);
constexpr QPoint kQuestionOffset(200, 150);
constexpr QPoint kFailureOffset(200, 200);

struct ModeButtonText {
    const char* menu;
    const char* first;
    const char* second;
    Qt::Key key;
};
constexpr ModeButtonText kModes[4] = {
    {"Zeichnen", "Zeichnen des", "Schaltbildes", Qt::Key_F5},
    {"Bauteileingabe", "Eingabe / Änderung", "der Bauteilwerte", Qt::Key_F6},
    {"Einzelfrequenzberechnung", "Berechnung des", "Netzwerks", Qt::Key_F7},
    {"Graphische Darstellung", "Frequenzkurve", "Ortskurve", Qt::Key_F8},
};

// Pictograms of the four modes: a drawn network, a value list, a measured branch, a curve.
QIcon modeIcon(int mode) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x20, 0x30, 0x48);
    const QColor accent(0x1E, 0x6F, 0xC8);
    p.setPen(QPen(ink, 1.6));
    switch (mode) {
        case 1:
            p.drawLine(3, 10, 9, 10);
            p.drawRect(QRectF(9, 6.5, 13, 7));
            p.drawLine(22, 10, 28, 10);
            p.drawLine(28, 10, 28, 26);
            p.drawLine(3, 10, 3, 26);
            p.drawLine(3, 26, 28, 26);
            p.setPen(QPen(accent, 2.2));
            p.drawLine(QPointF(12, 22), QPointF(21, 15));
            break;
        case 2: {
            p.drawRect(QRectF(4, 5, 24, 22));
            p.drawLine(QPointF(4, 12), QPointF(28, 12));
            p.drawLine(QPointF(4, 19.5), QPointF(28, 19.5));
            p.drawLine(QPointF(13, 5), QPointF(13, 27));
            QFont f("Arial");
            f.setPixelSize(7);
            f.setBold(true);
            p.setFont(f);
            p.setPen(accent);
            p.drawText(QRectF(4, 5, 9, 7), Qt::AlignCenter, "R");
            p.drawText(QRectF(4, 12, 9, 7.5), Qt::AlignCenter, "C");
            p.drawText(QRectF(4, 19.5, 9, 7.5), Qt::AlignCenter, "L");
            break;
        }
        case 3: {
            p.drawEllipse(QPointF(16, 16), 11, 11);
            QFont f("Arial");
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.setPen(accent);
            p.drawText(QRectF(5, 5, 22, 22), Qt::AlignCenter, "~");
            p.setPen(QPen(ink, 1.6));
            p.drawLine(QPointF(16, 5), QPointF(16, 1));
            p.drawLine(QPointF(16, 27), QPointF(16, 31));
            break;
        }
        default: {
            p.drawLine(5, 4, 5, 27);
            p.drawLine(5, 27, 29, 27);
            QPainterPath curve(QPointF(6, 22));
            curve.cubicTo(QPointF(12, 22), QPointF(14, 6), QPointF(18, 6));
            curve.cubicTo(QPointF(22, 6), QPointF(24, 20), QPointF(29, 21));
            p.setPen(QPen(accent, 2));
            p.drawPath(curve);
            break;
        }
    }
    return QIcon(pixmap);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Creation

Tgrf::Tgrf(Workspace& workspace, QWidget* parent) : QMainWindow(parent), ws_(workspace) {
    progressCode = progress::kWindowCreation;
    setObjectName("Tgrf");
    setFailureHandler(this, [this] { MyExcept(); });
    progressCode = progress::kWindowCreationFormats;
    // Numbers and dates are written by our own formatter; nothing to set in the toolkit.
    progressCode = progress::kWindowCreationControls;

    buildMenus();

    formScroll_ = new QScrollArea(this);
    formScroll_->setObjectName("FormScroll");
    formScroll_->setWidgetResizable(true);
    formScroll_->setFrameShape(QFrame::NoFrame);
    content_ = new QWidget;
    content_->setObjectName("Inhalt");
    content_->setMinimumSize(kContentMinimum);
    formScroll_->setWidget(content_);
    setCentralWidget(formScroll_);

    bild1_ = new DrawingView;
    bild1_->image() = blankDrawingImage();
    bild1Rahmen_ = new QScrollArea;
    bild1Rahmen_->setObjectName("Bild1Rahmen");
    bild1Rahmen_->setWidget(bild1_);
    bild1Rahmen_->setWidgetResizable(false);
    bild1Rahmen_->setFrameShape(QFrame::StyledPanel);
    bild1Rahmen_->setFrameShadow(QFrame::Sunken);
    bild1Rahmen_->setBackgroundRole(QPalette::Dark);

    tafel1_ = new Tafel1;
    tafel2_ = new Tafel2;
    tafel3_ = new Tafel3;
    tafel4_ = new Tafel4;

    prhbild_ = new HintImage;

    auto* panels = new QVBoxLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    for (ModePanel* panel : {static_cast<ModePanel*>(tafel1_), static_cast<ModePanel*>(tafel2_),
                             static_cast<ModePanel*>(tafel3_), static_cast<ModePanel*>(tafel4_)}) {
        panels->addWidget(panel);
        panel->hide();
    }

    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(5);
    layout->addWidget(buildTopBar());
    layout->addWidget(buildModeBar());
    layout->addLayout(panels, 1);
    layout->addWidget(prhbild_);

    buildScreenWarning(content_, currentScreenSize());

    status_ = new StatusPanel(this);
    zeitgeber_ = new QTimer(this);
    zeitgeber_->setObjectName("Zeitgeber");
    zeitgeber_->setInterval(600);
    connect(zeitgeber_, &QTimer::timeout, this, &Tgrf::ZeitgeberTimer);

    connect(tafel1_->analys(), &QPushButton::clicked, this, &Tgrf::AnalysClick);
    connect(tafel1_->schbcheck(), &QToolButton::clicked, this, &Tgrf::SchaltbildCheck1Click);
    // The drawing tools of mode 1 fill the tool bars of `tafel1`.
    editor_ = new EditorController(bild1_, ws_, tafel1_->mausPal1(), tafel1_->mausPalSenk(), this);
    connect(editor_, &EditorController::drawingChanged, this,
            guardedSlot([this] { drawingEdited(); }));
    connect(editor_, &EditorController::drawingPressed, this,
            guardedSlot([this] { drawingPressed(); }));
    connect(editor_, &EditorController::newNetworkRequested, this, &Tgrf::NeuesNetzwerk1Click);
    connect(this, &Tgrf::drawingToolResetRequested, editor_,
            guardedSlot([this] { editor_->resetTool(); }));
    connect(bild1_, &DrawingView::edited, this, guardedSlot([this] { drawingEdited(); }));
    // After the editor, which takes the presses of mode 1.
    connect(bild1_, &DrawingView::pressed, this,
            handlerSlot(progress::kMouseDown,
                        [this](QPoint pixel, Qt::MouseButton) { drawingPressedForPanels(pixel); }));

    buildValuePanels();

    updateCaption();
    updateRecentControls();
    updateModeControls();
    ws_.closing = false;
}

Tgrf::~Tgrf() {
    removeFailureHandler(this);
}

void Tgrf::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");

    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        return a;
    };

    QMenu* file = bar->addMenu("&Datei");
    file->setObjectName("Datei");
    connect(action(file, "NeuesNetzwerk1", "Neues Netzwerk"), &QAction::triggered, this,
            &Tgrf::NeuesNetzwerk1Click);
    QAction* open = action(file, "nwOeffnen", "Netzwerk öffnen ...");
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &Tgrf::SbOeffnen1Click);
    QAction* save = action(file, "NwSpeichern", "Netzwerk speichern");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &Tgrf::NwSpeichernClick);
    connect(action(file, "SpSpeichern1", "Netzwerk speichern unter ..."), &QAction::triggered, this,
            &Tgrf::SpSpeichern1Click);
    connect(action(file, "NetwerkDateilschen1", "Netzwerk (Datei) löschen"), &QAction::triggered,
            this, &Tgrf::NetwerkDateilschen1Click);
    recentSeparator_ = file->addSeparator();
    for (int k = 1; k <= 5; ++k) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QStringLiteral("nwbn%1").arg(k));
        a->setData(k);
        connect(a, &QAction::triggered, this, [this, k] { NwName1Click(k); });
        nwbn_[std::size_t(k - 1)] = a;
    }
    file->addSeparator();
    connect(action(file, "Programmbeenden1", "Programm beenden"), &QAction::triggered, this,
            &Tgrf::Programmbeenden1Click);

    zeichnen_ = bar->addMenu("&Zeichnen");
    zeichnen_->setObjectName("Zeichnen");
    connect(action(zeichnen_, "Zeichnungloeschen1", "Zeichnung löschen"), &QAction::triggered, this,
            &Tgrf::NeuesNetzwerk1Click);
    connect(action(zeichnen_, "SchaltbildCheck1", "Schaltbild-Check"), &QAction::triggered, this,
            &Tgrf::SchaltbildCheck1Click);

    QMenu* modes = bar->addMenu("&Modus");
    modes->setObjectName("Modus");
    for (int m = 1; m <= 4; ++m) {
        QAction* a = modes->addAction(kModes[m - 1].menu);
        a->setObjectName(QStringLiteral("Mod%1").arg(m));
        a->setData(m);
        a->setShortcut(QKeySequence(kModes[m - 1].key));
        a->setShortcutContext(Qt::ApplicationShortcut);
        connect(a, &QAction::triggered, this, [this, m] { ModWahl(m); });
        mod_[std::size_t(m - 1)] = a;
    }

    QAction* calculator = bar->addAction("Rechner");
    calculator->setObjectName("Rechner");
    connect(calculator, &QAction::triggered, this, &Tgrf::RechnerClick);
}

QWidget* Tgrf::buildTopBar() {
    auto* bar = new QFrame;
    bar->setObjectName("Werkzeugleiste");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);

    auto toolButton = [bar](const char* name, QStyle::StandardPixmap icon, const char* hint) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setIcon(bar->style()->standardIcon(icon));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFixedSize(30, 30);
        return b;
    };
    sbOeffnen1_ = toolButton("SbOeffnen1", QStyle::SP_DialogOpenButton, "Netzwerk öffnen");
    sbSpeichern1_ = toolButton("SbSpeichern1", QStyle::SP_DialogSaveButton, "Netzwerk speichern");
    connect(sbOeffnen1_, &QToolButton::clicked, this, &Tgrf::SbOeffnen1Click);
    connect(sbSpeichern1_, &QToolButton::clicked, this, &Tgrf::NwSpeichernClick);
    row->addWidget(sbOeffnen1_);
    row->addWidget(sbSpeichern1_);

    auto* line = new QFrame(bar);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addSpacing(4);
    row->addWidget(line);
    row->addSpacing(4);

    for (int k = 1; k <= 5; ++k) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("NwName%1").arg(k));
        b->setProperty("tag", k);
        b->setAutoRaise(true);
        b->setFixedHeight(30);
        b->setMinimumWidth(60);
        b->setMaximumWidth(150);
        connect(b, &QToolButton::clicked, this, [this, k] { NwName1Click(k); });
        nwName_[std::size_t(k - 1)] = b;
        row->addWidget(b);
    }
    row->addStretch(1);

    opFehlerS_ = new QCheckBox("Automatische Fehlersuche vor der Analyse ", bar);
    opFehlerS_->setObjectName("OpFehlerS");
    opFehlerS_->setChecked(ws_.autoErrorSearch);
    connect(opFehlerS_, &QCheckBox::toggled, this, [this](bool on) { ws_.autoErrorSearch = on; });
    row->addWidget(opFehlerS_);
    return bar;
}

QWidget* Tgrf::buildModeBar() {
    wkmodpan_ = new QFrame;
    wkmodpan_->setObjectName("wkmodpan");
    wkmodpan_->setFrameShape(QFrame::StyledPanel);
    wkmodpan_->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(wkmodpan_);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(0);

    QFont strong = font();
    strong.setBold(true);
    for (int m = 1; m <= 4; ++m) {
        auto* b = new QToolButton(wkmodpan_);
        b->setObjectName(QStringLiteral("wkmod%1").arg(m));
        b->setProperty("tag", m);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setIcon(modeIcon(m));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(42, 42);
        b->setToolTip(kModes[m - 1].menu);
        // The mode is chosen on the press, as with the labels beside it.
        b->installEventFilter(this);
        wkmod_[std::size_t(m - 1)] = b;

        auto* labels = new QVBoxLayout;
        labels->setSpacing(0);
        for (int i = 0; i < 2; ++i) {
            auto* l = new QLabel(i == 0 ? kModes[m - 1].first : kModes[m - 1].second, wkmodpan_);
            l->setObjectName(QStringLiteral("lm%1").arg(2 * m - 1 + i));
            l->setProperty("tag", m);
            if (i == 0) l->setFont(strong);
            l->installEventFilter(this);
            lm_[std::size_t(2 * m - 2 + i)] = l;
            labels->addWidget(l);
        }
        row->addWidget(b);
        row->addSpacing(6);
        row->addLayout(labels);
        if (m < 4) row->addStretch(1);
    }
    row->addStretch(1);
    return wkmodpan_;
}

void Tgrf::buildValuePanels() {
    picker_ = new E12Picker(content_);
    // In a window smaller than its content the table would open below the visible part.
    connect(picker_, &E12Picker::opened, this, guardedSlot([this] {
                picker_->fitInto(QRect(-content_->pos(), formScroll_->viewport()->size()));
            }));
    valueEntry_ = new ValueEntryPanel(ws_, *bild1_, *picker_);
    tafel2_->sideLayout()->addWidget(valueEntry_, 1);
    results_ = new ResultsPanel(ws_, *bild1_);
    // Until the display-digits setting is read from the settings file.
    results_->setDisplayDigits(5);
    tafel3_->cardLayout()->addWidget(results_, 1);

    const auto enable = guardedSlot([this](int level, int mode) { enableModes(level, mode); });
    connect(valueEntry_, &ValueEntryPanel::modesRequested, this, enable);
    connect(results_, &ResultsPanel::modesRequested, this, enable);
    connect(valueEntry_, &ValueEntryPanel::resultModesWithdrawn, this,
            guardedSlot([this] { enableModes(kModeComponents, ws_.modes.workingMode()); }));
    connect(valueEntry_, &ValueEntryPanel::valuesConfirmed, results_,
            guardedSlot([this] { results_->calculateAfterConfirmation(); }));

    connect(this, &Tgrf::analysisSucceeded, valueEntry_, guardedSlot([this] {
                valueEntry_->rebuildList();
                results_->networkAnalysed();
            }));
    connect(this, &Tgrf::valueListRebuildRequested, valueEntry_,
            guardedSlot([this] { valueEntry_->rebuildList(); }));
    connect(this, &Tgrf::componentMarksRemovalRequested, valueEntry_,
            guardedSlot([this] { valueEntry_->removeComponentMark(); }));
    connect(this, &Tgrf::calculationRequested, results_,
            guardedSlot([this] { results_->calculate(); }));
    connect(this, &Tgrf::graphicModeLeft, results_,
            guardedSlot([this] { results_->reformatInputFields(); }));
    connect(this, &Tgrf::workspaceReplaced, results_,
            guardedSlot([this] { results_->showInputFields(); }));
}

void Tgrf::buildScreenWarning(QWidget* content, ScreenSize screen) {
    hw800pan_ = new QFrame(content);
    hw800pan_->setObjectName("hw800pan");
    hw800pan_->setFrameShape(QFrame::Panel);
    hw800pan_->setFrameShadow(QFrame::Raised);
    hw800pan_->setLineWidth(2);
    hw800pan_->setAutoFillBackground(true);
    QPalette palette = hw800pan_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xDC));
    hw800pan_->setPalette(palette);

    label3_ = new QLabel(hw800pan_);
    label3_->setObjectName("Label3");
    label3_->setWordWrap(true);
    auto* button1 = new QPushButton("OK", hw800pan_);
    button1->setObjectName("Button1");
    connect(button1, &QPushButton::clicked, hw800pan_, &QWidget::hide);

    auto* layout = new QVBoxLayout(hw800pan_);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(label3_);
    layout->addWidget(button1, 0, Qt::AlignHCenter);
    hw800pan_->setGeometry(120, 110, 560, 200);

    label3_->setText(qText(screenWarningText(screen)));
    hw800pan_->setVisible(screenWarningNeeded(screen));
    hw800pan_->raise();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void Tgrf::showTitle() {
    if (!title_) title_ = new Ttitform(this);
    title_->showCentred();
}

void Tgrf::startupInitialisation(const std::filesystem::path& programFolder, ScreenSize screen) {
    progressCode = progress::kStartupBegin;
    ws_.guardCode = guard::kStartup;
    ws_.programFolder = programFolder;
    ws_.currentFile = untitledNetworkPath(ws_);
    updateCaption();
    progressCode = progress::kStartupCaption;

    ws_.folderAccess = checkProgramFolder(programFolder);

    const WindowGeometry size = startupGeometry(screen);
    resize(size.width, size.height);
    applyModeSwitch(ws_.modes.switchTo(kModeDrawing));
    progressCode = progress::kStartupSize;
    progressCode = progress::kStartupCatalogue;

    SymbolCatalogue::instance();
    ws_.grid.clear();
    ws_.undoCopy.clear();
    // The defaults of the curve and option variables are set by their panels when created.
    ws_.guardCode = guard::kNone;
    // The macro library is set up by its panel.
    progressCode = progress::kStartupMacros;
    progressCode = progress::kStartupEnd;
}

void Tgrf::startTitleTimer() {
    timerState_ = TimerState::ClosingTitle;
    zeitgeber_->setInterval(800);
    titleOpen_ = true;
    zeitgeber_->start();
}

ScreenSize Tgrf::currentScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {kDesignWidth, 768};
    return {screen->size().width(), screen->size().height()};
}

void Tgrf::placeForScreen(ScreenSize screen) {
    label3_->setText(qText(screenWarningText(screen)));
    hw800pan_->setVisible(screenWarningNeeded(screen));
    const WindowGeometry g = shownGeometry(screen, startupGeometry(screen));
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(g.width, g.height);
    move(g.left, g.top);
    if (g.maximised) setWindowState(windowState() | Qt::WindowMaximized);
    bild1Rahmen_->horizontalScrollBar()->setValue(0);
}

void Tgrf::showPlaced() {
    placeForScreen(currentScreenSize());
    show();
}

void Tgrf::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (ws_.closing) return;
    runHandler(progress::kResize, [this] {
        const ScrollBarsShown bars = windowScrollBars(width(), height());
        formScroll_->setHorizontalScrollBarPolicy(bars.horizontal ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOff);
        formScroll_->setVerticalScrollBarPolicy(bars.vertical ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
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
    ws_.guardCode = guard::kModeEnabling;
    const ModeSwitch change = ws_.modes.enable(level, mode);
    ws_.guardCode = guard::kNone;
    applyModeSwitch(change);
}

void Tgrf::updateModeControls() {
    for (int m = 1; m <= 4; ++m) {
        const bool on = ws_.modes.selectable(m);
        mod_[std::size_t(m - 1)]->setEnabled(on);
        wkmod_[std::size_t(m - 1)]->setEnabled(on);
        lm_[std::size_t(2 * m - 2)]->setEnabled(on);
        lm_[std::size_t(2 * m - 1)]->setEnabled(on);
    }
    const int pressed = ws_.modes.pressedButton();
    if (pressed >= 1 && pressed <= 4) wkmod_[std::size_t(pressed - 1)]->setChecked(true);
}

ModePanel* Tgrf::panelOfMode(int mode) const {
    switch (mode) {
        case kModeDrawing:
            return tafel1_;
        case kModeComponents:
            return tafel2_;
        case kModeSingleFrequency:
            return tafel3_;
        default:
            return tafel4_;
    }
}

void Tgrf::hideNamedControls(std::initializer_list<const char*> names) {
    for (const char* name : names)
        for (QWidget* w : findChildren<QWidget*>(QString::fromLatin1(name))) w->hide();
}

void Tgrf::applyModeSwitch(const ModeSwitch& change) {
    updateModeControls();
    if (!change.happened) return;

    picker_->close();
    if (change.layoutDrawingArea) {
        hideNamedControls({"Mauspal2", "sw9", "ngueltpan", "Pfeilpan", "REck", "darlinie",
                           "ortlinie", "Quadrat", "yblock", "GruppeOben", "OrtScroll"});
        stopBlinking();
        if (!titleOpen_) zeitgeber_->stop();
    }

    ModePanel* target = panelOfMode(change.to);
    for (int m = 1; m <= 4; ++m)
        if (panelOfMode(m) != target) panelOfMode(m)->hide();
    target->adoptDrawing(bild1Rahmen_);
    target->show();

    if (change.leaveGraphic) {
        hideNamedControls({"SbTafel", "sbtafel2", "deckpan"});
        emit graphicModeLeft();
    }
    if (change.repaintDrawing) repaintDrawing();
    if (change.removeComponentMarks) emit componentMarksRemovalRequested();
    if (change.rebuildValueList) emit valueListRebuildRequested();
    if (change.calculate) emit calculationRequested();
    if (change.redrawMarks) {
        results_->redrawMarks();
        valueEntry_->drawingRepainted();
    }
    if (change.enterGraphic) {
        bild1_->image() = blankDrawingImage();
        bild1_->imageChanged();
        drawingRepainted();
        if (tafel4_->curveAvailable()) {
            emit graphicModeEntered();
        } else {
            timerState_ = TimerState::Blinking;
            zeitgeber_->setInterval(400);
            QPalette palette = tafel4_->hand()->palette();
            palette.setColor(QPalette::WindowText, Qt::blue);
            tafel4_->hand()->setPalette(palette);
            tafel4_->hand()->show();
            zeitgeber_->start();
        }
    }
    if (change.refreshHelp) emit helpRefreshRequested();
    zeichnen_->setEnabled(change.to == kModeDrawing);
    if (change.resetDrawingTool) emit drawingToolResetRequested();
    prhbild_->showLines(hintLines(change.to));
}

void Tgrf::stopBlinking() {
    if (timerState_ == TimerState::Blinking) zeitgeber_->stop();
    tafel4_->hand()->hide();
}

void Tgrf::drawingEdited() {
    if (ws_.guardCode == guard::kSourceRedraw) {
        ws_.guardCode = guard::kNone;
        return;
    }
    if (ws_.modes.drawingChanged()) {
        updateModeControls();
        emit analysisInvalidated();
    }
}

void Tgrf::drawingPressed() {
    if (ws_.modes.workingMode() != kModeDrawing) return;
    ws_.modes.withdrawResultModes();
    updateModeControls();
}

void Tgrf::drawingPressedForPanels(QPoint pixel) {
    if (ws_.modes.workingMode() == kModeComponents)
        valueEntry_->drawingPressed(pixel);
    else if (ws_.modes.workingMode() == kModeSingleFrequency)
        results_->drawingPressed(pixel);
}

void Tgrf::repaintDrawing() {
    if (ws_.guardCode == guard::kClosing) return;
    (void)rebuildSymbolList(ws_.grid, ws_.symbols);
    paintDrawing(ws_.symbols, ws_.grid, bild1_->image(), GlyphStyle{ws_.directVoltage, false});
    bild1_->imageChanged();
    drawingRepainted();
}

void Tgrf::drawingRepainted() {
    valueEntry_->drawingRepainted();
    results_->drawingRepainted();
}

// ---------------------------------------------------------------------------------------------
// Status panel and timer

void Tgrf::showStatus(const QString& text) {
    status_->showMessage(text);
}

void Tgrf::hideStatus() {
    status_->hideMessage();
}

void Tgrf::ZeitgeberTimer() {
    runGuarded([this] {
        switch (timerState_) {
            case TimerState::Tracking:
                emit trackingTick();
                break;
            case TimerState::Blinking:
                tafel4_->hand()->setHidden(!tafel4_->hand()->isHidden());
                break;
            case TimerState::PointerMove:
                if (pointerPending_) QCursor::setPos(pendingPointer_);
                zeitgeber_->stop();
                pointerPending_ = false;
                pendingPointer_ = {};
                break;
            case TimerState::ClosingTitle:
                if (title_) title_->hide();
                zeitgeber_->stop();
                titleOpen_ = false;
                break;
        }
    });
}

void Tgrf::schedulePointerMove(QPoint globalPosition, int delayMs) {
    pendingPointer_ = globalPosition;
    pointerPending_ = true;
    timerState_ = TimerState::PointerMove;
    zeitgeber_->setInterval(delayMs);
    zeitgeber_->start();
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
        QToolButton* button = nwName_[std::size_t(k - 1)];
        button->setText(caption);
        button->setToolTip(qText(ws_.recent.pathOfSlot(k)));
        QAction* entry = nwbn_[std::size_t(k - 1)];
        entry->setText(caption);
        entry->setVisible(!caption.isEmpty());
        any = any || !caption.isEmpty();
    }
    recentSeparator_->setVisible(any);
}

QString Tgrf::dialogFolder() const {
    std::error_code error;
    const std::filesystem::path folder = ws_.currentFile.parent_path();
    if (!folder.empty() && std::filesystem::is_directory(folder, error)) return qPath(folder);
    return qPath(ws_.programFolder);
}

void Tgrf::NeuesNetzwerk1Click() {
    runHandler(progress::kNewNetwork, [this] {
        if (!settleUnsavedWork()) return;
        progressCode = progress::kNewNetwork;
        applyModeSwitch(startNewNetwork(ws_));
        repaintDrawing();
        emit drawingToolResetRequested();
        bild1Rahmen_->horizontalScrollBar()->setValue(0);
        bild1Rahmen_->verticalScrollBar()->setValue(0);
        updateCaption();
        emit workspaceReplaced();
    });
}

bool Tgrf::settleUnsavedWork() {
    results_->acceptPendingInputs();
    const std::optional<std::string> question = unsavedWorkQuestion(ws_);
    if (!question) return true;
    if (!dialogs().question(this, qText(*question), kQuestionOffset)) return true;
    return saveNetwork(true);
}

bool Tgrf::loadNetwork(const std::filesystem::path& path) {
    NetworkLoadResult result = loadNetworkFile(path);
    if (!result.ok()) {
        dialogs().error(this, qText(result.error));
        return false;
    }
    applyModeSwitch(startNewNetwork(ws_));
    emit drawingToolResetRequested();
    adoptLoadedNetwork(ws_, std::move(*result.network), path);
    repaintDrawing();
    bild1Rahmen_->horizontalScrollBar()->setValue(0);
    bild1Rahmen_->verticalScrollBar()->setValue(0);
    updateCaption();
    updateRecentControls();
    emit workspaceReplaced();
    return true;
}

void Tgrf::SbOeffnen1Click() {
    runHandler(progress::kOpen, [this] {
        if (!settleUnsavedWork()) return;
        progressCode = progress::kOpen;
        const QString name =
            dialogs().openFileName(this, "Netzwerkdatei öffnen", {kNetworkFilter}, dialogFolder());
        if (name.isEmpty()) return;
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
    if (loadNetwork(fsPath(QString::fromStdString(path)))) tafel1_->analys()->setFocus();
}

void Tgrf::NwSpeichernClick() {
    runHandler(progress::kSave, [this] { saveNetwork(false); });
}

void Tgrf::SpSpeichern1Click() {
    runHandler(progress::kSave, [this] { saveNetwork(true); });
}

bool Tgrf::saveNetwork(bool askAlways) {
    progressCode = progress::kSave;
    results_->acceptPendingInputs();
    progressCode = progress::kSave;
    if (ws_.modes.workingMode() == kModeDrawing && ws_.modes.reachedMode() == 1) repaintDrawing();
    LineList lines = currentNetworkLines(ws_);

    std::filesystem::path path = ws_.currentFile;
    if (askAlways || isUntitledNetwork(displayPath(path))) {
        const QString proposal =
            isUntitledNetwork(displayPath(path)) ? dialogFolder() : qPath(path);
        const QString name =
            dialogs().saveFileName(this, "Netzwerk speichern", kNetworkFilter, proposal);
        if (name.isEmpty()) return false;
        path = withNetworkExtension(fsPath(name));
        std::error_code error;
        if (std::filesystem::exists(path, error) &&
            !dialogs().question(this, QStringLiteral("Die Datei „%1“ gibt es schon.\n"
                                                     "Soll sie ersetzt werden?")
                                          .arg(qPath(path)))) {
            return false;
        }
    }
    if (!writeNetworkFile(path, lines)) return false;
    markSaved(ws_, std::move(lines), path);
    updateCaption();
    updateRecentControls();
    return true;
}

bool Tgrf::writeNetworkFile(const std::filesystem::path& path, const LineList& lines) {
    showStatus(QStringLiteral(" Netzwerk wird gespeichert\r") +
               qText(recentFileCaption(displayPath(path))));
    const NetworkSaveResult result = saveNetworkFile(path, lines);
    if (saveDelayMs_ > 0) QThread::msleep(static_cast<unsigned long>(saveDelayMs_));
    hideStatus();
    if (result.ok()) return true;
    progressCode = progress::kSave;
    reportFailure();
    return false;
}

void Tgrf::NetwerkDateilschen1Click() {
    runHandler(progress::kSave, [this] {
        const QString name = dialogs().openFileName(
            this, "Netzwerkdateien löschen", {kNetworkFilter, kOldNetworkFilter}, dialogFolder());
        if (name.isEmpty()) return;
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
    {
        QPainter painter(&bild1_->image());
        painter.setPen(QPen(Qt::red, 4));
        painter.setBrush(Qt::NoBrush);
        const QPoint topLeft(fault.column * 9 - 11 + fault.shiftX,
                             fault.row * 9 - 16 + fault.shiftY);
        const QPoint bottomRight(fault.column * 9 + 7 + fault.shiftX,
                                 fault.row * 9 + 2 + fault.shiftY);
        painter.drawRect(QRect(topLeft, bottomRight));
        bild1Rahmen_->ensureVisible(topLeft.x(), topLeft.y(), 60, 60);
    }
    bild1_->imageChanged();
    dialogs().error(this, kFaultMessage, QPoint(200, fault.row > 17 ? 90 : 260));
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
        emit drawingToolResetRequested();
        repaintDrawing();
        if (ws_.autoErrorSearch && Schaltbildcheck()) return;

        progressCode = progress::kAnalysis;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        showStatus("   Netzwerk wird analysiert\r  Bitte warten!");
        ws_.guardCode = guard::kAnalysis;
        const AnalysisResult result = analyseNetwork(ws_.grid, ws_.confirmed.view(), ws_.network);
        ws_.guardCode = guard::kNone;
        hideStatus();
        QApplication::restoreOverrideCursor();

        if (!result.ok()) {
            ws_.modes.withdrawResultModes();
            updateModeControls();
            dialogs().error(this, qText(analysisErrorMessage(result.errorCode)));
            return;
        }
        dialogs().information(this, qText(analysisStatusMessage(ws_.network)));
        // The new network's values are confirmed (and summed per branch) before they count.
        ws_.valuesConfirmed = false;
        ws_.modes.setValuesUnchanged(false);
        emit analysisSucceeded();
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

void Tgrf::MyExcept() {
    const QString text = qText(failureReportText(progressCode));
    hideStatus();
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
    emit closingConfirmed();
    ws_.guardCode = guard::kClosing;
    zeitgeber_->stop();
    hideStatus();
    if (title_) title_->hide();
    event->accept();
}

}  // namespace volmira
