// Each eclipse seen from a place: the local circumstances of a solar eclipse (contacts,
// magnitude, obscuration, the Sun's altitude) and the Moon's altitude at the contacts of a
// lunar eclipse, with whether the eclipse is seen at all.
//
// Time scales: UT Julian dates out; the geometry is computed in TT with delta T from
// DeltaTSecondsAt. Method, sources and measured accuracy (solar contacts within 1.4 s of a
// JPL DE431-based ephemeris): SolarLocal.cpp and LunarLocal.cpp.
#pragma once
#include <cstdint>

#include "astro/phasecalc/phasecalc.h"
#include "astro/sky/Observer.h"

namespace Sky {

// The eclipse at the place as if the Earth were transparent.
enum class LocalKind { None, Partial, Annular, Total };

struct SolarLocal {
    bool valid = false;    // false when the record is no solar eclipse
    bool visible = false;  // the Sun above its rise/set horizon line at some moment from C1 to C4
    LocalKind kind = LocalKind::None;
    // Contacts and maximum (least distance between the centres), UT Julian dates; NaN where
    // there is none (C2 and C3 outside an annular or total path, all of them for None).
    double c1, c2, max, c3, c4;
    double magnitude = 0.0;    // (rSun + rMoon - distance) / (2 rSun) at maximum; 0 for None
    double obscuration = 0.0;  // the part of the Sun's disc covered at maximum; 1 when total
    // The Sun's apparent altitude in degrees at C1, maximum and C4 (NaN with the contact).
    double sunAltitudeC1, sunAltitudeMax, sunAltitudeC4;
    // The moments the Sun crosses its rise/set horizon line between C1 and C4 (NaN if none).
    double sunrise, sunset;
};

// record: the record of a new moon from syzyg (phase 0), its type 1..7.
SolarLocal SolarCircumstances(const Observer& observer, const EclipseData& record);

struct LunarLocal {
    bool valid = false;    // false when the record is no lunar eclipse
    bool visible = false;  // the Moon above its horizon line at some moment of the umbral phase
                           // (of the penumbral phase for a penumbral eclipse)
    // P1, U1, U2, greatest eclipse, U3, U4, P4 as UT Julian dates (NaN where the type has
    // none): the eclipse list's greatest eclipse less and plus its half-durations.
    double contacts[7];
    double moonAltitude[7];  // the Moon's apparent altitude in degrees at each (NaN with it)
    // The moments the Moon crosses its horizon line during the phase that decides "seen".
    double moonrise, moonset;
};
enum LunarContact { P1, U1, U2, Greatest, U3, U4, P4 };

// record: the record of a full moon from syzyg (phase 2), type 8..10; greatestUt its greatest
// eclipse in UT as the eclipse list converts it.
LunarLocal LunarCircumstances(const Observer& observer, const EclipseData& record, double greatestUt);

}  // namespace Sky
