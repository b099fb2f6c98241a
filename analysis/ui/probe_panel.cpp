#include "analysis/ui/probe_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/calculation.h"
#include "analysis/value_text.h"
#include "platform/qt_text.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

namespace {

QRect cellBox(GridCell cell) {
    const GridPixel p = cellBoxTopLeft(cell);
    return QRect(p.x, p.y, kPixelsPerCell, kPixelsPerCell);
}

QString pointName(GridCell cell) {
    return QStringLiteral("(Z %1, Sp %2)").arg(cell.row).arg(cell.column);
}

}  // namespace

ProbePanel::ProbePanel(const Calculation& calculation, DrawingView& drawing, QWidget* parent)
    : QWidget(parent),
      calculation_(calculation),
      drawing_(drawing),
      button_(new QPushButton("Spannung messen", this)),
      readout_(new QLabel(this)) {
    setObjectName("Sonde");
    button_->setObjectName("SpannungMessen");
    button_->setCheckable(true);
    button_->setToolTip("Spannung zwischen zwei Punkten der Schaltung messen");
    readout_->setObjectName("SondeAnzeige");
    readout_->setWordWrap(true);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button_);
    layout->addWidget(readout_);
    connect(button_, &QPushButton::toggled, this, &ProbePanel::switched);
    readout_->hide();
}

bool ProbePanel::active() const {
    return button_->isChecked();
}

void ProbePanel::switched(bool on) {
    first_.reset();
    drawing_.clearMark(DrawingView::Mark::Probe);
    readout_->setVisible(on);
    if (on) showPrompt();
}

void ProbePanel::reset() {
    button_->setChecked(false);
    switched(false);
}

void ProbePanel::showPrompt() {
    readout_->setText(calculation_.network().hasGround
                          ? "Punkt anklicken: Spannung gegen Masse; ein zweiter Punkt: "
                            "Spannung zwischen beiden."
                          : "Ersten Punkt anklicken, dann den zweiten.");
}

// The reading stays while the frequency is changed, so it names its own.
QString ProbePanel::atFrequency() const {
    return " bei " + qText(formatValue(kUnitHertz, digits_, calculation_.table().frequency));
}

void ProbePanel::drawingPressed(QPoint pixel) {
    const Network& network = calculation_.network();
    const GridCell cell = cellAtPixel(GridPixel{pixel.x(), pixel.y()});
    NodePotentials potentials;
    nodePotentials(network, calculation_.table(), potentials);
    const auto potential = potentialAt(network, calculation_.table(), potentials, cell);
    if (!potential) {
        readout_->setText(
            "Kein Messpunkt: bitte eine Leitung oder einen Knoten anklicken, "
            "nicht ein Bauteil.");
        return;
    }
    const double ue = calculation_.table().voltage;
    if (!first_) {
        first_ = cell;
        firstPotential_ = *potential;
        drawing_.setMark(DrawingView::Mark::Probe, {cellBox(cell)});
        if (!network.hasGround) {
            readout_->setText(pointName(cell) + " gewählt; zweiten Punkt anklicken.");
            return;
        }
        readout_->setText(pointName(cell) + " gegen Masse" + atFrequency() + ":\n" +
                          qText(probeText(probeReading(*potential, ue), digits_)));
        return;
    }
    drawing_.setMark(DrawingView::Mark::Probe, {cellBox(*first_), cellBox(cell)});
    readout_->setText(pointName(*first_) + " gegen " + pointName(cell) + atFrequency() + ":\n" +
                      qText(probeText(probeReading(firstPotential_ - *potential, ue), digits_)));
    first_.reset();  // the next click starts a new measurement
}

}  // namespace volmira
