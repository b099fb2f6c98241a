#include <gtest/gtest.h>

#include <array>
#include <string>

#include "schematic/drawing_moves.h"
#include "schematic/editor.h"

namespace volmira {
namespace {

TEST(ArrowImage, ThePressPositionPicksTheDirection) {
    struct Case {
        int x, y;
        std::optional<MoveDirection> expected;
    } cases[] = {
        {12, 22, MoveDirection::Down},  {8, 17, MoveDirection::Down},
        {22, 12, MoveDirection::Right}, {18, 8, MoveDirection::Right},
        {12, 2, MoveDirection::Up},     {16, 12, MoveDirection::Up},  // centre: up before left
        {2, 12, MoveDirection::Left},   {12, 14, MoveDirection::Left},
        {2, 2, std::nullopt},           {22, 22, std::nullopt},
        {7, 22, std::nullopt},          {17, 12, std::nullopt},
        {12, 13, MoveDirection::Left},  {12, 16, MoveDirection::Left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(arrowDirection(c.x, c.y), c.expected);
    }
}

class DrawingMoveTest : public ::testing::Test {
  protected:
    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    Editor editor{grid, undoCopy, symbols};
    std::array<Component, 3> records{};

    void SetUp() override {
        grid.clear();
        undoCopy.clear();
        records = {};
        // A resistor with its letter at (11, 20) and a vertical capacitor at (30, 41).
        stamp(grid, 1, 10, 20);
        stamp(grid, 9, 30, 40);
        records[0].row = 20, records[0].column = 11, records[0].code = 1;
        records[1].row = 41, records[1].column = 30, records[1].code = 9;
        // A record of a component that has since been erased, at the very edge.
        records[2].row = 80, records[2].column = 1, records[2].code = 7;
    }
};

TEST_F(DrawingMoveTest, EachDirectionMovesCellsSymbolsAndRecords) {
    struct Case {
        MoveDirection direction;
        int dc, dr;
    } cases[] = {{MoveDirection::Down, 0, 1},
                 {MoveDirection::Right, 1, 0},
                 {MoveDirection::Up, 0, -1},
                 {MoveDirection::Left, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.direction));
        SetUp();
        const SchematicGrid before = grid;
        const DrawingChanges changes = editor.moveDrawing(c.direction, records);
        EXPECT_TRUE(changes.changed);
        EXPECT_TRUE(changes.repaintAll);
        EXPECT_EQ(undoCopy, before);
        for (int row = 1; row <= kGridRows; ++row)
            for (int column = 1; column <= kGridColumns; ++column)
                ASSERT_EQ(grid.at(column + c.dc, row + c.dr), before.at(column, row))
                    << column << "," << row;
        ASSERT_EQ(symbols.size(), 2);
        EXPECT_EQ(symbols[0], (PlacedSymbol{static_cast<std::uint8_t>(10 + c.dc),
                                            static_cast<std::uint8_t>(20 + c.dr), 1}));
        EXPECT_EQ(records[0].column, 11 + c.dc);
        EXPECT_EQ(records[0].row, 20 + c.dr);
        EXPECT_EQ(records[1].column, 30 + c.dc);
        EXPECT_EQ(records[1].row, 41 + c.dr);
        EXPECT_EQ(records[0].code, 1);
    }
}

TEST_F(DrawingMoveTest, ARecordPushedOffTheGridNamesNoCellAnyMore) {
    editor.moveDrawing(MoveDirection::Down, records);
    EXPECT_EQ(records[2].row, 0);
    EXPECT_EQ(records[2].column, 0);
    editor.moveDrawing(MoveDirection::Right, records);
    EXPECT_EQ(records[2].row, 0);
    EXPECT_EQ(records[2].column, 0);
    EXPECT_EQ(records[0].column, 12);
    EXPECT_EQ(records[0].row, 21);
}

TEST_F(DrawingMoveTest, AMoveThatWouldPushSomethingOverTheEdgeChangesNothing) {
    struct Case {
        MoveDirection direction;
        int column, row;  // something at the edge that the move would push out
    } cases[] = {{MoveDirection::Up, 50, 1},
                 {MoveDirection::Down, 50, 80},
                 {MoveDirection::Right, 100, 40},
                 {MoveDirection::Left, 1, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.direction));
        SetUp();
        grid.set(c.column, c.row, '2');
        undoCopy.clear();
        const SchematicGrid before = grid;
        const auto recordsBefore = records;
        const DrawingChanges changes = editor.moveDrawing(c.direction, records);
        EXPECT_FALSE(changes.changed);
        EXPECT_FALSE(changes.repaintAll);
        EXPECT_EQ(grid, before);
        EXPECT_TRUE(undoCopy.empty());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].row, recordsBefore[i].row);
            EXPECT_EQ(records[i].column, recordsBefore[i].column);
        }
    }
}

}  // namespace
}  // namespace volmira
