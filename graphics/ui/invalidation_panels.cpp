#include "graphics/ui/invalidation_panels.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "graphics/parameter_mode.h"
#include "platform/qt_text.h"

namespace volmira {

namespace {

// The plot's frame paints its children dark with light text unless they name their roles.
void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    widget->setBackgroundRole(QPalette::Window);
    widget->setForegroundRole(QPalette::WindowText);
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window) widget->setAutoFillBackground(true);
}

}  // namespace

InvalidationPanels::InvalidationPanels(QWidget* host) : QObject(host) {
    cover_ = new QFrame(host);
    cover_->setObjectName("deckpan");
    paint(cover_, QPalette::Window, QColor(0xC0, 0xC0, 0xC0));

    notice_ = new QFrame(host);
    notice_->setObjectName("ngueltpan");
    notice_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paint(notice_, QPalette::Window, QColor(0xFF, 0xFF, 0x80));
    paint(notice_, QPalette::WindowText, Qt::black);
    auto* lines = new QVBoxLayout(notice_);
    for (const std::string_view text : {kInvalidatedText, kRestartText}) {
        auto* line = new QLabel(qText(text), notice_);
        line->setAlignment(Qt::AlignCenter);
        lines->addWidget(line);
    }
    notice_->adjustSize();

    arrow_ = new QLabel(QStringLiteral("\u21D2"), host);
    arrow_->setObjectName("Pfeilpan");
    QFont font = arrow_->font();
    font.setPixelSize(28);
    font.setBold(true);
    arrow_->setFont(font);
    paint(arrow_, QPalette::WindowText, Qt::red);
    arrow_->adjustSize();
    setShown(false);
}

void InvalidationPanels::check(const SweepSettings& current, const SweepSettings& last,
                               bool curveExists) {
    setShown(showInvalidation(current, last, curveExists));
}

void InvalidationPanels::setShown(bool shown) {
    for (QWidget* panel : {static_cast<QWidget*>(cover_), static_cast<QWidget*>(notice_),
                           static_cast<QWidget*>(arrow_)}) {
        panel->setVisible(shown);
        if (shown) panel->raise();
    }
}

void InvalidationPanels::placeOver(const QRect& area) {
    cover_->setGeometry(area);
    notice_->move(area.center() - notice_->rect().center());
    arrow_->move(area.right() - arrow_->width() - 6, area.center().y() - arrow_->height() / 2);
}

bool InvalidationPanels::shown() const {
    return !notice_->isHidden();
}

}  // namespace volmira
