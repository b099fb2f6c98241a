#include "print/print_document.h"

#include <algorithm>
#include <cmath>

#include "print/quantity_list.h"
#include "schematic/text_file.h"

namespace volmira {

namespace {

constexpr int kPortraitPaperWidth = 157;
constexpr int kPortraitPaperHeight = 222;
constexpr int kMaxTextCharacters = 100;
constexpr int kMaxInfoCharacters = 20;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

int roundEven(double v) {
    return static_cast<int>(std::nearbyint(v));  // the default rounding mode: half to even
}

std::string infoText(std::string_view text) {
    if (utf8Length(text) <= kMaxInfoCharacters) return std::string(text);
    return utf8Prefix(text, kMaxInfoCharacters - 2) + "..";
}

PrintDocument::PrintDocument() {
    fitPrintableArea(210, 297);
}

int PrintDocument::paperWidth() const {
    return orientation_ == Orientation::Portrait ? kPortraitPaperWidth : kPortraitPaperHeight;
}

int PrintDocument::paperHeight() const {
    return orientation_ == Orientation::Portrait ? kPortraitPaperHeight : kPortraitPaperWidth;
}

bool PrintDocument::hasTable() const {
    return std::any_of(slots_.begin(), slots_.end(), [](const ElementSlot& s) {
        return !s.free() && !s.printed() && s.element.kind == ElementKind::Table;
    });
}

void PrintDocument::fitPrintableArea(double horizontalMm, double verticalMm) {
    const bool portrait = orientation_ == Orientation::Portrait;
    const double paperWidthMm = portrait ? 210 : 297;
    const double paperHeightMm = portrait ? 297 : 210;
    printable_.width = roundEven(horizontalMm / paperWidthMm * paperWidth());
    printable_.height = roundEven(verticalMm / paperHeightMm * paperHeight());
    printable_.left = (paperWidth() - printable_.width) / 2;
    printable_.top = (paperHeight() - printable_.height) / 2 - 1;
}

void PrintDocument::toggleOrientation(double horizontalMm, double verticalMm) {
    orientation_ =
        orientation_ == Orientation::Portrait ? Orientation::Landscape : Orientation::Portrait;
    fitPrintableArea(horizontalMm, verticalMm);
}

SlotTaken PrintDocument::takeSlot() {
    for (auto& s : slots_)
        if (s.colour == SlotColour::Red) s.colour = SlotColour::Grey;
    int n = kElementSlots;  // all in use: the last slot is overwritten
    for (int i = 1; i <= kElementSlots; ++i) {
        if (slot(i).free()) {
            n = i;
            break;
        }
    }
    ElementSlot& s = slot(n);
    s.rect.left = 1;
    s.rect.top = 1;
    s.visible = true;
    s.colour = SlotColour::Red;
    s.state = 1;
    s.element = PrintElement{};
    return {n, n == kElementSlots};
}

SlotTaken PrintDocument::insertSchematic(const DrawingBounds& bounds) {
    const SlotTaken taken = takeSlot();
    ElementSlot& s = slot(taken.slot);
    s.rect.width = roundEven((bounds.maxColumn - bounds.minColumn + 3) * 1.89);
    s.rect.height = roundEven((bounds.maxRow - bounds.minRow + 3) * 1.89);
    s.element.kind = ElementKind::Schematic;
    s.element.aspect = static_cast<double>(s.rect.width) / s.rect.height;
    s.element.title = "Schaltbild";
    select(taken.slot);
    return taken;
}

SlotTaken PrintDocument::insertText(std::string_view text, int heightMm, int style,
                                    double width100) {
    const std::string content = trimmed(text);
    if (content.empty()) return {};
    const SlotTaken taken = takeSlot();
    ElementSlot& s = slot(taken.slot);
    const int widthMm = roundEven(width100 / 16 * heightMm / 7);
    s.rect.width = roundEven(widthMm / kMillimetresPerSheetPixel);
    s.rect.height = std::max(3, roundEven(heightMm / kMillimetresPerSheetPixel));
    s.state = 2;
    PrintElement& e = s.element;
    e.kind = ElementKind::Text;
    e.fieldA = static_cast<std::int16_t>(heightMm * 10);
    e.fieldB = static_cast<std::int16_t>(widthMm);
    e.fieldC = static_cast<std::int16_t>(style & 7);
    e.textStyle = static_cast<std::uint8_t>(style & 7);
    e.text = utf8Prefix(text, kMaxTextCharacters);
    e.title = "Text";
    e.info2 = infoText(e.text);
    select(taken.slot);
    return taken;
}

SlotTaken PrintDocument::insertTextLines(const std::vector<std::string>& lines, int heightMm,
                                         int style,
                                         const std::function<double(std::string_view)>& width100) {
    int room = 0;
    for (const ElementSlot& s : slots_) room += s.free();
    room = std::max(room, 1);
    SlotTaken last;
    int top = 1;
    for (const std::string& line : lines) {
        if (room == 0) break;
        const SlotTaken taken = insertText(line, heightMm, style, width100(line));
        if (taken.slot == 0) continue;
        --room;
        moveTo(taken.slot, 1, top);
        top = slot(taken.slot).rect.bottom();
        last = {taken.slot, last.lastSlotWarning || taken.lastSlotWarning};
    }
    return last;
}

SlotTaken PrintDocument::insertComponentList(int columns,
                                             const std::vector<ComponentEntry>& components,
                                             const ListTextWidth& width) {
    const int c = std::clamp(columns, 1, 3);
    const int count = static_cast<int>(components.size());
    const int rows = (count + c - 1) / c;
    std::array<double, 3> nameWidth{};
    std::array<double, 3> valueWidth{};
    for (int column = 1; column <= c; ++column) {
        for (int row = 1; row <= rows; ++row) {
            const int k = (column - 1) * rows + row;
            if (k > count) break;
            const ComponentEntry& entry = components[static_cast<std::size_t>(k - 1)];
            auto i = static_cast<std::size_t>(column - 1);
            nameWidth[i] = std::max(nameWidth[i], width("i" + entry.name));
            valueWidth[i] = std::max(valueWidth[i], width("= " + entry.valueText));
        }
    }
    const double gap = width("XXX");
    const double x1 = nameWidth[0];
    const double x2 = x1 + valueWidth[0] + gap;
    const double x3 = x2 + nameWidth[1];
    const double x4 = x3 + valueWidth[1] + gap;
    const double x5 = x4 + nameWidth[2];
    double total = (c - 1) * gap;
    for (int i = 0; i < c; ++i)
        total += nameWidth[static_cast<std::size_t>(i)] + valueWidth[static_cast<std::size_t>(i)];

    const SlotTaken taken = takeSlot();
    ElementSlot& s = slot(taken.slot);
    s.rect.width = std::max(1, roundEven(total / kPageUnitsPerSheetPixel));
    s.rect.height = std::max(1, roundEven(rows * 3.2));
    PrintElement& e = s.element;
    e.kind = ElementKind::ComponentList;
    e.aspect = static_cast<double>(s.rect.width) / s.rect.height;
    e.fieldA = static_cast<std::int16_t>(c);
    e.fieldB = static_cast<std::int16_t>(s.rect.width);
    e.fieldC = static_cast<std::int16_t>(rows);
    e.columnX = {0,
                 static_cast<std::int16_t>(roundEven(x1)),
                 static_cast<std::int16_t>(roundEven(x2)),
                 static_cast<std::int16_t>(roundEven(x3)),
                 static_cast<std::int16_t>(roundEven(x4)),
                 static_cast<std::int16_t>(roundEven(x5))};
    e.title = "Bauteilliste";
    e.info1 = std::to_string(c) + " Spalte(n)";
    select(taken.slot);
    return taken;
}

SlotTaken PrintDocument::insertCurve(ElementKind kind, int quantitySlot,
                                     std::string_view lowerFrequency,
                                     std::string_view upperFrequency) {
    const SlotTaken taken = takeSlot();
    ElementSlot& s = slot(taken.slot);
    s.rect.width = 111;
    s.rect.height = 74;
    PrintElement& e = s.element;
    e.kind = kind;
    e.aspect = 1.5;
    e.fieldA = static_cast<std::int16_t>(quantitySlot);
    e.title = utf8Prefix(std::string(kind == ElementKind::Locus ? "Ok: " : "Fg: ") +
                             std::string(quantityName(quantitySlot)),
                         kMaxInfoCharacters);
    e.info1 = utf8Prefix("fu: " + std::string(lowerFrequency), kMaxInfoCharacters);
    e.info2 = utf8Prefix("fo: " + std::string(upperFrequency), kMaxInfoCharacters);
    select(taken.slot);
    return taken;
}

SlotTaken PrintDocument::insertTable(int rows, int columns, int longestLabel, int longestValue,
                                     bool withPhase, std::string_view quantity) {
    const SlotTaken taken = takeSlot();
    ElementSlot& s = slot(taken.slot);
    s.rect.width = roundEven((columns * (longestValue + 3) * 1.4 + (longestLabel + 4) * 2) * 0.72);
    s.rect.height = (rows + 1) * 6 + (withPhase ? rows * 3 : 0);
    PrintElement& e = s.element;
    e.kind = ElementKind::Table;
    e.aspect = static_cast<double>(s.rect.width) / s.rect.height;
    e.fieldA = static_cast<std::int16_t>(rows);
    e.fieldB = static_cast<std::int16_t>(columns);
    e.title = "Frequenztabelle";
    e.info1 = utf8Prefix(quantity, kMaxInfoCharacters);
    select(taken.slot);
    return taken;
}

bool PrintDocument::press(int x, int y) {
    int candidate = 0;
    for (int n = 1; n <= kElementSlots; ++n) {
        const ElementSlot& s = slot(n);
        if (!s.visible || x < s.rect.left || x > s.rect.right() || y < s.rect.top ||
            y > s.rect.bottom())
            continue;
        candidate = n;
        if (n == selected_) break;  // the selected one wins among overlapping rectangles
    }
    if (candidate == 0) return false;
    ElementSlot& s = slot(candidate);
    if (candidate == selected_ && s.resizable() && !s.printed() &&
        x > s.rect.right() - kHandleSize && x < s.rect.right() &&
        y > s.rect.bottom() - kHandleSize && y < s.rect.bottom()) {
        resizing_ = true;
        return true;
    }
    grabX_ = x - s.rect.left;
    grabY_ = y - s.rect.top;
    select(candidate);
    dragging_ = true;
    return true;
}

void PrintDocument::drag(int x, int y) {
    if (selected_ == 0) return;
    x = std::min(x, printable_.width);
    y = std::min(y, printable_.height);
    if (resizing_)
        resizeTo(selected_, x);
    else if (dragging_)
        moveTo(selected_, x - grabX_, y - grabY_);
}

void PrintDocument::select(int n) {
    for (auto& s : slots_)
        if (s.colour == SlotColour::Red) s.colour = SlotColour::Grey;
    selected_ = n;
    if (n != 0 && !slot(n).printed()) slot(n).colour = SlotColour::Red;
}

void PrintDocument::clampInside(SheetRect& rect) const {
    rect.left = std::max(0, std::min(rect.left, printable_.width - rect.width));
    rect.top = std::max(0, std::min(rect.top, printable_.height - rect.height));
}

void PrintDocument::moveTo(int n, int left, int top) {
    ElementSlot& s = slot(n);
    if (s.printed()) return;
    s.rect.left = left;
    s.rect.top = top;
    clampInside(s.rect);
    select(n);
}

void PrintDocument::resizeTo(int n, int x) {
    ElementSlot& s = slot(n);
    if (s.printed() || !s.resizable()) return;
    x = std::min(x, printable_.width);
    s.rect.width = std::max(kMinElementWidth, x - s.rect.left + 4);
    s.rect.height = roundEven(s.rect.width / s.element.aspect);
    select(n);
}

void PrintDocument::removeSelected() {
    for (auto& s : slots_) {
        if (s.colour != SlotColour::Red) continue;
        s.visible = false;
        s.state = 0;
        s.colour = SlotColour::Grey;
    }
    selected_ = 0;
}

void PrintDocument::clear() {
    for (auto& s : slots_) {
        s.visible = false;
        s.state = 0;
        s.colour = SlotColour::Grey;
    }
    selected_ = 0;
}

void PrintDocument::markPrinted(int n) {
    ElementSlot& s = slot(n);
    if (s.free() || s.printed()) return;
    s.state += kPrintedStateOffset;
    s.colour = SlotColour::Green;
}

void PrintDocument::finishPage() {
    for (auto& s : slots_) {
        if (!s.printed()) continue;
        s.state -= kPrintedStateOffset;
        s.colour = SlotColour::Grey;
    }
}

}  // namespace volmira
