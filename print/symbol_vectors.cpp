#include "print/symbol_vectors.h"

namespace volmira {

std::string_view symbolVector(int code, bool directCurrent) {
    switch (code) {
        case 1:
            return " 04642 D4K42 61D70";
        case 2:
            return " 04K42 61D71";
        case 3:
            return " 04;42 ?4K42 ;1=71 ?1A71";
        case 4:
            return " 04942";
        case 5:
            return directCurrent ? " 40472 4L4T2 7@0@2 7C0C2" : " 40472 4L4T2 6>0D2 -A0D2 9A6>2";
        case 6:
            return directCurrent ? " 04742 L4T42 E2>22 E5>52" : " 04742 L4T42 D1>72 ;4>72 G4D12";
        case 7:
            return " 40462 4D4K2 167D0";
        case 8:
            return " 404K2 167D1";
        case 9:
            return " 404:2 4?4K2 1;7=1 1?7A1";
        case 10:
            return " 40492";
        case 11:
            return " 40492 04942";
        case 25:
            return " :?@?2 =<=B2 :M@M2 767V2 76XF2 7VXF2 04742 04742 X4]42";
        case 26:
            return " :?@?2 =J=P2 :M@M2 767V2 76XF2 7VXF2 04742 04742 X4]42";
        case 27:
            return " L?R?2 O<OB2 LMRM2 U6UV2 U64F2 UV4F2 U4]42 U4]42 /4442";
        case 28:
            return " L?R?2 OJOP2 LMRM2 U6UV2 U64F2 UV4F2 U4]42 U4]42 /4442";
        case 29:
            return " 04B42";
        case 30:
            return " 04K42";
        case 31:
            return " 04T42";
        case 33:
            return " 404B2";
        case 34:
            return " 404T2";
        case 40:
            return " 44492 44942";
        case 41:
            return " 04442 44492";
        case 42:
            return " 40442 44942";
        case 43:
            return " 04442 40442";
        case 44:
            return " 40492 04942";
        case 45:
            return " 04942 44492";
        case 46:
            return " 04442 40492";
        case 47:
            return " 44942 40492";
        case 48:
            return " 04942 40442";
        case 49:
            return " 04861 40452";
        case 50:
            return " 04942";
        case 51:
            return " 40492";
        default:
            return {};
    }
}

std::vector<VectorStroke> decodeVector(std::string_view vector) {
    std::vector<VectorStroke> strokes;
    for (std::size_t i = 0; i + 6 <= vector.size(); i += 6) {
        const auto c = [&](std::size_t k) { return static_cast<int>(vector[i + k]) - 48; };
        const int op = c(5);
        strokes.push_back({c(1), c(2), c(3), c(4),
                           op == 0   ? VectorOp::WhiteBody
                           : op == 1 ? VectorOp::BlackBody
                                     : VectorOp::Line,
                           static_cast<int>(i / 6)});
    }
    return strokes;
}

}  // namespace volmira
