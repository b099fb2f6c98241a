#pragma once
// The glyphs of the symbol codes and the drawing image painted from a SymbolList. Every part is
// an exact pixel rectangle or a one-pixel aliased line, so images can be compared pixel by pixel.
#include <QImage>
#include <QPoint>
#include <QRect>

#include "schematic/grid.h"
#include "schematic/symbol_list.h"

class QPainter;

namespace volmira {

struct GlyphStyle {
    bool directVoltage = false;  // source mark: two bars (0 Hz) instead of the wave
    bool eraserOutline = false;  // eraser codes 36..38: keep the black square (previews)
};

// Top-left pixel of a cell in the drawing image: ((column - 1) * 9 - 2, (row - 1) * 9 - 2).
QPoint cellTopLeft(int column, int row);
// The pixel box of a symbol placed with its top-left cell at (column, row).
QRect symbolBox(int code, int column, int row);

// Paints the box of `code` (width * 9 by height * 9 pixels from `topLeft`) white, then the glyph.
// Codes outside 0..54 draw nothing. The painter's render hints are kept.
void drawGlyph(QPainter& painter, int code, QPoint topLeft, GlyphStyle style = {});
void drawGlyph(QImage& image, int code, QPoint topLeft, GlyphStyle style = {});

// A white drawing image of kDrawingWidthPixels x kDrawingHeightPixels.
QImage blankDrawingImage();

// The image part of the painter: white, then every entry in list order. Any paint device: the
// screen, an image, the print preview and the printer share it.
void paintSymbolList(QPainter& painter, const SymbolList& symbols, GlyphStyle style = {});
void paintSymbolList(QImage& image, const SymbolList& symbols, GlyphStyle style = {});

// The painter: stamps every entry back into the grid and paints the image from the list.
void paintDrawing(const SymbolList& symbols, SchematicGrid& grid, QImage& image,
                  GlyphStyle style = {});

}  // namespace volmira
