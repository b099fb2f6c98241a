#include "print/ui/tdrform.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/qt_text.h"
#include "print/quantity_list.h"
#include "print/ui/composer_elements.h"
#include "print/ui/composer_icons.h"
#include "print/ui/sheet_view.h"
#include "print/ui/table_page.h"
#include "print/ui/text_measure.h"
#include "print/ui/tseitan.h"

namespace volmira {

namespace {

constexpr QSize kWindowSize(370, 452);
constexpr QPoint kPortraitPaper(8, 38);
constexpr QPoint kLandscapePaper(69, 37);
constexpr QRect kPortraitMemo(176, 119, 169, 56);
constexpr QRect kLandscapeMemo(97, 203, 169, 56);
constexpr int kToolWidth = 169;

const QString kPrinterProblem = QStringLiteral("Druckerproblem! (nicht angeschlossen?)");
const QString kFilter = QStringLiteral("Druckkonfiguration (*.dkf)");

QString lineBreaks(std::string_view text) {
    return qText(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

TDrForm::TDrForm(ComposerContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName("TDrForm");
    setWindowTitle(QStringLiteral("Ausdruck der Ergebnisse"));
    setFixedSize(kWindowSize);
    usePdfWithoutPrinter(printer_,
                         QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(QStringLiteral("Volmira-Ausdruck.pdf")));
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);

    notebook_ = new QTabWidget(this);
    notebook_->setObjectName("Notebook");
    notebook_->setGeometry(0, 0, kWindowSize.width(), kWindowSize.height());
    notebook_->addTab(buildDocumentPage(), QStringLiteral("Dokument "));
    tablePage_ = new TablePage(parameters_, context_, this);
    tablePage_->setObjectName("TabellenSeite");
    connect(tablePage_->insertButton(), &QPushButton::clicked, this, &TDrForm::TabEinfuegenClick);
    notebook_->addTab(tablePage_, QStringLiteral("Frequenztabelle "));
    connect(notebook_, &QTabWidget::currentChanged, this, [this] { applyEnabling(); });

    preview_ = new Tseitan(this);
    refitPrintableArea();
    placeForOrientation();
    applyEnabling();
}

TDrForm::~TDrForm() = default;

QWidget* TDrForm::buildDocumentPage() {
    auto* page = new QWidget;
    page->setObjectName("DokumentSeite");
    auto* bar = new QWidget(page);
    bar->setGeometry(4, 4, kWindowSize.width() - 12, 30);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto button = [&](const char* name, ComposerIcon icon, const char* hint) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setIcon(composerIcon(icon));
        b->setIconSize(QSize(22, 22));
        b->setToolTip(QString::fromUtf8(hint));
        b->setFixedSize(28, 28);
        row->addWidget(b);
        return b;
    };
    connect(button("HochQuer", ComposerIcon::Orientation, "Umschalten Hoch/Quer"),
            &QToolButton::clicked, this, &TDrForm::HochQuerClick);
    connect(button("AlleLoesch", ComposerIcon::ClearSheet, "Dokumentenfläche löschen"),
            &QToolButton::clicked, this, &TDrForm::AlleLoeschClick);
    connect(button("Seitansicht", ComposerIcon::Preview, "Seitenansicht"), &QToolButton::clicked,
            this, &TDrForm::SeitenansichtClick);
    connect(button("Drucken", ComposerIcon::Print, "Dokument ausdrucken"), &QToolButton::clicked,
            this, &TDrForm::DruckDokClick);
    connect(button("EinSpei", ComposerIcon::HandOver, "Vorläufige Druckübergabe"),
            &QToolButton::clicked, this, &TDrForm::EinSpeiClick);
    connect(button("Druckereinrichtung", ComposerIcon::PrinterSetup, "Druckereinrichtung"),
            &QToolButton::clicked, this, &TDrForm::DruckereinrichtungClick);
    connect(button("DrKonSpei", ComposerIcon::Save, "Druckkonfiguration speichern .."),
            &QToolButton::clicked, this, &TDrForm::Druckkonfigurationspeichern1Click);
    connect(button("DrKonLad", ComposerIcon::Load, "Druckkonfiguration laden .."),
            &QToolButton::clicked, this, &TDrForm::Druckkonfigurationladen1Click);
    row->addSpacing(4);
    schaltbild_ = button("Schaltbild", ComposerIcon::Schematic, "Schaltbild einfügen");
    connect(schaltbild_, &QToolButton::clicked, this, &TDrForm::SchaltbildClick);
    bauteilEinfueg_ =
        button("BauteilEinfueg", ComposerIcon::ComponentList, "Bauteilliste einfügen");
    connect(bauteilEinfueg_, &QToolButton::clicked, this, &TDrForm::BauteilEinfuegClick);
    fgKurveEinfueg_ = button("FgKurveEinfueg", ComposerIcon::Curve, "Frequenzgang einfügen");
    connect(fgKurveEinfueg_, &QToolButton::clicked, this,
            [this] { FgKurveEinfuegClick(ElementKind::Curve); });
    ortskurveEinfueg_ = button("OrtskurveEinfueg", ComposerIcon::Locus, "Ortskurve einfügen");
    connect(ortskurveEinfueg_, &QToolButton::clicked, this,
            [this] { FgKurveEinfuegClick(ElementKind::Locus); });
    row->addStretch();

    btSpaltenZahl_ = new QMenu(this);
    btSpaltenZahl_->setObjectName("BtSpaltenZahl");
    for (int columns = 1; columns <= 3; ++columns) {
        QAction* a = btSpaltenZahl_->addAction(
            columns == 1 ? QStringLiteral("1 Spalte") : QStringLiteral("%1 Spalten").arg(columns));
        a->setData(columns);
        connect(a, &QAction::triggered, this, [this, columns] { BtSpPopup(columns); });
    }

    sheet_ = new SheetView(document_, page);
    connect(sheet_, &SheetView::pressed, this, [this] {
        entfernen_->setEnabled(true);
        showSelection();
    });
    connect(sheet_, &SheetView::changed, this, &TDrForm::showSelection);

    memo1_ = new QPlainTextEdit(page);
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);
    memo1_->setFocusPolicy(Qt::NoFocus);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    buildTools(page);
    return page;
}

void TDrForm::buildTools(QWidget* page) {
    elementTools_ = new QWidget(page);
    auto* element = new QGridLayout(elementTools_);
    element->setContentsMargins(0, 0, 0, 0);
    element->setSpacing(3);
    awBox_ = new QComboBox(elementTools_);
    awBox_->setObjectName("AwBox");
    awBox_->setToolTip(QStringLiteral("Größe der Frequenz- und Ortskurven"));
    for (std::string_view entry : kQuantityListEntries) awBox_->addItem(qText(entry));
    connect(awBox_, &QComboBox::currentIndexChanged, this, [this] { applyEnabling(); });
    element->addWidget(awBox_, 0, 0, 1, 2);
    xpos_ = new QLabel(QStringLiteral(" X="), elementTools_);
    xpos_->setObjectName("xpos");
    ypos_ = new QLabel(QStringLiteral(" Y="), elementTools_);
    ypos_->setObjectName("ypos");
    for (QLabel* l : {xpos_, ypos_}) l->setFrameShape(QFrame::StyledPanel);
    element->addWidget(xpos_, 1, 0);
    element->addWidget(ypos_, 1, 1);
    elementTools_->setFixedWidth(kToolWidth);
    elementTools_->adjustSize();

    commandTools_ = new QWidget(page);
    auto* commands = new QVBoxLayout(commandTools_);
    commands->setContentsMargins(0, 0, 0, 0);
    commands->setSpacing(3);
    entfernen_ = new QPushButton(QStringLiteral("Teildokument entfernen"), commandTools_);
    entfernen_->setObjectName("Entfernen");
    entfernen_->setEnabled(false);
    connect(entfernen_, &QPushButton::clicked, this, &TDrForm::EntfernenClick);
    auto* del = new QShortcut(QKeySequence::Delete, this);
    connect(del, &QShortcut::activated, this, &TDrForm::EntfernenClick);
    commands->addWidget(entfernen_);
    auto* close = new QPushButton(QStringLiteral("Schliessen"), commandTools_);
    close->setObjectName("DrEnde");
    connect(close, &QPushButton::clicked, this, &TDrForm::Button1Click);
    commands->addWidget(close);
    commandTools_->setFixedWidth(kToolWidth);
    commandTools_->adjustSize();

    textTools_ = new QWidget(page);
    auto* text = new QGridLayout(textTools_);
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(3);
    einfueg_ = new QLineEdit(textTools_);
    einfueg_->setObjectName("Einfueg");
    einfueg_->setMaxLength(100);
    einfueg_->setPlaceholderText(QStringLiteral("Text"));
    text->addWidget(einfueg_, 0, 0, 1, 5);
    sgr_ = new QSpinBox(textTools_);
    sgr_->setObjectName("Sgr");
    sgr_->setRange(1, 99);
    sgr_->setValue(4);
    sgr_->setSuffix(QStringLiteral(" mm"));
    sgr_->setToolTip(QStringLiteral("Texthöhe"));
    text->addWidget(sgr_, 1, 0, 1, 2);
    auto toggle = [&](const char* name, const char* letter, const char* hint, int column) {
        auto* b = new QToolButton(textTools_);
        b->setObjectName(name);
        b->setText(QString::fromUtf8(letter));
        b->setToolTip(QString::fromUtf8(hint));
        b->setCheckable(true);
        b->setFixedSize(24, 24);
        connect(b, &QToolButton::clicked, this, &TDrForm::FettClick);
        text->addWidget(b, 1, column);
        return b;
    };
    fett_ = toggle("Fett", "F", "Fett", 2);
    QFont f = fett_->font();
    f.setBold(true);
    fett_->setFont(f);
    kursiv_ = toggle("kursiv", "K", "Kursiv", 3);
    f = kursiv_->font();
    f.setItalic(true);
    kursiv_->setFont(f);
    unterstr_ = toggle("unterstr", "U", "Unterstrichen", 4);
    f = unterstr_->font();
    f.setUnderline(true);
    unterstr_->setFont(f);
    auto* insertText = new QPushButton(QStringLiteral("Text einfügen"), textTools_);
    insertText->setObjectName("TxtEinfueg");
    connect(insertText, &QPushButton::clicked, this, &TDrForm::TxtEinfuegClick);
    text->addWidget(insertText, 2, 0, 1, 3);
    kennwerte_ = new QPushButton(QStringLiteral("Kennwerte"), textTools_);
    kennwerte_->setObjectName("KennwerteEinfueg");
    kennwerte_->setToolTip(QStringLiteral("Kennwerte als Text einfügen"));
    connect(kennwerte_, &QPushButton::clicked, this, &TDrForm::KennwerteEinfuegClick);
    text->addWidget(kennwerte_, 2, 3, 1, 2);
    kennwertZeilen_ = new QMenu(this);
    kennwertZeilen_->setObjectName("KennwertZeilen");
    textTools_->setFixedWidth(kToolWidth);
    textTools_->adjustSize();
}

void TDrForm::placeForOrientation() {
    const bool portrait = document_.orientation() == Orientation::Portrait;
    sheet_->refresh(portrait ? kPortraitPaper : kLandscapePaper);
    memo1_->setGeometry(portrait ? kPortraitMemo : kLandscapeMemo);
    if (portrait) {
        elementTools_->move(176, 38);
        textTools_->move(176, 186);
        commandTools_->move(176, 290);
    } else {
        textTools_->move(8, 268);
        elementTools_->move(190, 268);
        commandTools_->move(190, 324);
    }
}

void TDrForm::refitPrintableArea() {
    const QSizeF mm = printableMillimetres(printer_);
    document_.fitPrintableArea(mm.width(), mm.height());
}

void TDrForm::open() {
    notebook_->setCurrentIndex(0);
    applyEnabling();
    show();
    raise();
    activateWindow();
}

void TDrForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) applyEnabling();
    QWidget::changeEvent(event);
}

