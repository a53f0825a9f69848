/* suncalc: the Sun's apparent longitude, as a C-callable library.
 *
 * Method: J. Meeus, Astronomical Algorithms, 2nd ed., chapter 25, the lower-accuracy method
 * (geometric mean longitude and equation of the centre; nutation and aberration in the book's
 * short form). The argument is a UT (GMT) Julian date, converted to TT with the delta T of the
 * phasecalc library. Error at a given TT instant 1600..2100 against a JPL DE431-based
 * ephemeris: median 8", largest 35".
 */
#ifndef SELVANOR_SUNCALC_H
#define SELVANOR_SUNCALC_H

#ifdef __cplusplus
extern "C" {
#endif

/* Apparent geocentric ecliptic longitude of the Sun, of date, radians in [0, 2 pi), at the UT
 * Julian date jd. When unused is not null it receives the Sun's distance in AU. Non-finite
 * input gives 0.0. */
double sun_app(double jd, double* unused);

#ifdef __cplusplus
}
#endif

#endif
