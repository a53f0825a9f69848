// The correction that brings the chapter-49 phase times (J. Meeus, Astronomical Algorithms,
// 2nd ed., 1998) to a JPL DE431-based ephemeris; TT, seconds inside, days at the interface.
//
// The book's series is truncated (terms below 0.00002 day dropped, planetary action reduced
// to fourteen terms) and its mean elements drift from the modern ones thousands of years from
// 2000, which leaves errors of up to 22 s near 2000 and several minutes at -3200 and 6000.
// The correction is a Fourier series in the chapter's arguments M, M', F, Omega, in the
// planets' mean longitudes and in twelve slow angles of fitted rates (every term with
// amplitudes quadratic in the time, for the drift of the elements and of the Earth's
// eccentricity) plus a Chebyshev series in the time for the secular drift of the mean phase,
// fitted separately for each phase kind by tools/fit_phase_correction.cpp; the coefficients
// and the rates are in PhaseCorrectionTerms.cpp, the accuracy in phasecalc.h. The fitted
// angles are what a frequency analysis of the residue finds at rates no small combination of
// the other arguments has over nine thousand years: the long-period action of Venus (periods
// of 230 to 300 years, whose argument of mean longitudes parts from the ephemeris' by a turn
// over the span), M' and M with a remainder of 1800 years, terms of 37, 40 and 8 years, the
// same in all four phase kinds, so perturbations of the longitudes themselves. Over nine thousand years that series resolves only terms of
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
    for (int j = 0; j < kFittedAngleCount; ++j)
        angles[kArgumentCount + j] = ReduceDegrees(kFittedRates[j] * k) * kDegree;
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
    // Row kFundamentalCount is the zero angle of the unused places.
    tables.cosines[kFundamentalCount][kLargestMultiple] = 1.0;
    tables.sines[kFundamentalCount][kLargestMultiple] = 0.0;
    // e^(i j x) by rotation, the angles side by side so that their chains of products overlap.
    SineCosine one[kFundamentalCount], now[kFundamentalCount];
    for (int i = 0; i < kFundamentalCount; ++i) {
        one[i] = SinCos(angles[i]);
        now[i] = {0.0, 1.0};
        tables.cosines[i][kLargestMultiple] = 1.0;
        tables.sines[i][kLargestMultiple] = 0.0;
    }
    for (int j = 1; j <= kLargestMultiple; ++j)
        for (int i = 0; i < kFundamentalCount; ++i) {
            if (j > kLargestMultiples[i]) continue;
            const double c = now[i].c * one[i].c - now[i].s * one[i].s;
            const double s = now[i].s * one[i].c + now[i].c * one[i].s;
            now[i] = {s, c};
            tables.cosines[i][kLargestMultiple + j] = tables.cosines[i][kLargestMultiple - j] = c;
            tables.sines[i][kLargestMultiple + j] = s;
            tables.sines[i][kLargestMultiple - j] = -s;
        }
    tables.powers[0] = 1.0;
    for (int p = 1; p <= kLargestPower; ++p) tables.powers[p] = tables.powers[p - 1] * u;
}

// Adds one periodic term of that many places, its sine and cosine parts to two separate sums
// (which keeps the additions of successive terms apart).
template <int places>
inline void AddTerm(const CorrectionTerm& term, const SeriesTables& tables, float u, double& sines,
                    double& cosines) {
    double re = tables.cosines[term.angle[0]][term.multiple[0] + kLargestMultiple];
    double im = tables.sines[term.angle[0]][term.multiple[0] + kLargestMultiple];
    for (int i = 1; i < places; ++i) {
        const double c = tables.cosines[term.angle[i]][term.multiple[i] + kLargestMultiple];
        const double s = tables.sines[term.angle[i]][term.multiple[i] + kLargestMultiple];
        const double r = re * c - im * s;
        im = im * c + re * s;
        re = r;
    }
    // The amplitudes in single precision, as stored: their relative error of 1e-7 is far
    // below a microsecond. Most terms have power 0.
    if (term.power != 0) {
        re *= tables.powers[term.power];
        im *= tables.powers[term.power];
    }
    sines += static_cast<double>(term.s0 + u * (term.s1 + u * term.s2)) * im;
    cosines += static_cast<double>(term.c0 + u * (term.c1 + u * term.c2)) * re;
}

// The secular series in the variable x and the periodic terms.
double SeriesSeconds(const PhaseCorrectionModel& model, const SeriesTables& tables, double x,
                     int secularCount) {
    // Clenshaw's recurrence for the Chebyshev series of the secular part.
    double b1 = 0.0, b2 = 0.0;
    for (int j = secularCount - 1; j >= 1; --j) {
        const double b0 = 2.0 * x * b1 - b2 + model.secular[j];
        b2 = b1;
        b1 = b0;
    }
    const double secular = x * b1 - b2 + model.secular[0];
    // The terms come in groups of one, two, three and four angles (the fitting tool orders
    // them so), each summed by a loop of a fixed number of angles. A term out of order is
    // still summed exactly, its unused places being the zero angle.
    static_assert(kTermAngles == 4, "one loop per number of places");
    const CorrectionTerm* term = model.terms;
    const CorrectionTerm* const end = term + model.termCount;
    const float u = static_cast<float>(tables.u);
    double sines = 0.0, cosines = 0.0;
    for (; term != end && term->angle[1] == kFundamentalCount; ++term) AddTerm<1>(*term, tables, u, sines, cosines);
    for (; term != end && term->angle[2] == kFundamentalCount; ++term) AddTerm<2>(*term, tables, u, sines, cosines);
    for (; term != end && term->angle[3] == kFundamentalCount; ++term) AddTerm<3>(*term, tables, u, sines, cosines);
    for (; term != end; ++term) AddTerm<4>(*term, tables, u, sines, cosines);
    return secular + sines + cosines;
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
