#include "support/random_drawings.h"

#include "support/test_drawings.h"

namespace volmira::test {
namespace {

int px(int i) {
    return 6 + 4 * i;
}
int py(int j) {
    return 2 + 5 * j;
}

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
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .put(code::cornerUpRight, 2, 7)
        .horizontalWire(2, 3, 5)
        .horizontalWire(7, 3, 5);
    for (int j = 0; j < plan.rows; ++j) {
        for (int i = 0; i < plan.columns; ++i) {
            const int c = px(i), r = py(j);
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
            const bool rightSide = plan.right[i][j];
            const bool downSide = plan.down[i][j] || stub;
            const int sides = up + left + rightSide + downSide;
            char cell = '0';
            if (sides == 4)
                cell = 'B';
            else if (sides == 3)
                cell = !up ? 'C' : !rightSide ? 'D' : !left ? 'E' : 'F';
            else if (sides == 2) {
                if (left && rightSide)
                    cell = plan.nodeMark[i][j] ? 'H' : '1';
                else if (up && downSide)
                    cell = plan.nodeMark[i][j] ? 'G' : '2';
                else if (rightSide && downSide)
                    cell = '3';
                else if (left && downSide)
                    cell = '4';
                else if (up && rightSide)
                    cell = '5';
                else
                    cell = '6';
            } else if (sides == 1) {
                cell = up ? 'I' : rightSide ? 'J' : left ? 'K' : '0';
            }
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
    const int kinds[] = {1, 2, 3};
    for (int i = 0; i < sections; ++i) {
        plan.right[i][0] = plan.right[i][1] = true;
        plan.rightPart[i][0] = kinds[i % 2];
        plan.down[i + 1][0] = true;
        plan.downPart[i + 1][0] = (sections == 1 ? 1 : kinds[i % 3]) + 6;
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