void TDrForm::applyEnabling() {
    const InsertEnabling e =
        insertEnabling(context_.workingMode(), awBox_->currentIndex(), document_.hasTable());
    schaltbild_->setEnabled(e.schematic);
    bauteilEinfueg_->setEnabled(e.componentList);
    kennwerte_->setEnabled(e.characteristics);
    fgKurveEinfueg_->setEnabled(e.curve);
    ortskurveEinfueg_->setEnabled(e.locus);
    tablePage_->insertButton()->setEnabled(e.table);
    tablePage_->showNote(e.tableNote);
}

void TDrForm::taken(const SlotTaken& slot) {
    if (slot.lastSlotWarning) dialogs().information(this, lineBreaks(kLastSlotWarning));
    sheet_->refresh();
    showSelection();
}

void TDrForm::showSelection() {
    const int n = document_.selected();
    if (n == 0) {
        memo1_->setPlainText(QStringLiteral(" \n \n \n "));
        return;
    }
    const ElementSlot& s = document_.slot(n);
    xpos_->setText(QStringLiteral(" X=%1").arg(roundEven(s.rect.left * kMillimetresPerSheetPixel)));
    ypos_->setText(QStringLiteral(" Y=%1").arg(roundEven(s.rect.top * kMillimetresPerSheetPixel)));
    memo1_->setPlainText(qText(s.element.title) + '\n' + qText(s.element.info1) + '\n' +
                         qText(s.element.info2));
}

