#include "graphics/ui/characteristics_tools.h"

#include <QEvent>
#include <QPainter>
#include <QToolButton>

#include "graphics/characteristic_markers.h"
#include "graphics/graphic_state.h"
#include "graphics/range_frequencies.h"
#include "graphics/ui/characteristics_panel.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/pole_zero_window.h"
#include "graphics/ui/tool_buttons.h"

namespace volmira {

namespace {

constexpr int kMarkRadius = 5;

}  // namespace

CharacteristicMarks::CharacteristicMarks(const GraphicPanel& panel, const GraphicState& state,
                                         QWidget* curveView)
    : QWidget(curveView), panel_(panel), state_(state) {
    setObjectName("KennwertMarken");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(curveView->rect());
    curveView->installEventFilter(this);
}

void CharacteristicMarks::setValues(std::optional<CharacteristicValues> values, int branch,
                                    int button) {
    values_ = std::move(values);
    branch_ = branch;
    button_ = button;
    update();
}

bool CharacteristicMarks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
}

void CharacteristicMarks::paintEvent(QPaintEvent*) {
    // Marks belong to the curve they were found on.
    if (!values_ || state_.branch != branch_ || state_.button != button_ || !state_.curveExists())
        return;
    const std::vector<CharacteristicMarker> markers =
        characteristicMarkers(*values_, panel_.plotModel(), state_.plot->scale(state_.button),
                              state_.range, state_.logarithmic);
    // Without antialiasing, like the curve under the marks.
    QPainter painter(this);
    for (const CharacteristicMarker& m : markers) {
        const bool resonance = m.kind == CharacteristicMarker::Kind::Resonance;
        const QColor colour = resonance ? QColor(Qt::red) : QColor(0, 0, 200);
        painter.setPen(QPen(colour, 1, Qt::DotLine));
        painter.drawLine(m.x, m.y, m.x, panel_.plotModel().rows.bottom + kCurveRowOffset);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        if (resonance) {
            painter.drawEllipse(QPoint(m.x, m.y), kMarkRadius, kMarkRadius);
        } else {
            painter.drawLine(m.x - kMarkRadius, m.y, m.x + kMarkRadius, m.y);
            painter.drawLine(m.x, m.y - kMarkRadius, m.x, m.y + kMarkRadius);
        }
    }
}

CharacteristicsTools::CharacteristicsTools(GraphicPanel& panel, Calculation& calculation,
                                           GraphicState& state)
    : QObject(&panel), graphic_(panel), calculation_(calculation), state_(state) {
    QWidget* bar = panel.toolBar();
    kennwerte_ =
        addToolButton(bar, "Kennwerte", QStringLiteral("Kennwerte"), ToolGlyph::Characteristics);
    poles_ =
        addToolButton(bar, "PolNull", QStringLiteral("Pol-/Nullstellen"), ToolGlyph::PolesZeros);
    panel_ = new CharacteristicsPanel(&panel);
    window_ = new PoleZeroWindow(&panel);
    marks_ = new CharacteristicMarks(panel, state, panel.curveView());
    connect(kennwerte_, &QToolButton::clicked, this, [this] { KennwerteClick(); });
    connect(poles_, &QToolButton::clicked, this, [this] { PolNullClick(); });
}

void CharacteristicsTools::KennwerteClick() {
    if (!state_.curveExists() || state_.branch < 1 || state_.sweeping) return;
    const ElectricalQuantity quantity = quantityForSelector(state_.button);
    const CharacteristicValues values = branchCharacteristics(
        calculation_, state_.branch, quantity, windowFrequencies(state_.range, state_.logarithmic));
    panel_->showValues(values, state_.branch);
    marks_->setValues(values, state_.branch, state_.button);
    panel_->show();
    panel_->raise();
}

void CharacteristicsTools::PolNullClick() {
    if (state_.branch < 1) return;
    window_->showBranch(calculation_.network(), state_.branch);
    window_->show();
    window_->raise();
}

}  // namespace volmira
