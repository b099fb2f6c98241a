#pragma once
// The formula display language and the figure labels, read into items that a painter draws.
//
// Items (numbers are three-character fields, "-06" allowed):
//   "@" xxx "-" yyy                       origin added to every coordinate; the first one counts
//   "#" k "-" xxx "-" yyy "-" text "#"    Arial text: k 1 bold 20, 2 plain 13, 3 bold 15, 4 bold 13
//   "&" b "-" hh "-" xxx "-" yyy "-" c    Greek letter of the Symbol-font letter c, height hh,
//                                         bold when b is "1"
//   "." xxx "-" yyy                       the multiplication dot, Arial bold 20
//   "*" w "-" x1 "-" y1 "-" x2 "-" y2     a line of pen width w
//   "WRZ" w "-" x1 "-" y1 "-" x2 "-" y2   a root sign of pen width w
#include <string>
#include <string_view>
#include <vector>

namespace volmira {

struct DisplayText {
    std::string text;  // UTF-8; Greek letters already mapped to Unicode
    int x = 0;         // top-left corner
    int y = 0;
    int height = 0;
    bool bold = false;
};

struct DisplayLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
};

struct DisplayItems {
    std::vector<DisplayText> texts;  // texts and Greek letters; dots as the text "."
    std::vector<DisplayLine> lines;  // lines and the strokes of root signs
    std::string unread;              // what no item took (empty for a well-formed string)
};

// Items are taken kind by kind over the whole string (text, Greek letter, dot, line, root), each
// cut out as it is read, so that the text of one item is never read as another item.
DisplayItems readFormulaDisplay(std::string_view display);

// The Unicode text of a letter of the Symbol font ("w" is ω, "p" π, "m" µ); other characters
// stay as they are.
std::string symbolFontToUnicode(char letter);

enum class FigureColour { Black, Olive, White };

// A figure label "DDDtext": bold unless the first digit is "0"; colour by the second digit (0
// black, 1 olive, 2 white); font by the third (0 Arial 15, 1 Arial 18, 3 Wingdings 30, 4 Symbol
// 18). The text comes back in Unicode, so that one font with Greek letters and arrows draws all.
struct FigureLabelStyle {
    bool bold = false;
    FigureColour colour = FigureColour::Black;
    int height = 15;
    std::string text;
};

FigureLabelStyle readFigureLabel(std::string_view label);

}  // namespace volmira
