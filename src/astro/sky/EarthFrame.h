// The frame of date and the Earth's rotation: delta T, the obliquity of the ecliptic, the
// nutation, and the Greenwich apparent sidereal time.
#pragma once

namespace Sky {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;
constexpr double kSecondsPerDay = 86400.0;

// delta T in seconds at a UT Julian date: the Espenak-Meeus (2006) expressions of phasecalc at
// the decimal year of the date, continuous in time.
double DeltaTSecondsAt(double jdUt);
// The TT Julian date of a UT one.
double TtOfUt(double jdUt);

// Nutation in longitude and obliquity and the true obliquity of the ecliptic, radians, at a TT
// Julian date. Longitude: the IAU 1980 series of J. Meeus, Astronomical Algorithms, chapter 22
// (phasecalc); obliquity: the chapter's short form (0.1"); mean obliquity: J. Laskar's
// expression 22.3 (0.01" over 1000 years, a few arcseconds at 10000).
struct Nutation {
    double longitude, obliquity, trueObliquity;
};
Nutation NutationAt(double jde);

// Greenwich mean sidereal time in radians [0, 2 pi) at a UT Julian date (J. Meeus, chapter 12,
// expression 12.4).
double MeanSiderealTime(double jdUt);
// The equation of the equinoxes, dpsi cos(epsilon), radians: apparent minus mean sidereal time.
double EquationOfEquinoxes(const Nutation& nutation);

}  // namespace Sky
