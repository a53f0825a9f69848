// Equinoxes and solstices (J. Meeus, Astronomical Algorithms, chapter 27) and the AJD to CJD
// step of the lunation calendar page.
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
