// Times of the Moon's principal phases: J. Meeus, Astronomical Algorithms (2nd ed.), chapter 49,
// TT, days; the first value, which PhaseCorrection.cpp brings to the ephemeris.
#include <cmath>
#include <cstddef>
#include <iterator>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

double ReduceDegrees(double degrees) {
    // floor rather than fmod: several times faster, and good to 1e-9 degree for the largest
    // arguments of the range (M' reaches 2.5e7 degrees at -3200).
    double r = degrees - 360.0 * std::floor(degrees / 360.0);
    if (r >= 360.0) r -= 360.0;
    if (r < 0.0) r += 360.0;
    return r;
}

namespace {

// One periodic term: coefficient in days times sin(a M + b M' + c F + d Omega), with the
// eccentricity factor E raised to |a|.
struct PhaseTerm {
    double coefficient;
    int m, mPrime, f, omega;
};

// Chapter 49: new moon.
constexpr PhaseTerm kNewMoonTerms[] = {
    {-0.40720, 0, 1, 0, 0}, {0.17241, 1, 0, 0, 0},  {0.01608, 0, 2, 0, 0},  {0.01039, 0, 0, 2, 0},
    {0.00739, -1, 1, 0, 0}, {-0.00514, 1, 1, 0, 0}, {0.00208, 2, 0, 0, 0},  {-0.00111, 0, 1, -2, 0},
    {-0.00057, 0, 1, 2, 0}, {0.00056, 1, 2, 0, 0},  {-0.00042, 0, 3, 0, 0}, {0.00042, 1, 0, 2, 0},
    {0.00038, 1, 0, -2, 0}, {-0.00024, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 1}, {-0.00007, 2, 1, 0, 0},
    {0.00004, 0, 2, -2, 0}, {0.00004, 3, 0, 0, 0},  {0.00003, 1, 1, -2, 0}, {0.00003, 0, 2, 2, 0},
    {-0.00003, 1, 1, 2, 0}, {0.00003, -1, 1, 2, 0}, {-0.00002, -1, 1, -2, 0}, {-0.00002, 1, 3, 0, 0},
    {0.00002, 0, 4, 0, 0},
};

// Chapter 49: full moon.
constexpr PhaseTerm kFullMoonTerms[] = {
    {-0.40614, 0, 1, 0, 0}, {0.17302, 1, 0, 0, 0},  {0.01614, 0, 2, 0, 0},  {0.01043, 0, 0, 2, 0},
    {0.00734, -1, 1, 0, 0}, {-0.00515, 1, 1, 0, 0}, {0.00209, 2, 0, 0, 0},  {-0.00111, 0, 1, -2, 0},
    {-0.00057, 0, 1, 2, 0}, {0.00056, 1, 2, 0, 0},  {-0.00042, 0, 3, 0, 0}, {0.00042, 1, 0, 2, 0},
    {0.00038, 1, 0, -2, 0}, {-0.00024, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 1}, {-0.00007, 2, 1, 0, 0},
    {0.00004, 0, 2, -2, 0}, {0.00004, 3, 0, 0, 0},  {0.00003, 1, 1, -2, 0}, {0.00003, 0, 2, 2, 0},
    {-0.00003, 1, 1, 2, 0}, {0.00003, -1, 1, 2, 0}, {-0.00002, -1, 1, -2, 0}, {-0.00002, 1, 3, 0, 0},
    {0.00002, 0, 4, 0, 0},
};

// Chapter 49: first and last quarters (before the W correction).
constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801, 0, 1, 0, 0}, {0.17172, 1, 0, 0, 0},   {-0.01183, 1, 1, 0, 0}, {0.00862, 0, 2, 0, 0},
    {0.00804, 0, 0, 2, 0},  {0.00454, -1, 1, 0, 0},  {0.00204, 2, 0, 0, 0},  {-0.00180, 0, 1, -2, 0},
    {-0.00070, 0, 1, 2, 0}, {-0.00040, 0, 3, 0, 0},  {-0.00034, -1, 2, 0, 0}, {0.00032, 1, 0, 2, 0},
    {0.00032, 1, 0, -2, 0}, {-0.00028, 2, 1, 0, 0},  {0.00027, 1, 2, 0, 0},  {-0.00017, 0, 0, 0, 1},
    {-0.00005, -1, 1, -2, 0}, {0.00004, 0, 2, 2, 0}, {-0.00004, 1, 1, 2, 0}, {0.00004, -2, 1, 0, 0},
    {0.00003, 1, 1, -2, 0}, {0.00003, 3, 0, 0, 0},   {0.00002, 0, 2, -2, 0}, {0.00002, -1, 1, 2, 0},
    {-0.00002, 1, 3, 0, 0},
};

