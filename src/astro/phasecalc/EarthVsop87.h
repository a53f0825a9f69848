// The Earth's heliocentric ecliptic coordinates from VSOP87 as truncated by J. Meeus (TT).
#pragma once

namespace Vsop87 {

// A cos(B + C tau), tau in Julian millennia from J2000.
struct Term {
    double a, b, c;
};
struct Series {
    const Term* terms;
    int count;
};
// L0..L5, B0..B1, R0..R4 (EarthVsop87Terms.cpp); the series of power i is multiplied by tau^i.
extern const Series kLongitude[6];
extern const Series kLatitude[2];
extern const Series kRadius[5];

// The Earth's heliocentric longitude and latitude (radians, dynamical ecliptic and equinox of
// date) and its distance from the Sun (AU) at a TT Julian date.
struct Heliocentric {
    double longitude, latitude, radius;
};
Heliocentric EarthAt(double jde);

}  // namespace Vsop87
