#pragma once
// The cyan exclusive-or marks on the drawing image: the cells of a branch path (single-frequency
// mode) and the frame around a component's three cells (value entry). Drawing a mark a second
// time removes it, so the owner remembers what is shown.
#include <QImage>
#include <QPoint>
#include <vector>

#include "analysis/network.h"

namespace volmira {

// The cells of a branch: the start node cell, then one cell per direction digit of the path.
// A cell met twice (a branch passing one crossing twice) is listed once.
std::vector<QPoint> branchCells(const Branch& branch);

// Exclusive-or of cyan over the 9 x 9 box of every cell of the branch.
void xorBranchPath(QImage& image, const Branch& branch);
// Exclusive-or of a one-pixel cyan frame around the three cells of the component.
void xorComponentFrame(QImage& image, const Component& component);

class NetworkHighlight {
  public:
    // Moves the branch mark to `branch` (0: none). Branch numbers outside the network draw nothing.
    void showBranch(QImage& image, const Network& network, int branch);
    // Moves the component mark to `component` (0: none; only 1..80 are drawn).
    void showComponent(QImage& image, const Network& network, int component);
    int branch() const { return branch_; }
    int component() const { return component_; }
    // The image was repainted from the drawing, so no mark is on it any more.
    void forget() { branch_ = component_ = 0; }

  private:
    int branch_ = 0;
    int component_ = 0;
};

}  // namespace volmira
