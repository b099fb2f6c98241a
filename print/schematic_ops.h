#pragma once
// The schematic element: every placed symbol from its vector string, scaled into the element's
// rectangle, and each component's name in the first free place beside it.
#include <vector>

#include "print/print_pass.h"

namespace volmira {

void appendSchematicOps(std::vector<PageOp>& ops, const PageRect& rect, int placeholderWidth,
                        const PassInputs& inputs);

// Where the names go: the cell (column, row) whose corner the name's top-left stands at, or
// column 0 when every candidate place is taken. Occupied cells are the drawing's own cells and
// the names placed before.
struct NamePlace {
    int column = 0;
    int row = 0;
};
std::vector<NamePlace> placeComponentNames(const SymbolList& symbols,
                                           const std::vector<Component>& components);

}  // namespace volmira
