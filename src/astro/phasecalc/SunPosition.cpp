// The Sun's geometric longitude and distance: J. Meeus, Astronomical Algorithms (2nd ed.),
// chapter 25, the lower-accuracy method (mean longitude and equation of the centre), TT.
// Error about 0.01 degree in longitude and 0.0001 AU in distance; the eclipses use only its
// motion over a few hours (good to 0.1%) and its distance (parallax and apparent radius).
#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

SunPosition SunAt(double jde) {
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = ReduceDegrees(357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDegree;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                     (0.019993 - 0.000101 * t) * std::sin(2.0 * m) + 0.000289 * std::sin(3.0 * m);
    const double trueAnomaly = m + c * kDegree;
    SunPosition p;
    p.longitude = ReduceDegrees(l0 + c);
    p.distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(trueAnomaly));
    return p;
}

}  // namespace PhaseCalc
