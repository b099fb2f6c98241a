#include "app/ui/demo_panel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "graphics/demo_script.h"
#include "platform/qt_text.h"

namespace volmira {

namespace {

constexpr int kLineHeight = 16;
constexpr int kTextMargin = 8;
constexpr QSize kOrdinarySize(400, 132);
constexpr QSize kEnlargedSize(500, 340);
constexpr QSize kButtonSize(80, 24);
constexpr int kMargin = 6;

QFont demoFont() {
    QFont font("Arial");
    font.setPixelSize(13);
    return font;
}

}  // namespace

DemoText::DemoText(QWidget* parent) : QWidget(parent) {
    setObjectName("demobild");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DemoText::setLines(std::span<const std::string_view> lines) {
    lines_.clear();
    for (std::string_view line : lines) lines_ << qText(line);
    update();
}

void DemoText::setPromptShown(bool shown) {
    prompt_ = shown;
    update();
}

void DemoText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xFF, 0xFF, 0xE8));
    p.setFont(demoFont());
    p.setPen(Qt::black);
    for (int k = 0; k < lines_.size(); ++k)
        p.drawText(QRect(kTextMargin, 4 + k * kLineHeight, width() - 2 * kTextMargin, kLineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, lines_[k]);
    if (!prompt_) return;
    QFont bold = demoFont();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(0x00, 0x00, 0xA0));
    p.drawText(
        QRect(kTextMargin, height() - kLineHeight - 4, width() - 2 * kTextMargin, kLineHeight),
        Qt::AlignLeft | Qt::AlignVCenter, qText(kDemoPrompt));
}

DemoPanel::DemoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("demopan");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    text_ = new DemoText(this);
    weiter_ = new QPushButton(QStringLiteral("Weiter"), this);
    weiter_->setObjectName("DemoWeiter");
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch_->setObjectName("DemoAbbruch");
    for (QPushButton* button : {weiter_, abbruch_}) {
        button->setFixedSize(kButtonSize);
        button->installEventFilter(this);
    }
    connect(weiter_, &QPushButton::clicked, this, &DemoPanel::weiterClicked);
    connect(abbruch_, &QPushButton::clicked, this, &DemoPanel::abbruchClicked);
    setEnlarged(false);
    hide();
}

void DemoPanel::setEnlarged(bool enlarged) {
    resize(enlarged ? kEnlargedSize : kOrdinarySize);
}

void DemoPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const int buttonsTop = height() - kMargin - kButtonSize.height();
    text_->setGeometry(kMargin, kMargin, width() - 2 * kMargin, buttonsTop - 2 * kMargin);
    abbruch_->move(width() - kMargin - kButtonSize.width(), buttonsTop);
    weiter_->move(abbruch_->x() - kMargin - kButtonSize.width(), buttonsTop);
}

bool DemoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace volmira
