// The exported entry points of the phasecalc library: phase times, eclipses, delta T, the
// Moon's apparent longitude.
#include "astro/phasecalc/phasecalc.h"

#include <cmath>
#include <cstddef>

#include "astro/phasecalc/EclipseDetail.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

// The record layout is read by callers at fixed offsets.
static_assert(offsetof(EclipseData, lunation) == 0);
static_assert(offsetof(EclipseData, saros) == 8);
static_assert(offsetof(EclipseData, type) == 12);
static_assert(offsetof(EclipseData, greatest) == 24);
static_assert(offsetof(EclipseData, halfPenumbral) == 64);
static_assert(offsetof(EclipseData, halfUmbral) == 72);
static_assert(offsetof(EclipseData, halfTotal) == 80);
static_assert(sizeof(EclipseData) >= 88);

extern "C" double syzyg(int32_t lunation, int32_t phase, EclipseData* record) {
    if (phase < 0 || phase > 3 || lunation < -PHASECALC_LARGEST_LUNATION ||
        lunation > PHASECALC_LARGEST_LUNATION) {
        if (record) *record = EclipseData{lunation, phase, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        return 0.0;
    }
    const double k = lunation + 0.25 * phase;
    const PhaseCalc::PhaseArguments args = PhaseCalc::ArgumentsAt(k);
    const double t = PhaseCalc::MeeusPhaseTime(args) + PhaseCalc::PhaseCorrection(args);
    if (record) {
        *record = EclipseData{lunation, phase, 0, 0, 0, 0, 0, 0, 0, t, 0, 0, 0};
        if (phase == 0 || phase == 2) PhaseCalc::ComputeEclipse(args, phase == 0, t, *record);
    }
    return t;
}

extern "C" double deltat(double year, int32_t code) {
    if (code != PHASECALC_DELTAT_CODE || !std::isfinite(year)) return 0.0;
    return PhaseCalc::DeltaTSeconds(std::floor(year) + 0.5) / 60.0;
}

extern "C" double moonpos(double jdMinus2451545) {
    if (!std::isfinite(jdMinus2451545)) return 0.0;
    const double jdUt = jdMinus2451545 + PhaseCalc::kJ2000;
    const double jde = jdUt + PhaseCalc::DeltaTSeconds(PhaseCalc::DecimalYear(jdUt)) / 86400.0;
    const double longitude = PhaseCalc::ReduceDegrees(PhaseCalc::MoonMeanEquinoxLongitude(jde) +
                                                      PhaseCalc::NutationInLongitude(jde));
    double radians = longitude * PhaseCalc::kDegree;
    if (radians >= 2.0 * PhaseCalc::kPi) radians = 0.0;  // rounding at the top of the range
    return radians;
}
