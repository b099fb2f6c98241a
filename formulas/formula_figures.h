#pragma once
// The circuit figure of every formula: lines, boxes and style-coded labels (see
// readFigureLabel) on the figure area `fbild`.
#include <string>
#include <vector>

#include "formulas/formula_catalogue.h"

namespace volmira {

inline constexpr int kFigureWidth = 400;
inline constexpr int kFigureHeight = 230;

struct FigureLine {
    int x1, y1, x2, y2;
    int width;
};

struct FigureBox {
    int x, y, width, height;
    bool filled;  // black; otherwise a black outline on white
};

struct FigureLabel {
    int x, y;          // top-left
    std::string text;  // "DDDtext" with its style code
};

struct CircuitFigure {
    std::vector<FigureLine> lines;
    std::vector<FigureBox> boxes;
    std::vector<FigureLabel> labels;
};

// The figure of the key's formula and variant (the sought quantity does not change it).
CircuitFigure circuitFigure(const FormulaKey& key);

}  // namespace volmira
