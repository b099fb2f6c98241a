#include "analysis/ui/value_entry_panel.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "analysis/hit_test.h"
#include "analysis/ui/calculation_model.h"
#include "analysis/ui/e12_picker.h"
#include "analysis/ui/network_highlight.h"
#include "analysis/value_text.h"
#include "common/progress.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

namespace {

constexpr std::int32_t kProgressConfirm = 201;
constexpr std::int32_t kProgressListMouseDown = 214;
constexpr std::int32_t kProgressPickerButton = 215;
constexpr std::int32_t kProgressPickerCell = 216;
constexpr std::int32_t kProgressListKeyPress = 217;
constexpr std::int32_t kProgressListKeyDown = 219;
constexpr std::int32_t kProgressSelectCell = 2110;

constexpr int kMargin = 4;
constexpr int kButtonHeight = 25;
constexpr int kNameColumnWidth = 40;
constexpr int kFlashMilliseconds = 150;

bool isStoreKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up ||
           key == Qt::Key_Down;
}

}  // namespace

bool ValueEditDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(".")) {
            progressCode = kProgressListKeyPress;
            editor->insert(QStringLiteral(","));
            emit keyDown(Qt::Key_Comma);
            return true;
        }
        if (isStoreKey(key->key())) {
            // The typed text goes into the cell first, so the row is stored with it.
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit keyDown(key->key());
            return true;
        }
        emit keyDown(key->key());
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

ValueList::ValueList(QWidget* parent) : QTableWidget(parent) {
    setObjectName("BtListe");
    setColumnCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(10);
    setColumnWidth(0, kNameColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setItemDelegate(new ValueEditDelegate(this));
}

void ValueList::commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ValueList::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    if (event->text() == QStringLiteral(".") && currentColumn() == 1) {
        // Typing starts an edit; the edit begins with the comma.
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, event->modifiers(), QStringLiteral(","));
        QTableWidget::keyPressEvent(&comma);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ValueList::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    QTableWidget::mousePressEvent(event);
}

ValueEntryPanel::ValueEntryPanel(CalculationModel& model, DrawingView& drawing, E12Picker& picker,
                                 QWidget* parent)
    : QWidget(parent), model_(model), drawing_(drawing), picker_(picker) {
    list_ = new ValueList(this);

    pickerButton_ = new QPushButton(QStringLiteral("E12..."), this);
    pickerButton_->setObjectName("E12Ein");
    pickerButton_->setToolTip(QStringLiteral("ruft E12-Bauteilliste auf"));

    confirm_ = new QPushButton(QStringLiteral("Bauteileingabe OK"), this);
    confirm_->setObjectName("BtOK");

    flash_ = new QFrame(list_->viewport());
    flash_->setObjectName("BtListeBlink");
    flash_->setStyleSheet(QStringLiteral("border: 2px solid red; background: transparent;"));
    flash_->setAttribute(Qt::WA_TransparentForMouseEvents);
    flash_->hide();

    // Every handler runs guarded: no exception may cross the emission of the signal.
    auto* delegate = static_cast<ValueEditDelegate*>(list_->itemDelegate());
    connect(delegate, &ValueEditDelegate::keyDown, this,
            handlerSlot(kProgressListKeyDown, [this](int key) {
                const int row = list_->currentRow();
                TasteDownBtWertefeld(key);
                // The editor took the cursor key; the list moves on as it would without an editor.
                if (key == Qt::Key_Up && row > 0) list_->setCurrentCell(row - 1, 1);
                if (key == Qt::Key_Down && row + 1 < list_->rowCount())
                    list_->setCurrentCell(row + 1, 1);
            }));
    connect(list_, &ValueList::keyDown, this,
            handlerSlot(kProgressListKeyDown, [this](int key) { TasteDownBtWertefeld(key); }));
    connect(list_, &ValueList::pressed, this,
            handlerSlot(kProgressListMouseDown, [this] { BtListeMouseDown(); }));
    connect(list_, &QTableWidget::currentCellChanged, this,
            handlerSlot(kProgressSelectCell, [this](int row, int column, int previousRow, int) {
                // Only the value column is typed into; a click on a name goes to its value.
                if (row >= 0 && column == 0) list_->setCurrentCell(row, 1);
                if (row != previousRow) BtListeSelectCell(row);
            }));
    connect(pickerButton_, &QPushButton::clicked, this,
            handlerSlot(kProgressPickerButton, [this](bool) { E12EinClick(); }));
    connect(confirm_, &QPushButton::clicked, this,
            handlerSlot(kProgressConfirm, [this](bool) { BauteilOkayClick(); }));
    connect(
        &picker_, &E12Picker::cellClicked, this,
        handlerSlot(kProgressPickerCell, [this](E12Kind kind, int column, int row, double value) {
            pickerCellClicked(kind, column, row, value);
        }));
}

void ValueEntryPanel::rebuildList() {
    const Network& network = model_.network();
    const int count = std::min(network.componentCount, kMaxComponents);
    list_->commitOpenEditor();
    const QSignalBlocker block(list_);
    list_->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const Component& component = network.component(row + 1);
        auto* name = new QTableWidgetItem(qText(component.name));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list_->setItem(row, 0, name);
        list_->setItem(row, 1, new QTableWidgetItem(qText(component.valueText)));
        list_->setRowHeight(row, ValueList::kRowHeight);
    }
    if (count > 0) list_->setCurrentCell(0, 1);
    layoutChildren();
}

