#pragma once
// What the print composer reads from the rest of the program: the working mode, the engine with
// its network and values, the drawing, the sweep limits, the curves, and the wait display.
#include <QString>
#include <string>
#include <vector>

#include "analysis/calculation.h"
#include "print/plot_source.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"

namespace volmira {

class ComposerContext : public PlotSource {
  public:
    virtual int workingMode() const = 0;
    virtual Calculation& calculation() = 0;
    virtual const SchematicGrid& grid() const = 0;
    virtual const SymbolList& symbols() const = 0;
    // The texts of the main window's lower and upper sweep frequency fields.
    virtual std::string lowerFrequencyText() const = 0;
    virtual std::string upperFrequencyText() const = 0;
    // The status panel; an empty text hides it.
    virtual void showStatus(const QString& text) = 0;
    // After a pass on the printer: the main window shows its mode again.
    virtual void redrawMainWindow() {}
    // The "Kennwerte" list as lines (title first); empty when there are no values to list.
    virtual std::vector<std::string> characteristicsText() { return {}; }
};

}  // namespace volmira
