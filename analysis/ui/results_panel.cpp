#include "analysis/ui/results_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "analysis/input_checks.h"
#include "analysis/ui/decimal_field.h"
#include "analysis/value_text.h"
#include "app/progress.h"
#include "app/ui/dialogs.h"
#include "app/ui/failure_handling.h"
#include "app/workspace.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

namespace {

constexpr std::int32_t kProgressFieldExit = 228;
constexpr std::int32_t kProgressDcButton = 229;

// The inputs are written back with this many significant digits.
constexpr int kInputDigits = 8;
constexpr double kDefaultFrequency = 1000.0;

// Captions of the result fields; the two without a graphic-mode name get their own.
QString captionOf(ElectricalQuantity q) {
    switch (q) {
        case ElectricalQuantity::Resistance:
            return QStringLiteral("Widerstand R");
        case ElectricalQuantity::Reactance:
            return QStringLiteral("Blindwiderstand X");
        default: {
            const std::string_view name = quantityCaption(q);
            return QString::fromUtf8(name.data(), qsizetype(name.size()));
        }
    }
}

// The fields in groups: voltage and current with gain and phases, the impedance, the powers.
constexpr std::array<std::array<int, 5>, 3> kGroups = {
    {{0, 1, 3, 6, 10}, {2, 7, 8, -1, -1}, {4, 5, 9, -1, -1}}};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ResultsPanel::ResultsPanel(Workspace& workspace, DrawingView& drawing, QWidget* parent)
    : QWidget(parent), ws_(workspace), drawing_(drawing), solver_(std::make_unique<AcSolver>()) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(1, 1);

    frequency_ = new QLineEdit(this);
    frequency_->setObjectName("FqEinzel");
    frequency_->setToolTip(QStringLiteral("Frequenzeingabe"));
    dcButton_ = new QPushButton(QStringLiteral("="), this);
    dcButton_->setObjectName("Gleichspg");
    dcButton_->setToolTip(QStringLiteral("f=0 setzen"));
    dcButton_->setFixedWidth(26);
    voltage_ = new QLineEdit(this);
    voltage_->setObjectName("SpEingabe");
    voltage_->setToolTip(QStringLiteral("Eingangspannung eingeben"));

    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Frequenz"), this), row, 0);
    grid->addWidget(frequency_, row, 1);
    grid->addWidget(dcButton_, row++, 2);
    grid->addWidget(new QLabel(QStringLiteral("Eingangsspannung"), this), row, 0);
    grid->addWidget(voltage_, row++, 1);

    for (const auto& group : kGroups) {
        grid->setRowMinimumHeight(row++, 10);
        for (int slot : group) {
            if (slot < 0) continue;
            auto* caption = new QLabel(captionOf(ElectricalQuantity(slot)), this);
            auto* field = new QLineEdit(this);
            field->setObjectName(QStringLiteral("Elfeld%1").arg(slot));
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
            field->setAlignment(Qt::AlignRight);
            caption->setBuddy(field);
            captions_[std::size_t(slot)] = caption;
            fields_[std::size_t(slot)] = field;
            grid->addWidget(caption, row, 0);
            grid->addWidget(field, row++, 1, 1, 2);
        }
    }
    grid->setRowStretch(row, 1);

    inputFilter_ = new DecimalFieldFilter(this);
    inputFilter_->watch(frequency_);
    inputFilter_->watch(voltage_);
    // The handlers run guarded: no exception may cross the emission of the signal.
    connect(inputFilter_, &DecimalFieldFilter::accepted, this,
            handlerSlot(kProgressFieldExit, [this](QLineEdit* field) { ParFeldExit(field); }));
    connect(dcButton_, &QPushButton::clicked, this,
            handlerSlot(kProgressDcButton, [this](bool) { GleichSpgClick(); }));

    showInputFields();
    networkAnalysed();
}

ResultsPanel::~ResultsPanel() = default;

void ResultsPanel::networkAnalysed() {
    dcButton_->setVisible(!ws_.network.hasReactiveComponents());
    highlight_.forget();
    table_ = AllBranchTable{};
}

void ResultsPanel::calculateAfterConfirmation() {
    confirming_ = true;
    selected_ = 1;
    acceptVoltage();
    acceptFrequency(false);
    confirming_ = false;
    calculate();
}

void ResultsPanel::calculate() {
    if (ws_.network.branchCount < 1) return;
    if (selected_ < 1 || selected_ > ws_.network.branchCount) selected_ = 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clearFields();
    progressCode = progress::kSolver;
    const SolveStatus status = solver_->solve(ws_.network, ws_.frequency, ws_.voltage, currents_);
    ++solveCount_;
    recordAllBranches(ws_.network, currents_, ws_.frequency, ws_.voltage, table_);
    redrawMarks();
    showSelected();
    QApplication::restoreOverrideCursor();
    if (status.failed()) dialogs().error(window(), qText(kSolverFailureMessage));
}

void ResultsPanel::drawingPressed(QPoint pixel) {
    const int column = (pixel.x() + 2) / 9 + 1;
    const int row = (pixel.y() + 2) / 9 + 1;
    const Network& network = ws_.network;
    if (pixel.x() >= -2 && pixel.y() >= -2 && row <= kGridRows) {
        int branch = network.branchMap.branchAt(column, row);
        if (branch == 0) {
            const int component = network.branchMap.componentAt(column, row);
            if (component >= 1 && component <= std::min(network.componentCount, kMaxComponents))
                branch = network.component(component).branch;
        }
        if (branch >= 1 && branch <= network.branchCount) selected_ = branch;
    }
    if (!graphicModeActive()) {
        highlight_.showBranch(drawing_.image(), network, selected_);
        drawing_.imageChanged();
    }
    showSelected();
}

