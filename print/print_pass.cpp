#include "print/print_pass.h"

#include "print/schematic_ops.h"
#include "schematic/text_file.h"

namespace volmira {

namespace {

void appendTextOps(std::vector<PageOp>& ops, const PageRect& r, const PrintElement& e) {
    // The cell height a third above the text height gives the width the element was sized for;
    // the preview uses it too, so that it shows the text as printed.
    const int height = roundEven(e.fieldA * 1.33);
    PageOp op = textOp(r.x, -r.top, e.text, height, e.textStyle);
    op.fitWidth = e.fieldB * 10;
    op.textElement = true;
    ops.push_back(op);
}

void appendListOps(std::vector<PageOp>& ops, const PageRect& r, const ElementSlot& s,
                   const std::vector<Component>& components) {
    const PrintElement& e = s.element;
    const int columns = e.fieldA;
    const int rows = e.fieldC;
    const int count = static_cast<int>(components.size());
    if (rows <= 0 || e.fieldB <= 0) return;
    const double scale = static_cast<double>(s.rect.width) / e.fieldB;
    const int fontHeight =
        roundEven(static_cast<double>(s.rect.height) / rows * kPageUnitsPerSheetPixel * 0.94);
    for (int k = 1; k <= columns; ++k) {
        for (int j = 1; j <= rows; ++j) {
            const int n = (k - 1) * rows + j;
            if (n > count) break;
            const Component& c = components[static_cast<std::size_t>(n - 1)];
            const int y = -(r.top + roundEven((j - 1) * fontHeight * 1.065));
            const auto columnX = [&](int i) {
                return r.x + roundEven(e.columnX[static_cast<std::size_t>(i - 1)] * scale);
            };
            ops.push_back(textOp(columnX(2 * k - 1), y, listName(c.name), fontHeight));
            ops.push_back(textOp(columnX(2 * k), y, "= " + c.valueText, fontHeight));
        }
    }
}

}  // namespace

PageOp shapeOp(PageOpKind kind, int x1, int y1, int x2, int y2, PageFill fill, int penExtra) {
    PageOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.fill = fill;
    op.penExtra = penExtra;
    return op;
}

PageOp textOp(int x, int y, std::string text, int fontHeight, int style) {
    PageOp op;
    op.kind = PageOpKind::Text;
    op.x1 = x;
    op.y1 = y;
    op.text = std::move(text);
    op.fontHeight = fontHeight;
    op.style = style;
    return op;
}

std::string listName(std::string_view name) {
    if (utf8Length(name) < 2) return std::string(name);
    return utf8Prefix(name, 1) + std::string(name.substr(utf8Prefix(name, 2).size()));
}

PageRect pageRect(const SheetRect& rect) {
    const int x = roundEven(rect.left * kPageUnitsPerSheetPixel);
    const int top = roundEven(rect.top * kPageUnitsPerSheetPixel);
    return {x, top, x + roundEven(rect.width * kPageUnitsPerSheetPixel),
            top + roundEven(rect.height * kPageUnitsPerSheetPixel)};
}

PrintPass buildPrintPass(const PrintDocument& document, const PassInputs& inputs,
                         PassTarget target) {
    PrintPass pass;
    pass.penWidth = target == PassTarget::Printer ? 2 : 1;
    for (int n = 1; n <= kElementSlots; ++n) {
        const ElementSlot& s = document.slot(n);
        const PageRect r = pageRect(s.rect);
        if (s.printed() && target == PassTarget::Preview)
            pass.ops.push_back(shapeOp(PageOpKind::Hatch, r.x, -r.top, r.right, -r.bottom));
        if (s.free() || s.state >= kPrintedStateOffset) continue;
        switch (s.element.kind) {
            case ElementKind::Schematic:
                appendSchematicOps(pass.ops, r, s.rect.width, inputs);
                break;
            case ElementKind::Text:
                appendTextOps(pass.ops, r, s.element);
                break;
            case ElementKind::ComponentList:
                appendListOps(pass.ops, r, s, inputs.components);
                break;
            case ElementKind::Curve:
            case ElementKind::Locus:
            case ElementKind::Table: {
                PageOp op = shapeOp(PageOpKind::Element, r.x, -r.top, r.right, -r.bottom);
                op.slot = n;
                op.element = s.element.kind;
                pass.ops.push_back(op);
                break;
            }
            case ElementKind::None:
                break;
        }
        pass.drawnSlots.push_back(n);
    }
    return pass;
}

void handOver(PrintDocument& document, const PrintPass& pass, bool finish) {
    for (int n : pass.drawnSlots) document.markPrinted(n);
    if (finish) document.finishPage();
}

}  // namespace volmira
