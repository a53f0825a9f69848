// Local circumstances of a solar eclipse from the topocentric places of the Sun and the Moon.
//
// Method: the Moon's place relative to the Sun must be good to about an arcsecond, while the
// series of chapter 47 is off by up to some 10" in longitude and 4" in latitude. As the
// eclipses of phasecalc do (Eclipses.cpp), the Moon is anchored to the Sun at the corrected
// syzygy, whose time (the phase time with its fitted correction, a second or two) is the moment
// their apparent longitudes agree: the Moon's longitude is shifted by the constant that makes
// it equal the Sun's (VSOP87, about 1") there, and its latitude carries the correction fitted to
// the eclipse gammas (LatitudeCorrection, 0.28" rms). Around the syzygy both places are
// interpolated (SkyTrack), seen from the observer on the WGS 84 ellipsoid (topocentric), and
// the contacts are the moments the angle between the centres equals the sum (C1, C4) or the
// difference (C2, C3) of the apparent radii: Sun 696,000 km; Moon 1,738.15 km for C1, C4,
// magnitude and obscuration, and the canons' k = 0.2722810 Earth radii (1,736.63 km) for C2,
// C3 and total against annular. Maximum: the least angle. All found by Brent's method and
// golden section to 0.01 s. This is the geometry the Besselian elements encode, taken directly.
//
// Sources: J. Meeus, Astronomical Algorithms, 2nd ed., chapters 25, 32, 47 (places), 40
// (parallax), 11 (the observer); Explanatory Supplement to the Astronomical Almanac (1992),
// chapter 8 (contacts, magnitude and obscuration at a place); F. Espenak and J. Meeus, Five
// Millennium Canon of Solar Eclipses (2006), for k and delta T.
//
// Time scales: TT for the places, UT for the Earth's rotation and the results; delta T from
// DeltaTSecondsAt.
//
// Accuracy against a JPL DE431-based ephemeris with this program's delta T
// (tests/data/local-sample.csv, 7 place-eclipses of 1999, 2017 and 2024), measured by
// tests/astro/LocalSkyTest.cpp: contacts median 0.97 s, largest 1.39 s; magnitude and
// obscuration within 0.0002; the Sun's altitude within 0.0032 degree; kind and "seen" agree.
#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/phasecalc/PhaseCalcDetail.h"
#include "astro/sky/EarthFrame.h"
#include "astro/sky/HorizonLine.h"
#include "astro/sky/LocalEclipse.h"
#include "astro/sky/Roots.h"
#include "astro/sky/SkyTrack.h"

namespace Sky {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kSunRadiusKm = 696000.0;
// The Moon's radius for C1, C4, magnitude and obscuration, km (the mean radius the ephemeris'
// contacts use), and for C2, C3 the canons' k = 0.2722810 equatorial Earth radii (6378.137 km):
// 1736.63 km, a lunar limb's valleys rather than its mean.
constexpr double kMoonRadiusKm = 1738.15;
constexpr double kMoonRadiusCentralKm = 0.2722810 * 6378.137;
constexpr double kHour = 1.0 / 24.0;
// Greatest eclipse at a place lies within a few hours of the Earth's: the penumbra takes at
// most some six hours to cross the Earth. The search spans this either side.
constexpr double kSearchDays = 4.0 * kHour;
constexpr double kSampleDays = 10.0 / 1440.0;
constexpr double kTimeTolerance = 1e-7;  // days: 0.009 s
// A local eclipse lasts at most some four hours: contacts are sought up to this far from the
// local maximum.
constexpr double kContactReach = 5.0 * kHour;

// Radians of the two discs and the angle between them, seen from the place.
struct Discs {
    double sun, moon, moonCentral, distance;
};

struct SolarGeometry {
    const SkyTrack& track;
    const Observer& observer;

