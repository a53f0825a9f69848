// The Sun's apparent longitude of higher accuracy: the Earth's heliocentric longitude and
// distance of VSOP87 (P. Bretagnon and G. Francou, 1988) in the truncated form of J. Meeus,
// Astronomical Algorithms (2nd ed.), Appendix III, reduced to the FK5 system and corrected for
// nutation (chapter 22) and aberration as in chapter 25 (25.9 and 25.10); TT, degrees.
//
// Accuracy against a JPL DE431-based ephemeris: see SolEq.cpp, whose equinoxes and solstices
// it gives (the equinox instants measured by tests/astro/ReferenceTablesTest.cpp).
#include <cmath>

#include "astro/phasecalc/EarthVsop87.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

double SunApparentLongitude(double jde) {
    const Vsop87::Heliocentric earth = Vsop87::EarthAt(jde);
    const double l = earth.longitude, r = earth.radius;
    // Geocentric: the Earth's longitude plus half a turn; -0.09033" to the FK5 system (25.9);
    // the nutation in longitude; the annual aberration, 20.4898" at 1 AU (25.10).
    const double geometric = l / kDegree + 180.0 - 0.09033 / 3600.0;
    // VSOP87's equinox of date moves with the IAU 1976 general precession in longitude (J. H.
    // Lieske et al. 1977: 5029.0966" t + 1.11113" t^2), the ephemeris' with the IAU 2006 one
    // (N. Capitaine et al. 2003: 5028.796195" t + 1.1054348" t^2); their difference, t in
    // Julian centuries, is 0.3" a century, 7 s of the equinoxes' time. (Their higher powers,
    // tried as well, make the ends of -3200..6000 worse.)
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double precession = (-0.300405 - 0.0056952 * t) * t / 3600.0;
    return ReduceDegrees(geometric + precession + NutationInLongitude(jde) - 20.4898 / 3600.0 / r);
}

}  // namespace PhaseCalc
