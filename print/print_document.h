#pragma once
// The printed page as up to 20 element slots on a miniature sheet (one sheet pixel = 1.337 mm):
// finding a slot, the size of each element kind, selecting, moving, resizing, removing and the
// paper orientation. Text widths are measured by the caller's canvas and passed in.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/symbol_list.h"

namespace volmira {

inline constexpr int kElementSlots = 20;
inline constexpr double kMillimetresPerSheetPixel = 1.337;
inline constexpr double kPageUnitsPerSheetPixel = 13.37;
inline constexpr int kPrintedStateOffset = 90;  // added to the state of a handed-over element
inline constexpr int kMinElementWidth = 12;
inline constexpr int kHandleSize = 8;

inline constexpr std::string_view kLastSlotWarning =
    "Maximale Zahl Teildokumente erreicht !\rTeildokumente werden überschrieben !";

enum class ElementKind : char {
    None = 0,
    Schematic = 'S',
    Text = 'T',
    ComponentList = 'B',
    Curve = 'F',
    Locus = 'O',
    Table = 'M',
};

enum class SlotColour { Grey, Red, Green };

// Text style bits: bold 1, italic 2, underline 4.
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
inline constexpr int kStyleUnderline = 4;

struct PrintElement {
    ElementKind kind = ElementKind::None;
    double aspect = 1.0;  // width / height at creation
    std::int16_t fieldA = 0;
    std::int16_t fieldB = 0;
    std::int16_t fieldC = 0;
    std::uint8_t textStyle = 0;
    std::string text;   // at most 100 characters
    std::string title;  // the three lines of the info box, at most 20 characters each
    std::string info1;
    std::string info2;
    std::array<std::int16_t, 6> columnX{};  // name and value offsets of the list's columns
};

struct SheetRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct ElementSlot {
    SheetRect rect;
    bool visible = false;
    SlotColour colour = SlotColour::Grey;
    int state = 0;  // 0 free, 1 resizable, 2 text; above 90 handed to the printer
    PrintElement element;

    bool free() const { return state == 0; }
    bool printed() const { return state > kPrintedStateOffset; }
    bool resizable() const { return state % kPrintedStateOffset == 1; }
};

enum class Orientation { Portrait, Landscape };

// One component of the list: its name ("R 1") and value text.
struct ComponentEntry {
    std::string name;
    std::string valueText;
};

// Width of a text on the measuring canvas, in tenths of a millimetre at the list's reference
// height (Arial, plain, height 45).
using ListTextWidth = std::function<double(std::string_view)>;

// The result of taking a slot: the slot number and whether it was the last one.
struct SlotTaken {
    int slot = 0;
    bool lastSlotWarning = false;
};

class PrintDocument {
  public:
    PrintDocument();

    const ElementSlot& slot(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }
    ElementSlot& slot(int n) { return slots_[static_cast<std::size_t>(n - 1)]; }
    int selected() const { return selected_; }  // 0: none
    Orientation orientation() const { return orientation_; }
    const SheetRect& printableArea() const { return printable_; }  // Blatt inside GBlatt
    int paperWidth() const;
    int paperHeight() const;
    // A table not yet handed to the printer: the page keeps one table's values, so a second
    // table waits until the first is on paper.
    bool hasTable() const;

    // Fits Blatt to the printer's printable size in millimetres for the current orientation.
    void fitPrintableArea(double horizontalMm, double verticalMm);
    void toggleOrientation(double horizontalMm, double verticalMm);

    // Element insertion. Each takes a slot and selects it; with all slots in use the last one
    // is overwritten.
    SlotTaken insertSchematic(const DrawingBounds& bounds);
    // `width100` is the text's width measured in Arial at size 100 with the style; an empty
    // (blank) text inserts nothing and returns slot 0.
    SlotTaken insertText(std::string_view text, int heightMm, int style, double width100);
    // Lines as text elements, each below the one before from the top left, into free slots
    // only so that no element is overwritten; when none is free, the first line takes the last
    // slot as a single text would. Gives the last slot taken (0 for none) and whether the last
    // slot was reached.
    SlotTaken insertTextLines(const std::vector<std::string>& lines, int heightMm, int style,
                              const std::function<double(std::string_view)>& width100);
    SlotTaken insertComponentList(int columns, const std::vector<ComponentEntry>& components,
                                  const ListTextWidth& width);
    SlotTaken insertCurve(ElementKind kind, int quantitySlot, std::string_view lowerFrequency,
                          std::string_view upperFrequency);
    SlotTaken insertTable(int rows, int columns, int longestLabel, int longestValue, bool withPhase,
                          std::string_view quantityName);

    // Mouse on Blatt. press returns true when it starts a drag or a resize.
    bool press(int x, int y);
    void drag(int x, int y);
    void release() { dragging_ = resizing_ = false; }
    bool resizing() const { return resizing_; }

    void select(int n);
    void moveTo(int n, int left, int top);  // pushed back inside Blatt
    void resizeTo(int n, int x);            // the handle dragged to column x
    void removeSelected();
    void clear();

    // The print job: handed-over elements are locked (state + 90, green) until the page ends.
    void markPrinted(int n);
    void finishPage();

  private:
    SlotTaken takeSlot();
    void clampInside(SheetRect& rect) const;

    std::array<ElementSlot, kElementSlots> slots_{};
    SheetRect printable_;
    Orientation orientation_ = Orientation::Portrait;
    int selected_ = 0;
    bool dragging_ = false;
    bool resizing_ = false;
    int grabX_ = 0;
    int grabY_ = 0;
};

// Round to nearest, a half to the even neighbour.
int roundEven(double v);

// The info box's text line: cut to 18 characters plus ".." when longer than 20.
std::string infoText(std::string_view text);

}  // namespace volmira
