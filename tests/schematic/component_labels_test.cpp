#include "schematic/component_labels.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "schematic/network_file.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// Every cell under each box is empty and belongs to no other box; returns how many were placed.
int checkBoxes(const SchematicGrid& grid, const std::vector<std::optional<PixelRect>>& boxes) {
    std::array<std::array<bool, kGridColumns>, kGridRows> used{};
    int placed = 0;
    for (const auto& box : boxes) {
        if (!box) continue;
        ++placed;
        const GridCell first = cellAtPixel({box->x, box->y});
        EXPECT_EQ(box->height, kPixelsPerCell);
        for (int c = first.column; c < first.column + box->width / kPixelsPerCell; ++c) {
            EXPECT_EQ(grid.at(c, first.row), kEmptyCell) << c << "," << first.row;
            EXPECT_FALSE(used[std::size_t(first.row - 1)][std::size_t(c - 1)]);
            used[std::size_t(first.row - 1)][std::size_t(c - 1)] = true;
        }
    }
    return placed;
}

TEST(ComponentLabels, NeverCoverAWireInTheExamples) {
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(VOLMIRA_SOURCE_DIR) / "examples")) {
        SCOPED_TRACE(entry.path().filename().string());
        const NetworkLoadResult loaded = loadNetworkFile(entry.path());
        ASSERT_TRUE(loaded.ok());
        std::vector<LabelRequest> requests;
        for (const StoredComponent& c : loaded.network->components)
            requests.push_back({c.column, c.row, c.code, int(5 * (4 + c.valueText.size()))});
        const int placed =
            checkBoxes(loaded.network->grid, placeLabels(loaded.network->grid, requests));
        EXPECT_GE(placed * 10, int(requests.size()) * 8);  // crowded spots may go without
    }
}

TEST(ComponentLabels, ACrowdedComponentGoesWithoutRatherThanCoverSomething) {
    SchematicGrid grid;
    test::drawRows(grid, 10, 8, {"11111", "11111", "11x11", "11111", "11111"});
    const LabelRequest wide{12, 10, 1, 40};
    EXPECT_FALSE(placeLabels(grid, std::span(&wide, 1))[0].has_value());
    grid.clear();
    test::drawRows(grid, 10, 10, {"1x1"});
    const std::array<LabelRequest, 2> twice{wide, wide};
    const auto boxes = placeLabels(grid, twice);
    EXPECT_EQ(checkBoxes(grid, boxes), 2);  // the second goes below the first
    EXPECT_EQ(boxes[0]->y + kPixelsPerCell * 2, boxes[1]->y);
}

}  // namespace
}  // namespace volmira
