#include "print/ui/help_topics_print.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <string>

#include "help/help_print_layout.h"
#include "print/ui/page_painter.h"
#include "print/ui/print_job.h"
#include "print/ui/printer_setup.h"

namespace volmira {

namespace {

// Margins inside the printable area, PageUnits.
constexpr int kLeft = 150;
constexpr int kTop = 150;

PrintPass sheetPass(const HelpSheet& sheet) {
    PrintPass pass;
    for (const PrintedHelpLine& line : sheet)
        pass.ops.push_back(
            textOp(kLeft, -(kTop + line.top), std::string(line.text), line.fontHeight, line.bold));
    return pass;
}

}  // namespace

void prepareHelpPrinter(QPrinter& printer, const QPrinter& composerPrinter, const char* pdfName) {
    printer.setPrinterName(composerPrinter.printerName());
    usePdfWithoutPrinter(printer,
                         QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(QString::fromUtf8(pdfName)));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

bool printHelpTopics(QPrinter& printer, int first, int last) {
    const QSizeF mm = printableMillimetres(printer);
    const std::vector<HelpSheet> sheets = helpSheets(first, last, int(mm.height() * 10) - 2 * kTop);
    if (sheets.empty()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect device = printer.pageLayout().paintRectPixels(printer.resolution());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        painter.save();
        setPageTransform(painter, device.size(), mm.width(), mm.height());
        paintPrintPass(painter, sheetPass(sheets[i]), PassTarget::Printer, {});
        painter.restore();
    }
    return painter.end();
}

}  // namespace volmira
