#include "graphics/ui/characteristics_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/ac_solver.h"
#include "graphics/characteristic_text.h"

namespace volmira {

CharacteristicsPanel::CharacteristicsPanel(QWidget* parent) : QFrame(parent, Qt::Tool) {
    setObjectName("KennwertPanel");
    setWindowTitle(QStringLiteral("Kennwerte"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName("KennwertTitel");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->hide();
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName("KennwertListe");
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Kennwert"), QStringLiteral("Wert"), QStringLiteral("bei")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);
    resize(400, 420);
}

void CharacteristicsPanel::showValues(const CharacteristicValues& values, int branch) {
    title_->setText(QString::fromStdString(characteristicsTitle(values.quantity, branch)));
    const std::vector<CharacteristicRow> rows = characteristicRows(values, kCharacteristicDigits);
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CharacteristicRow& row = rows[std::size_t(r)];
        table_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.label)));
        table_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.valueText)));
        table_->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(row.frequencyText)));
    }
    note_->setText(
        QString::fromUtf8(kImpreciseResultMessage.data(), int(kImpreciseResultMessage.size())));
    note_->setVisible(values.unsound);
}

}  // namespace volmira
