#include "app/ui/options_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/ui/decimal_field.h"
#include "app/option_fields.h"
#include "common/progress.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"

namespace volmira {

namespace {

constexpr QRect kPanelGeometry(230, 110, 500, 310);

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("optpan");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* title = new QLabel("Optionen");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* digitsRow = new QHBoxLayout;
    digits_ = new QLineEdit;
    digits_->setObjectName("OpStZahl");
    digits_->setFixedWidth(34);
    digits_->setMaxLength(2);
    digits_->setValidator(new QIntValidator(0, 99, digits_));
    digitsRow->addWidget(new QLabel("Werteanzeigen auf"));
    digitsRow->addWidget(digits_);
    digitsRow->addWidget(new QLabel("Stellen begrenzen ( 0=maximal )"));
    digitsRow->addStretch(1);

    auto* group = new QGroupBox("Default-Werte einstellen (wirksam bei Programm-Neustart)");
    group->setObjectName("OpDefault");
    defaults_ = new QGridLayout(group);
    voltage_ = addField("OptSpg", "Eingangsspannung");
    frequency_ = addField("OptFq", "Eingangsfrequenz");
    lower_ = addField("OptFu", "Untere Grenzfrequenz");
    upper_ = addField("Optfo", "Obere Grenzfrequenz");

    hints_ = new QCheckBox("Kurzhinweise bei Mausbewegung über Objekte zeigen");
    hints_->setObjectName("OpKHinweis");
    errorSearch_ = new QCheckBox("Automatische Fehlersuche vor der Analyse ");
    errorSearch_->setObjectName("OpFehlerS");

    note_ = new QLabel(
        "Hinweis:  Optionen werden nur bei Start des \nProgramms von Festplatte dauerhaft "
        "gespeichert.");
    note_->setObjectName("OpHinweis");
    note_->hide();

    auto* ok = new QPushButton("OK");
    ok->setObjectName("OpOK");
    auto* cancel = new QPushButton("Abbruch");
    cancel->setObjectName("OpAbbruch");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addWidget(title);
    layout->addLayout(digitsRow);
    layout->addWidget(group);
    layout->addWidget(hints_);
    layout->addWidget(errorSearch_);
    layout->addWidget(note_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setGeometry(kPanelGeometry);

    // Enter in a field is swallowed and does what leaving it does; a typed "." becomes ",".
    auto* filter = new DecimalFieldFilter(this);
    for (QLineEdit* field : {voltage_, frequency_, lower_, upper_}) filter->watch(field);
    connect(filter, &DecimalFieldFilter::accepted, this,
            handlerSlot(progress::kOptions, [this](QLineEdit* field) {
                if (field == voltage_)
                    OptSpgExit();
                else
                    OptFqExit(field);
            }));
    connect(digits_, &QLineEdit::textEdited, this, &OptionsPanel::OpStZahlChange);
    connect(ok, &QPushButton::clicked, this, [this] { OpOKClick(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { OpOKClick(false); });
    connect(errorSearch_, &QCheckBox::toggled, this, &OptionsPanel::autoErrorSearchToggled);
    setOptions(stored_);
    hide();
}

QLineEdit* OptionsPanel::addField(const char* name, const QString& caption) {
    const int row = defaults_->rowCount();
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaxLength(20);
    field->setFixedWidth(120);
    defaults_->addWidget(new QLabel(caption), row, 0);
    defaults_->addWidget(field, row, 1);
    return field;
}

void OptionsPanel::setOptions(const Options& options) {
    stored_ = options;
    digits_->setText(QString::number(options.displayDigits));
    voltage_->setText(qText(options.defaultVoltage));
    frequency_->setText(qText(options.defaultFrequency));
    lower_->setText(qText(options.defaultLowerLimit));
    upper_->setText(qText(options.defaultUpperLimit));
    hints_->setChecked(options.showHints);
    errorSearch_->setChecked(options.autoErrorSearch);
}

void OptionsPanel::setWritable(bool writable) {
    note_->setVisible(!writable);
}

void OptionsPanel::showInFront() {
    show();
    raise();
    digits_->setFocus();
}

void OptionsPanel::OpOKClick(bool ok) {
    progressCode = progress::kOptions;
    if (ok) {
        // A digits text that is no number keeps the stored setting.
        stored_.displayDigits =
            displayDigitsOf(digits_->text().toStdString()).value_or(stored_.displayDigits);
        stored_.defaultVoltage = voltage_->text().toStdString();
        stored_.defaultFrequency = frequency_->text().toStdString();
        stored_.defaultLowerLimit = lower_->text().toStdString();
        stored_.defaultUpperLimit = upper_->text().toStdString();
        stored_.showHints = hints_->isChecked();
        stored_.autoErrorSearch = errorSearch_->isChecked();
        emit optionsAccepted(stored_);
    }
    setOptions(stored_);
    hide();
}

std::string OptionsPanel::storedText(const QLineEdit* field) const {
    if (field == voltage_) return stored_.defaultVoltage;
    if (field == frequency_) return stored_.defaultFrequency;
    if (field == lower_) return stored_.defaultLowerLimit;
    return stored_.defaultUpperLimit;
}

void OptionsPanel::OptFqExit(QLineEdit* field) {
    progressCode = progress::kOptions;
    const auto normalised = normalisedFrequencyOption(field->text().toStdString());
    // A text that is no value gives way to the stored one.
    field->setText(qText(normalised ? normalised->text : storedText(field)));
    if (normalised && !normalised->message.empty())
        dialogs().information(this, qText(normalised->message));
}

void OptionsPanel::OptSpgExit() {
    progressCode = progress::kOptions;
    const auto normalised = normalisedVoltageOption(voltage_->text().toStdString());
    voltage_->setText(qText(normalised ? normalised->text : stored_.defaultVoltage));
}

void OptionsPanel::OpStZahlChange(const QString& text) {
    progressCode = progress::kOptions;
    const QString allowed = qText(digitsFieldText(text.toStdString()));
    if (allowed != text) digits_->setText(allowed);
}

}  // namespace volmira
