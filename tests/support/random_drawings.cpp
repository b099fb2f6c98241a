#include "support/random_drawings.h"

#include "support/test_drawings.h"

namespace volmira::test {
namespace {

// A random component: resistors most often.
int randomPart(std::mt19937& random, bool vertical) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(random);
    return (roll < 50 ? 1 : roll < 75 ? 2 : 3) + (vertical ? 6 : 0);
}

void randomMarks(std::mt19937& random, LatticePlan& plan) {
    std::bernoulli_distribution half(0.5);
    for (int i = 0; i < plan.columns; ++i)
        for (int j = 0; j < plan.rows; ++j) {
            plan.nodeMark[i][j] = half(random);
            plan.partLower[i][j] = half(random);
        }
}

}  // namespace

SchematicGrid drawLattice(const LatticePlan& plan) {
    Sketch s;
    drawRows(s.grid(), 2, 2, {"3111", "2", "A", "2", "2", "5111"});
    for (int j = 0; j < plan.rows; ++j) {
        for (int i = 0; i < plan.columns; ++i) {
            const int c = 6 + 4 * i, r = 2 + 5 * j;
            if (plan.right[i][j]) {
                s.horizontalWire(r, c + 1, c + 3);
                if (const int part = plan.rightPart[i][j]) s.put(part, c + 1, r);
            }
            if (plan.down[i][j]) {
                s.verticalWire(c, r + 1, r + 4);
                if (const int part = plan.downPart[i][j])
                    s.put(part, c, r + 1 + plan.partLower[i][j]);
            }
            const bool stub = plan.ground[i][j] && !plan.down[i][j];
            if (stub) s.put(code::ground, c, r + 1);
            const bool up = j > 0 && plan.down[i][j - 1];
            const bool left = (i > 0 && plan.right[i - 1][j]) || (i == 0 && j <= 1);
            // The cell joining the point's sides, by up, left, right and down.
            char cell = "00J3K41CI25E6DFB"[up * 8 + left * 4 + plan.right[i][j] * 2 +
                                           (plan.down[i][j] || stub)];
            if (plan.nodeMark[i][j] && (cell == '1' || cell == '2')) cell = cell == '1' ? 'H' : 'G';
            s.grid().set(c, r, cell);
        }
    }
    return s.grid();
}

LatticePlan randomLattice(std::mt19937& random) {
    std::uniform_int_distribution<int> columnsOf(2, 6), rowsOf(2, 5), percent(0, 99);
    LatticePlan plan;
    plan.columns = columnsOf(random);
    plan.rows = rowsOf(random);
    for (int j = 0; j < plan.rows; ++j)
        for (int i = 0; i < plan.columns; ++i) {
            plan.right[i][j] = i + 1 < plan.columns && percent(random) < 70;
            plan.down[i][j] = j + 1 < plan.rows && percent(random) < 70;
            plan.ground[i][j] = !plan.down[i][j] && percent(random) < 20;
            if (percent(random) < 60) plan.rightPart[i][j] = randomPart(random, false);
            if (percent(random) < 60) plan.downPart[i][j] = randomPart(random, true);
        }
    randomMarks(random, plan);
    return plan;
}

LatticePlan randomLadder(std::mt19937& random) {
    std::uniform_int_distribution<int> sectionsOf(1, 12), percent(0, 99);
    LatticePlan plan;
    plan.columns = sectionsOf(random) + 1;
    plan.rows = 2;
    const int groundMarks = percent(random) % 4;  // none, one or several, anywhere on the rail
    for (int i = 0; i < plan.columns; ++i) {
        const bool last = i + 1 == plan.columns;
        plan.right[i][0] = plan.right[i][1] = !last;
        if (!last) plan.rightPart[i][0] = randomPart(random, false);
        if (i > 0) {
            plan.down[i][0] = true;
            plan.downPart[i][0] = randomPart(random, true);
        }
    }
    for (int g = 0; g < groundMarks; ++g) plan.ground[percent(random) % plan.columns][1] = true;
    randomMarks(random, plan);
    return plan;
}

LatticePlan groundedRailLadder(int sections) {
    LatticePlan plan;
    plan.columns = sections + 1;
    for (int i = 0; i < sections; ++i) {
        plan.right[i][0] = plan.right[i][1] = true;
        plan.rightPart[i][0] = 1 + i % 2;
        plan.down[i + 1][0] = true;
        plan.downPart[i + 1][0] = (sections == 1 ? 1 : 1 + i % 3) + 6;
    }
    plan.ground[0][1] = plan.ground[sections][1] = true;
    if (sections >= 3) plan.ground[sections / 2][1] = true;
    return plan;
}

LatticePlan resistorGrid(int columns, int rows) {
    LatticePlan plan;
    plan.columns = columns;
    plan.rows = rows;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            plan.right[i][j] = i + 1 < columns;
            plan.down[i][j] = j + 1 < rows;
            plan.rightPart[i][j] = code::resistor;
            plan.downPart[i][j] = code::verticalResistor;
        }
    return plan;
}

}  // namespace volmira::test
