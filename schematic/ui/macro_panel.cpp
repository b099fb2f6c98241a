#include "schematic/ui/macro_panel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <ctime>
#include <tuple>

#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "schematic/text_file.h"
#include "schematic/ui/macro_image.h"

namespace volmira {

namespace {

constexpr int kPanelWidth = 232;
constexpr int kPanelHeight = 476;
constexpr int kItemHeight = 14;
constexpr int kListTop = 74;
constexpr int kListRows = 12;
constexpr int kPreviewWidth = 216;
constexpr int kPreviewHeight = 126;
constexpr int kShadowOffset = 4;
// Below the symbol toolbar, clear of the drawing's scroll bar.
constexpr int kTopMargin = 46;
constexpr int kRightMargin = 24;

const QString kReadOnlyFolder = QStringLiteral(
    "Diese Funktion ist nur verfügbar, wenn das Programm auf Festplatte installiert ist!");
const QString kFileProtected = QStringLiteral(
    "Die Funktion ist nicht verfügbar!\nDie Datei \"makrosb.mkr\" ist schreibgeschützt!\n"
    "Möglicherweise wurde das Programm direkt von CD kopiert\n"
    "Bitte Schreibschutz zunächst entfernen!");

// `mkrJa`: three small symbols stacked as on a sheet.
QPixmap macroIcon() {
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0xF8, 0xDC));
    p.drawRect(4, 6, 17, 17);
    p.drawRect(8, 3, 17, 17);
    p.drawLine(10, 11, 13, 11);
    p.drawRect(13, 9, 7, 4);
    p.drawLine(20, 11, 23, 11);
    p.setFont(QFont(QStringLiteral("Arial"), 6, QFont::Bold));
    p.drawText(QRect(8, 12, 17, 8), Qt::AlignCenter, QStringLiteral("M"));
    return pixmap;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QToolButton* modeButton(QWidget* parent, const char* name, const QString& text, int x) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setEnabled(false);
    b->setGeometry(x, 392, 106, 24);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    b->setFont(font);
    return b;
}

}  // namespace

MacroPanel::MacroPanel(QWidget* area, SchematicGrid& grid, SymbolList& symbols)
    : QFrame(area), library_({}), grid_(grid), symbols_(symbols) {
    setObjectName(QStringLiteral("makrpan"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFixedSize(kPanelWidth, kPanelHeight);

    shadow_ = new QFrame(area);
    shadow_->setObjectName(QStringLiteral("sw8"));
    shadow_->setAutoFillBackground(true);
    QPalette palette = shadow_->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    shadow_->setPalette(palette);
    shadow_->setFixedSize(kPanelWidth, kPanelHeight);

    buildControls();
    buildRenamePanel();
    area->installEventFilter(this);
    place();
    hide();
    shadow_->hide();
}

void MacroPanel::buildControls() {
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    label(this, "mkrTitel", QStringLiteral("Makros"), {8, 5, 150, 18})->setFont(bold);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("makroAus"));
    close->setText(QStringLiteral("X"));
    close->setToolTip(QStringLiteral("Makrofunktion schließen"));
    close->setGeometry(kPanelWidth - 28, 4, 22, 20);
    connect(close, &QToolButton::clicked, this, &MacroPanel::makroAusClick);

    // The labels lie on the button and let the mouse through, so pressing them presses it.
    makSpei_ = new QPushButton(this);
    makSpei_->setObjectName(QStringLiteral("makSpei"));
    makSpei_->setGeometry(8, 28, kPreviewWidth, 40);
    for (const auto& [name, text, y] :
         {std::tuple{"mklab1", "Aktuelle Zeichnung", 4}, {"mklab2", "als Makro speichern", 20}}) {
        QLabel* l = label(makSpei_, name, QString::fromUtf8(text), {0, y, kPreviewWidth, 16});
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    connect(makSpei_, &QPushButton::clicked, this, &MacroPanel::makSpeiClick);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("MakroListe"));
    list_->setGeometry(8, kListTop, kPreviewWidth, kListRows * kItemHeight + 4);
    list_->setUniformItemSizes(true);
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPixelSize(11);
    list_->setFont(listFont);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, &MacroPanel::MakroListeClick);
    connect(list_, &QListWidget::itemDoubleClicked, this, &MacroPanel::MakroListeDblClick);
    connect(list_, &QListWidget::customContextMenuRequested, this,
            &MacroPanel::MakroListeMouseDown);

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("mkrVorschau"));
    preview_->setGeometry(8, 256, kPreviewWidth, kPreviewHeight);
    preview_->setFrameShape(QFrame::Box);
    showPreview({});

    mischNein_ = modeButton(this, "MischNein", QStringLiteral("Makro überdecken"), 8);
    mischJa_ = modeButton(this, "MischJa", QStringLiteral("Makro einmischen"), 118);
    mischNein_->setChecked(true);
    connect(mischNein_, &QToolButton::clicked, this, &MacroPanel::MakroDeckClick);
    connect(mischJa_, &QToolButton::clicked, this, &MacroPanel::MakroMischClick);

    QLabel* help = label(this, "mkrHilfe",
                         QStringLiteral("Ein Klick in Liste zeigt das Makro in der Vorschau; ein "
                                        "Doppelklick ruft es auf.\nMit der rechten Maustaste "
                                        "können Namen geändert u. Makros gelöscht werden"),
                         {8, 420, kPreviewWidth, 52});
    help->setWordWrap(true);
    help->setFont(listFont);

    pop_ = new QMenu(this);
    pop_->setObjectName(QStringLiteral("mkrPop"));
    QAction* remove = pop_->addAction(QStringLiteral("Makro löschen"));
    remove->setObjectName(QStringLiteral("mkrloesch"));
    connect(remove, &QAction::triggered, this, &MacroPanel::mkrloeschClick);
    QAction* rename = pop_->addAction(QStringLiteral("Namen ändern"));
    rename->setObjectName(QStringLiteral("Namenndern1"));
    connect(rename, &QAction::triggered, this, &MacroPanel::Namenndern1Click);
}

