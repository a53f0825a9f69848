// The illuminated fraction of the Moon's disk: J. Meeus, Astronomical Algorithms (2nd ed.),
// chapter 48 (48.1 to 48.3), from the Moon of chapter 47 and the Sun of chapter 25
// (MoonPosition.cpp, SunPosition.cpp); TT, fraction 0..1.
//
// Accuracy against a JPL DE431-based ephemeris: the geocentric elongation in longitude of these
// positions, measured at the ephemeris' phase instants over -3200..6000 (where it is exactly a
// multiple of 90 degrees), is within 104" everywhere and 60" over 1000..3000
// (tests/astro/ReferenceTablesTest.cpp), which moves the fraction by at most half that angle
// in radians: 0.03 percentage point. The latitude and the distances enter through the
// elongation's latitude term and the phase angle; the book's positions are good to a few
// arcseconds and parts in 10^4 there, far below 0.01 point.
#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

double IlluminatedFraction(double jde) {
    constexpr double kAstronomicalUnitKm = 149597870.7;
    const MoonPosition moon = MoonAt(jde);
    const SunPosition sun = SunAt(jde);
    const double beta = moon.latitude * kDegree, beta0 = sun.latitude * kDegree;
    // 48.2, with the Sun's latitude kept: the geocentric elongation of the Moon from the Sun.
    const double cosPsi = std::sin(beta) * std::sin(beta0) +
                          std::cos(beta) * std::cos(beta0) * std::cos((moon.longitude - sun.longitude) * kDegree);
    const double psi = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPsi)));
    // 48.3: the phase angle, the Sun's distance R and the Moon's in the same unit.
    const double r = sun.distance * kAstronomicalUnitKm;
    const double phaseAngle = std::atan2(r * std::sin(psi), moon.distance - r * std::cos(psi));
    return (1.0 + std::cos(phaseAngle)) / 2.0;  // 48.1
}

}  // namespace PhaseCalc
