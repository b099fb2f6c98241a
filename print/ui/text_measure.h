#pragma once
// Text on the page: fonts are given by their cell height (ascent plus descent) in PageUnits, and
// the composer's sizes come from measurements at fixed reference sizes, independent of the
// output device.
#include <QFont>
#include <QString>
#include <string_view>

namespace volmira {

// Arial with the style bits (bold 1, italic 2, underline 4) whose cell height is `cellHeight`.
QFont pageFont(double cellHeight, int style = 0);

// A text element's reference width: Arial at 100 points on a 96-dpi screen, in pixels.
double textWidth100(const QString& text, int style);

// A component list's reference width: Arial of cell height 45, in PageUnits.
double listTextWidth(std::string_view text);

}  // namespace volmira
