#include "help/ui/thilfform.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include "common/progress.h"
#include "help/help_pages.h"
#include "platform/failure_handling.h"

namespace volmira {

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xD0);
const QColor kContentsGreen(0x00, 0x80, 0x00);
constexpr int kTopBarHeight = 46;
constexpr QRect kContentsPointerArea(63, 16, 300 - 63, 360 - 16);

// Arial whose cell (ascent plus descent) is `cellHeight` pixels.
QFont arial(int cellHeight, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(cellHeight);
    font.setBold(bold);
    const int cell = QFontMetrics(font).height();
    if (cell > cellHeight) font.setPixelSize(std::max(1, cellHeight * cellHeight / cell));
    return font;
}

}  // namespace

QFont contextFont(bool bold) {
    return arial(14, bold);
}

namespace {

QString text(std::string_view line) {
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

void drawAt(QPainter& p, int x, int y, const QString& line) {
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), line);
}

QRect screenRect(const ScreenBox& box) {
    return {box.left, box.top, box.width, box.height};
}

ScreenBox screenBox(const QWidget& window) {
    const QRect r = window.frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

THilfform::THilfform(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("THilfform");
    setWindowTitle(QStringLiteral("Volmira-Hilfe"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kLightYellow);
    setPalette(palette);

    hilftafel_ = new QWidget(this);
    hilftafel_->setObjectName("Hilftafel");
    hilftafel_->setAutoFillBackground(true);
    hilftafel_->setPalette(QApplication::palette());
    auto* row = new QHBoxLayout(hilftafel_);
    row->setContentsMargins(10, 8, 10, 8);
    auto* label = new QLabel(QStringLiteral("Hilfethemen"), hilftafel_);
    label->setObjectName("HilfeThemenLabel");
    label->setFont(arial(16, true));
    row->addWidget(label);
    row->addStretch(1);
    auto button = [&](const char* name, const QString& caption, int width) {
        auto* b = new QPushButton(caption, hilftafel_);
        b->setObjectName(name);
        b->setFixedWidth(width);
        row->addWidget(b);
        return b;
    };
    connect(button("Inhalt", QStringLiteral("Inhalt"), 70), &QPushButton::clicked, this,
            &THilfform::InhaltClick);
    vorher_ = button("vorher", QStringLiteral("<"), 32);
    connect(vorher_, &QPushButton::clicked, this, &THilfform::vorherClick);
    nachher_ = button("nachher", QStringLiteral(">"), 32);
    connect(nachher_, &QPushButton::clicked, this, &THilfform::nachherClick);
    row->addSpacing(12);
    connect(button("Themenschliess", QStringLiteral("Schliessen"), 90), &QPushButton::clicked, this,
            &THilfform::ThemenschliessClick);

    qApp->installEventFilter(this);
}

THilfform::~THilfform() = default;

void THilfform::place(const ScreenBox& box) {
    setGeometry(screenRect(box));
    hilftafel_->setGeometry(0, 0, box.width, kTopBarHeight);
}

void THilfform::openContextHelp(const ScreenBox& box) {
    hilftafel_->hide();
    place(box);
    view_ = View::Context;
    entry_ = nullptr;
    show();
    update();
}

void THilfform::openTopics(const ScreenBox& box) {
    place(box);
    hilftafel_->show();
    show();
    ShowContents();
}

void THilfform::followComposer(QWidget& composer) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &composer);
    connect(f1, &QShortcut::activated, this,
            handlerSlot(progress::kComposerHelp, [this, &composer] {
                openContextHelp(composerHelpBox(screenBox(composer)));
                const ScreenPoint pointer = composerPointer(screenBox(composer));
                QCursor::setPos(pointer.x, pointer.y);
            }));
    composer_ = &composer;
}

void THilfform::ContextHelp(const QString& objectName, const QString& windowName) {
    showEntry(contextEntry(objectName.toStdString(), windowName.toStdString()));
}

bool THilfform::followsTheMouse() const {
    return isVisible() && contextForm() && view_ == View::Context;
}

void THilfform::showEntry(const ContextEntry* entry) {
    if (!entry || entry == entry_ || !followsTheMouse()) return;
    entry_ = entry;
    update();
}

void THilfform::ShowPage(int page) {
    page_ = page;
    view_ = View::Page;
    vorher_->show();
    nachher_->show();
    unsetCursor();
    update();
}

void THilfform::ShowContents() {
    view_ = View::Contents;
    vorher_->hide();
    nachher_->hide();
    update();
}

void THilfform::InhaltClick() {
    ShowContents();
}

void THilfform::vorherClick() {
    ShowPage(previousPage(page_));
}

void THilfform::nachherClick() {
    ShowPage(nextPage(page_));
}

void THilfform::ThemenschliessClick() {
    hide();
}

void THilfform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kLightYellow);
    p.setPen(Qt::black);
    switch (view_) {
        case View::Context: {
            if (!entry_ || !contextForm()) break;
            p.setFont(contextFont(true));
            drawAt(p, 4, 4, text(entry_->title));
            p.setFont(contextFont(false));
            for (int i = 0; i < kContextLineCount; ++i)
                drawAt(p, 5, 22 + 14 * i, text(entry_->lines[std::size_t(i)]));
            break;
        }
        case View::Page: {
            const LineRange lines = pageLines(page_);
            int y = 55;
            for (int n = lines.first; n <= lines.last; ++n) {
                const TopicLine line = topicLine(n);
                p.setFont(arial(15, line.style == LineStyle::Title));
                if (line.style == LineStyle::Paragraph) y += 10;
                y += 16;
                drawAt(p, 20, y, text(line.text));
            }
            break;
        }
        case View::Contents: {
            p.setFont(arial(16));
            p.setPen(kContentsGreen);
            int y = 65;
            for (const ContentsEntry& entry : contentsEntries()) {
                drawAt(p, 65, y, text(topicLine(entry.titleLine).text));
                y += 30;
            }
            break;
        }
    }
}

void THilfform::FormMouseDown(QPoint pos) {
    if (view_ != View::Contents) return;
    const int entry = contentsEntryAt(pos.y());
    if (entry >= 0) ShowPage(contentsEntries()[std::size_t(entry)].page);
}

void THilfform::FormMouseMove(QPoint pos) {
    if (view_ == View::Contents && kContentsPointerArea.contains(pos))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void THilfform::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->position().toPoint());
}

void THilfform::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->position().toPoint());
}

const ContextEntry* THilfform::entryUnder(QObject* watched, QEvent* event) const {
    // Menus: the entry under the mouse, else the menu itself.
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::MouseMove) {
        if (const QAction* action =
                menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            if (const ContextEntry* entry = contextEntry(action->objectName().toStdString()))
                return entry;
    }
    if (auto* bar = qobject_cast<QMenuBar*>(watched); bar && event->type() == QEvent::MouseMove) {
        if (const QAction* action =
                bar->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            if (const QMenu* menu = action->menu())
                return contextEntry(menu->objectName().toStdString());
    }
    for (auto* w = qobject_cast<QWidget*>(watched); w; w = w->parentWidget())
        if (const ContextEntry* entry = contextEntry(w->objectName().toStdString(),
                                                     w->window()->objectName().toStdString()))
            return entry;
    return nullptr;
}

bool THilfform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == composer_ && event->type() == QEvent::Hide) hide();
    if ((event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) &&
        followsTheMouse() && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() != this)
        showEntry(entryUnder(watched, event));
    return QWidget::eventFilter(watched, event);
}

}  // namespace volmira
