#include "schematic/ui/macro_image.h"

#include <algorithm>

#include "schematic/macro_file.h"
#include "schematic/macro_insert.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira {

void paintMacro(QImage& image, const SymbolList& macro) {
    image.fill(Qt::white);
    for (const PlacedSymbol& s : macro)
        drawGlyph(
            image, s.code,
            {(s.column - kMacroOrigin) * kPixelsPerCell, (s.row - kMacroOrigin) * kPixelsPerCell});
}

QImage macroImage(const SymbolList& macro) {
    const MacroExtent extent = macroExtent(macro);
    QImage image(std::max(1, extent.columns) * kPixelsPerCell,
                 std::max(1, extent.rows) * kPixelsPerCell, QImage::Format_RGB32);
    paintMacro(image, macro);
    return image;
}

}  // namespace volmira
