#include "graphics/ui/parameter_panel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "analysis/calculation.h"
#include "analysis/ui/e12_picker.h"
#include "analysis/value_text.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace volmira {

namespace {

constexpr int kMargin = 5;
constexpr int kColumnWidth = 240;  // the switch, plab3 and the values
constexpr int kMinimumHeight = 220;
constexpr int kSwitchHeight = 24;
constexpr int kPromptHeight = 30;  // NichtParPan while the mode is on
constexpr int kLabelHeight = 34;   // plab3
constexpr int kValueHeight = 20;   // pareg1..5 and alleNeu
constexpr int kValueStep = 22;
constexpr int kValueWidth = 150;
constexpr int kCircleSize = 20;  // parkreis
const QPoint kPickerPosition(25, 255);
const QRect kPickerTextRect(11, 8, e12_layout::kImageWidth, 30);

const char* const kExplanation =
    "Im Parameter-Modus wird f\xC3\xBCr bis zu 5 Werte eines Bauteils je eine Kurve berechnet "
    "(Kurvenschar).\n\nNach dem Einschalten das Parameter-Bauteil in der Schaltung anklicken, "
    "die Werte w\xC3\xA4hlen und die Grafik neu starten.";

// The red circle around the parameter component.
class Circle : public QWidget {
  public:
    explicit Circle(QWidget* parent) : QWidget(parent) {
        setObjectName("parkreis");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kCircleSize, kCircleSize);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
    }
};

void makeSunken(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    label->setPalette(white);
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

ParameterPanel::ParameterPanel(ParameterMode& mode, const Calculation& calculation,
                               E12Picker& picker, QWidget* miniature, QWidget* parent)
    : QFrame(parent),
      mode_(mode),
      calculation_(calculation),
      picker_(picker),
      miniature_(miniature) {
    setObjectName("sbtafel2");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMinimumSize(2 * kColumnWidth + 3 * kMargin, kMinimumHeight);

    switch_ = new QPushButton(qText(kParameterOnCaption), this);
    switch_->setObjectName("ParEinAus");

    miniatureFrame_ = new QScrollArea(this);
    miniatureFrame_->setObjectName("sbklein2Rahmen");
    miniatureFrame_->setFrameStyle(QFrame::NoFrame);
    miniature_->setToolTip(QStringLiteral("Parameterbauteil anklicken"));
    miniature_->setCursor(Qt::PointingHandCursor);
    miniatureFrame_->setWidget(miniature_);
    circle_ = new Circle(miniature_);

    componentLabel_ = new QLabel(qText(kNoParameterLabel), this);
    componentLabel_->setObjectName("plab3");
    componentLabel_->setWordWrap(true);

    valuePanel_ = new QFrame(this);
    valuePanel_->setObjectName("ParBtEin");
    for (int k = 1; k <= kParameterValueCount; ++k) {
        auto* value = new ClickLabel(valuePanel_);
        value->setObjectName(QStringLiteral("pareg%1").arg(k));
        value->setToolTip(QStringLiteral("Doppelklick >> Änderungsmodus"));
        value->setGeometry(valueRect(k));
        makeSunken(value);
        values_[std::size_t(k - 1)] = value;
        connect(value, &ClickLabel::pressed, this, [this, k] { pareg1MouseDown(k); });
        connect(value, &ClickLabel::doubleClicked, this, [this, k] { alleNeuDblClick(k); });
    }
    allNew_ = new ClickLabel(QStringLiteral("alle neu ..."), valuePanel_);
    allNew_->setObjectName("alleNeu");
    allNew_->setToolTip(QStringLiteral("E12-Liste aufrufen"));
    allNew_->setAlignment(Qt::AlignCenter);
    allNew_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    allNew_->setGeometry(valueRect(kParameterValueCount + 1));
    connect(allNew_, &ClickLabel::pressed, this, &ParameterPanel::alleNeuMouseDown);
    connect(allNew_, &ClickLabel::doubleClicked, this, [this] { alleNeuDblClick(0); });

    frame_ = new QFrame(valuePanel_);
    frame_->setObjectName("awrahm");
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame_->setStyleSheet(QStringLiteral("#awrahm { border: 2px solid blue; }"));
    frame_->hide();

    edit_ = new QLineEdit(valuePanel_);
    edit_->setObjectName("eingFeld");
    edit_->hide();
    connect(edit_, &QLineEdit::editingFinished, this, &ParameterPanel::eingFeldExit);
    valuePanel_->setFixedHeight(valueRect(kParameterValueCount + 1).bottom() + 5);
    valuePanel_->hide();

    explanation_ = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation_->setObjectName("NichtParPan");
    explanation_->setWordWrap(true);
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation_->setMargin(6);
    explanation_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    explanation_->setAutoFillBackground(true);

    connect(switch_, &QPushButton::clicked, this, &ParameterPanel::ParEinAusClick);
    connect(&picker_, &E12Picker::cellClicked, this,
            [this](E12Kind, int, int, double value) { pickerCellClicked(value); });
    connect(&picker_, &E12Picker::accepted, this, &ParameterPanel::pickerAccepted);
    connect(&picker_, &E12Picker::closed, this, &ParameterPanel::pickerClosed);
}

QRect ParameterPanel::valueRect(int index) const {
    return {8, 4 + (index - 1) * kValueStep, kValueWidth, kValueHeight};
}

void ParameterPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    // The switch, the label and the values on the left; the miniature fills the right.
    switch_->setGeometry(kMargin, kMargin, kColumnWidth, kSwitchHeight);
    const int labelTop = kMargin + kSwitchHeight + 4;
    componentLabel_->setGeometry(kMargin, labelTop, kColumnWidth, kLabelHeight);
    valuePanel_->setGeometry(kMargin, labelTop + kLabelHeight, kColumnWidth, valuePanel_->height());
    const QRect right = rightArea();
    miniatureFrame_->setGeometry(right.adjusted(0, kPromptHeight + 2, 0, 0));
    layOutExplanation();
}

