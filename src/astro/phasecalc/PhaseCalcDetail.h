// Inner routines of the phasecalc library, shared with its tests, the fitting tool and suncalc.
#pragma once

namespace PhaseCalc {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;        // 2000-01-01 12:00 TT
constexpr double kDaysPerCentury = 36525.0;  // Julian century

// Angle in degrees reduced to [0, 360).
double ReduceDegrees(double degrees);

// Meeus chapter 49 without the secular correction: TT Julian date of the phase whose
// fractional lunation is k (integer + 0, 0.25, 0.5, 0.75).
double MeeusPhaseTime(double k);

// Correction in days that brings MeeusPhaseTime to the ephemeris (fitted, see the .cpp).
double SecularCorrection(double k);

// delta T in seconds at a decimal Gregorian year (continuous in the year).
double DeltaTSeconds(double decimalYear);

// Decimal year of a Julian date (either time scale): 2000.0 at J2000, Julian years.
double DecimalYear(double jd);

// Nutation in longitude, degrees, at a TT Julian date (Meeus chapter 22, IAU 1980).
double NutationInLongitude(double jde);

// The Moon's geometric longitude referred to the mean equinox of date, degrees in [0, 360),
// at a TT Julian date (Meeus chapter 47).
double MoonMeanEquinoxLongitude(double jde);

}  // namespace PhaseCalc
