// The Earth's heliocentric position from the VSOP87 series of J. Meeus, Astronomical
// Algorithms, 2nd ed., chapter 32 and Appendix III, TT. The book gives its truncation as good
// to about 1" near 2000; the Sun built on it is within 1.34" of the ephemeris over 1600..2100
// (tests/astro/SkyTest.cpp).
#include "astro/phasecalc/EarthVsop87.h"

#include <cmath>

namespace Vsop87 {

namespace {

double Sum(const Series* series, int powers, double tau) {
    double total = 0.0, power = 1.0;
    for (int i = 0; i < powers; ++i) {
        double s = 0.0;
        for (int j = 0; j < series[i].count; ++j) {
            const Term& t = series[i].terms[j];
            s += t.a * std::cos(t.b + t.c * tau);
        }
        total += s * power;
        power *= tau;
    }
    return total * 1e-8;
}

}  // namespace

Heliocentric EarthAt(double jde) {
    const double tau = (jde - 2451545.0) / 365250.0;
    Heliocentric h;
    h.longitude = Sum(kLongitude, 6, tau);
    h.latitude = Sum(kLatitude, 2, tau);
    h.radius = Sum(kRadius, 5, tau);
    return h;
}

}  // namespace Vsop87
