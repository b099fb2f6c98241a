#include "analysis/ui/table_export.h"

#include <QIODevice>

#include "analysis/calculation.h"
#include "analysis/table_csv.h"
#include "common/progress.h"
#include "platform/export_file.h"
#include "platform/failure_handling.h"

namespace volmira {

TableExportButton::TableExportButton(const Calculation& calculation, QWidget* parent)
    : QPushButton(QStringLiteral("Tabelle exportieren \u2026"), parent), calculation_(calculation) {
    setObjectName("TabellenExport");
    connect(this, &QPushButton::clicked, this,
            handlerSlot(progress::kExport, [this](bool) { exportTable(); }));
}

void TableExportButton::exportTable() {
    if (calculation_.table().branchCount == 0) return;
    const std::string csv = branchTableCsv(calculation_.network(), calculation_.table());
    exportThroughDialog(window(), text(), QStringLiteral("CSV-Tabelle (*.csv)"),
                        QStringLiteral("Tabelle.csv"), [&](QIODevice& device, const QString&) {
                            return device.write(csv.data(), qint64(csv.size())) ==
                                   qint64(csv.size());
                        });
}

}  // namespace volmira