// --- Inserting

int TDrForm::insertSchematic() {
    if (!insertEnabling(context_.workingMode(), awBox_->currentIndex(), false).schematic) return 0;
    const SlotTaken slot = document_.insertSchematic(context_.symbols().bounds());
    taken(slot);
    return slot.slot;
}

std::vector<Component> TDrForm::components() const {
    const Network& network = context_.calculation().network();
    std::vector<Component> list;
    for (int k = 1; k <= network.componentCount; ++k) list.push_back(network.component(k));
    return list;
}

int TDrForm::insertComponentList(int columns) {
    if (!insertEnabling(context_.workingMode(), awBox_->currentIndex(), false).componentList)
        return 0;
    std::vector<ComponentEntry> entries;
    for (const Component& c : components()) entries.push_back({c.name, c.valueText});
    const SlotTaken slot = document_.insertComponentList(columns, entries, listTextWidth);
    taken(slot);
    return slot.slot;
}

int TDrForm::insertCurve(ElementKind kind, int quantitySlot) {
    awBox_->setCurrentIndex(listPositionForSlot(quantitySlot));
    const InsertEnabling e = insertEnabling(context_.workingMode(), awBox_->currentIndex(), false);
    if (!(kind == ElementKind::Locus ? e.locus : e.curve)) return 0;
    const SlotTaken slot =
        document_.insertCurve(kind, quantitySlotForListPosition(awBox_->currentIndex()),
                              context_.lowerFrequencyText(), context_.upperFrequencyText());
    taken(slot);
    return slot.slot;
}

