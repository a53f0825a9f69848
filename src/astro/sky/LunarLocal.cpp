// A lunar eclipse seen from a place: the Moon's altitude at the contacts and whether the
// eclipse is seen.
//
// Method: the contacts are those of the eclipse list (phasecalc's greatest eclipse and
// half-durations, Eclipses.cpp: the same everywhere on the Earth). At each, the Moon's
// topocentric apparent altitude (J. Meeus, Astronomical Algorithms, 2nd ed., chapters 47, 40,
// 13 and 16: chapter 47's 10" are a thousandth of a degree). Seen: the Moon's geocentric
// altitude above its rise/set horizon line (HorizonLine.h) at some moment of the umbral phase,
// or of the penumbral phase for a penumbral eclipse, found from a sampling and golden section.
//
// Time scales: UT contacts as the list gives them, TT for the Moon's place with delta T from
// DeltaTSecondsAt. Accuracy against a JPL DE431-based ephemeris with this program's delta T
// (tests/data/local-sample.csv, 2 place-eclipses, tests/astro/LocalSkyTest.cpp): "seen" agrees;
// the Moon's altitude within 0.013 degree at the list's contacts (up to 4 s from the
// ephemeris' there), within 0.0008 degree at the same instants.
#include <cmath>
#include <limits>

#include "astro/sky/EarthFrame.h"
#include "astro/sky/HorizonLine.h"
#include "astro/sky/LocalEclipse.h"
#include "astro/sky/Roots.h"
#include "astro/sky/SkyTrack.h"

namespace Sky {

namespace {
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kTimeTolerance = 1e-7;  // days: 0.009 s
}  // namespace

LunarLocal LunarCircumstances(const Observer& observer, const EclipseData& record, double greatestUt) {
    LunarLocal r;
    for (int i = 0; i < 7; ++i) r.contacts[i] = r.moonAltitude[i] = kNone;
    r.moonrise = r.moonset = kNone;
    if (record.type < 8 || record.type > 10 || !std::isfinite(greatestUt)) return r;
    r.valid = true;
    const double minute = 1.0 / 1440.0;
    const double half[7] = {-record.halfPenumbral, -record.halfUmbral, -record.halfTotal, 0.0,
                            record.halfTotal,      record.halfUmbral,  record.halfPenumbral};
    const bool present[7] = {true, record.type >= 9, record.type == 10, true, record.type == 10, record.type >= 9, true};
    const double from = greatestUt - record.halfPenumbral * minute, to = greatestUt + record.halfPenumbral * minute;
    const SkyTrack track(from, to);
    auto horizonAt = [&](double t, SkyTrack::Sample& s) {
        s = track.At(t);
        return HorizonAt(observer, s.siderealTime);
    };
    for (int i = 0; i < 7; ++i) {
        if (!present[i]) continue;
        r.contacts[i] = greatestUt + half[i] * minute;
        SkyTrack::Sample s;
        const Horizon h = horizonAt(r.contacts[i], s);
        r.moonAltitude[i] = ApparentAltAzimuth(h, s.moon).altitude / kDegree;
    }

    // The deciding phase: umbral, or penumbral for a penumbral eclipse.
    const double start = record.type >= 9 ? r.contacts[U1] : r.contacts[P1];
    const double end = record.type >= 9 ? r.contacts[U4] : r.contacts[P4];
    auto above = [&](double t) {
        SkyTrack::Sample s;
        const Horizon h = horizonAt(t, s);
        return AboveHorizonLine(Body::Moon, h, s.moon);
    };
    const Highest top = FindHighest(above, start, end, kTimeTolerance);
    r.visible = top.value > 0.0;
    if (r.visible && top.atStart < 0.0) r.moonrise = FindRoot(above, start, top.at, top.atStart, top.value, kTimeTolerance);
    if (r.visible && top.atEnd < 0.0) r.moonset = FindRoot(above, top.at, end, top.value, top.atEnd, kTimeTolerance);
    return r;
}

}  // namespace Sky
