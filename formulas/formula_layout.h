#pragma once
// Lays out a formula written in a small notation and writes it in the display language that the
// formula display draws (see display_language.h).
//
// Notation: plain text in bold Arial; "*" the multiplication dot; "~c" the Greek letter of the
// Symbol-font letter c; "_c" an index character; "^c" an exponent character; "{a/b}" a fraction;
// "[a]" a root. Example: "Z = {R*X/[R^2 + X^2]}".
#include <string>
#include <string_view>

namespace volmira {

struct FormulaLayout {
    std::string display;  // starts with the origin item that centres the formula in the area
    int width = 0;        // the formula's extent in pixels
    int height = 0;
};

FormulaLayout layoutFormula(std::string_view notation, int areaWidth, int areaHeight);

}  // namespace volmira