    Discs At(double t) const {
        const SkyTrack::Sample s = track.At(t);
        const Horizon h = HorizonAt(observer, s.siderealTime);
        const Vec3 sun = s.sun - h.position, moon = s.moon - h.position;
        const double sunDistance = sun.Length(), moonDistance = moon.Length();
        return {std::asin(kSunRadiusKm / sunDistance), std::asin(kMoonRadiusKm / moonDistance),
                std::asin(kMoonRadiusCentralKm / moonDistance), AngleBetween(sun, moon)};
    }
    double SunAbove(double t) const {
        const SkyTrack::Sample s = track.At(t);
        return AboveHorizonLine(Body::Sun, HorizonAt(observer, s.siderealTime), s.sun);
    }
    double SunAltitude(double t) const {
        const SkyTrack::Sample s = track.At(t);
        return ApparentAltAzimuth(HorizonAt(observer, s.siderealTime), s.sun).altitude / kDegree;
    }
};

// The moment f, negative at `from`, crosses zero, stepping outward by step (either sign) until
// it does; NaN when it does not within kContactReach.
template <typename F>
double Crossing(F&& f, double from, double step) {
    double previous = from, previousValue = f(from);
    for (int i = 1; i * std::fabs(step) <= kContactReach + 1e-9; ++i) {
        const double t = from + i * step, v = f(t);
        if (v >= 0.0)
            return step < 0.0 ? FindRoot(f, t, previous, v, previousValue, kTimeTolerance)
                              : FindRoot(f, previous, t, previousValue, v, kTimeTolerance);
        previous = t;
        previousValue = v;
    }
    return kNone;
}

// The part of a disc of radius big covered by one of radius small at distance d between the
// centres (the area of the lens of two circles).
double Covered(double big, double small, double d) {
    if (d >= big + small) return 0.0;
    if (d <= std::fabs(big - small)) return small >= big ? 1.0 : (small * small) / (big * big);
    const double a = small * small * std::acos(std::clamp((d * d + small * small - big * big) / (2.0 * d * small), -1.0, 1.0));
    const double b = big * big * std::acos(std::clamp((d * d + big * big - small * small) / (2.0 * d * big), -1.0, 1.0));
    const double c = 0.5 * std::sqrt(std::fmax(0.0, (-d + small + big) * (d + small - big) * (d - small + big) * (d + small + big)));
    return (a + b - c) / (kPi * big * big);
}

// The Moon's correction that puts it on the Sun's longitude at the syzygy (TT), with the
// latitude correction of the eclipses.
MoonCorrection AnchorAt(double syzygy, double lunation) {
    const Nutation nutation = NutationAt(syzygy);
    const EclipticPlace sun = SunPlace(syzygy, nutation);
    const EclipticPlace moon = MoonPlace(syzygy, nutation);
    MoonCorrection c;
    c.longitude = std::remainder(sun.longitude - moon.longitude, 2.0 * kPi);
    c.latitude = PhaseCalc::LatitudeCorrection(lunation) * kDegree;
    return c;
}

}  // namespace

SolarLocal SolarCircumstances(const Observer& observer, const EclipseData& record) {
    SolarLocal r;
    r.c1 = r.c2 = r.max = r.c3 = r.c4 = kNone;
    r.sunAltitudeC1 = r.sunAltitudeMax = r.sunAltitudeC4 = kNone;
    r.sunrise = r.sunset = kNone;
    if (record.type < 1 || record.type > 7 || record.phase != 0 || !std::isfinite(record.greatest)) return r;
    r.valid = true;
    const double greatestTt = record.greatest;
    const double greatest = greatestTt - DeltaTSecondsAt(greatestTt) / kSecondsPerDay;  // UT
    const double reach = kSearchDays + kContactReach;
    const SkyTrack track(greatest - reach, greatest + reach, AnchorAt(record.phaseTime, record.lunation));
    const SolarGeometry g{track, observer};

    // The local maximum: the least angle between the centres, first on a coarse grid.
    auto distance = [&](double t) { return g.At(t).distance; };
    double best = greatest, bestValue = distance(greatest);
    for (double t = greatest - kSearchDays; t <= greatest + kSearchDays; t += kSampleDays) {
        const double v = distance(t);
        if (v < bestValue) {
            best = t;
            bestValue = v;
        }
    }
    const double tMax = FindMinimum(distance, best - kSampleDays, best + kSampleDays, kTimeTolerance).first;
    const Discs m = g.At(tMax);
    if (m.distance >= m.sun + m.moon) return r;  // outside the penumbra

    auto outer = [&](double t) { const Discs d = g.At(t); return d.distance - d.sun - d.moon; };
    auto inner = [&](double t) { const Discs d = g.At(t); return d.distance - std::fabs(d.sun - d.moonCentral); };
    const double c1 = Crossing(outer, tMax, -0.25 * kHour), c4 = Crossing(outer, tMax, 0.25 * kHour);
    if (!std::isfinite(c1) || !std::isfinite(c4)) return r;  // no such geometry: reported as none
    r.c1 = c1;
    r.c4 = c4;
    r.max = tMax;
    r.kind = LocalKind::Partial;
    if (m.distance < std::fabs(m.sun - m.moonCentral)) {
        r.kind = m.moonCentral > m.sun ? LocalKind::Total : LocalKind::Annular;
        r.c2 = Crossing(inner, tMax, -5.0 / 1440.0);
        r.c3 = Crossing(inner, tMax, 5.0 / 1440.0);
    }
    r.magnitude = (m.sun + m.moon - m.distance) / (2.0 * m.sun);
    r.obscuration = r.kind == LocalKind::Total ? 1.0 : Covered(m.sun, m.moon, m.distance);
    r.sunAltitudeC1 = g.SunAltitude(r.c1);
    r.sunAltitudeMax = g.SunAltitude(tMax);
    r.sunAltitudeC4 = g.SunAltitude(r.c4);

    // Seen: the Sun above its horizon line at some moment from C1 to C4 (over a few hours its
    // altitude turns at most once).
    auto above = [&](double t) { return g.SunAbove(t); };
    const Highest top = FindHighest(above, r.c1, r.c4, kTimeTolerance);
    r.visible = top.value > 0.0;
    if (r.visible && top.atStart < 0.0) r.sunrise = FindRoot(above, r.c1, top.at, top.atStart, top.value, kTimeTolerance);
    if (r.visible && top.atEnd < 0.0) r.sunset = FindRoot(above, top.at, r.c4, top.value, top.atEnd, kTimeTolerance);
    return r;
}

}  // namespace Sky
