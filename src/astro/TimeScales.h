// The two time scales of a moment, kept apart by type: Greenwich (universal) time, in which the
// program shows and takes every moment as an astronomical Julian date, and dynamical time (TT),
// in which the ephemeris library computes. They differ by delta T (Espenak and Meeus 2006,
// taken for the whole Common Era year of the date; Syzyg::DeltaTAt).
#pragma once

#include "astro/phasecalc/phasecalc.h"

struct UtMoment {
    double ajd;  // astronomical Julian date, Greenwich time
};
struct TtMoment {
    double jde;  // Julian ephemeris date, dynamical time
};

namespace TimeScales {

// Dynamical to Greenwich time, with delta T taken at the dynamical date (as every time the
// ephemeris library gives is converted).
UtMoment ToUt(TtMoment moment);
// Greenwich to dynamical time, with delta T taken at the Greenwich date.
TtMoment ToTt(UtMoment moment);
// The greatest eclipse of an eclipse record in Greenwich time.
inline UtMoment GreatestEclipse(const EclipseData& record) { return ToUt({record.greatest}); }

}  // namespace TimeScales
