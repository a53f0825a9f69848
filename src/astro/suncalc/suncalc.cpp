// The Sun's apparent longitude: J. Meeus, Astronomical Algorithms (2nd ed.), chapter 25, TT
// inside, UT at the interface.
#include "astro/suncalc/suncalc.h"

#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

extern "C" double sun_app(double jd, double* unused) {
    using namespace PhaseCalc;
    if (!std::isfinite(jd)) {
        if (unused) *unused = 0.0;
        return 0.0;
    }
    const double jde = jd + DeltaTSeconds(DecimalYear(jd)) / 86400.0;
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double l0 = ReduceDegrees(280.46646 + 36000.76983 * t + 0.0003032 * t * t);
    const double m = ReduceDegrees(357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDegree;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                     (0.019993 - 0.000101 * t) * std::sin(2.0 * m) + 0.000289 * std::sin(3.0 * m);
    const double trueLongitude = l0 + c;
    const double trueAnomaly = m + c * kDegree;
    if (unused) *unused = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(trueAnomaly));
    // Nutation and aberration in the book's short form: -0.00569 degree of aberration and
    // -0.00478 sin(Omega) of nutation, Omega the longitude of the Moon's ascending node.
    const double omega = (125.04 - 1934.136 * t) * kDegree;
    double radians = ReduceDegrees(trueLongitude - 0.00569 - 0.00478 * std::sin(omega)) * kDegree;
    if (radians >= 2.0 * kPi) radians = 0.0;
    return radians;
}
