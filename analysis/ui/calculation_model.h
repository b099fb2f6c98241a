#pragma once
// The calculation engine as the value entry and the results see it: the engine with its network
// and records, the input fields the results show and keep, the drawing's symbol list the results
// paint again with the source as AC or DC source, and whether the graphic mode is active. Stored
// values and solves are announced, so that the window can follow them with the working modes.
#include <QObject>
#include <string_view>

#include "analysis/calculation.h"
#include "schematic/network_file.h"
#include "schematic/symbol_list.h"

namespace volmira {

class CalculationModel : public QObject {
    Q_OBJECT
  public:
    CalculationModel(Calculation& calculation, InputFields& fields, const SymbolList& symbols,
                     QObject* parent = nullptr);

    // Values are stored and solves run through the model, so that they are announced.
    Calculation& calculation() const { return calculation_; }
    const Network& network() const { return calculation_.network(); }
    InputFields& fields() const { return fields_; }
    const SymbolList& symbols() const { return symbols_; }

    // In the graphic mode the drawing is not shown and editing a value withdraws the
    // confirmation; the window sets this with every change of mode.
    bool graphicModeActive() const { return graphicMode_; }
    void setGraphicModeActive(bool active) { graphicMode_ = active; }

    // Stores an edited value text into component k (1-based): valuesChanged() when the record
    // differs now.
    StoreResult storeValue(int component, std::string_view text);
    // Solves at the accepted frequency and voltage: resultsChanged().
    SolveStatus solve();

  signals:
    void valuesChanged();
    void resultsChanged();

  private:
    Calculation& calculation_;
    InputFields& fields_;
    const SymbolList& symbols_;
    bool graphicMode_ = false;
};

}  // namespace volmira
