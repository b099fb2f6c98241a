#pragma once
// Brent's methods on one real variable: the root of a function bracketed by a sign change, and
// the minimum of a function on an interval. Both take the function as a callable so that each
// step may solve a network.
#include <functional>

namespace volmira {

using RealFunction = std::function<double(double)>;

// The x in [a, b] where f changes sign, to within `tolerance` (absolute, in x). f(a) and f(b)
// are given because the caller has them already; they must not have the same sign.
double brentRoot(const RealFunction& f, double a, double b, double fa, double fb, double tolerance);

struct Minimum {
    double x = 0;
    double value = 0;
};

// The smallest value of f on [a, b] (a local minimum, or an end of the interval), x to within
// about `tolerance` (absolute).
Minimum brentMinimum(const RealFunction& f, double a, double b, double tolerance);

}  // namespace volmira
