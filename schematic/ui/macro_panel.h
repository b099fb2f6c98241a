#pragma once
// `makrpan`, the macro panel of the drawing mode: the list `MakroListe` of the library's macros
// with the preview `mkrVorschau`, storing the drawing as a macro (`makSpei`), the pop-up `mkrPop`
// for renaming (`nmpan`) and deleting, and the insertion modes `MischNein` "Makro überdecken"
// and `MischJa` "Makro einmischen". The side bar's button `mkrJa` shows and hides it; a double
// click or Enter in the list hands the macro to the editor for insertion.
#include <QFrame>

#include "schematic/grid.h"
#include "schematic/macro_insert.h"
#include "schematic/macro_library.h"
#include "schematic/symbol_list.h"

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace volmira {

class MacroPanel : public QFrame {
    Q_OBJECT
  public:
    // The panel and its shadow `sw8` go into `area` (hidden), at its right edge below the symbol
    // toolbar; the drawing is stored from the grid and list.
    MacroPanel(QWidget* area, SchematicGrid& grid, SymbolList& symbols);

    // Start-up: the library lives in the program folder; a missing one is created empty (after
    // which it is writable); the list is read unless the library cannot be written. `readOnly`:
    // the folder cannot be written; `fileUnavailable`: the library could not be opened for
    // writing.
    void initialise(const std::filesystem::path& folder, bool readOnly, bool fileUnavailable);

    // `mkrJa` "Makrofunktion aufrufen" for the side bar; a pressed button shows the panel.
    QToolButton* createMkrJa(QWidget* parent);
    // The menu entries `MakroDeck` and `MakroMisch` carry the mode's check mark.
    void attachMenuEntries(QAction* makroDeck, QAction* makroMisch);

    const MacroLibrary& library() const { return library_; }
    // The macro being inserted (0: none) and its entries.
    int selectedMacro() const { return selected_; }
    const SymbolList& macro() const { return macro_; }
    MacroMode mode() const { return mode_; }

    QListWidget* makroListe() const { return list_; }
    QLabel* mkrVorschau() const { return preview_; }
    QFrame* nmpan() const { return nmpan_; }
    QMenu* mkrPop() const { return pop_; }

  public slots:
    void mkrJaClick(bool down);
    void makroAusClick();
    void makSpeiClick();
    void MakroListeClick();
    void MakroListeDblClick();
    void mkrloeschClick();
    void Namenndern1Click();
    void NamNeuOKClick();
    void nmAbClick();
    void MakroDeckClick();
    void MakroMischClick();
    // The editor's tools went off: the insertion ends.
    void endInsertion();

  signals:
    // A macro is to be inserted: the editor switches its tools off and takes macro() and mode().
    void insertionStarted(const SymbolList& macro);
    void modeChanged(MacroMode mode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildRenamePanel();
    // At the right edge of the area; the shadow 4 pixels right of and below the panel.
    void place();
    void readList();
    void showPreview(const SymbolList& macro);
    void MakroListeMouseDown(QPoint position);
    void setMode(MacroMode mode);
    // Refuses with a message when the library cannot be changed.
    bool refusedAsReadOnly();
    void report(const std::string& problem);

    MacroLibrary library_;
    SchematicGrid& grid_;
    SymbolList& symbols_;
    bool readOnly_ = false;
    bool fileUnavailable_ = false;
    int selected_ = 0;
    int renaming_ = 0;
    SymbolList macro_;
    MacroMode mode_ = MacroMode::Cover;

    QFrame* shadow_;
    QToolButton* mkrJa_ = nullptr;
    QAction* makroDeck_ = nullptr;
    QAction* makroMisch_ = nullptr;
    QPushButton* makSpei_;
    QListWidget* list_;
    QLabel* preview_;
    QToolButton* mischNein_;
    QToolButton* mischJa_;
    QMenu* pop_;
    QFrame* nmpan_;
    QLineEdit* namNeu_;
};

}  // namespace volmira
