#include "graphics/ui/locus_controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "graphics/sweep_window.h"
#include "graphics/ui/line_control.h"

namespace volmira {

namespace {

constexpr int kQuadratSize = 5;

}  // namespace

LocusControls::LocusControls(QWidget* side, QWidget* plotImage) : QObject(side) {
    choice_ = new QGroupBox(QStringLiteral("Darstellungsart"), side);
    choice_->setObjectName("Darstellungsart");
    achse_ = new QRadioButton(QStringLiteral("Achse"), choice_);
    achse_->setObjectName("Achse");
    achse_->setChecked(true);
    ort_ = new QRadioButton(QStringLiteral("Ortskurve"), choice_);
    ort_->setObjectName("Ort");
    auto* layout = new QVBoxLayout(choice_);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    layout->addWidget(achse_);
    layout->addWidget(ort_);

    scroll_ = new QScrollBar(Qt::Horizontal, side);
    scroll_->setObjectName("OrtScroll");
    scroll_->setRange(0, kWindowSteps);
    scroll_->setValue(kLocusPointerCentre);
    scroll_->hide();

    line_ = new TLinie(plotImage);
    line_->setObjectName("ortlinie");
    line_->setPen(QPen(Qt::red, 1));
    line_->hide();
    square_ = new QFrame(plotImage);
    square_->setObjectName("Quadrat");
    square_->setAttribute(Qt::WA_TransparentForMouseEvents);
    square_->setAutoFillBackground(true);
    square_->setBackgroundRole(QPalette::Window);  // not the plot frame's dark
    QPalette red = square_->palette();
    red.setColor(QPalette::Window, Qt::red);
    square_->setPalette(red);
    square_->resize(kQuadratSize, kQuadratSize);
    square_->hide();

    connect(ort_, &QRadioButton::clicked, this, &LocusControls::ortClicked);
    connect(achse_, &QRadioButton::clicked, this, &LocusControls::achseClicked);
    connect(scroll_, &QScrollBar::valueChanged, this, &LocusControls::pointerMoved);
}

bool LocusControls::locusMode() const {
    return ort_->isChecked();
}

int LocusControls::pointerPosition() const {
    return scroll_->value();
}

void LocusControls::showLocusView(bool on) {
    const QSignalBlocker quiet(scroll_);
    scroll_->setValue(scroll_->maximum() / 2);
    scroll_->setVisible(on);
    if (!on) showPointer(LocusPointer{});
}

void LocusControls::setWindowSteps(int steps) {
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, steps);
    scroll_->setValue(steps / 2);
}

void LocusControls::showPointer(const LocusPointer& pointer) {
    line_->setVisible(pointer.visible);
    square_->setVisible(pointer.visible);
    if (!pointer.visible) return;
    line_->setEnds(pointer.origin.x, pointer.origin.y, pointer.tip.x, pointer.tip.y);
    square_->move(pointer.square.x, pointer.square.y);
    line_->raise();
    square_->raise();
}

}  // namespace volmira
