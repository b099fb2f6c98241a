#pragma once
// The texts of the status bar: the cell under the pointer, the tool in use and the counts of
// the analysed network.
#include <string>

#include "analysis/network.h"
#include "schematic/editor.h"

namespace volmira {

// "Zeile 12, Spalte 34"; empty off the grid.
std::string cellText(GridCell cell);
// The tool of the drawing mode ("Widerstand", "Linien zeichnen", "Mauszeiger", ...).
std::string toolText(const Editor& editor);
// "4 Knoten, 6 Zweige, 3 Maschen"
std::string networkCountsText(const Network& network);

}  // namespace volmira
