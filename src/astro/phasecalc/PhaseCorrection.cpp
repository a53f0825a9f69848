// The correction that brings the chapter-49 phase times (J. Meeus, Astronomical Algorithms,
// 2nd ed., 1998) to a JPL DE431-based ephemeris; TT, seconds inside, days at the interface.
//
// The book's series is truncated (terms below 0.00002 day dropped, planetary action reduced
// to fourteen terms) and its mean elements drift from the modern ones thousands of years from
// 2000, which leaves errors of up to 22 s near 2000 and several minutes at -3200 and 6000.
// The correction is a Fourier series in the chapter's arguments M, M', F, Omega and in the
// planets' mean longitudes (every term with amplitudes quadratic in the time, for the drift
// of the elements and of the Earth's eccentricity) plus a Chebyshev series in the time for
// the secular drift of the mean phase, fitted separately for each phase kind by
// tools/fit_phase_correction.cpp; the coefficients are in PhaseCorrectionTerms.cpp together
// with their measured accuracy.
#include <algorithm>
#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

namespace {

// Mean longitudes at J2000 and rates per Julian century, degrees (J. Meeus, chapter 31,
// table 31.A, mean equinox of J2000, first two terms): Venus, the Earth, Mars, Jupiter, Saturn.
constexpr double kPlanetLongitudes[5][2] = {
    {181.979801, 58517.8156760}, {100.466457, 35999.3728565}, {355.433000, 19140.2993039},
    {34.351519, 3034.9056606},   {50.077444, 1222.1138488},
};

}  // namespace

void FundamentalAngles(double k, double* angles) { FundamentalAngles(ArgumentsAt(k), angles); }

void FundamentalAngles(const PhaseArguments& a, double* angles) {
    const double k = a.k;
    angles[0] = a.m;
    angles[1] = a.mPrime;
    angles[2] = a.f;
    angles[3] = a.omega;
    // Julian centuries from J2000 at the mean phase of chapter 49.
    const double t = (5.09766 + 29.530588861 * k) / kDaysPerCentury;
    for (int i = 0; i < 5; ++i)
        angles[4 + i] = ReduceDegrees(kPlanetLongitudes[i][0] + kPlanetLongitudes[i][1] * t) * kDegree;
}

double CorrectionSeconds(const PhaseCorrectionModel& model, double k) {
    return CorrectionSeconds(model, ArgumentsAt(k));
}

double CorrectionSeconds(const PhaseCorrectionModel& model, const PhaseArguments& args) {
    // The series hold only where they were fitted (lunations -64330..49480, the years -3200 to
    // 6000): a Chebyshev series and the amplitudes' powers of u run away outside. Beyond, the
    // correction keeps its value at the nearer end, so that phase times stay in order for the
    // lunar-week calendar's wider years and any lunation a caller asks for.
    constexpr double kFirstU = -64400.0 / kCorrectionLunations, kLastU = 49550.0 / kCorrectionLunations;
    const double u = std::clamp(args.k / kCorrectionLunations, kFirstU, kLastU);
    // Clenshaw's recurrence for the Chebyshev series of the secular part.
    double b1 = 0.0, b2 = 0.0;
    for (int j = kSecularCount - 1; j >= 1; --j) {
        const double b0 = 2.0 * u * b1 - b2 + model.secular[j];
        b2 = b1;
        b1 = b0;
    }
    double seconds = u * b1 - b2 + model.secular[0];

    // cos and sin of -kLargestMultiples[i]..kLargestMultiples[i] times every fundamental angle,
    // so that each term is at most three complex products.
    constexpr int kWidth = 2 * kLargestMultiple + 1;
    double angles[kFundamentalCount];
    FundamentalAngles(args, angles);
    double cosines[kFundamentalCount + 1][kWidth], sines[kFundamentalCount + 1][kWidth];
    for (int i = 0; i <= kFundamentalCount; ++i) {
        const double c = i < kFundamentalCount ? std::cos(angles[i]) : 1.0;
        const double s = i < kFundamentalCount ? std::sin(angles[i]) : 0.0;
        double* cr = cosines[i] + kLargestMultiple;
        double* sr = sines[i] + kLargestMultiple;
        cr[0] = 1.0;
        sr[0] = 0.0;
        const int largest = i < kFundamentalCount ? kLargestMultiples[i] : 0;
        for (int j = 1; j <= largest; ++j) {
            cr[j] = cr[j - 1] * c - sr[j - 1] * s;
            sr[j] = sr[j - 1] * c + cr[j - 1] * s;
            cr[-j] = cr[j];
            sr[-j] = -sr[j];
        }
    }
    double powers[kLargestPower + 1] = {1.0};
    for (int p = 1; p <= kLargestPower; ++p) powers[p] = powers[p - 1] * u;
    for (int n = 0; n < model.termCount; ++n) {
        const CorrectionTerm& term = model.terms[n];
        double re = cosines[term.angle[0]][term.multiple[0] + kLargestMultiple];
        double im = sines[term.angle[0]][term.multiple[0] + kLargestMultiple];
        // Unused places come last; the terms are ordered by their number of angles, so this
        // branch is predictable.
        for (int i = 1; i < kTermAngles && term.angle[i] != kFundamentalCount; ++i) {
            const double c = cosines[term.angle[i]][term.multiple[i] + kLargestMultiple];
            const double s = sines[term.angle[i]][term.multiple[i] + kLargestMultiple];
            const double r = re * c - im * s;
            im = im * c + re * s;
            re = r;
        }
        seconds += powers[term.power] * ((term.s0 + u * (term.s1 + u * term.s2)) * im +
                                         (term.c0 + u * (term.c1 + u * term.c2)) * re);
    }
    return seconds;
}

double PhaseCorrection(double k) { return PhaseCorrection(ArgumentsAt(k)); }

double PhaseCorrection(const PhaseArguments& args) {
    const int phase = static_cast<int>(std::lround((args.k - std::floor(args.k)) * 4.0)) & 3;
    return CorrectionSeconds(kPhaseCorrection[phase], args) / 86400.0;
}

}  // namespace PhaseCalc
