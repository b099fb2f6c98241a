#include "app/ui/print_composer_link.h"

#include <algorithm>

#include "analysis/ui/results_panel.h"
#include "app/ui/status_panel.h"
#include "app/ui/tgrf.h"
#include "app/workspace.h"
#include "graphics/characteristic_text.h"
#include "graphics/range_frequencies.h"
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
    if (!ws_.calculation.valuesConfirmed()) return print;
    print.range = userSweepRange(ws_.fields);
    if (!print.range.set) return print;
    print.branch = resultsBranch();
    if (!plot_) plot_ = std::make_unique<PlotState>();
    sweepIntoPlot(ws_.calculation, *plot_, print.range, print.logarithmic, print.branch);
    print.plot = plot_.get();
    return print;
}

std::vector<std::string> MainWindowComposerContext::characteristicsText() {
    const GraphicState& graphic = ws_.graphic;
    if (graphic.curveExists() && graphic.range.set && graphic.branch > 0) {
        const CharacteristicValues values = branchCharacteristics(
            ws_.calculation, graphic.branch, quantityForSelector(graphic.button),
            windowFrequencies(graphic.range, graphic.logarithmic));
        return characteristicLines(values, graphic.branch, kCharacteristicDigits);
    }
    const int branch = resultsBranch();
    const RangeCharacteristics found =
        userRangeCharacteristics(ws_.calculation, ws_.fields, branch, graphic.button);
    if (!found.values) return {};
    return characteristicLines(*found.values, branch, kCharacteristicDigits);
}

int MainWindowComposerContext::resultsBranch() const {
    return std::max(1, window_.resultsPanel() ? window_.resultsPanel()->selectedBranch() : 1);
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