bool ValueEntryPanel::storeRow(int row) {
    if (row < 0 || row >= list_->rowCount()) return true;
    QTableWidgetItem* cell = list_->item(row, 1);
    if (!cell) return true;
    const StoreResult result = model_.storeValue(row + 1, cell->text().toStdString());
    const Component& component = model_.network().component(row + 1);
    switch (result) {
        case StoreResult::Unchanged:
            return true;
        case StoreResult::Stored:
            cell->setText(qText(component.valueText));
            return true;
        case StoreResult::NotANumber:
            showMessage(
                unconvertibleValueMessage(component.name, cell->text().trimmed().toStdString()));
            return false;
    }
    return true;
}

void ValueEntryPanel::highlightComponent(int component) {
    const Network& network = model_.network();
    marked_ = component >= 1 && component <= std::min(network.componentCount, kMaxComponents)
                  ? component
                  : 0;
    drawing_.setMark(
        DrawingView::Mark::Component,
        marked_ ? componentMarkBoxes(network.component(marked_)) : std::vector<QRect>{});
    if (marked_ != 0 && picker_.isOpen() && isVisible()) {
        if (auto kind = e12KindForComponentName(network.component(marked_).name))
            picker_.showTable(*kind);
    }
}

void ValueEntryPanel::removeComponentMark() {
    highlightComponent(0);
}

void ValueEntryPanel::drawingPressed(QPoint pixel) {
    list_->commitOpenEditor();
    storeRow(list_->currentRow());
    const int component = hitAtPixel(model_.network(), pixel.x(), pixel.y()).component;
    if (component == 0) return;
    highlightComponent(component);
    {
        // The mark is already where it belongs; selecting the row must not move it again.
        const QSignalBlocker block(list_);
        list_->setCurrentCell(component - 1, 1);
    }
    list_->viewport()->update();
    list_->setFocus();
}

void ValueEntryPanel::TasteDownBtWertefeld(int key) {
    progressCode = kProgressListKeyDown;
    if (model_.graphicModeActive() && model_.calculation().valuesConfirmed()) {
        model_.calculation().withdrawConfirmation();
        emit resultModesWithdrawn();
    }
    if (isStoreKey(key)) storeRow(list_->currentRow());
}

void ValueEntryPanel::BtListeMouseDown() {
    progressCode = kProgressListMouseDown;
    list_->commitOpenEditor();
    storeRow(list_->currentRow());
    highlightComponent(currentComponent());
}

void ValueEntryPanel::BtListeSelectCell(int row) {
    progressCode = kProgressSelectCell;
    highlightComponent(row >= 0 ? row + 1 : 0);
}

void ValueEntryPanel::E12EinClick() {
    const int component = currentComponent();
    std::optional<E12Kind> kind;
    if (component != 0) kind = e12KindForComponentName(model_.network().component(component).name);
    picker_.open(kind.value_or(E12Kind::Resistor));
}

void ValueEntryPanel::pickerCellClicked(E12Kind, int, int, double value) {
    // Only while the value entry is shown; the parameter mode reads the picker on its own.
    if (!isVisible()) return;
    const int component = currentComponent();
    if (component == 0) return;
    const int row = component - 1;
    const int unit = unitCodeForComponentName(model_.network().component(component).name);
    list_->commitOpenEditor();
    list_->item(row, 1)->setText(qText(formatValue(unit, kStoredValueDigits, value)));
    flashCell(row);
    storeRow(row);
}

bool ValueEntryPanel::BauteilOkayClick() {
    progressCode = kProgressConfirm;
    list_->commitOpenEditor();
    if (!storeRow(list_->currentRow())) return false;
    const bool wereConfirmed = model_.calculation().valuesConfirmed();
    // The sums come first, so that whatever the mode change calculates uses the new values.
    if (auto problem = model_.calculation().confirmValues()) {
        showMessage(problem->message);
        list_->setCurrentCell(problem->component - 1, 1);
        return false;
    }
    removeComponentMark();
    emit valuesConfirmed(wereConfirmed);
    return true;
}

void ValueEntryPanel::resizeEvent(QResizeEvent*) {
    layoutChildren();
}

void ValueEntryPanel::layoutChildren() {
    const int width = std::max(0, this->width() - 2 * kMargin);
    const int buttons = 2 * kButtonHeight + 3 * kMargin;
    const int room = std::max(ValueList::kRowHeight + 5, height() - 2 * kMargin - buttons);
    const int listHeight = std::min(ValueList::kRowHeight * list_->rowCount() + 5, room);
    list_->setGeometry(kMargin, kMargin, width, listHeight);
    int top = kMargin + listHeight + kMargin;
    pickerButton_->setGeometry(kMargin, top, width, kButtonHeight);
    top += kButtonHeight + kMargin;
    confirm_->setGeometry(kMargin, top, width, kButtonHeight);
}

int ValueEntryPanel::currentComponent() const {
    const int row = list_->currentRow();
    const int count = std::min(model_.network().componentCount, kMaxComponents);
    return row >= 0 && row < count ? row + 1 : 0;
}

void ValueEntryPanel::flashCell(int row) {
    flash_->setGeometry(list_->visualItemRect(list_->item(row, 1)));
    flash_->show();
    flash_->raise();
    QTimer::singleShot(kFlashMilliseconds, flash_, &QWidget::hide);
}

void ValueEntryPanel::showMessage(const std::string& text) {
    dialogs().information(window(), qText(text));
}

}  // namespace volmira
