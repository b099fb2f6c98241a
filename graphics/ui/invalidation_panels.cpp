#include "graphics/ui/invalidation_panels.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "graphics/parameter_mode.h"
#include "platform/qt_text.h"

namespace volmira {

InvalidationPanels::InvalidationPanels(QWidget* host) : QObject(host) {
    cover_ = new QFrame(host);
    cover_->setObjectName("deckpan");
    cover_->setStyleSheet(QStringLiteral("#deckpan { background: #c0c0c0; }"));

    notice_ = new QFrame(host);
    notice_->setObjectName("ngueltpan");
    notice_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    notice_->setStyleSheet(QStringLiteral("#ngueltpan { background: #ffff80; }"));
    auto* lines = new QVBoxLayout(notice_);
    for (const std::string_view text : {kInvalidatedText, kRestartText}) {
        auto* line = new QLabel(qText(text), notice_);
        line->setAlignment(Qt::AlignCenter);
        lines->addWidget(line);
    }
    notice_->adjustSize();

    arrow_ = new QLabel(QStringLiteral("\u21D0"), host);
    arrow_->setObjectName("Pfeilpan");
    QFont font = arrow_->font();
    font.setPixelSize(28);
    font.setBold(true);
    arrow_->setFont(font);
    arrow_->setStyleSheet(QStringLiteral("#Pfeilpan { color: red; }"));
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

bool InvalidationPanels::shown() const {
    return !notice_->isHidden();
}

}  // namespace volmira
