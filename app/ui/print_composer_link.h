#pragma once
// The print composer in the main program: its context over the main window and the workspace,
// the window itself, the main window's "Drucken ...", "Druckereinrichtung" and the printing of
// the help topics connected to it, and the help beside it.
#include <memory>

#include "print/ui/composer_context.h"

namespace volmira {

class TDrForm;
class Tgrf;
struct Workspace;

class MainWindowComposerContext : public ComposerContext {
  public:
    MainWindowComposerContext(Tgrf& window, Workspace& workspace);
    ~MainWindowComposerContext() override;

    int workingMode() const override;
    Calculation& calculation() override;
    const SchematicGrid& grid() const override;
    const SymbolList& symbols() const override;
    std::string lowerFrequencyText() const override;
    std::string upperFrequencyText() const override;
    void showStatus(const QString& text) override;
    // The graphic mode's curve; without one, the main window's sweep limits solved through the
    // engine for the branch chosen in the single-frequency results.
    PrintPlot printPlot() override;
    // The shown curve's values over its window; without a curve, those of the branch of the
    // single-frequency results over the sweep limits, as its menu "Berechnung" lists them.
    std::vector<std::string> characteristicsText() override;

  private:
    int resultsBranch() const;

    Tgrf& window_;
    Workspace& ws_;
    std::unique_ptr<PlotState> plot_;
};

struct PrintComposer {
    PrintComposer();
    PrintComposer(PrintComposer&&) noexcept;
    ~PrintComposer();
    std::unique_ptr<MainWindowComposerContext> context;
    std::unique_ptr<TDrForm> form;
};

// Creates the composer for the main window and connects the main window's print commands.
PrintComposer installPrintComposer(Tgrf& window, Workspace& workspace);

}  // namespace volmira
