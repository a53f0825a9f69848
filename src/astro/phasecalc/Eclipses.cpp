// Eclipses at new and full moon: J. Meeus, Astronomical Algorithms (2nd ed.), chapter 54,
// TT, with the secular time correction of the phase times; saros series from the lunation.
#include <cmath>

#include "astro/phasecalc/EclipseDetail.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

namespace {

// Saros series numbers follow the canons' numbering. Along a series the lunation grows by 223
// (one saros); the next series begins 358 lunations (one inex) later. 38 * 223 = 0 and
// 38 * 358 = 1 (mod 223), so 38 k + c runs through the series numbers modulo 223; the window
// lo .. lo + 222 picks the canon's number, lo rising by one every inex.
int32_t SarosNumber(int32_t lunation, bool solar) {
    const int64_t k = lunation;
    const int64_t lo = (k >= 0 ? k / 358 : -((-k + 357) / 358)) + 27;  // floor(k / 358) + 27
    const int64_t residue = 38 * k + (solar ? 112 : 124);
    int64_t s = lo + ((residue - lo) % 223 + 223) % 223;  // s = residue (mod 223), s in [lo, lo+222]
    return static_cast<int32_t>(s);
}

}  // namespace

// Greatest eclipse, gamma, u and the derived type and semi-durations, for a syzygy of
// fractional lunation k (whole: new moon, + 0.5: full moon).
void ComputeEclipse(int32_t lunation, bool solar, EclipseData& r) {
    r.type = 0;
    r.saros = 0;
    r.greatest = 0.0;
    r.u = r.gamma = r.magnitude = r.penumbralMagnitude = 0.0;
    r.halfPenumbral = r.halfUmbral = r.halfTotal = 0.0;

    const double k = lunation + (solar ? 0.0 : 0.5);
    const double t = k / 1236.85;  // Julian centuries from 2000
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double fDegrees = ReduceDegrees(160.7108 + 390.67050284 * k - 0.0016118 * t2 -
                                          0.00000227 * t3 + 0.000000011 * t4);
    // Far from a node (|sin F| > 0.36, the Moon more than about 21 degrees of argument of
    // latitude from it) there can be no eclipse.
    if (std::fabs(std::sin(fDegrees * kDegree)) > 0.36) return;

    const double meanPhase = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 -
                             0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = ReduceDegrees(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) *
                     kDegree;
    const double mPrime = ReduceDegrees(201.5643 + 385.81693528 * k + 0.0107582 * t2 +
                                        0.00001238 * t3 - 0.000000058 * t4) * kDegree;
    const double omega =
        ReduceDegrees(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * kDegree;
    const double f1 = fDegrees * kDegree - 0.02665 * kDegree * std::sin(omega);
    const double a1 = ReduceDegrees(299.77 + 0.107408 * k - 0.009173 * t2) * kDegree;

    double correction = solar ? -0.4075 * std::sin(mPrime) + 0.1721 * e * std::sin(m)
                              : -0.4065 * std::sin(mPrime) + 0.1727 * e * std::sin(m);
    correction += 0.0161 * std::sin(2 * mPrime) - 0.0097 * std::sin(2 * f1) +
                  0.0073 * e * std::sin(mPrime - m) - 0.0050 * e * std::sin(mPrime + m) -
                  0.0023 * std::sin(mPrime - 2 * f1) + 0.0021 * e * std::sin(2 * m) +
                  0.0012 * std::sin(mPrime + 2 * f1) + 0.0006 * e * std::sin(2 * mPrime + m) -
                  0.0004 * std::sin(3 * mPrime) - 0.0003 * e * std::sin(m + 2 * f1) +
                  0.0003 * std::sin(a1) - 0.0002 * e * std::sin(m - 2 * f1) -
                  0.0002 * e * std::sin(2 * mPrime - m) - 0.0002 * std::sin(omega);

    const double p = 0.2070 * e * std::sin(m) + 0.0024 * e * std::sin(2 * m) -
                     0.0392 * std::sin(mPrime) + 0.0116 * std::sin(2 * mPrime) -
                     0.0073 * e * std::sin(mPrime + m) + 0.0067 * e * std::sin(mPrime - m) +
                     0.0118 * std::sin(2 * f1);
    const double q = 5.2207 - 0.0048 * e * std::cos(m) + 0.0020 * e * std::cos(2 * m) -
                     0.3299 * std::cos(mPrime) - 0.0060 * e * std::cos(mPrime + m) +
                     0.0041 * e * std::cos(mPrime - m);
    const double w = std::fabs(std::cos(f1));
    const double gamma = (p * std::cos(f1) + q * std::sin(f1)) * (1.0 - 0.0048 * w);
    const double u = 0.0059 + 0.0046 * e * std::cos(m) - 0.0182 * std::cos(mPrime) +
                     0.0004 * std::cos(2 * mPrime) - 0.0005 * std::cos(m + mPrime);
    const double absGamma = std::fabs(gamma);

    r.u = u;
    r.gamma = gamma;
    const double greatest = meanPhase + correction + SecularCorrection(k);

    if (solar) {
        // 1.5433 + u: the penumbral cone's radius at the fundamental plane plus the Earth's.
        if (absGamma > 1.5433 + u) return;
        // 0.9972: the Earth's polar-flattened radius in the fundamental plane; within it the
        // shadow axis meets the Earth (central eclipse).
        if (absGamma < 0.9972) {
            if (u < 0.0) {
                r.type = kCentralTotal;
            } else if (u > 0.0047) {
                r.type = kCentralAnnular;
            } else {
                // Annular at the ends of the track, total near its middle when u is below
                // 0.00464 sqrt(1 - gamma^2).
                const double omegaLimit = 0.00464 * std::sqrt(1.0 - gamma * gamma);
                r.type = u < omegaLimit ? kCentralHybrid : kCentralAnnular;
            }
            r.magnitude = 1.0;
        } else if (absGamma < 0.9972 + std::fabs(u)) {
            r.type = u < 0.0 ? kNonCentralTotal : kNonCentralAnnular;
            r.magnitude = 1.0;
        } else {
            r.type = kPartialSolar;
            r.magnitude = (1.5433 + u - absGamma) / (0.5461 + 2.0 * u);
        }
    } else {
        // 1.5573 + u, 1.0128 - u, 0.4678 - u: penumbra, umbra and umbra minus the Moon's
        // diameter, in Earth radii at the Moon's distance; 0.5450: the Moon's diameter there.
        const double penumbral = (1.5573 + u - absGamma) / 0.5450;
        const double umbral = (1.0128 - u - absGamma) / 0.5450;
        r.penumbralMagnitude = penumbral;
        r.magnitude = umbral;
        if (penumbral <= 0.0) return;
        // The Moon's hourly motion relative to the shadow, Earth radii per hour.
        const double n = 0.5458 + 0.0400 * std::cos(mPrime);
        const double h = 1.5573 + u, pp = 1.0128 - u, tt = 0.4678 - u;
        r.halfPenumbral = 60.0 / n * std::sqrt(h * h - gamma * gamma);
        if (umbral > 0.0) r.halfUmbral = 60.0 / n * std::sqrt(pp * pp - gamma * gamma);
        if (umbral >= 1.0 && tt > absGamma) r.halfTotal = 60.0 / n * std::sqrt(tt * tt - gamma * gamma);
        r.type = umbral >= 1.0 ? kTotalLunar : umbral > 0.0 ? kPartialLunar : kPenumbralLunar;
    }
    r.greatest = greatest;
    r.saros = SarosNumber(lunation, solar);
}

}  // namespace PhaseCalc
