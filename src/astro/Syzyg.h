// Lunations, principal phases and eclipses in Greenwich time, over the phasecalc library.
#pragma once
#include <cstdint>
#include <string>

#include "astro/phasecalc/phasecalc.h"

namespace Syzyg {

// Mean length of a synodic month in days.
constexpr double MeanSynodicMonth = 29.5305888531;
// GMT Julian date of the new moon that begins lunation 0 (2000-01-06), as PhaseTime gives it.
double LunationZeroNewMoon();

// delta T in minutes for a whole Common Era year.
double DeltaTForYear(int32_t year);
// delta T in minutes for the Common Era year of the day number nearest to x (halves to even);
// constant through each year. 0 for a non-finite x.
double DeltaTAt(double x);

// TT Julian date of phase k (0..3) of lunation n; fills record.
double PhaseTimeTdt(int32_t n, int k, EclipseData& record);
// GMT Julian date of phase k of lunation n (delta T taken at the TT date); fills record.
double PhaseTime(int32_t n, int k, EclipseData& record);

// The lunation n with new moon(n) <= x < new moon(n + 1), x a GMT Julian date. A non-finite x
// gives INT32_MIN; x far outside the int32 lunation range gives the nearest end of it.
int32_t LunationAt(double x);

// The latest principal phase (0..3) of lunation n at or before the GMT moment x; -1 when x is
// at or beyond the next lunation's new moon, -2 when x precedes lunation n. exact is set when
// x lies within 0.00005 day of the phase returned, cleared otherwise. Phases are compared as
// PhaseTime gives them, so x = PhaseTime(n, k) always reports k with exact set.
int GetPhase(int32_t n, double x, bool& exact);

// "Partial solar eclipse" ... "Total lunar eclipse" for types 1..10, empty otherwise.
std::string EclipseTypeText(int type);

// The Moon's apparent longitude in radians at GMT Julian date x for days 1600-01-01 to
// 2099-12-31; -99 before that range and -100 after it.
double MoonLongitude(double x);

// The illuminated fraction of the Moon's disk (0..1) at the GMT Julian date x, from the
// positions of the Moon and the Sun at every moment of the range (J. Meeus, chapter 48, in TT
// with this module's delta T; within 0.03 percentage point of the geometric fraction of a
// JPL DE431-based ephemeris over -3200..6000, phasecalc's Illumination.cpp). 0 for a
// non-finite x.
double IlluminatedFraction(double x);

}  // namespace Syzyg
