#pragma once
// The composer's printer: the system's default printer, or a PDF file where no printer is
// installed; and `DrInst`, the printer set-up dialog, behind a seam so that tests answer it
// without a modal window.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace volmira {

// Confirms (true) or cancels the set-up of `printer`.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

// Qt's print dialog.
bool runPrintDialog(QPrinter& printer, QWidget* parent);

// Without an installed printer the page goes to `pdfPath`.
void usePdfWithoutPrinter(QPrinter& printer, const QString& pdfPath);

}  // namespace volmira
