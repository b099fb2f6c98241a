#pragma once
// The help topics on the printer: the pages' lines become text operations of print passes, one
// pass per sheet, painted as the composer paints its page.
class QPrinter;

namespace volmira {

// A printer for the help beside the composer's: the same printer, or the PDF file `pdfName` in
// the documents folder where none is installed.
void prepareHelpPrinter(QPrinter& printer, const QPrinter& composerPrinter, const char* pdfName);

// Prints topic pages first..last; false when nothing could be printed.
bool printHelpTopics(QPrinter& printer, int first, int last);

}  // namespace volmira
