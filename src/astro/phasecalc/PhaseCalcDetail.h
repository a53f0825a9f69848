// Inner routines of the phasecalc library, shared with its tests, the fitting tool and suncalc.
#pragma once

namespace PhaseCalc {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;        // 2000-01-01 12:00 TT
constexpr double kDaysPerCentury = 36525.0;  // Julian century

// Angle in degrees reduced to [0, 360).
double ReduceDegrees(double degrees);

// The mean arguments of chapter 49 at fractional lunation k, angles in radians.
struct PhaseArguments {
    double t;       // Julian centuries from 2000 (k / 1236.85)
    double e;       // eccentricity factor of the Earth's orbit
    double m;       // the Sun's mean anomaly
    double mPrime;  // the Moon's mean anomaly
    double f;       // the Moon's argument of latitude
    double omega;   // longitude of the Moon's ascending node
};
PhaseArguments ArgumentsAt(double k);

// Meeus chapter 49 without the secular correction: TT Julian date of the phase whose
// fractional lunation is k (integer + 0, 0.25, 0.5, 0.75).
double MeeusPhaseTime(double k);

// Correction in days that brings MeeusPhaseTime to the ephemeris (fitted, see the .cpp);
// phase 0..3 is the one of k (k - floor(k) = phase / 4).
double SecularCorrection(double k);

// The terms of the fitted correction, for each phase: powers tau^0..tau^kPolynomialDegree
// (tau = k / 12368.5, millennia from 2000), then for each argument of kCorrectionArguments
// tau^j sin(argument), tau^j cos(argument) for j = 1..kArgumentDegree. The fitting tool
// and SecularCorrection share this definition.
constexpr int kPolynomialDegree = 4;
constexpr int kArgumentDegree = 2;
constexpr int kArgumentCount = 4;  // M', M, 2M', 2F
constexpr int kCorrectionTerms = kPolynomialDegree + 1 + kArgumentCount * kArgumentDegree * 2;
// Fills basis[0..kCorrectionTerms) at fractional lunation k.
void CorrectionBasis(double k, double* basis);

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
