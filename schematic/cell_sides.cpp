#include "schematic/cell_sides.h"

#include <string_view>

namespace volmira {

bool isWireCell(char c) {
    return std::string_view("1234567BCDEFGH").find(c) != std::string_view::npos;
}

int cellSides(const SchematicGrid& grid, int column, int row) {
    if (!SchematicGrid::inside(column, row)) return 0;
    switch (grid.at(column, row)) {
        case '1':
        case 'H':
            return kSideLeft | kSideRight;
        case '2':
        case 'G':
            return kSideUp | kSideDown;
        case '7':
        case 'B':
            return kAllSides;
        case '3':
            return kSideDown | kSideRight;
        case '4':
            return kSideDown | kSideLeft;
        case '5':
            return kSideUp | kSideRight;
        case '6':
            return kSideUp | kSideLeft;
        case 'C':
            return kSideDown | kSideLeft | kSideRight;
        case 'D':
            return kSideUp | kSideDown | kSideLeft;
        case 'E':
            return kSideUp | kSideDown | kSideRight;
        case 'F':
            return kSideUp | kSideLeft | kSideRight;
        case 'I':
            return kSideUp;
        case 'J':
            return kSideRight;
        case 'K':
            return kSideLeft;
        case 'A':
            return grid.at(column + 1, row) == '1' ? kSideLeft | kSideRight : kSideUp | kSideDown;
        default:
            return 0;
    }
}

bool isComponentBody(char c) {
    return c == 'x' || c == 'y' || c == 'z';
}

bool neighbourConnects(const SchematicGrid& grid, int column, int row, int side) {
    // A component body passes straight on in whatever way it is entered.
    do {
        column = sideColumn(column, side);
        row = sideRow(row, side);
    } while (SchematicGrid::inside(column, row) && isComponentBody(grid.at(column, row)));
    return (cellSides(grid, column, row) & oppositeSide(side)) != 0;
}

int wireCodeForSides(int sides) {
    switch (sides) {
        case kSideLeft | kSideRight:
        case kSideLeft:
        case kSideRight:
            return 4;  // "1"
        case kSideUp | kSideDown:
        case kSideUp:
        case kSideDown:
            return 10;  // "2"
        case kSideDown | kSideRight:
            return 40;  // "3"
        case kSideDown | kSideLeft:
            return 41;  // "4"
        case kSideUp | kSideRight:
            return 42;  // "5"
        case kSideUp | kSideLeft:
            return 43;  // "6"
        case kAllSides:
            return 44;  // "B"
        case kSideDown | kSideLeft | kSideRight:
            return 45;  // "C"
        case kSideUp | kSideDown | kSideLeft:
            return 46;  // "D"
        case kSideUp | kSideDown | kSideRight:
            return 47;  // "E"
        case kSideUp | kSideLeft | kSideRight:
            return 48;  // "F"
        default:
            return 0;
    }
}

}  // namespace volmira
