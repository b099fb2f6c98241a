#include "graphics/ui/curve_tool_bar.h"

#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "common/progress.h"
#include "graphics/curve_tools.h"
#include "graphics/graphic_state.h"
#include "graphics/readout.h"
#include "graphics/sweep_window.h"
#include "graphics/ui/curve_overlay.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/locus_display.h"
#include "graphics/ui/tool_buttons.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/network_file.h"

namespace volmira {

namespace {

constexpr int kReadoutDigits = 8;

}  // namespace

CurveToolBar::CurveToolBar(GraphicPanel& panel, GraphicState& state, InputFields& fields)
    : QObject(&panel),
      panel_(panel),
      state_(state),
      fields_(fields),
      largeView_(panel, state, fields),
      overlay_(new CurveOverlay(panel.curveView())),
      memory_(std::make_unique<CurveMemory>()) {
    QToolButton* stretch = addTool("MalZwei", "Dehnen (x2)", std::nullopt, false);
    stretch->setText(QStringLiteral("x2"));
    QToolButton* ripple = addTool("ExtremMax", "Max. Welligkeit", ToolGlyph::Ripple, false);
    QToolButton* extreme = addTool("Lupe", "Extremwerte suchen", ToolGlyph::Search, false);
    imageButton_ = addTool("Einbrenn", "Bildspeicher", ToolGlyph::Image, true);
    QToolButton* store = addTool("EinSpei", "Kurvenwerte speichern", ToolGlyph::Store, false);
    recallButton_ = addTool("AusSpei", "Kuvenwerte abrufen", ToolGlyph::Recall, true);
    QToolButton* centre = addTool("Zentrier", "Rollbalken zentrieren", ToolGlyph::Centre, false);

    // Outside Mauspal2, which the large view hides.
    largeButton_ = new QToolButton(panel.readoutRow());
    largeButton_->setObjectName("Grossbild");
    largeButton_->setText(QStringLiteral("Großbild"));
    largeButton_->setToolTip(QStringLiteral("Großbild ein/aus"));
    largeButton_->setCheckable(true);
    panel.readoutRow()->layout()->addWidget(largeButton_);

    connect(stretch, &QToolButton::clicked, this,
            handlerSlot(progress::kStretch, [this](bool) { MalZweiClick(); }));
    connect(ripple, &QToolButton::clicked, this,
            handlerSlot(progress::kRipple, [this](bool) { ExtremMaxClick(); }));
    connect(extreme, &QToolButton::clicked, this,
            handlerSlot(progress::kExtremeSearch, [this](bool) { LupeClick(); }));
    connect(imageButton_, &QToolButton::clicked, this,
            handlerSlot(progress::kImageMemory, [this](bool down) { EinbrennClick(down); }));
    connect(store, &QToolButton::clicked, this,
            handlerSlot(progress::kCurveStore, [this](bool) { EinSpeiClick(); }));
    connect(recallButton_, &QToolButton::clicked, this,
            handlerSlot(progress::kCurveRecall, [this](bool down) { AusSpeiClick(down); }));
    connect(centre, &QToolButton::clicked, this,
            handlerSlot(progress::kCentre, [this](bool) { ZentrierClick(); }));
    connect(largeButton_, &QToolButton::clicked, this,
            handlerSlot(progress::kLargeView, [this](bool down) { GrossbildClick(down); }));
    connect(&panel, &GraphicPanel::redrawn, this, guardedSlot([this] { applyMemories(); }));
    // Every start releases the recalled curve: it may belong to another range.
    connect(&panel, &GraphicPanel::sweepStarted, this, [this] {
        recallButton_->setChecked(false);
        panel_.locus()->setRecalled(nullptr);
    });
}

CurveToolBar::~CurveToolBar() = default;

QToolButton* CurveToolBar::addTool(const char* name, const QString& hint,
                                   std::optional<ToolGlyph> glyph, bool checkable) {
    QToolButton* tool = addToolButton(panel_.toolBar(), name, hint, glyph);
    tool->setCheckable(checkable);
    return tool;
}

QToolButton* CurveToolBar::scalingButton(const char* name) const {
    return panel_.toolBar()->findChild<QToolButton*>(QString::fromLatin1(name));
}

void CurveToolBar::modeLeft() {
    largeButton_->setChecked(false);
    largeView_.abandon();
}

void CurveToolBar::MalZweiClick() {
    if (!state_.curveExists() || state_.sweeping) return;
    state_.range = StretchTwice(*state_.plot, state_.range, state_.logarithmic, state_.button);
    scalingButton("OberBer")->setChecked(false);
    const BoundTexts texts = windowBoundTexts(state_.range, state_.logarithmic, kBoundDigits);
    fields_.fqVon = texts.fqVon;
    fields_.fqBis = texts.fqBis;
    panel_.showBounds();
    if (auto* frame = panel_.window()->findChild<QScrollArea*>("Bild1Rahmen"))
        frame->horizontalScrollBar()->setValue(kNormalFirstPoint);
    panel_.redraw();
    // Only the odd points are unsolved now.
    panel_.RunSweep();
}

void CurveToolBar::ExtremMaxClick() {
    if (!state_.curveExists()) return;
    if (!ZoomToRipple(*state_.plot, state_.range, state_.curve, state_.button)) return;
    panel_.redraw();
    scalingButton("Aus1")->setEnabled(true);
}

void CurveToolBar::LupeClick() {
    if (!state_.curveExists()) return;
    const ExtremeFound found =
        FindNextExtreme(*state_.plot, state_.range, state_.curve, state_.button, extremeCursor_);
    extremeCursor_ = found.cursor;
    if (found.point < 0) return;
    if (panel_.locus()->active()) {
        // The pointer moves there and the readout follows it.
        panel_.locus()->controls().ortScroll()->setValue(found.point - state_.range.firstPoint);
        return;
    }
    panel_.curveView()->setReadoutColumn(found.point);
    const std::optional<Readout> readout =
        readoutAt({*state_.plot, state_.range, state_.logarithmic, state_.curve, state_.button,
                   kReadoutDigits},
                  found.point);
    if (!readout) return;
    QWidget* row = panel_.readoutRow();
    row->findChild<QLineEdit*>("FqMom")->setText(qText(readout->frequency));
    row->findChild<QLineEdit*>("ElWertMom")->setText(qText(readout->value));
    row->findChild<QLineEdit*>("PhaseMom")->setText(qText(readout->phase));
}

void CurveToolBar::EinbrennClick(bool down) {
    if (down && !state_.curveExists()) {
        imageButton_->setChecked(false);
        return;
    }
    if (down) image_ = BurnIn(panel_.plotModel());
    applyMemories();
}

void CurveToolBar::EinSpeiClick() {
    if (!state_.curveExists()) return;
    StoreCurve(*memory_, *state_.plot, state_.curve, state_.range, state_.logarithmic);
}

void CurveToolBar::AusSpeiClick(bool down) {
    if (down && !curveMemoryMatches(*memory_, state_.range, state_.logarithmic)) {
        recallButton_->setChecked(false);
        dialogs().information(panel_.window(), qText(kCurveMemoryMismatch));
        return;
    }
    // The range and the locus bounds are built again from the store; the stored values widen the
    // bounds at once and the range in applyMemories.
    panel_.locus()->setRecalled(down ? memory_.get() : nullptr);
    panel_.locus()->rebuildBounds(*state_.plot, state_.range, state_.button, state_.curveCount);
    panel_.redraw();
}

void CurveToolBar::ZentrierClick() {
    panel_.ZentrierClick();
}

void CurveToolBar::GrossbildClick(bool down) {
    if (down)
        largeView_.enter();
    else
        largeView_.leave();
}

void CurveToolBar::applyMemories() {
    const bool recalling = recallButton_->isChecked();
    ScaleRecord& scale = state_.plot->scale(state_.button);
    if (recalling && !includingMemory_) {
        const double lo = scale.minSeen;
        const double hi = scale.maxSeen;
        includeCurveMemory(scale, *memory_, state_.button);
        if (scale.minSeen != lo || scale.maxSeen != hi) {
            includingMemory_ = true;
            panel_.redraw();  // lays the memories over the widened plot
            includingMemory_ = false;
            return;
        }
    }
    const CurvePlotModel& model = panel_.plotModel();
    overlay_->setLines(imageButton_->isChecked() ? imageOverlay(image_) : std::vector<PlotPoint>{},
                       recalling ? curveMemoryLine(*memory_, scale, model.rows, state_.button)
                                 : std::vector<PlotPoint>{},
                       model.penWidth);
}

}  // namespace volmira
