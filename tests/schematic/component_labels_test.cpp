#include "schematic/component_labels.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "schematic/network_file.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// Every cell under each place is empty and belongs to no other place; returns how many were
// placed.
int checkPlaces(const SchematicGrid& grid, const std::vector<std::optional<LabelCells>>& places,
                int rows) {
    std::array<std::array<bool, kGridColumns>, kGridRows> used{};
    int placed = 0;
    for (const auto& place : places) {
        if (!place) continue;
        ++placed;
        EXPECT_EQ(place->rows, rows);
        for (int r = place->row; r < place->row + place->rows; ++r)
            for (int c = place->column; c < place->column + place->columns; ++c) {
                EXPECT_TRUE(SchematicGrid::inside(c, r)) << c << "," << r;
                EXPECT_EQ(grid.at(c, r), kEmptyCell) << c << "," << r;
                EXPECT_FALSE(used[std::size_t(r - 1)][std::size_t(c - 1)]);
                used[std::size_t(r - 1)][std::size_t(c - 1)] = true;
            }
    }
    return placed;
}

// The drawing's one-row labels and the miniature's two-row ones on its smaller cells.
TEST(ComponentLabels, NeverCoverAWireInTheExamples) {
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(VOLMIRA_SOURCE_DIR) / "examples")) {
        SCOPED_TRACE(entry.path().filename().string());
        const NetworkLoadResult loaded = loadNetworkFile(entry.path());
        ASSERT_TRUE(loaded.ok());
        std::vector<LabelRequest> requests;
        for (const StoredComponent& c : loaded.network->components)
            requests.push_back({c.column, c.row, c.code, int(5 * (4 + c.valueText.size()))});
        const SchematicGrid& grid = loaded.network->grid;
        const int placed = checkPlaces(grid, placeLabelCells(grid, requests, 9, 1), 1);
        EXPECT_GE(placed * 10, int(requests.size()) * 8);  // crowded spots may go without
        checkPlaces(grid, placeLabelCells(grid, requests, 5, 2), 2);
    }
}

TEST(ComponentLabels, ACrowdedComponentGoesWithoutRatherThanCoverSomething) {
    SchematicGrid grid;
    test::drawRows(grid, 10, 8, {"11111", "11111", "11x11", "11111", "11111"});
    const LabelRequest wide{12, 10, 1, 40};
    EXPECT_FALSE(placeLabelCells(grid, std::span(&wide, 1), 9, 1)[0].has_value());
    grid.clear();
    test::drawRows(grid, 10, 10, {"1x1"});
    const std::array<LabelRequest, 2> twice{wide, wide};
    const auto places = placeLabelCells(grid, twice, 9, 1);
    EXPECT_EQ(checkPlaces(grid, places, 1), 2);  // the second goes below the first
    EXPECT_EQ(places[0]->row + 2, places[1]->row);
}

TEST(ComponentLabels, KeepOffTheSourceCircleAndTheAmplifierTriangle) {
    SchematicGrid grid;
    // Left of the resistor only the cells beside the source are free.
    test::drawRows(grid, 10, 8, {"2000", "2002", "A00x", "2002", "2000"});
    test::drawRows(grid, 14, 8, {"22", "22", "22", "22", "22"});
    const LabelRequest beside{13, 10, 7, 12};
    EXPECT_FALSE(placeLabelCells(grid, std::span(&beside, 1), 9, 1)[0].has_value());

    grid.clear();
    test::drawRows(grid, 10, 10, {"00000", "11400", "002#J", "116<0", "00000", "01x10"});
    const LabelRequest below{12, 15, 1, 20};
    const auto place = placeLabelCells(grid, std::span(&below, 1), 9, 1)[0];
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->row, 16);  // not in the triangle's empty bottom row
}

TEST(ComponentLabels, TallLabelsTouchTheirComponentAndStayInsideTheGrid) {
    SchematicGrid grid;
    test::drawRows(grid, 10, 10, {"1x1"});
    const LabelRequest horizontal{11, 10, 1, 40};
    // 40 + 2 pixels on 5-pixel cells: nine columns; the two rows end just above the wire.
    const auto above = placeLabelCells(grid, std::span(&horizontal, 1), 5, 2)[0];
    ASSERT_TRUE(above.has_value());
    EXPECT_EQ(above->columns, 9);
    EXPECT_EQ(above->row + above->rows, 10);

    grid.clear();
    test::drawRows(grid, 1, 10, {"1x1"});
    const LabelRequest atTheTop{11, 1, 1, 40};
    const auto below = placeLabelCells(grid, std::span(&atTheTop, 1), 5, 2)[0];
    ASSERT_TRUE(below.has_value());
    EXPECT_EQ(below->row, 2);

    grid.clear();
    test::drawRows(grid, 10, 9, {"2", "x", "2"});
    const LabelRequest vertical{10, 10, 7, 40};
    const auto beside = placeLabelCells(grid, std::span(&vertical, 1), 5, 2)[0];
    ASSERT_TRUE(beside.has_value());
    EXPECT_EQ(beside->column, 11);
    EXPECT_EQ(beside->row, 10);  // from the letter's row down
}

}  // namespace
}  // namespace volmira
