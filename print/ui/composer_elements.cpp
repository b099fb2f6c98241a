#include "print/ui/composer_elements.h"

#include <QPainter>

#include "graphics/locus_plot.h"
#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/locus_plot_painter.h"
#include "print/quantity_list.h"
#include "print/table_parameters.h"
#include "print/ui/element_painters.h"
#include "print/ui/text_measure.h"

namespace volmira {

ComposerElements::ComposerElements(const PrintDocument& document, const FrequencyTable& table,
                                   PrintPlot plot, const Network& network)
    : document_(document), table_(table), plot_(plot), network_(network) {
    if (plot_.plot) copy_ = std::make_unique<PlotState>(*plot_.plot);
}

ComposerElements::~ComposerElements() = default;

void ComposerElements::paint(QPainter& painter, const QRectF& rect, int slot, ElementKind kind) {
    if (kind == ElementKind::Table) {
        paintTableElement(painter, rect, table_);
        return;
    }
    const int quantity = document_.slot(slot).element.fieldA;
    const int button = buttonForSlot(quantity);
    QString title = QString::fromStdString(std::string(quantityName(quantity)));
    if (plot_.branch > 0)
        title += QStringLiteral(" in ") +
                 QString::fromStdString(branchLabel(network_, plot_.branch, "= "));
    if (!copy_) {  // no curve solved: the title alone
        painter.setFont(pageFont(curveLabelHeight(rect.width())));
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
        return;
    }
    if (kind == ElementKind::Locus) {
        const LocusBounds bounds = RebuildFromStore(*copy_, plot_.range, button, plot_.curveCount);
        const LocusView view{plot_.range, button, plot_.curveCount, plot_.selectedCurve,
                             kLocusPointerCentre};
        paintLocusElement(
            painter, rect,
            DrawLocusPlot(*copy_, bounds, view, plotTextWidth(), locusRealTextWidth()), title);
        return;
    }
    RebuildFromStore(*copy_, plot_.range, button, plot_.curveCount);
    const CurvePlotModel model = DrawCurvePlot(
        *copy_, {plot_.range, plot_.logarithmic, button, plot_.curveCount, plot_.selectedCurve},
        plotTextWidth());
    paintCurveElement(painter, rect, model, title);
}

bool needsPlot(const PrintDocument& document) {
    for (int n = 1; n <= kElementSlots; ++n) {
        const ElementSlot& s = document.slot(n);
        if (!s.free() &&
            (s.element.kind == ElementKind::Curve || s.element.kind == ElementKind::Locus))
            return true;
    }
    return false;
}

}  // namespace volmira