void ResultsPanel::drawingRepainted() {
    highlight_.forget();
}

void ResultsPanel::showInputFields() {
    frequency_->setText(QString::fromStdString(ws_.fields.fqEinzel));
    voltage_->setText(QString::fromStdString(ws_.fields.spEingabe));
}

void ResultsPanel::reformatInputFields() {
    // The workspace keeps the texts the fields show, so both are written.
    if (auto f = parseValue(ws_.fields.fqEinzel))
        ws_.fields.fqEinzel = formatValue(kUnitHertz, kInputDigits, *f);
    if (auto ue = parseValue(ws_.fields.spEingabe))
        ws_.fields.spEingabe = formatValue(kUnitVolt, kInputDigits, *ue);
    showInputFields();
}

void ResultsPanel::acceptPendingInputs() {
    for (QLineEdit* field : {frequency_, voltage_})
        if (fieldPending(field)) ParFeldExit(field);
}

bool ResultsPanel::fieldPending(const QLineEdit* field) const {
    // Only what the user typed: a text set by the program is the workspace's already.
    if (!field->isModified()) return false;
    const std::string text = field->text().toStdString();
    if (field == frequency_) return text != ws_.fields.fqEinzel;
    return field == voltage_ && text != ws_.fields.spEingabe;
}

void ResultsPanel::ParFeldExit(QLineEdit* field) {
    progressCode = kProgressFieldExit;
    // Leaving a field that was just accepted (or refused and restored) changes nothing.
    if (!fieldPending(field)) return;
    if (field == frequency_)
        acceptFrequency(true);
    else
        acceptVoltage();
}

void ResultsPanel::GleichSpgClick() {
    progressCode = kProgressDcButton;
    emit modesRequested(kModeSingleFrequency, kModeSingleFrequency);
    frequency_->setText(QStringLiteral("0"));
    acceptFrequency(true);
}

void ResultsPanel::acceptFrequency(bool calculateAfterwards) {
    const QString typed = frequency_->text().trimmed();
    const std::optional<double> value = parseValue(typed.toStdString());
    const bool reactive = ws_.network.hasReactiveComponents();
    const FrequencyCheck check =
        value ? checkFrequencyInput(*value, reactive) : FrequencyCheck{false, false, {}};
    if (check.accepted) {
        ws_.frequency = *value;
        ws_.directVoltage = check.directCurrent;
    } else {
        showMessage(value ? qText(check.message)
                          : QStringLiteral("Ungültige Frequenz ´%1´").arg(typed));
        // The previous frequency comes back, unless the network no longer allows it either.
        if (!checkFrequencyInput(ws_.frequency, reactive).accepted) {
            ws_.frequency = kDefaultFrequency;
            ws_.directVoltage = false;
        }
    }
    ws_.fields.fqEinzel = formatValue(kUnitHertz, kInputDigits, ws_.frequency);
    frequency_->setText(QString::fromStdString(ws_.fields.fqEinzel));
    if (check.accepted && calculateAfterwards && !confirming_ && ws_.valuesConfirmed) calculate();
}

void ResultsPanel::acceptVoltage() {
    const QString typed = voltage_->text().trimmed();
    const std::optional<double> value = parseValue(typed.toStdString());
    const VoltageCheck check = value ? checkVoltageInput(*value) : VoltageCheck{false, {}};
    if (check.accepted) {
        ws_.voltage = *value;
    } else {
        showMessage(value ? qText(check.message)
                          : QStringLiteral("Ungültige Spannung ´%1´").arg(typed));
    }
    ws_.fields.spEingabe = formatValue(kUnitVolt, kInputDigits, ws_.voltage);
    voltage_->setText(QString::fromStdString(ws_.fields.spEingabe));
    if (check.accepted && !confirming_ && ws_.valuesConfirmed) calculate();
}

void ResultsPanel::showSelected() {
    const auto texts = resultFieldTexts(quantitiesFromTable(table_, selected_), displayDigits_);
    for (int slot = 0; slot < kQuantityCount; ++slot)
        fields_[std::size_t(slot)]->setText(QString::fromStdString(texts[std::size_t(slot)]));
}

void ResultsPanel::clearFields() {
    for (QLineEdit* field : fields_) field->clear();
}

void ResultsPanel::redrawMarks() {
    if (graphicModeActive()) return;
    // The whole drawing is painted again with the source as AC or DC source: painting the
    // source's box alone would wipe wires that reach into it.
    ws_.guardCode = guard::kSourceRedraw;
    GlyphStyle style;
    style.directVoltage = ws_.directVoltage;
    paintSymbolList(drawing_.image(), ws_.symbols, style);
    ws_.guardCode = guard::kNone;
    highlight_.forget();
    highlight_.showBranch(drawing_.image(), ws_.network, selected_);
    drawing_.imageChanged();
}

bool ResultsPanel::graphicModeActive() const {
    return ws_.modes.workingMode() == kModeGraphic;
}

void ResultsPanel::showMessage(const QString& text) {
    dialogs().information(window(), text);
}

}  // namespace volmira
