#include "analysis/ui/results_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "analysis/hit_test.h"
#include "analysis/ui/calculation_model.h"
#include "analysis/ui/decimal_field.h"
#include "analysis/ui/network_highlight.h"
#include "analysis/ui/table_export.h"
#include "analysis/value_text.h"
#include "common/progress.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

namespace {

constexpr std::int32_t kProgressFieldExit = 228;
constexpr std::int32_t kProgressDcButton = 229;

// Leaving the graphic mode writes the two fields again with this many significant digits.
constexpr int kInputDigits = 8;

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

}  // namespace

ResultsPanel::ResultsPanel(CalculationModel& model, DrawingView& drawing, QWidget* parent)
    : QWidget(parent), model_(model), drawing_(drawing) {
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
    grid->setRowStretch(row++, 1);
    grid->addWidget(new TableExportButton(model_.calculation(), this), row, 0, 1, 3);

    inputFilter_ = new DecimalFieldFilter(this);
    inputFilter_->watch(frequency_);
    inputFilter_->watch(voltage_);
    // The handlers run guarded: no exception may cross the emission of the signal.
    connect(inputFilter_, &DecimalFieldFilter::accepted, this,
            handlerSlot(kProgressFieldExit, [this](QLineEdit* field) { ParFeldExit(field); }));
    connect(dcButton_, &QPushButton::clicked, this,
            handlerSlot(kProgressDcButton, [this](bool) { GleichSpgClick(); }));
    connect(&model_, &CalculationModel::resultsChanged, this, [this] {
        redrawMarks();
        showSelected();
    });

    showInputFields();
    networkAnalysed();
}

ResultsPanel::~ResultsPanel() = default;

void ResultsPanel::networkAnalysed() {
    dcButton_->setVisible(!model_.network().hasReactiveComponents());
    marked_ = 0;
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
    if (model_.network().branchCount < 1) return;
    if (selected_ < 1 || selected_ > model_.network().branchCount) selected_ = 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clearFields();
    progressCode = progress::kSolver;
    const SolveStatus status = model_.solve();
    ++solveCount_;
    QApplication::restoreOverrideCursor();
    if (const std::string_view text = status.message(); !text.empty())
        dialogs().error(window(), qText(text));
}

void ResultsPanel::drawingPressed(QPoint pixel) {
    const int branch = hitAtPixel(model_.network(), pixel.x(), pixel.y()).branch;
    if (branch != 0) selected_ = branch;
    if (!graphicModeActive()) markBranch(selected_);
    showSelected();
}

void ResultsPanel::markBranch(int branch) {
    const Network& network = model_.network();
    marked_ = branch >= 1 && branch <= network.branchCount ? branch : 0;
    drawing_.setMark(DrawingView::Mark::Branch,
                     marked_ ? branchMarkBoxes(network.branch(marked_)) : std::vector<QRect>{});
}

void ResultsPanel::removeBranchMark() {
    markBranch(0);
}

void ResultsPanel::showInputFields() {
    frequency_->setText(QString::fromStdString(model_.fields().fqEinzel));
    voltage_->setText(QString::fromStdString(model_.fields().spEingabe));
}

void ResultsPanel::reformatInputFields() {
    // The model keeps the texts the fields show, so both are written.
    if (auto f = parseValue(model_.fields().fqEinzel))
        model_.fields().fqEinzel = formatValue(kUnitHertz, kInputDigits, *f);
    if (auto ue = parseValue(model_.fields().spEingabe))
        model_.fields().spEingabe = formatValue(kUnitVolt, kInputDigits, *ue);
    showInputFields();
}

void ResultsPanel::acceptPendingInputs() {
    for (QLineEdit* field : {frequency_, voltage_})
        if (fieldPending(field)) ParFeldExit(field);
}

bool ResultsPanel::fieldPending(const QLineEdit* field) const {
    // Only what the user typed: a text set by the program is the model's already.
    if (!field->isModified()) return false;
    const std::string text = field->text().toStdString();
    if (field == frequency_) return text != model_.fields().fqEinzel;
    return field == voltage_ && text != model_.fields().spEingabe;
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
    emit singleFrequencyRequested();
    frequency_->setText(QStringLiteral("0"));
    acceptFrequency(true);
}

void ResultsPanel::acceptFrequency(bool calculateAfterwards) {
    const InputAcceptance taken =
        model_.calculation().acceptFrequency(frequency_->text().toStdString());
    // The field shows what holds before the message box takes the focus from it, so that
    // leaving the field finds nothing more to accept.
    model_.fields().fqEinzel = model_.calculation().frequencyText();
    frequency_->setText(qText(model_.fields().fqEinzel));
    if (!taken.accepted) showMessage(qText(taken.message));
    if (taken.accepted && calculateAfterwards && !confirming_ &&
        model_.calculation().valuesConfirmed())
        calculate();
}

void ResultsPanel::acceptVoltage() {
    const InputAcceptance taken =
        model_.calculation().acceptVoltage(voltage_->text().toStdString());
    model_.fields().spEingabe = model_.calculation().voltageText();
    voltage_->setText(qText(model_.fields().spEingabe));
    if (!taken.accepted) showMessage(qText(taken.message));
    if (taken.accepted && !confirming_ && model_.calculation().valuesConfirmed()) calculate();
}

void ResultsPanel::showSelected() {
    const auto texts = resultFieldTexts(model_.calculation().quantities(selected_), displayDigits_);
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
    drawing_.showSymbols(model_.symbols(), GlyphStyle{model_.calculation().directVoltage(), false});
    markBranch(selected_);
}

bool ResultsPanel::graphicModeActive() const {
    return model_.graphicModeActive();
}

void ResultsPanel::showMessage(const QString& text) {
    dialogs().information(window(), text);
}

}  // namespace volmira
