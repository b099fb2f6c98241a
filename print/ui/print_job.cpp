#include "print/ui/print_job.h"

#include <QPageLayout>
#include <QPrinter>

namespace volmira {

QSizeF printableMillimetres(const QPrinter& printer) {
    return printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

bool PrintJob::setOrientation(Orientation orientation) {
    if (isOpen()) return false;
    return printer_.setPageOrientation(
        orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrintJob::paint(const PrintPass& pass, const ElementPainter& elements) {
    if (!isOpen() && !painter_.begin(&printer_)) return false;
    const QSizeF mm = printableMillimetres(printer_);
    const QRect device = printer_.pageLayout().paintRectPixels(printer_.resolution());
    painter_.save();
    setPageTransform(painter_, device.size(), mm.width(), mm.height());
    paintPrintPass(painter_, pass, PassTarget::Printer, elements);
    painter_.restore();
    return true;
}

void PrintJob::finish() {
    if (isOpen()) painter_.end();
}

}  // namespace volmira