int TDrForm::insertText(int style, int heightMm, std::string_view text) {
    fett_->setChecked(style & kStyleBold);
    kursiv_->setChecked(style & kStyleItalic);
    unterstr_->setChecked(style & kStyleUnderline);
    FettClick();
    sgr_->setValue(heightMm);
    einfueg_->setText(qText(text));
    const QString content = einfueg_->text().trimmed();
    if (content.isEmpty()) return 0;
    const SlotTaken slot = document_.insertText(einfueg_->text().toStdString(), sgr_->value(),
                                                textStyle_, textWidth100(content, textStyle_));
    taken(slot);
    return slot.slot;
}

void TDrForm::SchaltbildClick() {
    insertSchematic();
}

void TDrForm::BauteilEinfuegClick() {
    btSpaltenZahl_->popup(bauteilEinfueg_->mapToGlobal(QPoint(0, bauteilEinfueg_->height())));
}

void TDrForm::BtSpPopup(int columns) {
    insertComponentList(columns);
}

void TDrForm::FgKurveEinfuegClick(ElementKind kind) {
    insertCurve(kind, quantitySlotForListPosition(awBox_->currentIndex()));
}

void TDrForm::TxtEinfuegClick() {
    insertText(textStyle_, sgr_->value(), einfueg_->text().toStdString());
}

