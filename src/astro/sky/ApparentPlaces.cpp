// Apparent geocentric places of the Sun and the Moon (J. Meeus, Astronomical Algorithms,
// 2nd ed., chapters 25, 32 and 47), TT; angles in radians, distances in km.
#include "astro/sky/ApparentPlaces.h"

#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"
#include "astro/phasecalc/EarthVsop87.h"

namespace Sky {

namespace {
constexpr double kAstronomicalUnitKm = 149597870.7;
// The constant of aberration in arcseconds (chapter 25: -20.4898" / R for the Sun).
constexpr double kAberration = 20.4898;
}  // namespace

EclipticPlace SunPlace(double jde, const Nutation& nutation) {
    const Vsop87::Heliocentric earth = Vsop87::EarthAt(jde);
    const double t = (jde - PhaseCalc::kJ2000) / PhaseCalc::kDaysPerCentury;
    // Geocentric: the Earth seen from the Sun, turned round; then from VSOP87's dynamical
    // ecliptic to the FK5 system (chapter 32: -0.09033" in longitude, a small term in latitude).
    const double longitude = earth.longitude + kPi;
    const double latitude = -earth.latitude;
    const double lambdaPrime = longitude - (1.397 * t + 0.00031 * t * t) * kDegree;
    const double dLatitude = 0.03916 * (std::cos(lambdaPrime) - std::sin(lambdaPrime)) * kArcsecond;
    EclipticPlace p;
    p.longitude = longitude - 0.09033 * kArcsecond + nutation.longitude - kAberration / earth.radius * kArcsecond;
    p.latitude = latitude + dLatitude;
    p.distance = earth.radius * kAstronomicalUnitKm;
    return p;
}

EclipticPlace MoonPlace(double jde, const Nutation& nutation, const MoonCorrection& correction) {
    const PhaseCalc::MoonPosition moon = PhaseCalc::MoonAt(jde);
    EclipticPlace p;
    p.longitude = moon.longitude * kDegree + nutation.longitude + correction.longitude;
    p.latitude = moon.latitude * kDegree + correction.latitude;
    p.distance = moon.distance;
    return p;
}

Vec3 EquatorialVector(const EclipticPlace& place, const Nutation& nutation) {
    const double cb = std::cos(place.latitude), sb = std::sin(place.latitude);
    const double x = place.distance * cb * std::cos(place.longitude);
    const double y = place.distance * cb * std::sin(place.longitude);
    const double z = place.distance * sb;
    const double ce = std::cos(nutation.trueObliquity), se = std::sin(nutation.trueObliquity);
    return {x, y * ce - z * se, y * se + z * ce};
}

}  // namespace Sky
