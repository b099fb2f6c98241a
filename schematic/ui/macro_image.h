#pragma once
// A macro drawn as the previews show it: each entry's glyph at ((column - 2) * 9, (row - 2) * 9).
#include <QImage>

#include "schematic/symbol_list.h"

namespace volmira {

// Paints the image white, then the entries; what lies beyond the image is cut off.
void paintMacro(QImage& image, const SymbolList& macro);

// An image just large enough for the macro (the floating preview while inserting it).
QImage macroImage(const SymbolList& macro);

}  // namespace volmira
