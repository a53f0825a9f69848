// Eclipse types and the eclipse computation of the phasecalc library.
#pragma once
#include <cstdint>

#include "astro/phasecalc/PhaseCalcDetail.h"
#include "astro/phasecalc/phasecalc.h"

namespace PhaseCalc {

enum EclipseType : int32_t {
    kNoEclipse = 0,
    kPartialSolar = 1,
    kCentralAnnular = 2,
    kCentralTotal = 3,
    kNonCentralTotal = 4,
    kNonCentralAnnular = 5,
    kCentralHybrid = 6,     // annular-total
    kNonCentralHybrid = 7,  // annular-total, shadow axis missing the Earth
    kPenumbralLunar = 8,
    kPartialLunar = 9,
    kTotalLunar = 10,
};

// Fills the eclipse fields of r (not lunation, phase, phaseTime) for the new moon (solar) or
// the full moon whose chapter-49 arguments are args (PhaseCalc::ArgumentsAt) and whose TT
// Julian date is syzygy.
void ComputeEclipse(const PhaseArguments& args, bool solar, double syzygy, EclipseData& r);

}  // namespace PhaseCalc
