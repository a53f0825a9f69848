// Equinoxes and solstices (J. Meeus, Astronomical Algorithms, chapter 27, refined on the Sun's
// VSOP87 longitude of Appendix III with the IAU 2006 precession; TT) and the AJD to CJD step of
// the lunation calendar page.
//
// Accuracy of the March equinox of every tenth year against a JPL DE431-based ephemeris
// (tests/astro/ReferenceTablesTest.cpp, tests/data/equinox.csv), TT: 1600..2100 median 2.7 s,
// largest 8.7 s; 1000..3000 median 4.2 s, largest 16.7 s; -3200..6000 median 29 s, largest
// 6 minutes (362 s at -3190: the truncated VSOP87 drifts away from 2000). The book's series
// alone were 101 s off within 1000..3000 and 52 minutes at 5990.
#pragma once
#include <cstdint>

namespace SolEq {

constexpr double TwoPi = 6.28318530717959;

// TT Julian date of event (0 March equinox, 1 June solstice, 2 September equinox, any other
// value December solstice) of the Gregorian year.
double SeasonStartTdt(int event, int32_t year);
// The same in GMT: minus the delta T of the whole year.
double SeasonStart(int event, int32_t year);
// GMT Julian date of the March equinox of the year.
double MarchEquinox(int32_t year);

}  // namespace SolEq
