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
// with their measured accuracy. Over nine thousand years that series resolves only terms of
// some tenths of a second; over 1000..3000 a second one of the same form (amplitudes linear
// in the time, its own short Chebyshev series, the planets' action on the Moon among its
// arguments), fitted by the same tool with --near to what the first leaves there, halves the
// error (PhaseCorrectionNearTerms.cpp), fading out smoothly by 900 and 3100.
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

namespace {

// cos and sin of -kLargestMultiples[i]..kLargestMultiples[i] times every fundamental angle, so
// that each term is at most three complex products, and the powers of u: shared by the models
// evaluated at one lunation.
constexpr int kWidth = 2 * kLargestMultiple + 1;
struct SeriesTables {
    double u;
    double cosines[kFundamentalCount + 1][kWidth], sines[kFundamentalCount + 1][kWidth];
    double powers[kLargestPower + 1];
};

void FillTables(const PhaseArguments& args, SeriesTables& tables) {
    // The series hold only where they were fitted (lunations -64330..49480, the years -3200 to
    // 6000): a Chebyshev series and the amplitudes' powers of u run away outside. Beyond, the
    // correction keeps its value at the nearer end, so that phase times stay in order for the
    // lunar-week calendar's wider years and any lunation a caller asks for.
    constexpr double kFirstU = -64400.0 / kCorrectionLunations, kLastU = 49550.0 / kCorrectionLunations;
    const double u = std::clamp(args.k / kCorrectionLunations, kFirstU, kLastU);
    tables.u = u;
    double angles[kFundamentalCount];
    FundamentalAngles(args, angles);
    for (int i = 0; i <= kFundamentalCount; ++i) {
        const double c = i < kFundamentalCount ? std::cos(angles[i]) : 1.0;
        const double s = i < kFundamentalCount ? std::sin(angles[i]) : 0.0;
        double* cr = tables.cosines[i] + kLargestMultiple;
        double* sr = tables.sines[i] + kLargestMultiple;
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
    tables.powers[0] = 1.0;
    for (int p = 1; p <= kLargestPower; ++p) tables.powers[p] = tables.powers[p - 1] * u;
}

// The secular series in the variable x and the periodic terms.
double SeriesSeconds(const PhaseCorrectionModel& model, const SeriesTables& tables, double x,
                     int secularCount) {
    const double u = tables.u;
    // Clenshaw's recurrence for the Chebyshev series of the secular part.
    double b1 = 0.0, b2 = 0.0;
    for (int j = secularCount - 1; j >= 1; --j) {
        const double b0 = 2.0 * x * b1 - b2 + model.secular[j];
        b2 = b1;
        b1 = b0;
    }
    double seconds = x * b1 - b2 + model.secular[0];
    for (int n = 0; n < model.termCount; ++n) {
        const CorrectionTerm& term = model.terms[n];
        double re = tables.cosines[term.angle[0]][term.multiple[0] + kLargestMultiple];
        double im = tables.sines[term.angle[0]][term.multiple[0] + kLargestMultiple];
        // Unused places come last; the terms are ordered by their number of angles, so this
        // branch is predictable.
        for (int i = 1; i < kTermAngles && term.angle[i] != kFundamentalCount; ++i) {
            const double c = tables.cosines[term.angle[i]][term.multiple[i] + kLargestMultiple];
            const double s = tables.sines[term.angle[i]][term.multiple[i] + kLargestMultiple];
            const double r = re * c - im * s;
            im = im * c + re * s;
            re = r;
        }
        seconds += tables.powers[term.power] * ((term.s0 + u * (term.s1 + u * term.s2)) * im +
                                                (term.c0 + u * (term.c1 + u * term.c2)) * re);
    }
    return seconds;
}

int PhaseOf(double k) { return static_cast<int>(std::lround((k - std::floor(k)) * 4.0)) & 3; }

}  // namespace

double CorrectionSeconds(const PhaseCorrectionModel& model, const PhaseArguments& args) {
    SeriesTables tables;
    FillTables(args, tables);
    return SeriesSeconds(model, tables, tables.u, kSecularCount);
}

double NearCorrectionSeconds(const PhaseCorrectionModel& model, double k) {
    SeriesTables tables;
    FillTables(ArgumentsAt(k), tables);
    return SeriesSeconds(model, tables, NearSecularVariable(k), kNearSecularCount);
}

double NearSecularVariable(double k) {
    return std::clamp(k / (kNearLunations + kNearRamp), -1.0, 1.0);
}

double NearWeight(double k) {
    const double x = std::fabs(k);
    if (x <= kNearLunations) return 1.0;
    if (x >= kNearLunations + kNearRamp) return 0.0;
    const double t = (kNearLunations + kNearRamp - x) / kNearRamp;
    return t * t * (3.0 - 2.0 * t);
}

double CorrectionSeconds(const PhaseArguments& args) {
    SeriesTables tables;
    FillTables(args, tables);
    const int phase = PhaseOf(args.k);
    double seconds = SeriesSeconds(kPhaseCorrection[phase], tables, tables.u, kSecularCount);
    const double weight = NearWeight(args.k);
    if (weight > 0.0)
        seconds += weight * SeriesSeconds(kNearPhaseCorrection[phase], tables,
                                          NearSecularVariable(args.k), kNearSecularCount);
    return seconds;
}

double PhaseCorrection(double k) { return PhaseCorrection(ArgumentsAt(k)); }

double PhaseCorrection(const PhaseArguments& args) { return CorrectionSeconds(args) / 86400.0; }

}  // namespace PhaseCalc