void MacroPanel::buildRenamePanel() {
    nmpan_ = new QFrame(this);
    nmpan_->setObjectName(QStringLiteral("nmpan"));
    nmpan_->setFrameShape(QFrame::Panel);
    nmpan_->setFrameShadow(QFrame::Raised);
    nmpan_->setLineWidth(2);
    nmpan_->setAutoFillBackground(true);
    nmpan_->setGeometry(8, 0, kPreviewWidth, 72);
    namNeu_ = new QLineEdit(nmpan_);
    namNeu_->setObjectName(QStringLiteral("namNeu"));
    namNeu_->setMaxLength(static_cast<int>(kMacroNameBytes));
    namNeu_->setGeometry(6, 6, kPreviewWidth - 12, 22);
    label(nmpan_, "nmLabel", QStringLiteral("max. 20 Zeichen"), {6, 32, 100, 16});
    auto* ok = new QPushButton(QStringLiteral("OK"), nmpan_);
    ok->setObjectName(QStringLiteral("NamNeuOK"));
    ok->setGeometry(6, 48, 60, 20);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), nmpan_);
    cancel->setObjectName(QStringLiteral("nmAb"));
    cancel->setGeometry(kPreviewWidth - 86, 48, 80, 20);
    connect(ok, &QPushButton::clicked, this, &MacroPanel::NamNeuOKClick);
    connect(namNeu_, &QLineEdit::returnPressed, this, &MacroPanel::NamNeuOKClick);
    connect(cancel, &QPushButton::clicked, this, &MacroPanel::nmAbClick);
    nmpan_->hide();
}

QToolButton* MacroPanel::createMkrJa(QWidget* parent) {
    mkrJa_ = new QToolButton(parent);
    mkrJa_->setObjectName(QStringLiteral("mkrJa"));
    mkrJa_->setToolTip(QStringLiteral("Makrofunktion aufrufen"));
    mkrJa_->setCheckable(true);
    mkrJa_->setIcon(macroIcon());
    mkrJa_->setIconSize(QSize(28, 28));
    mkrJa_->setFixedSize(36, 36);
    mkrJa_->setAutoRaise(true);
    connect(mkrJa_, &QToolButton::clicked, this, &MacroPanel::mkrJaClick);
    return mkrJa_;
}

void MacroPanel::attachMenuEntries(QAction* makroDeck, QAction* makroMisch) {
    makroDeck_ = makroDeck;
    makroMisch_ = makroMisch;
    makroDeck_->setCheckable(true);
    makroMisch_->setCheckable(true);
    connect(makroDeck_, &QAction::triggered, this, &MacroPanel::MakroDeckClick);
    connect(makroMisch_, &QAction::triggered, this, &MacroPanel::MakroMischClick);
    setMode(mode_);
}

void MacroPanel::place() {
    const QPoint topLeft(std::max(0, parentWidget()->width() - kPanelWidth - kRightMargin),
                         kTopMargin);
    move(topLeft);
    shadow_->move(topLeft + QPoint(kShadowOffset, kShadowOffset));
}

