#include "schematic/drawing_zoom.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

TEST(DrawingZoom, StepsStopAtTheirEnds) {
    EXPECT_EQ(zoomedIn(100), 125);
    EXPECT_EQ(zoomedOut(100), 75);
    EXPECT_EQ(zoomedIn(400), 400);
    EXPECT_EQ(zoomedOut(50), 50);
    EXPECT_EQ(zoomedIn(110), 125);  // between steps: the next one
    EXPECT_EQ(zoomedOut(110), 100);
}

// Where the view shows the middle of a cell, a click names that cell, at every zoom; at 100 %
// every pixel is its own image pixel.
TEST(DrawingZoom, ClicksNameTheCellShownUnderThem) {
    for (const int percent : {50, 100, 200, 300}) {
        SCOPED_TRACE(percent);
        for (int row = 1; row <= kGridRows; ++row) {
            for (int column = 1; column <= kGridColumns; ++column) {
                const GridPixel box = cellBoxTopLeft({column, row});
                for (const int inside : {0, 4, 8}) {
                    // The view pixel whose span holds this image pixel's middle.
                    const GridPixel view{((box.x + inside) * 2 + 1) * percent / 200,
                                         ((box.y + inside) * 2 + 1) * percent / 200};
                    if (percent < 100 && inside != 4) continue;  // edges merge when shrunk
                    ASSERT_EQ(cellAtPixel(imagePixelAt(view, percent)), (GridCell{column, row}))
                        << column << "," << row << " +" << inside;
                }
            }
        }
    }
    EXPECT_EQ(imagePixelAt({-1, -3}, 200), (GridPixel{-1, -2}));
    EXPECT_EQ(imagePixelAt({123, 456}, 100), (GridPixel{123, 456}));
}

}  // namespace
}  // namespace volmira
