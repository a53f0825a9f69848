// Delta T, obliquity, nutation and sidereal time (J. Meeus, Astronomical Algorithms, 2nd ed.,
// chapters 12 and 22); UT for the sidereal time, TT for the rest.
#include "astro/sky/EarthFrame.h"

#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace Sky {

double DeltaTSecondsAt(double jdUt) { return PhaseCalc::DeltaTSeconds(PhaseCalc::DecimalYear(jdUt)); }

double TtOfUt(double jdUt) { return jdUt + DeltaTSecondsAt(jdUt) / kSecondsPerDay; }

Nutation NutationAt(double jde) {
    const double t = (jde - PhaseCalc::kJ2000) / PhaseCalc::kDaysPerCentury;
    // Mean longitudes of the Sun and the Moon and the longitude of the Moon's node, degrees.
    const double sun = 280.4665 + 36000.7698 * t;
    const double moon = 218.3165 + 481267.8813 * t;
    const double node = 125.04452 - 1934.136261 * t;
    const double dEpsilon = 9.20 * std::cos(node * kDegree) + 0.57 * std::cos(2.0 * sun * kDegree) +
                            0.10 * std::cos(2.0 * moon * kDegree) - 0.09 * std::cos(2.0 * node * kDegree);
    // Laskar's mean obliquity in arcseconds, u in units of 10000 Julian years.
    const double u = t / 100.0;
    const double mean =
        84381.448 +
        u * (-4680.93 +
             u * (-1.55 + u * (1999.25 + u * (-51.38 + u * (-249.67 + u * (-39.05 + u * (7.12 + u * (27.87 + u * (5.79 + u * 2.45)))))))));
    Nutation n;
    n.longitude = PhaseCalc::NutationInLongitude(jde) * kDegree;
    n.obliquity = dEpsilon * kArcsecond;
    n.trueObliquity = mean * kArcsecond + n.obliquity;
    return n;
}

double MeanSiderealTime(double jdUt) {
    const double d = jdUt - PhaseCalc::kJ2000;
    const double t = d / PhaseCalc::kDaysPerCentury;
    // 360.98564736629 degrees a day: the whole days make whole turns, so only the day's
    // fraction and the 0.98564736629 degrees a day count, which keeps the precision far from 2000.
    const double turns = 0.98564736629 * d / 360.0 + (d - std::floor(d));
    const double degrees = 280.46061837 + 360.0 * (turns - std::floor(turns)) + t * t * (0.000387933 - t / 38710000.0);
    double radians = std::fmod(degrees * kDegree, 2.0 * kPi);
    if (radians < 0.0) radians += 2.0 * kPi;
    return radians;
}

double EquationOfEquinoxes(const Nutation& nutation) {
    return nutation.longitude * std::cos(nutation.trueObliquity);
}

}  // namespace Sky
