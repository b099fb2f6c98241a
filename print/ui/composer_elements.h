#pragma once
// The composer's curve, locus and table elements for one pass: curves and loci from the plot
// the source lends (on a copy, whose scales each element rebuilds for its own quantity), the
// table from the page's one frequency table.
#include <memory>

#include "analysis/network.h"
#include "print/frequency_table.h"
#include "print/plot_source.h"
#include "print/ui/page_painter.h"

namespace volmira {

class ComposerElements {
  public:
    ComposerElements(const PrintDocument& document, const FrequencyTable& table, PrintPlot plot,
                     const Network& network);
    ~ComposerElements();

    void paint(QPainter& painter, const QRectF& rect, int slot, ElementKind kind);
    ElementPainter painter() {
        return [this](QPainter& p, const QRectF& r, int slot, ElementKind kind) {
            paint(p, r, slot, kind);
        };
    }

  private:
    const PrintDocument& document_;
    const FrequencyTable& table_;
    PrintPlot plot_;
    const Network& network_;
    std::unique_ptr<PlotState> copy_;
};

// Whether a pass of the document draws a curve or locus element (and needs the plot).
bool needsPlot(const PrintDocument& document);

}  // namespace volmira
