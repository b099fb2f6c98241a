#include "app/ui/print_composer_link.h"

#include <algorithm>

#include "analysis/ui/results_panel.h"
#include "analysis/value_text.h"
#include "app/ui/status_panel.h"
#include "app/ui/tgrf.h"
#include "app/workspace.h"
#include "help/ui/thilfform.h"
#include "print/ui/help_topics_print.h"
#include "print/ui/tdrform.h"

namespace volmira {

MainWindowComposerContext::MainWindowComposerContext(Tgrf& window, Workspace& workspace)
    : window_(window), ws_(workspace) {}

MainWindowComposerContext::~MainWindowComposerContext() = default;

int MainWindowComposerContext::workingMode() const {
    return ws_.modes.workingMode();
}

Calculation& MainWindowComposerContext::calculation() {
    return ws_.calculation;
}

const SchematicGrid& MainWindowComposerContext::grid() const {
    return ws_.grid;
}

const SymbolList& MainWindowComposerContext::symbols() const {
    return ws_.symbols;
}

std::string MainWindowComposerContext::lowerFrequencyText() const {
    return ws_.fields.fqVon;
}

std::string MainWindowComposerContext::upperFrequencyText() const {
    return ws_.fields.fqBis;
}

void MainWindowComposerContext::showStatus(const QString& text) {
    if (text.isEmpty())
        window_.statusPanel()->hideMessage();
    else
        window_.statusPanel()->showMessage(text);
}

PrintPlot MainWindowComposerContext::printPlot() {
    const GraphicState& graphic = ws_.graphic;
    if (graphic.curveExists() && graphic.range.set && graphic.branch > 0)
        return {graphic.plot.get(), graphic.range,  graphic.logarithmic,
                graphic.curveCount, graphic.branch, graphic.curve};
    // No curve drawn yet: the sweep limits solved for the branch of the single-frequency
    // results.
    PrintPlot print;
    const auto low = parseValue(ws_.fields.fqVon);
    const auto high = parseValue(ws_.fields.fqBis);
    if (!ws_.calculation.valuesConfirmed() || !low || !high || !(*low < *high)) return print;
    print.range = DeriveBounds(*low, *high, false);
    if (!print.range.set) return print;
    print.branch =
        std::max(1, window_.resultsPanel() ? window_.resultsPanel()->selectedBranch() : 1);
    if (!plot_) plot_ = std::make_unique<PlotState>();
    sweepIntoPlot(ws_.calculation, *plot_, print.range, print.logarithmic, print.branch);
    print.plot = plot_.get();
    return print;
}

PrintComposer::PrintComposer() = default;
PrintComposer::PrintComposer(PrintComposer&&) noexcept = default;
PrintComposer::~PrintComposer() = default;

PrintComposer installPrintComposer(Tgrf& window, Workspace& workspace) {
    PrintComposer composer;
    composer.context = std::make_unique<MainWindowComposerContext>(window, workspace);
    composer.form = std::make_unique<TDrForm>(*composer.context);
    TDrForm* form = composer.form.get();
    window.setPrintCommands({[form] { form->open(); }, [form] { form->DruckereinrichtungClick(); },
                             [form](int first, int last) {
                                 QPrinter printer(QPrinter::HighResolution);
                                 prepareHelpPrinter(printer, form->printer(), "Volmira-Hilfe.pdf");
                                 return printHelpTopics(printer, first, last);
                             }});
    window.helpWindow()->followComposer(*form);
    return composer;
}

}  // namespace volmira
