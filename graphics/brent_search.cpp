#include "graphics/brent_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace volmira {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr int kMaxSteps = 200;

}  // namespace

double brentRoot(const RealFunction& f, double a, double b, double fa, double fb,
                 double tolerance) {
    if (fa == 0) return a;
    if (fb == 0) return b;
    double c = a, fc = fa, d = b - a, e = d;
    for (int step = 0; step < kMaxSteps; ++step) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * kEpsilon * std::fabs(b) + 0.5 * tolerance;
        const double middle = 0.5 * (c - b);
        if (std::fabs(middle) <= tol || fb == 0) return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            // Secant or inverse quadratic interpolation, taken when it stays well inside.
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * middle * s;
                q = 1 - s;
            } else {
                const double r = fb / fc, t = fa / fc;
                p = s * (2 * middle * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * middle * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = middle;
            }
        } else {
            d = e = middle;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (middle > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

Minimum brentMinimum(const RealFunction& f, double a, double b, double tolerance) {
    constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt 5) / 2
    double x = a + kGolden * (b - a), w = x, v = x;
    double fx = f(x), fw = fx, fv = fx;
    double d = 0, e = 0;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double middle = 0.5 * (a + b);
        const double tol1 = std::sqrt(kEpsilon) * std::fabs(x) + tolerance / 3;
        const double tol2 = 2 * tol1;
        if (std::fabs(x - middle) <= tol2 - 0.5 * (b - a)) break;
        bool golden = true;
        if (std::fabs(e) > tol1) {
            // A parabola through x, w and v, taken when its step is small and stays inside.
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) p = -p;
            q = std::fabs(q);
            r = e;
            e = d;
            if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                if (u - a < tol2 || b - u < tol2) d = x < middle ? tol1 : -tol1;
                golden = false;
            }
        }
        if (golden) {
            e = (x < middle ? b : a) - x;
            d = kGolden * e;
        }
        const double u = x + (std::fabs(d) >= tol1 ? d : (d > 0 ? tol1 : -tol1));
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, fx};
}

}  // namespace volmira
