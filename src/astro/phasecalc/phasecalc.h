/* phasecalc: times of the Moon's principal phases, eclipses at new and full moon, delta T and
 * the Moon's apparent longitude, as a C-callable library.
 *
 * Time scales: syzyg works in TT (terrestrial time) Julian dates; moonpos takes a UT (GMT)
 * Julian date and converts it with this library's delta T. Angles are radians.
 *
 * Methods and accuracy measured by tests/astro against a JPL DE431-based ephemeris (TT):
 * - Phase times: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 49, with Meeus's k
 *   as the lunation number, plus a correction fitted to the ephemeris by
 *   tools/fit_phase_correction.cpp (PhaseCorrection.cpp): a Fourier series in the chapter's
 *   arguments, the planets' mean longitudes and twelve slow angles that a frequency analysis
 *   of the rest finds (the Venus terms of 230..300 years among them), with amplitudes
 *   polynomial in the time, and a Chebyshev series for the secular drift (the book's series
 *   alone is 22 s off near 2000 and drifts by 6.5 minutes at -3200), and over 1000..3000
 *   (fading out by 900 and 3100) a second series fitted to what the first leaves there.
 *   Error cross-validated over every even lunation of -3200..6000 (four folds, each lunation
 *   predicted by a fit that never saw it; tools/fit_phase_correction.cpp --cross-validate):
 *   median 0.23 s, 99th percentile 0.87 s, largest 1.30 s over 1600..2100; 0.21, 0.84 and
 *   1.59 s over 1000..3000; 0.33, 1.52 and 3.27 s anywhere. On the odd lunations 4n + 3 of
 *   1900..2100, which no fit saw: median 0.36 s, largest 1.81 s.
 * - Eclipses: from the geometry around the corrected syzygy (Eclipses.cpp): the Moon of
 *   chapter 47 (with a latitude correction fitted to eclipse gammas: 0.28" rms on eclipses
 *   left out of the fit) and the Sun of chapter 25 (its latitude from VSOP87) one hour either
 *   side, the least distance of the shadow axis by Newton's method, the umbral and penumbral
 *   cones for the solar types (canon lunar radius 0.2722810), a central eclipse classed along
 *   its whole path as the canons class it (annular-total when the umbra on the surface
 *   changes sign anywhere between the ends of the central line), the Earth's shadow enlarged
 *   as the ephemeris' contacts show and Newton contacts for the lunar phases; saros series
 *   from the lunation number. The latitude correction, cross-validated (four folds): 0.29"
 *   rms, largest 1.3". Over -1999..3000 every eclipse of magnitude 0.02 or more is found
 *   and none is invented; saros always and type in 99.96% of cases agree (the rest are
 *   borderline: grazing central/non-central eclipses and umbral magnitudes within 0.001 of 0
 *   or 1; not counted: 35 eclipses total at greatest eclipse and annular at an end, which the
 *   ephemeris' table classes at greatest eclipse only); greatest eclipse (least distance of
 *   the axis) within 5.2 s (median 0.6 s); lunar half-durations median 0.01 minutes, largest
 *   0.9 minutes (phases of a few minutes, where the Moon grazes a shadow's edge).
 * - delta T: F. Espenak and J. Meeus (2006), the polynomial expressions of the Five Millennium
 *   Canon, with the long-term parabola -20 + 32 u^2 seconds outside -500..2150.
 * - moonpos: Meeus chapter 47 (truncated ELP-2000/82) with the nutation in longitude of
 *   chapter 22 (IAU 1980 series). Error at a given TT instant 1600..2100: median 2", largest
 *   12"; at a given UT instant add the difference of delta T models (up to about 40 s of
 *   time, 20" of longitude, near 1600 and 2060).
 */
#ifndef SELVANOR_PHASECALC_H
#define SELVANOR_PHASECALC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Eclipse circumstances at one syzygy. The fields marked (shared) have a fixed layout that
 * callers read; the others are this library's. */
typedef struct EclipseData {
    int32_t lunation;          /*  0 (shared) lunation number (Meeus's k, whole part) */
    int32_t phase;             /*  4 phase asked for, 0..3 */
    int32_t saros;             /*  8 (shared) saros series, 0 when no eclipse */
    int32_t type;              /* 12 (shared) 0 none, 1..10 (see EclipseTypeText) */
    double u;                  /* 16 radius of the umbral cone at the fundamental plane,
                                     Earth radii, negative for a total eclipse (solar; Meeus's
                                     u), 0 (lunar) */
    double greatest;           /* 24 (shared) greatest eclipse, TT Julian date (0 if none) */
    double gamma;              /* 32 least distance of the shadow axis from the Earth's centre
                                     (solar) or of the Moon from the axis (lunar), Earth radii */
    double magnitude;          /* 40 solar magnitude, or umbral magnitude (lunar) */
    double penumbralMagnitude; /* 48 lunar only */
    double phaseTime;          /* 56 TT Julian date of the phase itself (the return value) */
    double halfPenumbral;      /* 64 (shared) minutes, types 8..10 */
    double halfUmbral;         /* 72 (shared) minutes, types 9 and 10 */
    double halfTotal;          /* 80 (shared) minutes, type 10 */
} EclipseData;

/* The value callers pass as the second argument of deltat. */
#define PHASECALC_DELTAT_CODE 1915

/* The lunations syzyg answers for: some 80,000 years either side of 2000 (beyond, the
 * series' powers of the time reach days and their phases fall out of order). */
#define PHASECALC_LARGEST_LUNATION 1000000
/* TT Julian date of phase (0 new, 1 first quarter, 2 full, 3 last quarter) of lunation
 * (lunation 0 begins with the new moon of 2000-01-06). Phase times increase with lunation
 * and phase. When record is not null it is filled: for phases 0 and 2 with the eclipse at
 * that syzygy (type 0 if none), for the quarters with type 0. A phase outside 0..3, or a
 * lunation beyond -PHASECALC_LARGEST_LUNATION..PHASECALC_LARGEST_LUNATION, gives 0.0 and a
 * record of type 0. */
double syzyg(int32_t lunation, int32_t phase, EclipseData* record);

/* delta T (TT - UT) in minutes for the Gregorian year floor(year), evaluated at its middle.
 * code must be PHASECALC_DELTAT_CODE; any other code, or a non-finite year, gives 0.0. */
double deltat(double year, int32_t code);

/* The Moon's apparent geocentric ecliptic longitude of date, radians in [0, 2 pi), at the UT
 * Julian date jd_minus_2451545 + 2451545. Non-finite input gives 0.0. */
double moonpos(double jd_minus_2451545);

#ifdef __cplusplus
}
#endif

#endif
