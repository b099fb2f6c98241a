#pragma once
// The frequency range of a sweep and the frequency of each of its 897 points (0..896). In the
// normal view the user's range fills the middle half, points 224..672, and the range is widened
// by half its width on each side; the large view shows the user's range on points 1..896.
namespace volmira {

inline constexpr int kSweepLastPoint = 896;
inline constexpr int kNormalFirstPoint = 224;
inline constexpr int kNormalLastPoint = 672;

struct SweepRange {
    bool set = false;  // bounds derived; until then no point has a frequency
    double fMin = 0;   // the user's range
    double fMax = 0;
    double fMinExt = 0;  // bounds of the logarithmic axis
    double fMaxExt = 0;
    double fMinLin = 0;  // bounds of the linear axis
    double fMaxLin = 0;
    double ratioPerPoint = 1;  // frequency ratio of neighbouring points on the logarithmic axis
    int firstPoint = 0;        // the point window now drawn
    int lastPoint = 0;
    bool largeView = false;
};

// The bounds for the user's range fMin..fMax (Hz). Both must be finite and above 0, and the
// widened range must be representable (which the input checks' 1 uHz to 1 THz ensure by far),
// else the range stays unset.
SweepRange DeriveBounds(double fMin, double fMax, bool largeView);

// The frequency of point i; 0 while the range is unset (such a point is not computed). On the
// linear axis the widened range can reach below 0 Hz: those points are not computed either.
double pointFrequency(const SweepRange& range, int point, bool logarithmic);

}  // namespace volmira