// Chapter 49: the planetary arguments A1..A14 (degrees: constant, rate per lunation) and
// their coefficients in days; A1 also has a T^2 term.
struct PlanetaryTerm {
    double coefficient, constant, rate;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};


// The sum of the terms, each sine taken as the imaginary part of a product of the angles'
// e^(i j x): four sines and cosines instead of one sine per term.
template <size_t N>
double SumTerms(const PhaseTerm (&terms)[N], double e, const Multiples& pm, const Multiples& pmp,
                const Multiples& pf, const Multiples& po) {
    // The book applies E to the terms in M and E^2 to those in 2M, not to the one in 3M.
    const double eFactor[4] = {1.0, e, e * e, 1.0};
    double sum = 0.0;
    for (const PhaseTerm& t : terms) {
        double re = pm.c[4 + t.m], im = pm.s[4 + t.m];
        const double factors[3][2] = {{pmp.c[4 + t.mPrime], pmp.s[4 + t.mPrime]},
                                      {pf.c[4 + t.f], pf.s[4 + t.f]},
                                      {po.c[4 + t.omega], po.s[4 + t.omega]}};
        for (const auto& z : factors) {
            const double r = re * z[0] - im * z[1];
            im = im * z[0] + re * z[1];
            re = r;
        }
        sum += t.coefficient * eFactor[t.m < 0 ? -t.m : t.m] * im;
    }
    return sum;
}

}  // namespace

PhaseArguments ArgumentsAt(double k) {
    const double t = k / 1236.85;  // 1236.85 lunations per Julian century
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    PhaseArguments a;
    a.t = t;
    a.k = k;
    a.e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    a.m = ReduceDegrees(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) * kDegree;
    a.mPrime = ReduceDegrees(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 -
                             0.000000058 * t4) * kDegree;
    a.f = ReduceDegrees(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 +
                        0.000000011 * t4) * kDegree;
    a.omega = ReduceDegrees(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * kDegree;
    a.meanPhase = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 +
                  0.00000000073 * t4;
    return a;
}

double MeeusPhaseTime(double k) { return MeeusPhaseTime(ArgumentsAt(k)); }

double MeeusPhaseTime(const PhaseArguments& args) {
    const double k = args.k;
    const double t = args.t, t2 = t * t;
    const double meanPhase = args.meanPhase;
    const double e = args.e, m = args.m, mPrime = args.mPrime, f = args.f, omega = args.omega;

    const Multiples pm(m), pmp(mPrime), pf(f), po(omega);
    const double fraction = k - std::floor(k);  // 0, 0.25, 0.5 or 0.75
    double correction;
    if (fraction < 0.125) {
        correction = SumTerms(kNewMoonTerms, e, pm, pmp, pf, po);
    } else if (fraction > 0.375 && fraction < 0.625) {
        correction = SumTerms(kFullMoonTerms, e, pm, pmp, pf, po);
    } else {
        correction = SumTerms(kQuarterTerms, e, pm, pmp, pf, po);
        // cos(M' -+ M) = cos M' cos M +- sin M' sin M.
        const double cosM = pm.c[5], sinM = pm.s[5], cosMPrime = pmp.c[5], sinMPrime = pmp.s[5];
        const double w = 0.00306 - 0.00038 * e * cosM + 0.00026 * cosMPrime -
                         0.00002 * (cosMPrime * cosM + sinMPrime * sinM) +
                         0.00002 * (cosMPrime * cosM - sinMPrime * sinM) + 0.00002 * pf.c[6];
        correction += fraction < 0.5 ? w : -w;
    }

    double planetary = 0.0;
    for (size_t i = 0; i < std::size(kPlanetaryTerms); ++i) {
        const PlanetaryTerm& p = kPlanetaryTerms[i];
        double argument = p.constant + p.rate * k;
        if (i == 0) argument -= 0.009173 * t2;
        planetary += p.coefficient * SinCos(argument * kDegree).s;  // SinCos reduces it
    }
    return meanPhase + correction + planetary;
}

}  // namespace PhaseCalc
