#include "formulas/ui/formula_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include "formulas/formula_displays.h"
#include "formulas/formula_figures.h"
#include "formulas/ui/formula_painting.h"

namespace volmira {

namespace {

constexpr int kFieldTop = 112;
constexpr int kFieldStep = 32;
constexpr int kRight = 420;  // left edge of the right-hand column

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setColours(QWidget* widget, QColor text, QColor background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QTabBar* tabRow(QWidget* parent, const char* name, QRect geometry, QTabBar::Shape shape) {
    auto* bar = new QTabBar(parent);
    bar->setObjectName(name);
    bar->setShape(shape);
    bar->setDrawBase(false);
    bar->setExpanding(false);
    bar->setGeometry(geometry);
    return bar;
}

QLabel* label(QWidget* parent, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

void replaceTabs(QTabBar* bar, const QStringList& texts, int current) {
    const QSignalBlocker blocker(bar);
    while (bar->count() > 0) bar->removeTab(0);
    for (const QString& text : texts) bar->addTab(text);
    bar->setCurrentIndex(current);
}

}  // namespace

Tformel::Tformel(QWidget* parent, FormulaMessageSink messages)
    : QWidget(parent, Qt::Window), messages_(std::move(messages)) {
    setObjectName("Tformel");
    setWindowTitle("Elektrotechnische Formelsammlung");
    setFixedSize(760, 486);
    if (!messages_)
        messages_ = [](QWidget* owner, const QString& text) {
            QMessageBox::warning(owner, owner->windowTitle(), text);
        };

    register_ = tabRow(this, "Register", {8, 6, 744, 28}, QTabBar::RoundedNorth);
    for (int page = 1; page <= kFormulaPageCount; ++page)
        register_->addTab(qt(formulaPageTitle(page)));
    connect(register_, &QTabBar::currentChanged, this, &Tformel::RegisterChange);

    fbild_ = label(this, {}, {8, 40, kFigureWidth, kFigureHeight});
    fbild_->setObjectName("fbild");
    ffe_ = label(this, {}, {8, 276, kFormulaDisplayWidth, kFormulaDisplayHeight});
    ffe_->setObjectName("ffe");

    variant_ = tabRow(this, "Variant", {8, 390, kFormulaDisplayWidth, 28}, QTabBar::RoundedSouth);
    connect(variant_, &QTabBar::currentChanged, this, &Tformel::VariantChange);
    tabReg_ = tabRow(this, "TabReg", {8, 450, 744, 28}, QTabBar::RoundedSouth);
    connect(tabReg_, &QTabBar::currentChanged, this, &Tformel::TabRegChange);

    label(this, QString::fromUtf8("1. Gesuchte Größe anklicken"), {kRight, 44, 330, 20});
    label(this, QString::fromUtf8("2. Übrige (bekannte) Werte eingeben"), {kRight, 64, 330, 20});
    label(this, "3. Schalter 'Berechnen' betätigen", {kRight, 84, 330, 20});

    for (int i = 0; i < kMaxFormulaQuantities; ++i) {
        const int y = kFieldTop + kFieldStep * i;
        labels_[i] = label(this, {}, {kRight, y, 180, 24});
        labels_[i]->setObjectName(QString("gro%1").arg(i + 1));
        labels_[i]->setProperty("tag", i + 1);
        labels_[i]->setIndent(4);
        labels_[i]->installEventFilter(this);
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QString("wert%1").arg(i + 1));
        fields_[i]->setProperty("tag", i + 1);
        fields_[i]->setMaxLength(20);
        fields_[i]->setGeometry(kRight + 186, y, 146, 24);
        fields_[i]->installEventFilter(this);
    }

    hinw_ = label(this, {}, {kRight, kFieldTop + kFieldStep * 6, 332, 24});
    hinw_->setObjectName("hinw");
    hinw_->setIndent(4);
    setColours(hinw_, Qt::black, QColor(0xFF, 0xFF, 0x00));
    hinw_->hide();

    label(this, "Anzeige auf", {kRight, 348, 80, 24});
    genau_ = new QLineEdit(QString::number(kDefaultDisplayDigits), this);
    genau_->setObjectName("genau");
    genau_->setMaxLength(1);
    genau_->setGeometry(kRight + 82, 348, 24, 24);
    label(this, "Stellen", {kRight + 112, 348, 80, 24});

    berechnen_ = new QPushButton("Berechnen", this);
    berechnen_->setObjectName("Berechnen");
    berechnen_->setGeometry(kRight, 386, 160, 32);
    connect(berechnen_, &QPushButton::clicked, this, &Tformel::BerechnenClick);

    formeltimer_ = new QTimer(this);
    formeltimer_->setObjectName("formeltimer");
    formeltimer_->setSingleShot(true);
    formeltimer_->setInterval(30);
    connect(formeltimer_, &QTimer::timeout, this, &Tformel::formeltimerTimer);

    RegisterChange(0);
    formeltimerTimer();
}

void Tformel::RegisterChange(int index) {
    const int page = index + 1;
    QStringList formulas;
    for (int formula = 1; formula <= formulaCount(page); ++formula)
        formulas << qt(formulaTabText(page, formula));
    replaceTabs(tabReg_, formulas, 0);
    formeltimer_->start();
}

void Tformel::formeltimerTimer() {
    sheet_.selectPage(register_->currentIndex() + 1);
    showFormula();
}

void Tformel::TabRegChange(int index) {
    sheet_.selectFormula(index + 1);
    showFormula();
}

void Tformel::VariantChange(int index) {
    takeFieldTexts();
    sheet_.selectVariant(index + 1);
    showFormula();
}

void Tformel::showFormula() {
    const FormulaKey& key = sheet_.key();
    const FormulaVariant& formula = sheet_.variant();
    {
        const QSignalBlocker blocker(tabReg_);
        tabReg_->setCurrentIndex(key.formula - 1);
    }
    QStringList variants;
    for (int v = 1; v <= formulaVariantCount(key.page, key.formula); ++v)
        variants << QString("Var %1").arg(v);
    replaceTabs(variant_, variants, key.variant - 1);
    for (int i = 0; i < kMaxFormulaQuantities; ++i) {
        const bool used = i < formula.quantityCount;
        labels_[i]->setText(used ? qt(formula.quantityNames[i]) : QString());
        labels_[i]->setVisible(used);
        fields_[i]->setText(qt(sheet_.field(i + 1)));
        fields_[i]->setVisible(used);
    }
    fbild_->setPixmap(QPixmap::fromImage(drawCircuitFigure(circuitFigure(key))));
    showSought();
}

void Tformel::showSought() {
    for (int i = 0; i < kMaxFormulaQuantities; ++i) {
        const bool sought = i + 1 == sheet_.key().sought;
        setColours(labels_[i], sought ? QColor(0xFF, 0xFF, 0x00) : QColor(Qt::black),
                   sought ? QColor(0x80, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
    }
    hinw_->hide();
    ffe_->setPixmap(QPixmap::fromImage(drawFormulaDisplay(formulaDisplay(sheet_.key()))));
}

void Tformel::GroesseClick(int quantity) {
    sheet_.selectSought(quantity);
    showSought();
}

void Tformel::takeFieldTexts() {
    for (int i = 0; i < kMaxFormulaQuantities; ++i)
        sheet_.setField(i + 1, fields_[i]->text().toStdString());
}

void Tformel::BerechnenClick() {
    takeFieldTexts();
    const ComputeOutcome outcome = sheet_.compute(displayDigits(genau_->text().toStdString()));
    if (!outcome.done) {
        messages_(this, qt(outcome.message).replace('\r', '\n'));
        return;
    }
    for (int i = 0; i < kMaxFormulaQuantities; ++i) fields_[i]->setText(qt(sheet_.field(i + 1)));
}

void Tformel::commitField(int field) {
    QLineEdit* edit = fields_[field - 1];
    sheet_.setField(field, edit->text().toStdString());
    if (sheet_.commitField(field)) edit->setText(qt(sheet_.field(field)));
}

void Tformel::showHint(int field) {
    hinw_->setText(qt(fieldHintText(sheet_.variant(), field)));
    hinw_->show();
}

bool Tformel::eventFilter(QObject* watched, QEvent* event) {
    const int tag = watched->property("tag").toInt();
    if (tag < 1) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        switch (event->type()) {
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                if (key->text() == ".") {
                    edit->insert(",");
                    return true;
                }
                if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                    commitField(tag);
                    return true;
                }
                break;
            }
            case QEvent::FocusIn:
            case QEvent::MouseButtonPress:
                showHint(tag);
                break;
            case QEvent::FocusOut:
                commitField(tag);
                hinw_->hide();
                break;
            default:
                break;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) GroesseClick(tag);
    return false;
}

void openFormulaCollection(QWidget* parent, FormulaMessageSink messages) {
    auto* window =
        parent ? parent->findChild<Tformel*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) window = new Tformel(parent, std::move(messages));
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace volmira
