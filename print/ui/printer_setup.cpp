#include "print/ui/printer_setup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace volmira {

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("DrInst");
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    return dialog.exec() == QDialog::Accepted;
}

void usePdfWithoutPrinter(QPrinter& printer, const QString& pdfPath) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
}

}  // namespace volmira
