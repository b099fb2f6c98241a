#include "app/ui/status_line.h"

#include <QCheckBox>
#include <QLabel>

namespace volmira {

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent),
      cell_(field("StatusZelle")),
      tool_(field("StatusWerkzeug")),
      mode_(field("StatusModus")),
      counts_(field("StatusAnalyse")),
      zoom_(field("StatusZoom")),
      values_(new QCheckBox("Bauteilwerte anzeigen", this)) {
    setObjectName("Statuszeile");
    values_->setObjectName("BauteilwerteAnzeigen");
    values_->setToolTip("Name und Wert neben jedem Bauteil, in den Modi 2 bis 4");
    addPermanentWidget(values_);
    // Fixed widths, so the fields do not jump while the pointer moves.
    cell_->setMinimumWidth(fontMetrics().horizontalAdvance("Zeile 80, Spalte 100") + 12);
    showZoom(100);
}

QLabel* StatusLine::field(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->hide();
    addPermanentWidget(label);
    return label;
}

void StatusLine::set(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void StatusLine::showZoom(int percent) {
    set(zoom_, QStringLiteral("Zoom %1 %").arg(percent));
}

}  // namespace volmira