QRect ParameterPanel::rightArea() const {
    const int left = 2 * kMargin + kColumnWidth;
    return {left, kMargin, width() - left - kMargin, height() - 2 * kMargin};
}

void ParameterPanel::layOutExplanation() {
    QRect area = rightArea();
    if (on_) area.setHeight(kPromptHeight);
    explanation_->setGeometry(area);
    explanation_->setText(on_ ? qText(kParameterPrompt) : QString::fromUtf8(kExplanation));
    explanation_->raise();
}

void ParameterPanel::showMiniatureFrom(QPoint corner) {
    miniatureFrame_->horizontalScrollBar()->setValue(corner.x());
    miniatureFrame_->verticalScrollBar()->setValue(corner.y());
}

void ParameterPanel::ParEinAusClick() {
    mode_.clearComponent();
    frame_->hide();
    on_ = !on_;
    if (!on_) {
        valuePanel_->hide();
        circle_->hide();
    }
    switch_->setText(qText(on_ ? kParameterOffCaption : kParameterOnCaption));
    layOutExplanation();
    emit settingsChanged();
}

void ParameterPanel::networkReplaced(bool analysed) {
    picker_.close();
    mode_.reset();
    on_ = false;
    frame_->hide();
    valuePanel_->hide();
    circle_->hide();
    switch_->setText(qText(analysed ? kParameterResetCaption : kParameterOnCaption));
    componentLabel_->setText(qText(mode_.label()));
    layOutExplanation();
}

void ParameterPanel::sbklein2MouseDown(int component) {
    if (!on_ || !mode_.pick(calculation_.network(), component)) return;
    const Component& c = calculation_.network().component(component);
    circle_->move(5 * c.column - 10, 5 * c.row - 7);
    circle_->show();
    circle_->raise();
    componentLabel_->setText(qText(mode_.label()));
    showValues();
    valuePanel_->show();
    emit settingsChanged();
}

void ParameterPanel::showValues() {
    const ParameterCaptions captions = mode_.captions();
    for (std::size_t k = 0; k < captions.size(); ++k) values_[k]->setText(qText(captions[k]));
}

void ParameterPanel::pareg1MouseDown(int index) {
    frame_->setGeometry(valueRect(index).adjusted(-3, -2, 3, 2));
    frame_->show();
    frame_->raise();
    emit curveSelected(index);
}

void ParameterPanel::alleNeuMouseDown() {
    mode_.take(E12Selection{});
    showValues();
    alleNeuDblClick(0);
}

void ParameterPanel::alleNeuDblClick(int index) {
    if (mode_.paramComponent() == 0) return;
    if (!picking_) {
        pickerText_ = picker_.label()->text();
        pickerTextRect_ = picker_.label()->geometry();
    }
    picker_.selection().clear();
    picker_.selection().unitCode = mode_.unitCode();
    picker_.selection().targetField = index;
    picker_.open(mode_.kind());
    picking_ = true;
    editIndex_ = index;
    picker_.panel()->move(kPickerPosition);
    picker_.shadow()->move(kPickerPosition +
                           QPoint(E12Picker::kShadowOffset, E12Picker::kShadowOffset));
    picker_.label()->setGeometry(kPickerTextRect);
    picker_.handle()->hide();
    picker_.acceptButton()->setVisible(index == 0);
    if (index == 0) {
        picker_.label()->setText(qText(kPickFiveLabel));
        edit_->hide();
        return;
    }
    const QRect over = valueRect(index);
    edit_->setGeometry(over.x() + 3, over.y() + 2, over.width() - 1, over.height());
    edit_->setText(values_[std::size_t(index - 1)]->text());
    edit_->show();
    edit_->raise();
    edit_->setFocus();
    edit_->selectAll();
}

void ParameterPanel::pickerCellClicked(double value) {
    if (!picking_) return;
    if (editIndex_ > 0) {
        edit_->setText(qText(formatValue(mode_.unitCode(), kParameterCaptionDigits, value)));
        eingFeldExit();
        return;
    }
    if (picker_.selection().toggle(value) == PickResult::Full)
        dialogs().information(window(), qText(kTooManyPickedMessage));
    picker_.showTable(mode_.kind());
}

void ParameterPanel::pickerAccepted() {
    if (!picking_) return;
    mode_.take(picker_.selection());
    picker_.close();
    showValues();
    emit settingsChanged();
}

void ParameterPanel::eingFeldExit() {
    if (!picking_ || editIndex_ == 0 || edit_->isHidden()) return;
    const int index = editIndex_;
    const QString text = edit_->text().trimmed();
    edit_->hide();  // before any message, so that leaving the field does not come back here
    if (!mode_.edit(index, text.toStdString()))
        dialogs().information(
            window(), qText(unconvertibleValueMessage(mode_.componentName(), text.toStdString())));
    picker_.close();
    showValues();
    emit settingsChanged();
}

void ParameterPanel::pickerClosed() {
    if (!picking_) return;
    picking_ = false;
    editIndex_ = 0;
    edit_->hide();
    picker_.label()->setText(pickerText_);
    picker_.label()->setGeometry(pickerTextRect_);
    picker_.handle()->show();
    picker_.acceptButton()->hide();
}

}  // namespace volmira
