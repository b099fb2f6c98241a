#include "print/ui/table_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <cmath>

#include "analysis/hit_test.h"
#include "analysis/input_checks.h"
#include "analysis/value_text.h"
#include "app/working_modes.h"
#include "graphics/ui/miniature_painter.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "print/quantity_list.h"

namespace volmira {

namespace {

constexpr int kMiniatureMargin = 3;

void markLabel(QLabel* label, bool marked) {
    label->setStyleSheet(marked ? QStringLiteral("background:#0000FF;color:white;padding:1px")
                                : QStringLiteral("background:#C0C0C0;color:black;padding:1px"));
}

}  // namespace

TablePage::TablePage(TableParameters& parameters, ComposerContext& context, QWidget* parent)
    : QWidget(parent), parameters_(parameters), context_(context) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Zweige (Zeilen):")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Frequenzen:")), 0, 1);
    for (int r = 0; r < kTableRows; ++r) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("SzName%1").arg(r + 1));
        label->installEventFilter(this);
        rowSlots_[std::size_t(r)] = label;
        grid->addWidget(label, r + 1, 0);
    }
    for (int c = 0; c < kTableColumns; ++c) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("FgZ%1").arg(c + 1));
        label->installEventFilter(this);
        columnSlots_[std::size_t(c)] = label;
        grid->addWidget(label, c + 1, 1);
    }
    ffeld_ = new QLineEdit(this);
    ffeld_->setObjectName("FFeld");
    ffeld_->setToolTip(QStringLiteral("Frequenz der markierten Spalte"));
    connect(ffeld_, &QLineEdit::editingFinished, this, &TablePage::ffeldExit);
    grid->addWidget(ffeld_, kTableColumns + 1, 1);

    auto* choice = new QHBoxLayout;
    elArtWahl_ = new QComboBox(this);
    elArtWahl_->setObjectName("ElArtWahl");
    for (std::string_view entry : kQuantityListEntries) elArtWahl_->addItem(qText(entry));
    connect(elArtWahl_, &QComboBox::currentIndexChanged, this,
            [this](int index) { parameters_.quantityPosition = index; });
    choice->addWidget(elArtWahl_, 1);
    phase_ = new QCheckBox(QStringLiteral("mit Phase"), this);
    phase_->setObjectName("PhaseJaNein");
    connect(phase_, &QCheckBox::toggled, this, [this](bool on) { parameters_.withPhase = on; });
    choice->addWidget(phase_);
    grid->addLayout(choice, kTableRows + 1, 0);

    auto* buttons = new QHBoxLayout;
    tabEinfuegen_ = new QPushButton(QStringLiteral("Einfügen"), this);
    tabEinfuegen_->setObjectName("TabEinfuegen");
    buttons->addWidget(tabEinfuegen_);
    auto* neuSz = new QPushButton(QStringLiteral("Tabellen-Parameter löschen"), this);
    neuSz->setObjectName("NeuSz");
    connect(neuSz, &QPushButton::clicked, this, &TablePage::DokLoeschen);
    buttons->addWidget(neuSz);
    grid->addLayout(buttons, kTableColumns + 2, 0, 1, 2);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("Paint1Rahmen");
    paint1_ = new QLabel;
    paint1_->setObjectName("Paint1");
    paint1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paint1_->installEventFilter(this);
    paint1_->setToolTip(QStringLiteral("Zweig für die markierte Zeile anklicken"));
    scroll->setWidget(paint1_);
    grid->addWidget(scroll, kTableColumns + 3, 0, 1, 2);
    grid->setRowStretch(kTableColumns + 3, 1);

    memo2_ = new QLabel(QStringLiteral(" Das Einfügen einer Frequenz-\n tabelle ist erst möglich, "
                                       "nachdem\n alle Bauteile eingegeben wurden\n (Schalter "
                                       "'Bauteileingabe OK')"),
                        scroll);
    memo2_->setObjectName("Memo2");
    memo2_->setStyleSheet(QStringLiteral("background:#FFFF00;color:black;border:1px solid black"));
    memo2_->adjustSize();
    memo2_->move(12, 12);
    memo2_->hide();
    refresh();
}

