// The Sun's geometric longitude and distance: J. Meeus, Astronomical Algorithms (2nd ed.),
// chapter 25, the lower-accuracy method (mean longitude and equation of the centre), TT.
// Error about 0.01 degree in longitude and 0.0001 AU in distance; the eclipses use only its
// motion over a few hours (good to 0.1%) and its distance (parallax and apparent radius).
// Its latitude, below an arcsecond but a shift of the shadow axis that moves grazing
// contacts, is the Earth's heliocentric latitude of VSOP87 (the terms of J. Meeus,
// Appendix III, table for the Earth, B0 and B1) with the sign reversed.
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
    // VSOP87 terms A cos(B + C tau), tau in Julian millennia, A in 1e-8 radian.
    const double tau = t / 10.0;
    const double b0 = 280.0 * std::cos(3.199 + 84334.662 * tau) + 102.0 * std::cos(5.422 + 5507.553 * tau) +
                      80.0 * std::cos(3.88 + 5223.69 * tau) + 44.0 * std::cos(3.70 + 2352.87 * tau) +
                      32.0 * std::cos(4.00 + 1577.34 * tau);
    const double b1 = 9.0 * std::cos(3.90 + 5507.55 * tau) + 6.0 * std::cos(1.73 + 5223.69 * tau);
    p.latitude = -(b0 + b1 * tau) * 1e-8 / kDegree;
    return p;
}

}  // namespace PhaseCalc