void TDrForm::KennwerteEinfuegClick() {
    // Built when asked for: the values belong to the network and curve of this moment.
    kennwertZeilen_->clear();
    std::vector<std::string> lines = context_.characteristicsText();
    if (lines.empty()) {
        kennwertZeilen_->addAction(QStringLiteral("Keine Kennwerte"))->setEnabled(false);
    } else {
        for (std::string& line : lines) line = qText(line).trimmed().toStdString();
        connect(kennwertZeilen_->addAction(QStringLiteral("Alle Zeilen")), &QAction::triggered,
                this, [this, lines] { insertTextLines(lines); });
        kennwertZeilen_->addSeparator();
        for (const std::string& line : lines)
            connect(kennwertZeilen_->addAction(qText(line)), &QAction::triggered, this,
                    [this, line] { insertTextLines({line}); });
    }
    kennwertZeilen_->popup(kennwerte_->mapToGlobal(QPoint(0, kennwerte_->height())));
}

void TDrForm::insertTextLines(const std::vector<std::string>& lines) {
    taken(document_.insertTextLines(
        lines, sgr_->value(), textStyle_,
        [this](std::string_view line) { return textWidth100(qText(line), textStyle_); }));
}

void TDrForm::FettClick() {
    textStyle_ = (fett_->isChecked() ? kStyleBold : 0) | (kursiv_->isChecked() ? kStyleItalic : 0) |
                 (unterstr_->isChecked() ? kStyleUnderline : 0);
    einfueg_->setFont(pageFont(QFontMetricsF(font()).height(), textStyle_));
}

void TDrForm::TabEinfuegenClick() {
    context_.showStatus(QStringLiteral("Frequenzwerte werden berechnet"));
    const TableBuild build = computeFrequencyTable(context_.calculation(), parameters_);
    context_.showStatus({});
    notebook_->setCurrentIndex(0);
    if (build.empty()) return;
    table_ = build.table;
    taken(document_.insertTable(table_.rows, table_.columns, build.longestLabel, build.longestValue,
                                table_.withPhase, table_.quantityName));
    applyEnabling();
}

// --- Removing, orientation, closing

void TDrForm::EntfernenClick() {
    if (notebook_->currentIndex() != 0) return;
    document_.removeSelected();
    sheet_->refresh();
    memo1_->setPlainText(QStringLiteral(" \n \n \n "));
    applyEnabling();
}

void TDrForm::AlleLoeschClick() {
    document_.clear();
    sheet_->refresh();
    memo1_->setPlainText(QStringLiteral(" \n \n "));
    applyEnabling();
}

void TDrForm::HochQuerClick() {
    const Orientation next = document_.orientation() == Orientation::Portrait
                                 ? Orientation::Landscape
                                 : Orientation::Portrait;
    // An open page keeps its orientation until it is printed.
    if (!job_.setOrientation(next)) {
        dialogs().error(this, kPrinterProblem);
        return;
    }
    const QSizeF mm = printableMillimetres(printer_);
    document_.toggleOrientation(mm.width(), mm.height());
    placeForOrientation();
}

