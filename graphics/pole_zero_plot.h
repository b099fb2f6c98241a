#pragma once
// The pole-zero plot as geometry: the complex s-plane (1/s) with one scale on both axes, the
// origin and the axes' ticks in pixels, and a cross per pole and a circle per zero.
#include <vector>

#include "analysis/poles_zeros.h"
#include "graphics/nice_ticks.h"

namespace volmira {

struct PoleZeroMark {
    int x = 0;
    int y = 0;
    bool pole = true;
    bool cancelled = false;
};

struct AxisTick {
    int position = 0;  // pixel column (real axis) or row (imaginary axis)
    std::string label;
};

struct PoleZeroPlotModel {
    int width = 0;
    int height = 0;
    int originX = 0;
    int originY = 0;
    std::vector<AxisTick> realTicks;
    std::vector<AxisTick> imaginaryTicks;
    std::vector<PoleZeroMark> marks;
};

// Lays out a plot of `width` x `height` pixels that holds every pole and zero with a margin;
// the left half-plane gets the room when nothing lies right of the imaginary axis.
PoleZeroPlotModel layoutPoleZeroPlot(const PolesAndZeros& result, int width, int height);

}  // namespace volmira
