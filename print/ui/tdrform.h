#pragma once
// `TDrForm`, "Ausdruck der Ergebnisse": the print composer. The page "Dokument " holds the
// miniature sheet with its elements, the insert and print commands and the info box `Memo1`;
// the page "Frequenztabelle " the table parameters. The document, the table and the print job
// live as long as the window; the model work is the print core's.
#include <QPrinter>
#include <QWidget>
#include <memory>

#include "print/print_configuration.h"
#include "print/print_document.h"
#include "print/table_parameters.h"
#include "print/ui/composer_context.h"
#include "print/ui/print_job.h"
#include "print/ui/printer_setup.h"

class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace volmira {

class ComposerElements;
class SheetView;
class TablePage;
class Tseitan;

class TDrForm : public QWidget, private ConfigurationInserter {
    Q_OBJECT
  public:
    explicit TDrForm(ComposerContext& context, QWidget* parent = nullptr);
    ~TDrForm() override;

    PrintDocument& document() { return document_; }
    const FrequencyTable& frequencyTable() const { return table_; }
    TableParameters& tableParameters() { return parameters_; }
    QPrinter& printer() { return printer_; }
    Tseitan* preview() const { return preview_; }
    void setPrinterDialog(PrinterDialog dialog) { printerDialog_ = std::move(dialog); }

    // Opening from the main window: the "Dokument " page, the enabling rules.
    void open();

  public slots:
    void HochQuerClick();
    void AlleLoeschClick();
    void SeitenansichtClick();
    void DruckDokClick();
    void EinSpeiClick();
    void DruckereinrichtungClick();
    void Druckkonfigurationspeichern1Click();
    void Druckkonfigurationladen1Click();
    void SchaltbildClick();
    void BauteilEinfuegClick();
    void BtSpPopup(int columns);
    void FgKurveEinfuegClick(ElementKind kind);
    void TxtEinfuegClick();
    // Pops up the "Kennwerte" list: all its lines, or one, become text elements.
    void KennwerteEinfuegClick();
    void FettClick();
    void TabEinfuegenClick();
    void EntfernenClick();
    void Button1Click();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The insert operations, each giving the slot taken or 0 (ConfigurationInserter).
    int insertSchematic() override;
    int insertComponentList(int columns) override;
    int insertCurve(ElementKind kind, int quantitySlot) override;
    int insertText(int style, int heightMm, std::string_view text) override;
    // Lines stacked from the top left with the height and style of the text tools.
    void insertTextLines(const std::vector<std::string>& lines);

    QWidget* buildDocumentPage();
    void buildTools(QWidget* page);
    void placeForOrientation();
    void applyEnabling();
    void taken(const SlotTaken& slot);
    void showSelection();
    void refitPrintableArea();
    // One pass on the printer; `finish` ends the page.
    void printPass(bool finish);
    PassInputs passInputs() const;
    std::vector<Component> components() const;

    ComposerContext& context_;
    PrintDocument document_;
    FrequencyTable table_;
    TableParameters parameters_;
    QPrinter printer_{QPrinter::HighResolution};
    PrintJob job_{printer_};
    PrinterDialog printerDialog_ = runPrintDialog;
    int textStyle_ = 0;

    // The preview paints from these while it is shown.
    std::vector<Component> previewComponents_;
    std::unique_ptr<PrintPass> previewPass_;
    std::unique_ptr<ComposerElements> previewElements_;

    QTabWidget* notebook_ = nullptr;
    SheetView* sheet_ = nullptr;
    QWidget* textTools_ = nullptr;
    QWidget* elementTools_ = nullptr;
    QWidget* commandTools_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* xpos_ = nullptr;
    QLabel* ypos_ = nullptr;
    QComboBox* awBox_ = nullptr;
    QLineEdit* einfueg_ = nullptr;
    QSpinBox* sgr_ = nullptr;
    QToolButton* fett_ = nullptr;
    QToolButton* kursiv_ = nullptr;
    QToolButton* unterstr_ = nullptr;
    QToolButton* schaltbild_ = nullptr;
    QToolButton* bauteilEinfueg_ = nullptr;
    QToolButton* fgKurveEinfueg_ = nullptr;
    QToolButton* ortskurveEinfueg_ = nullptr;
    QPushButton* entfernen_ = nullptr;
    QMenu* btSpaltenZahl_ = nullptr;
    QPushButton* kennwerte_ = nullptr;
    QMenu* kennwertZeilen_ = nullptr;
    TablePage* tablePage_ = nullptr;
    Tseitan* preview_ = nullptr;
};

}  // namespace volmira