void TDrForm::Button1Click() {
    hide();
}

// --- Preview and printing

PassInputs TDrForm::passInputs() const {
    return {context_.symbols(), previewComponents_, context_.calculation().directVoltage()};
}

void TDrForm::SeitenansichtClick() {
    previewComponents_ = components();
    previewPass_ =
        std::make_unique<PrintPass>(buildPrintPass(document_, passInputs(), PassTarget::Preview));
    previewElements_ = std::make_unique<ComposerElements>(
        document_, table_, needsPlot(document_) ? context_.printPlot() : PrintPlot{},
        context_.calculation().network());
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    preview_->showPage(screen->geometry(), printableMillimetres(printer_), [this](QPainter& p) {
        paintPrintPass(p, *previewPass_, PassTarget::Preview, previewElements_->painter());
    });
}

void TDrForm::printPass(bool finish) {
    if (!job_.isOpen()) {
        const Orientation orientation =
            document_.paperWidth() > 160 ? Orientation::Landscape : Orientation::Portrait;
        if (!job_.setOrientation(orientation))
            dialogs().error(this, QStringLiteral("Druckerproblem! (nicht angeschlosen?)!"));
    }
    context_.showStatus(QStringLiteral(" Dokument wird gedruckt\r Bitte warten"));
    previewComponents_ = components();
    const PrintPass pass = buildPrintPass(document_, passInputs(), PassTarget::Printer);
    ComposerElements elements(document_, table_,
                              needsPlot(document_) ? context_.printPlot() : PrintPlot{},
                              context_.calculation().network());
    const bool painted = job_.paint(pass, elements.painter());
    if (painted) {
        handOver(document_, pass, finish);
        if (finish) job_.finish();
    }
    context_.showStatus({});
    context_.redrawMainWindow();
    sheet_->refresh();
    applyEnabling();
    if (!painted) dialogs().error(this, kPrinterProblem);
}

void TDrForm::DruckDokClick() {
    printPass(true);
}

void TDrForm::EinSpeiClick() {
    printPass(false);
}

void TDrForm::DruckereinrichtungClick() {
    if (job_.isOpen()) {
        dialogs().information(this, QStringLiteral("Die Seite ist noch nicht ausgedruckt."));
        return;
    }
    if (!printerDialog_(printer_, this)) return;
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    if (landscape != (document_.orientation() == Orientation::Landscape)) {
        const QSizeF mm = printableMillimetres(printer_);
        document_.toggleOrientation(mm.width(), mm.height());
    } else {
        refitPrintableArea();
    }
    placeForOrientation();
}

// --- Print configurations

void TDrForm::Druckkonfigurationspeichern1Click() {
    if (configurationLines(document_).empty()) return;
    QString name = dialogs().saveFileName(this, QStringLiteral("Druckkonfiguration speichern"),
                                          kFilter, QString(), QString());
    if (name.isEmpty()) return;
    if (!name.endsWith(QStringLiteral(".dkf"), Qt::CaseInsensitive)) name += QStringLiteral(".dkf");
    context_.showStatus(QStringLiteral(" Konfiguration wird gespeichert"));
    const ConfigurationSave saved = saveConfiguration(fsPath(name), document_);
    context_.showStatus({});
    if (!saved.written)
        dialogs().error(
            this, QStringLiteral("Druckkonfiguration nicht gespeichert: ") + qText(saved.error));
}

void TDrForm::Druckkonfigurationladen1Click() {
    const QString name = dialogs().openFileName(this, QStringLiteral("Druckkonfiguration laden"),
                                                {kFilter}, QString());
    if (name.isEmpty()) return;
    const ConfigurationLoad load = loadConfigurationFile(fsPath(name), document_, *this);
    sheet_->refresh();
    showSelection();
    applyEnabling();
    if (!load.ok()) dialogs().error(this, qText(load.error));
}

}  // namespace volmira
