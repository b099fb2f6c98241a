#pragma once
// One pass over the page: the drawing operations of every element in PageUnits (0.1 mm, origin at
// the top-left corner of the printable area, y upward). The schematic, the component list and the
// text become primitive operations here; curves, locus plots and tables are handed to their
// painters as element operations with their rectangle.
#include <string>
#include <vector>

#include "analysis/network.h"
#include "print/print_document.h"
#include "schematic/symbol_list.h"

namespace volmira {

enum class PageOpKind { Line, Rect, Ellipse, Text, Hatch, Element };
enum class PageFill { None, White, Black };

struct PageOp {
    PageOpKind kind = PageOpKind::Line;
    int x1 = 0;  // PageUnits; for text the top-left corner
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    PageFill fill = PageFill::None;
    int penExtra = 0;  // added to the pass's pen width (the resistor body's frame)
    std::string text;
    int fontHeight = 0;  // PageUnits
    int style = 0;       // bold 1, italic 2, underline 4
    int fitWidth = 0;    // text elements: the width the line covers on paper, in PageUnits
    bool textElement = false;
    int slot = 0;  // element operations: the slot and its kind
    ElementKind element = ElementKind::None;
};

PageOp shapeOp(PageOpKind kind, int x1, int y1, int x2, int y2, PageFill fill = PageFill::None,
               int penExtra = 0);
PageOp textOp(int x, int y, std::string text, int fontHeight, int style = 0);

enum class PassTarget { Printer, Preview };

// What the pass reads from the rest of the program.
struct PassInputs {
    const SymbolList& symbols;
    const std::vector<Component>& components;  // components 1..N in order
    bool directCurrent = false;                // the calculation frequency is 0
};

struct PrintPass {
    std::vector<PageOp> ops;
    std::vector<int> drawnSlots;  // slots whose renderer ran, in order
    int penWidth = 2;
};

// The operations of one pass: on the preview, handed-over elements become hatched rectangles;
// on both, elements not handed over are drawn.
PrintPass buildPrintPass(const PrintDocument& document, const PassInputs& inputs,
                         PassTarget target);

// After a pass on the printer: the drawn slots are locked, and with `finish` the page ends and
// every element is unlocked.
void handOver(PrintDocument& document, const PrintPass& pass, bool finish);

// An element's rectangle in PageUnits: (x, -top) to (right, -bottom).
struct PageRect {
    int x = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
PageRect pageRect(const SheetRect& rect);

// The list's form of a component name: without its second character ("R 1" -> "R1").
std::string listName(std::string_view name);

}  // namespace volmira
