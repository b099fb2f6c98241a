#include "app/ui/demo_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "app/ui/demo_panel.h"
#include "app/ui/tgrf.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

namespace {

constexpr std::int32_t kProgressDemoStart = 4412;
constexpr std::int32_t kProgressDemoStep = 4413;
constexpr int kModalWatchMs = 50;
constexpr int kEditorWaitMs = 200;
constexpr int kEditorPollMs = 10;
constexpr QPoint kPointerOnPanel(40, 24);
// Gaps between the panel and the window content's right and bottom edges: the drawing's
// empty part, above the hint lines.
constexpr QPoint kPanelGap(24, 60);
// Over the mode's side controls, below the miniature.
constexpr QPoint kAsideGap(24, 96);
// The closing text over the side controls, leaving the locus plot free.
constexpr QPoint kEnlargedGap(8, 60);

// The point of a control that a click aims at: a radio button's circle, else the middle.
QPoint aimOf(QWidget* widget) {
    if (qobject_cast<QRadioButton*>(widget)) return QPoint(8, widget->height() / 2);
    return widget->rect().center();
}

// Brings a point of a widget inside a scroll area into view.
void bringIntoView(QWidget* widget, QPoint local) {
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up); area && area->widget() == widget) {
            area->ensureVisible(local.x(), local.y(), 40, 40);
            return;
        }
}

int keyOf(QChar ch) {
    if (ch == QLatin1Char(',')) return Qt::Key_Comma;
    if (ch.isDigit()) return Qt::Key_0 + ch.digitValue();
    return Qt::Key_A + (ch.toUpper().unicode() - 'A');
}

}  // namespace

DemoDriver::DemoDriver(Tgrf& window, QWidget* content)
    : QObject(&window),
      window_(window),
      content_(content),
      panel_(new DemoPanel(content)),
      pointer_(content),
      modalWatch_(new QTimer(this)) {
    modalWatch_->setInterval(kModalWatchMs);
    connect(modalWatch_, &QTimer::timeout, this,
            [this] { runGuarded([this] { confirmMessageBox(); }); });
    connect(panel_, &DemoPanel::weiterClicked, this, &DemoDriver::DemoWeiterClick);
    connect(panel_, &DemoPanel::abbruchClicked, this, &DemoDriver::DemoAbbruchClick);
}

void DemoDriver::DemoClick() {
    runHandler(kProgressDemoStart, [this] {
        if (running_ || !window_.newNetwork(true)) return;
        step_ = 0;
        running_ = true;
        stopRequested_ = false;
        pointer_.setCancelled(false);
        setMenusEnabled(false);
        panel_->setEnlarged(false);
        placePanel(QPoint(content_->width(), content_->height()) - kPanelGap);
        panel_->weiter()->show();
        panel_->abbruch()->show();
        panel_->show();
        panel_->raise();
        showText(demoIntroLines(), true);
        window_.activateWindow();
        panel_->weiter()->setFocus();
        returnToPanel();
    });
}

void DemoDriver::DemoWeiterClick() {
    runHandler(kProgressDemoStep, [this] {
        if (!running_ || busy_ || step_ >= kDemoStepCount) return;
        ++step_;
        runStep(volmira::demoStep(step_));
        if (stopRequested_) stop();
    });
}

void DemoDriver::DemoAbbruchClick() {
    runGuarded([this] {
        if (!running_) return;
        // A running step ends at its next action; the window is left to it until then.
        stopRequested_ = true;
        pointer_.setCancelled(true);
        if (!busy_) stop();
    });
}

void DemoDriver::runStep(const DemoStep& step) {
    busy_ = true;
    const bool last = step_ == kDemoStepCount;
    panel_->weiter()->hide();
    panel_->weiter()->setEnabled(false);
    // Enter does nothing while the step runs; "Abbruch" stays at hand.
    panel_->setFocus();
    panel_->text()->setPromptShown(false);
    QApplication::processEvents();
    modalWatch_->start();
    for (const DemoStepAction& action : step.actions) {
        perform(action);
        if (stopRequested_) break;
        pointer_.Pause(pointer_.pace().shortPauseMs);
    }
    modalWatch_->stop();
    pointer_.hideHint();
    busy_ = false;
    if (stopRequested_) return;
    showText(step.lines, !last);
    returnToPanel();
    panel_->weiter()->setVisible(!last);
    panel_->weiter()->setEnabled(!last);
    window_.activateWindow();
    (last ? panel_->abbruch() : panel_->weiter())->setFocus();
}

void DemoDriver::perform(const DemoStepAction& action) {
    switch (action.action) {
        case DemoAction::Press:
            pressControl(std::string(action.text).c_str());
            break;
        case DemoAction::Hint:
            pointer_.ShowHintBox(qText(action.text));
            break;
        case DemoAction::Drag:
            dragOnDrawing(action.from, action.to);
            break;
        case DemoAction::Click:
            clickDrawing(action.from, Qt::LeftButton);
            break;
        case DemoAction::RightClick:
            clickDrawing(action.from, Qt::RightButton);
            break;
        case DemoAction::Redraw:
            window_.repaintDrawing();
            break;
        case DemoAction::Type:
            TypeValue(action.row, qText(action.text));
            break;
        case DemoAction::PickBranch:
            pickBranch(action.from);
            break;
        case DemoAction::PanelAside:
            placePanel(QPoint(content_->width(), content_->height()) - kAsideGap);
            break;
        case DemoAction::ScrollHome:
            if (auto* scroll = window_.findChild<QScrollArea*>("FormScroll")) {
                scroll->horizontalScrollBar()->setValue(0);
                scroll->verticalScrollBar()->setValue(0);
            }
            break;
        case DemoAction::EnlargePanel:
            panel_->setEnlarged(true);
            placePanel(QPoint(content_->width(), content_->height()) - kEnlargedGap);
            break;
    }
}

