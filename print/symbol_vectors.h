#pragma once
// The printed symbols as vector strings: groups of six characters (a blank, x1, y1, x2, y2 and an
// operation), coordinates in ninths of a grid cell from the cell corner, y downward.
#include <string_view>
#include <vector>

namespace volmira {

enum class VectorOp { WhiteBody, BlackBody, Line };

struct VectorStroke {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    VectorOp op = VectorOp::Line;
    int group = 0;  // 0-based position in the string (the op-amp leads are groups 6..8)
};

// The vector string of a symbol code; the source's strings depend on direct current.
// Empty for codes that draw nothing.
std::string_view symbolVector(int code, bool directCurrent);

// Decodes a vector string; a coordinate is the character's code minus 48.
std::vector<VectorStroke> decodeVector(std::string_view vector);

}  // namespace volmira
