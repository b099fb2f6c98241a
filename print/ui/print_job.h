#pragma once
// A page on the printer that stays open between passes, so that a preliminary hand-over adds to
// the same sheet; finishing ends the job and the page comes out. A QPrinter set to PdfFormat
// writes the page to a PDF file.
#include <QPainter>
#include <QSizeF>

#include "print/print_document.h"
#include "print/ui/page_painter.h"

class QPrinter;

namespace volmira {

// The printer's printable area in millimetres for its current orientation.
QSizeF printableMillimetres(const QPrinter& printer);

class PrintJob {
  public:
    explicit PrintJob(QPrinter& printer) : printer_(printer) {}
    ~PrintJob() { finish(); }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool isOpen() const { return painter_.isActive(); }
    // Sets the printer's orientation; refused (false) while a page is open.
    bool setOrientation(Orientation orientation);
    // Paints a pass on the page, opening the job first when none is open. False when the
    // printer cannot be started.
    bool paint(const PrintPass& pass, const ElementPainter& elements);
    void finish();

  private:
    QPrinter& printer_;
    QPainter painter_;
};

}  // namespace volmira
