#pragma once
// Where the marks of the network stand on the drawing: the 9 x 9 boxes of every cell of a branch
// path (single-frequency mode) and the one-pixel frame around a component's three cells (value
// entry), as the boxes the drawing view paints in exclusive-or.
#include <QPoint>
#include <QRect>
#include <vector>

#include "analysis/network.h"

namespace volmira {

// The cells of a branch: the start node cell, then one cell per direction digit of the path.
// A cell met twice (a branch passing one crossing twice) is listed once.
std::vector<QPoint> branchCells(const Branch& branch);

// The box of every cell of the branch.
std::vector<QRect> branchMarkBoxes(const Branch& branch);
// Four strips that do not overlap, so every frame pixel is inverted exactly once.
std::vector<QRect> componentMarkBoxes(const Component& component);

}  // namespace volmira