void DemoDriver::pressControl(const char* name) {
    auto* control = window_.findChild<QWidget*>(QString::fromLatin1(name));
    if (!control || !control->isVisible()) return;
    const QPoint aim = aimOf(control);
    pointer_.MovePointerTo(control, aim);
    pointer_.ShowClick();
    DemoPointer::click(control, aim);
}

void DemoDriver::clickDrawing(GridPixel pixel, Qt::MouseButton button) {
    DrawingView* view = window_.drawingView();
    const QPoint local = view->toView(QPoint(pixel.x, pixel.y));
    bringIntoView(view, local);
    pointer_.MovePointerTo(view, local);
    pointer_.ShowClick();
    DemoPointer::click(view, local, button);
}

void DemoDriver::dragOnDrawing(GridPixel from, GridPixel to) {
    DrawingView* view = window_.drawingView();
    const QPoint start = view->toView(QPoint(from.x, from.y));
    const QPoint end = view->toView(QPoint(to.x, to.y));
    bringIntoView(view, start);
    pointer_.MovePointerTo(view, start);
    DemoPointer::move(view, start, Qt::NoButton);
    DemoPointer::press(view, start, Qt::LeftButton);
    // The button is held: every step of the way reaches the drawing as a move with it.
    pointer_.MovePointerTo(view->mapToGlobal(end), [view](QPoint global) {
        DemoPointer::move(view, view->mapFromGlobal(global), Qt::LeftButton);
    });
    DemoPointer::move(view, end, Qt::LeftButton);
    DemoPointer::release(view, end, Qt::LeftButton);
}

void DemoDriver::TypeValue(int row, const QString& text) {
    auto* list = window_.findChild<QTableWidget*>("BtListe");
    if (!list || row < 1 || row > list->rowCount()) return;
    QWidget* viewport = list->viewport();
    const QPoint cell = list->visualRect(list->model()->index(row - 1, 1)).center();
    pointer_.MovePointerTo(viewport, cell);
    pointer_.ShowClick();
    DemoPointer::click(viewport, cell);
    const auto keyTarget = [list]() -> QWidget* {
        for (QLineEdit* editor : list->findChildren<QLineEdit*>())
            if (editor->isVisible()) return editor;
        return list;
    };
    // A click on the cell that is already current opens its editor only after the double-click
    // time, and keys before that are lost: typing waits for the editor.
    QElapsedTimer opening;
    opening.start();
    while (keyTarget() == list && !pointer_.cancelled() &&
           opening.elapsed() < QApplication::doubleClickInterval() + kEditorWaitMs)
        pointer_.Pause(kEditorPollMs);
    for (QChar ch : text) {
        pointer_.Pause(pointer_.pace().typingMs);
        DemoPointer::type(keyTarget(), keyOf(ch), QString(ch));
    }
    pointer_.Pause(pointer_.pace().typingMs);
    DemoPointer::type(keyTarget(), Qt::Key_Return, QStringLiteral("\r"));
}

void DemoDriver::pickBranch(GridPixel pixel) {
    auto* miniature = window_.findChild<QWidget*>("SbKlein");
    if (!miniature) return;
    const QPoint local(pixel.x, pixel.y);
    bringIntoView(miniature, local);
    pointer_.MovePointerTo(miniature, local);
    pointer_.ShowClick();
    DemoPointer::click(miniature, local);
}

void DemoDriver::confirmMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || confirming_) return;
    confirming_ = true;
    pointer_.Pause(pointer_.pace().readingMs);
    QAbstractButton* ok = box->defaultButton();
    if (!ok && !box->buttons().isEmpty()) ok = box->buttons().first();
    if (ok) {
        const QPoint aim = aimOf(ok);
        pointer_.MovePointerTo(ok, aim);
        pointer_.ShowClick();
        DemoPointer::click(ok, aim);
    }
    confirming_ = false;
}

void DemoDriver::showText(std::span<const std::string_view> lines, bool prompt) {
    panel_->text()->setLines(lines);
    panel_->text()->setPromptShown(prompt);
}

void DemoDriver::returnToPanel() {
    pointer_.MovePointerTo(panel_, kPointerOnPanel);
}

void DemoDriver::placePanel(QPoint bottomRight) {
    panel_->move(std::max(0, bottomRight.x() - panel_->width()),
                 std::max(0, bottomRight.y() - panel_->height()));
    panel_->raise();
}

void DemoDriver::setMenusEnabled(bool enabled) {
    for (const char* name : {"Datei", "Modus", "Extras"})
        if (auto* menu = window_.findChild<QMenu*>(QString::fromLatin1(name)))
            menu->setEnabled(enabled);
    if (auto* entry = window_.findChild<QAction*>("Demo")) entry->setEnabled(enabled);
}

void DemoDriver::stop() {
    running_ = false;
    stopRequested_ = false;
    panel_->hide();
    pointer_.hideMarks();
    pointer_.setCancelled(false);
    setMenusEnabled(true);
    window_.newNetwork(false);
}

}  // namespace volmira
