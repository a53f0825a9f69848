// Apparent geocentric places of the Sun and the Moon, as vectors in km in the true equator
// and equinox of date, at a TT Julian date.
#pragma once

#include "astro/sky/EarthFrame.h"
#include "astro/sky/Vector.h"

namespace Sky {

// Ecliptic of date: apparent longitude and latitude (radians) and distance (km).
struct EclipticPlace {
    double longitude, latitude, distance;
};

// The Sun: VSOP87 (J. Meeus, Astronomical Algorithms, chapter 32 and Appendix III) turned
// into the apparent geocentric place of chapter 25's higher-accuracy method (FK5 correction,
// nutation, aberration -20.4898"/R). Measured against a JPL DE431-based ephemeris at 1000
// instants of 1600..2100 (tests/astro/SkyTest.cpp): longitude median 0.49", largest 1.34".
EclipticPlace SunPlace(double jde, const Nutation& nutation);

// A correction of the Moon's place, radians: the eclipses anchor the Moon to the Sun at the
// syzygy (LocalEclipse.cpp); zero elsewhere.
struct MoonCorrection {
    double longitude = 0.0, latitude = 0.0;
};

// The Moon: J. Meeus, chapter 47 (truncated ELP-2000/82; about 10" in longitude, 4" in
// latitude) with the nutation in longitude, plus the correction.
EclipticPlace MoonPlace(double jde, const Nutation& nutation, const MoonCorrection& correction = {});

// An ecliptic place as a vector in the true equator and equinox of date (km).
Vec3 EquatorialVector(const EclipticPlace& place, const Nutation& nutation);

}  // namespace Sky