void MacroPanel::initialise(const std::filesystem::path& folder, bool readOnly,
                            bool fileUnavailable) {
    library_ = MacroLibrary(folder);
    readOnly_ = readOnly;
    fileUnavailable_ = fileUnavailable;
    std::error_code ec;
    const bool missing = !std::filesystem::exists(library_.path(), ec);
    if (!readOnly_ && missing && library_.createIfMissing().empty()) fileUnavailable_ = false;
    selected_ = 0;
    if (!fileUnavailable_) library_.reread();
    readList();
}

void MacroPanel::readList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const MacroRecord& record : library_.listing().macros) {
        auto* item = new QListWidgetItem(qText(record.name), list_);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

void MacroPanel::report(const std::string& problem) {
    if (!problem.empty()) dialogs().error(this, qText(problem));
}

bool MacroPanel::refusedAsReadOnly() {
    if (readOnly_) dialogs().error(this, kReadOnlyFolder);
    return readOnly_;
}

void MacroPanel::mkrJaClick(bool down) {
    if (down && fileUnavailable_) {
        mkrJa_->setChecked(false);
        dialogs().error(this, kFileProtected);
        return;
    }
    setVisible(down);
    shadow_->setVisible(down);
    if (!down) return;
    raise();
    shadow_->stackUnder(this);
    nmpan_->hide();
    report(library_.reread());
    readList();
    report(library_.listing().problem);
    showPreview({});
    {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(0);
    }
    list_->setFocus();
}

void MacroPanel::makroAusClick() {
    hide();
    shadow_->hide();
    if (mkrJa_) mkrJa_->setChecked(false);
}

void MacroPanel::makSpeiClick() {
    if (refusedAsReadOnly()) return;
    rebuildSymbolList(grid_, symbols_);
    if (symbols_.empty()) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    report(library_.store(symbols_, defaultMacroName(local)));
    readList();
}

void MacroPanel::MakroListeClick() {
    showPreview(library_.load(list_->currentRow() + 1));
}

void MacroPanel::showPreview(const SymbolList& macro) {
    QImage image(preview_->contentsRect().size(), QImage::Format_RGB32);
    paintMacro(image, macro);
    preview_->setPixmap(QPixmap::fromImage(image));
}

void MacroPanel::MakroListeMouseDown(QPoint position) {
    QListWidgetItem* item = list_->itemAt(position);
    if (!item) return;
    list_->setCurrentItem(item);
    pop_->popup(list_->viewport()->mapToGlobal(position + QPoint(12, 0)));
}

void MacroPanel::MakroListeDblClick() {
    const int number = list_->currentRow() + 1;
    if (number < 1) return;
    const SymbolList macro = library_.load(number);
    if (macro.empty()) return;
    emit insertionStarted(macro);
    selected_ = number;
    macro_ = macro;
    mischNein_->setEnabled(true);
    mischJa_->setEnabled(true);
}

void MacroPanel::endInsertion() {
    selected_ = 0;
    mischNein_->setEnabled(false);
    mischJa_->setEnabled(false);
}

void MacroPanel::mkrloeschClick() {
    const int number = list_->currentRow() + 1;
    if (number < 1 || refusedAsReadOnly()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string problem = library_.remove(number);
    readList();
    QApplication::restoreOverrideCursor();
    report(problem);
}

void MacroPanel::Namenndern1Click() {
    renaming_ = list_->currentRow() + 1;
    if (renaming_ < 1) return;
    const QRect row = list_->visualItemRect(list_->currentItem());
    nmpan_->move(nmpan_->x(), std::min(kListTop + row.bottom() + 4, height() - nmpan_->height()));
    namNeu_->setText(list_->currentItem()->text());
    nmpan_->show();
    nmpan_->raise();
    namNeu_->setFocus();
    namNeu_->selectAll();
}

void MacroPanel::NamNeuOKClick() {
    if (namNeu_->text().trimmed().isEmpty()) return;
    if (refusedAsReadOnly()) return;
    const std::string problem = library_.rename(renaming_, namNeu_->text().toStdString());
    readList();
    nmpan_->hide();
    report(problem);
}

void MacroPanel::nmAbClick() {
    nmpan_->hide();
}

void MacroPanel::MakroDeckClick() {
    setMode(MacroMode::Cover);
}

void MacroPanel::MakroMischClick() {
    setMode(MacroMode::Mix);
}

void MacroPanel::setMode(MacroMode mode) {
    mode_ = mode;
    mischNein_->setChecked(mode == MacroMode::Cover);
    mischJa_->setChecked(mode == MacroMode::Mix);
    if (makroDeck_) makroDeck_->setChecked(mode == MacroMode::Cover);
    if (makroMisch_) makroMisch_->setChecked(mode == MacroMode::Mix);
    emit modeChanged(mode);
}

bool MacroPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) place();
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MakroListeDblClick();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace volmira
