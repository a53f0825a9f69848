// Root and extremum search on a bracket for the smooth functions of time of the sky (altitudes,
// hour angles, distances between the Sun and the Moon).
#pragma once
#include <cmath>
#include <utility>

namespace Sky {

// A root of f in [a, b] where fa = f(a) and fb = f(b) differ in sign (or one is zero), to
// within tolerance in the argument: R. P. Brent's method (inverse quadratic interpolation
// guarded by bisection), which never leaves the bracket.
template <typename F>
double FindRoot(F&& f, double a, double b, double fa, double fb, double tolerance) {
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    double c = a, fc = fa, d = b - a, e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b; b = c; c = a;
            fa = fb; fb = fc; fc = fa;
        }
        const double tol = 2.0 * 1e-16 * std::fabs(b) + 0.5 * tolerance;
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol || fb == 0.0) return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            double p, q, r;
            const double s = fb / fa;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                q = fa / fc;
                r = fb / fc;
                p = s * (2.0 * m * q * (q - r) - (b - a) * (r - 1.0));
                q = (q - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) q = -q;
            else p = -p;
            if (2.0 * p < std::fmin(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

// The argument in [a, b] where f is least, and the value there, to within tolerance: golden
// section search (f unimodal on the bracket).
template <typename F>
std::pair<double, double> FindMinimum(F&& f, double a, double b, double tolerance) {
    constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt 5) / 2
    double x1 = a + kGolden * (b - a), x2 = b - kGolden * (b - a);
    double f1 = f(x1), f2 = f(x2);
    while (b - a > tolerance) {
        if (f1 < f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = a + kGolden * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = b - kGolden * (b - a);
            f2 = f(x2);
        }
    }
    return f1 < f2 ? std::pair{x1, f1} : std::pair{x2, f2};
}

// The greatest value of f on [a, b], with the values at both ends: f sampled at 24 points and
// the best refined by golden section; for functions with at most one turning point inside
// (an altitude over a few hours).
struct Highest {
    double at, value;
    double atStart, atEnd;  // f(a), f(b)
};
template <typename F>
Highest FindHighest(F&& f, double a, double b, double tolerance) {
    constexpr int kSteps = 24;
    Highest h{a, f(a), 0.0, 0.0};
    h.atStart = h.value;
    h.atEnd = f(b);
    double peak = a, peakValue = h.value;
    const double step = (b - a) / kSteps;
    for (int i = 1; i < kSteps; ++i) {
        const double t = a + step * i, v = f(t);
        if (v > peakValue) {
            peak = t;
            peakValue = v;
        }
    }
    const auto top = FindMinimum([&](double t) { return -f(t); }, std::fmax(a, peak - step), std::fmin(b, peak + step),
                                 tolerance);
    h.at = top.first;
    h.value = -top.second;
    if (peakValue > h.value) h.at = peak, h.value = peakValue;
    if (h.atEnd > h.value) h.at = b, h.value = h.atEnd;
    return h;
}

}  // namespace Sky
