#pragma once
// The two hint lines under the drawing that tell the user what to do in each working mode.
#include <string>

namespace volmira {

struct HintLines {
    std::string first;
    std::string second;
};

// Modes 1 to 4; any other value gives two empty lines.
HintLines hintLines(int mode);
// While the line tool is on in mode 1.
HintLines lineToolHintLines();

}  // namespace volmira
