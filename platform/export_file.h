#pragma once
// Exports from the windows: the file is asked for through the dialog seam, written into a
// temporary file beside it and renamed over it only when complete, and a failure is reported
// with the file's name. Nothing is written when the user cancels.
#include <QString>
#include <functional>

class QIODevice;
class QWidget;

namespace volmira {

// Writes the export into `device`; false when that failed.
using ExportWriter = std::function<bool(QIODevice& device, const QString& suffix)>;

// Writes `path` through a temporary file; without a complete write no file is left (an earlier
// file of that name stays as it was). Gives the reason of a failure, empty on success.
QString writeExportFile(const QString& path, const QString& suffix, const ExportWriter& write);

// `filters` as "CSV-Tabelle (*.csv);;PNG-Bild (*.png)": a chosen name without one of their
// suffixes gets the first. An existing file is replaced only when the user agrees. Gives whether
// the file was written.
bool exportThroughDialog(QWidget* parent, const QString& title, const QString& filters,
                         const QString& name, const ExportWriter& write);

}  // namespace volmira