void TablePage::showNote(bool note) {
    memo2_->setVisible(note);
    if (note) memo2_->raise();
    refresh();
}

void TablePage::refresh() {
    for (int r = 0; r < kTableRows; ++r) {
        const TableRowSlot& row = parameters_.rows[std::size_t(r)];
        QLabel* label = rowSlots_[std::size_t(r)];
        label->setText(QStringLiteral("%1: ").arg(r + 1) +
                       (row.branch ? qText(row.label) : QString()));
        markLabel(label, r == parameters_.markedRow);
    }
    for (int c = 0; c < kTableColumns; ++c) {
        const double f = parameters_.frequencies[std::size_t(c)];
        QLabel* label = columnSlots_[std::size_t(c)];
        label->setText(QStringLiteral("%1: ").arg(c + 1) +
                       (f > 0 ? qText(formatValue(kUnitHertz, 5, f)) : QString()));
        markLabel(label, c == parameters_.markedColumn);
    }
    elArtWahl_->setCurrentIndex(parameters_.quantityPosition);
    phase_->setChecked(parameters_.withPhase);
    // Paint1Paint: the miniature, unless the note is shown.
    if (memo2_->isVisible() || context_.workingMode() < kModeComponents) {
        paint1_->setPixmap(QPixmap());
        paint1_->resize(kMiniatureWidth, kMiniatureHeight);
        return;
    }
    const QImage image =
        renderMiniature(buildMiniature(context_.grid(), context_.calculation().network()));
    paint1_->setPixmap(QPixmap::fromImage(image));
    paint1_->resize(image.size());
}

void TablePage::SzName1MouseDown(int row) {
    parameters_.markedRow = row;
    refresh();
}

void TablePage::FgZ1Click(int column) {
    parameters_.markedColumn = column;
    const double f = parameters_.frequencies[std::size_t(column)];
    ffeld_->setText(f > 0 ? qText(formatValue(kUnitHertz, 5, f)) : QString());
    refresh();
}

void TablePage::ffeldExit() {
    const QString text = ffeld_->text().trimmed();
    if (text.isEmpty()) return;
    const double f = parseValue(text.toStdString()).value_or(std::nan(""));
    const FrequencyCheck check = checkSweepBound(f);
    if (!check.accepted) {
        dialogs().error(this, qText(check.message));
        return;
    }
    parameters_.frequencies[std::size_t(parameters_.markedColumn)] = f;
    refresh();
}

void TablePage::DokLoeschen() {
    parameters_.clear();
    ffeld_->clear();
    refresh();
}

void TablePage::Paint1MouseDown(QPoint position) {
    if (memo2_->isVisible()) return;
    const int column = (position.x() - kMiniatureMargin) / kMiniatureCell + 1;
    const int row = (position.y() - kMiniatureMargin) / kMiniatureCell + 1;
    const Network& network = context_.calculation().network();
    const NetworkHit hit =
        hitAtPixel(network, (column - 1) * kPixelsPerCell, (row - 1) * kPixelsPerCell);
    if (hit.branch == 0) return;
    TableRowSlot& slot = parameters_.rows[std::size_t(parameters_.markedRow)];
    slot.branch = hit.branch;
    slot.label = branchLabel(network, hit.branch, "= ");
    refresh();
}

bool TablePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    if (watched == paint1_) {
        Paint1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    for (int r = 0; r < kTableRows; ++r)
        if (watched == rowSlots_[std::size_t(r)]) SzName1MouseDown(r);
    for (int c = 0; c < kTableColumns; ++c)
        if (watched == columnSlots_[std::size_t(c)]) FgZ1Click(c);
    return false;
}

}  // namespace volmira
