#pragma once
// The help topics on paper: the chosen pages one below the other, a page never split across
// sheets, in tenths of a millimetre from the top-left corner of the printable area.
#include <string_view>
#include <vector>

#include "help/help_pages.h"

namespace volmira {

struct PrintedHelpLine {
    std::string_view text;
    bool bold = false;
    int top = 0;
    int fontHeight = 0;
};

using HelpSheet = std::vector<PrintedHelpLine>;

// Topic pages first..last on sheets `sheetHeight` high. Empty when the range is not 1..13 in
// order or a sheet cannot hold the longest page.
std::vector<HelpSheet> helpSheets(int first, int last, int sheetHeight);

}  // namespace volmira
