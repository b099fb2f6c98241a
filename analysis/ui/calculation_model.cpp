#include "analysis/ui/calculation_model.h"

namespace volmira {

CalculationModel::CalculationModel(Calculation& calculation, InputFields& fields,
                                   const SymbolList& symbols, QObject* parent)
    : QObject(parent), calculation_(calculation), fields_(fields), symbols_(symbols) {}

StoreResult CalculationModel::storeValue(int component, std::string_view text) {
    bool changed = false;
    const StoreResult result = calculation_.storeValue(component, text, changed);
    if (changed) emit valuesChanged();
    return result;
}

SolveStatus CalculationModel::solve() {
    const SolveStatus status = calculation_.solve();
    emit resultsChanged();
    return status;
}

}  // namespace volmira
