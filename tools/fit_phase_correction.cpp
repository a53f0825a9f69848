// Fits the correction of the chapter-49 phase times (J. Meeus, Astronomical Algorithms, 2nd
// ed., 1998) to ephemeris phase times and writes it as src/astro/phasecalc/PhaseCorrectionTerms.cpp.
//
// Model (PhaseCalc::CorrectionSeconds), for each phase kind separately: a Chebyshev series of
// degree 24 in u = k / 60000 for the secular drift of the mean phase, plus periodic terms
// (s0 + s1 u + s2 u^2) sin(theta) + (c0 + c1 u + c2 u^2) cos(theta), theta an integer
// combination of the fundamental angles (M, M', F, Omega, the mean longitudes of Venus, the
// Earth, Mars, Jupiter, Saturn; PhaseCalc::FundamentalAngles), optionally the largest also
// with amplitudes u^3 (s0 + s1 u + s2 u^2) (kExtendedTerms). The terms are chosen greedily:
// in each round the candidate arguments are ranked by their correlation with the residue
// (a discrete Fourier sum at each candidate argument), the best are added one at a time by a
// six-column least-squares fit on the residue, and every few rounds all terms are refitted in
// turn (back-fitting, which converges to the joint least-squares solution because terms of
// different arguments are nearly orthogonal over thousands of lunations).
//
// Fitted angles: the first model is fitted twice. What the candidates leave after the first
// pass still holds sinusoids of a few tenths of a second at rates no candidate matches, the
// same in all four phase kinds; FindFittedAngles finds them one at a time in the summed
// spectrum of the four residues, decides with the odd lunations 4n + 1 of 1900..2100 between a
// rate and the one half a turn per lunation faster (which every second lunation cannot tell
// apart), writes each as M, M', F plus a slow remainder (PhaseCalc::kFittedRates), and the
// second pass chooses again among the candidates and those angles.
//
// Candidates obey d'Alembert's rule (the multiples of the longitudes add up to at most 3) and,
// in the first model, no two chosen terms move half a turn per lunation apart
// (HalfTurnFromChosen): on the even lunations such a pair is one column, and its share-out
// would be what the odd lunations get.
//
// Honest measurement: the terms are chosen and fitted on three quarters of the even lunations
// (every 4th even lunation, those divisible by 8, is held out) together with the odd lunations
// 4n + 1 of 1900..2100 from the second table (sampled every second lunation alone, an argument
// and one moving 180 degrees more per lunation would look alike); the number of terms kept is
// the one with the least held-out error, and the final coefficients are fitted again on the
// same rows. With --cross-validate the tool measures the stored models on every even lunation,
// each predicted by a fit that never saw it (CrossValidate), and on the odd lunations 4n + 3 of
// 1900..2100; that is what phasecalc.h and the README state.
//
// With --near, the same for the second model of the years 900..3100 (PhaseCalc::NearWeight)
// on what the stored first model leaves: amplitudes linear in u, a Chebyshev series of degree
// 7 in its own variable, the planets' action on the Moon among the candidates, no two terms
// whose rates differ by a multiple of 45 degrees per lunation (AliasOfChosen); at most 150
// terms per phase kind. Writes src/astro/phasecalc/PhaseCorrectionNearTerms.cpp (a minute):
//   ./fit_phase_correction --near phases-even.csv tests/data/phases.csv
//       src/astro/phasecalc/PhaseCorrectionNearTerms.cpp
//
// Input: the ephemeris phase tables lunation,phase,jd_tt: all phases of every even lunation
// -3200..6000 (uncompressed), and a table with odd lunations (tests/data/phases.csv).
// Build and run from the project folder (two threads, about ten minutes; then build again and
// run --near, build again and run --cross-validate, five minutes):
//   g++ -std=c++20 -O2 -pthread -Isrc -o fit_phase_correction tools/fit_phase_correction.cpp
//       src/astro/phasecalc/PhaseTimes.cpp src/astro/phasecalc/PhaseCorrection.cpp
//       src/astro/phasecalc/PhaseCorrectionTerms.cpp src/astro/phasecalc/PhaseCorrectionNearTerms.cpp
//   ./fit_phase_correction phases-even.csv tests/data/phases.csv
//       src/astro/phasecalc/PhaseCorrectionTerms.cpp
//   ./fit_phase_correction --cross-validate phases-even.csv tests/data/phases.csv
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "LinearSolve.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace {

using PhaseCalc::kArgumentCount;
using PhaseCalc::kFundamentalCount;
using PhaseCalc::kLargestMultiple;
using PhaseCalc::kSecularCount;
using Complex = std::complex<double>;
using Multiples = std::array<signed char, kFundamentalCount>;

int kMaxTerms = 260;                 // per phase kind (kNearMaxTerms for the near model)
constexpr int kNearMaxTerms = 150;
// Fitting the near model (--near): the rows of the years 900..3100 (PhaseCalc::NearWeight),
// on what the stored first model leaves, with no secular series of its own.
bool near = false;
constexpr int kTermsPerRound = 20;
// Terms given amplitudes of degree 3..5 in u as well (the largest first). Tried with 16: the
// held-out error fell by a few hundredths of a second only, so none.
constexpr size_t kExtendedTerms = 0;
constexpr double kSmallestAmplitude = 0.01;  // seconds

// The rates of the fitted angles (PhaseCalc::kFittedRates) the tool works with: the stored ones,
// or those its frequency analysis finds (FindFittedAngles) when it fits the first model; and
// the argument of M, M', F each one goes with.
std::array<double, PhaseCalc::kFittedAngleCount> fittedRates;
std::vector<std::array<signed char, PhaseCalc::kFundamentalCount>> fittedBases;

// PhaseCalc::FundamentalAngles with the tool's fitted rates.
void Angles(double k, double* angles) {
    PhaseCalc::FundamentalAngles(k, angles);
    for (int j = 0; j < PhaseCalc::kFittedAngleCount; ++j)
        angles[PhaseCalc::kArgumentCount + j] = PhaseCalc::ReduceDegrees(fittedRates[j] * k) * PhaseCalc::kDegree;
}

struct Row {
    int lunation;
    double k, u, residue;  // residue: ephemeris minus chapter 49, seconds
    bool held;             // held out of the fit
};

struct Term {
    Multiples multiple{};
    int power = 0;     // the amplitudes are multiplied by u^power
    double c[6] = {};  // s0, c0, s1, c1, s2, c2
};

struct Rows {
    std::vector<Row> rows;
    // e^(i j angle) for j = 0..kLargestMultiple per fundamental, per row.
    std::vector<Complex> powers;
    const Complex* Powers(size_t r) const { return &powers[r * kFundamentalCount * (kLargestMultiple + 1)]; }
};

void ReadTable(const char* path, std::vector<Row> (&byPhase)[4]) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        int lunation = 0, phase = 0;
        double jd = 0.0;
        if (std::sscanf(line.c_str(), "%d,%d,%lf", &lunation, &phase, &jd) != 3) continue;
        const double k = lunation + 0.25 * phase;
        byPhase[phase].push_back({lunation, k, k / PhaseCalc::kCorrectionLunations,
                                  (jd - PhaseCalc::MeeusPhaseTime(k)) * 86400.0,
                                  (lunation / 2) % 4 == 0});
    }
}

void FillPowers(Rows& data) {
    const size_t stride = kFundamentalCount * (kLargestMultiple + 1);
    data.powers.assign(data.rows.size() * stride, Complex{});
    for (size_t r = 0; r < data.rows.size(); ++r) {
        double angles[kFundamentalCount];
        Angles(data.rows[r].k, angles);
        Complex* p = &data.powers[r * stride];
        for (int i = 0; i < kFundamentalCount; ++i) {
            const Complex z = std::polar(1.0, angles[i]);
            p[i * (kLargestMultiple + 1)] = 1.0;
            for (int j = 1; j <= kLargestMultiple; ++j)
                p[i * (kLargestMultiple + 1) + j] = p[i * (kLargestMultiple + 1) + j - 1] * z;
        }
    }
}

Complex Exponential(const Complex* p, const Multiples& m) {
    Complex z = 1.0;
    for (int i = 0; i < kFundamentalCount; ++i) {
        const int j = m[i];
        if (j > 0) z *= p[i * (kLargestMultiple + 1) + j];
        else if (j < 0) z *= std::conj(p[i * (kLargestMultiple + 1) - j]);
    }
    return z;
}

void Columns(const Row& row, Complex z, int power, double* col) {
    const double u = row.u;
    const double scale = power == 0 ? 1.0 : std::pow(u, power);
    const double s = z.imag() * scale, c = z.real() * scale;
    col[0] = s; col[1] = c; col[2] = u * s; col[3] = u * c; col[4] = u * u * s; col[5] = u * u * c;
    // Over the near model's two thousand years, amplitudes linear in the time (quadratic ones
    // let terms of long period stand in for one another and fit noise).
    if (near) col[4] = col[5] = 0.0;
}

void Chebyshev(double u, double* t) {
    t[0] = 1.0;
    t[1] = u;
    for (int j = 2; j < kSecularCount; ++j) t[j] = 2.0 * u * t[j - 1] - t[j - 2];
}

// The working fit of one phase kind: residue[r] = data residue minus the model so far.
struct Fit {
    const Rows& data;
    bool useHeld;  // fit on every row (final) or on the rows not held out
    std::vector<double> residue;
    double secular[kSecularCount] = {};
    std::vector<Term> terms;

    Fit(const Rows& d, bool all) : data(d), useHeld(all), residue(d.rows.size()) {
        for (size_t r = 0; r < d.rows.size(); ++r) residue[r] = d.rows[r].residue;
    }
    bool Fitted(size_t r) const { return useHeld || !data.rows[r].held; }

    // Refits the secular series on the residue with its current contribution added back.
    void FitSecular() {
        // The near model's secular series is one of degree kNearSecularCount - 1 in its own
        // variable (PhaseCalc::NearSecularVariable), for the slow drift the first model leaves
        // over the two thousand years.
        const int count = near ? PhaseCalc::kNearSecularCount : kSecularCount;
        auto variable = [&](size_t r) {
            return near ? PhaseCalc::NearSecularVariable(data.rows[r].k) : data.rows[r].u;
        };
        std::vector<double> a(count * count, 0.0), b(count, 0.0);
        double t[kSecularCount];
        for (size_t r = 0; r < residue.size(); ++r) {
            Chebyshev(variable(r), t);
            double current = 0.0;
            for (int j = 0; j < count; ++j) current += secular[j] * t[j];
            residue[r] += current;
            if (!Fitted(r)) continue;
            for (int i = 0; i < count; ++i) {
                b[i] += t[i] * residue[r];
                for (int j = 0; j < count; ++j) a[i * count + j] += t[i] * t[j];
            }
        }
        const std::vector<double> x = Solve(a, b);
        for (size_t r = 0; r < residue.size(); ++r) {
            Chebyshev(variable(r), t);
            for (int j = 0; j < count; ++j) residue[r] -= x[j] * t[j];
        }
        std::copy(x.begin(), x.end(), secular);
    }

    // (Re)fits one term's six coefficients on the residue with its contribution added back.
    void FitTerm(Term& term) {
        std::vector<double> a(36, 0.0), b(6, 0.0);
        double col[6];
        for (size_t r = 0; r < residue.size(); ++r) {
            Columns(data.rows[r], Exponential(data.Powers(r), term.multiple), term.power, col);
            double current = 0.0;
            for (int j = 0; j < 6; ++j) current += term.c[j] * col[j];
            residue[r] += current;
            if (!Fitted(r)) continue;
            for (int i = 0; i < 6; ++i) {
                b[i] += col[i] * residue[r];
                for (int j = 0; j < 6; ++j) a[i * 6 + j] += col[i] * col[j];
            }
        }
        const std::vector<double> x = Solve(a, b);
        for (size_t r = 0; r < residue.size(); ++r) {
            Columns(data.rows[r], Exponential(data.Powers(r), term.multiple), term.power, col);
            for (int j = 0; j < 6; ++j) residue[r] -= x[j] * col[j];
        }
        std::copy(x.begin(), x.end(), term.c);
    }

    void BackFit(int sweeps) {
        for (int s = 0; s < sweeps; ++s) {
            FitSecular();
            for (Term& t : terms) FitTerm(t);
        }
    }
};

// Degrees per lunation of the fundamental angles (PhaseCalc::FundamentalAngles, linear terms).
double Rate(const Multiples& m) {
    constexpr double kCentury = 29.530588861 / 36525.0;  // Julian centuries per lunation
    double rates[kFundamentalCount] = {29.10535670, 385.81693528, 390.67050284, -1.56375588,
                                       58517.8156760 * kCentury, 35999.3728565 * kCentury,
                                       19140.2993039 * kCentury, 3034.9056606 * kCentury,
                                       1222.1138488 * kCentury};
    for (int j = 0; j < PhaseCalc::kFittedAngleCount; ++j) rates[PhaseCalc::kArgumentCount + j] = fittedRates[j];
    double rate = 0.0;
    for (int i = 0; i < kFundamentalCount; ++i) rate += m[i] * rates[i];
    return rate;
}
// Arguments whose rates (modulo 180 degrees per lunation) differ by less than this are
// treated as one.
constexpr double kRateResolution = 1e-7;

std::vector<Multiples> Candidates() {
    std::vector<Multiples> out;
    auto canonical = [](const Multiples& m) {
        for (signed char x : m)
            if (x != 0) return x > 0;
        return false;
    };
    // The Moon's arguments M, M', F, Omega.
    for (int a = -4; a <= 4; ++a)
        for (int b = -6; b <= 6; ++b)
            for (int c = -6; c <= 6; ++c)
                for (int d = -2; d <= 2; ++d) {
                    if (std::abs(a) + std::abs(b) + std::abs(c) + std::abs(d) > 8) continue;
                    Multiples m{};
                    m[0] = a; m[1] = b; m[2] = c; m[3] = d;
                    if (canonical(m)) out.push_back(m);
                }
    // The planets' mean longitudes: at most three planets, optionally with M' or M.
    const int limit[5] = {8, 8, 5, 4, 3};
    for (int v = -limit[0]; v <= limit[0]; ++v)
        for (int e = -limit[1]; e <= limit[1]; ++e)
            for (int ma = -limit[2]; ma <= limit[2]; ++ma)
                for (int j = -limit[3]; j <= limit[3]; ++j)
                    for (int sa = -limit[4]; sa <= limit[4]; ++sa) {
                        const int p[5] = {v, e, ma, j, sa};
                        int nonzero = 0, sum = 0;
                        for (int x : p) { nonzero += x != 0; sum += std::abs(x); }
                        if (nonzero == 0 || nonzero > 3 || sum > 10) continue;
                        if (nonzero == 3 && sum > 7) continue;
                        for (int lunar = 0; lunar < 5; ++lunar) {
                            if (lunar > 0 && (nonzero > 2 || sum > 8)) continue;
                            Multiples m{};
                            for (int i = 0; i < 5; ++i) m[4 + i] = p[i];
                            if (lunar == 1) m[1] = 1;
                            if (lunar == 2) m[1] = -1;
                            if (lunar == 3) m[0] = 1;
                            if (lunar == 4) m[0] = -1;
                            if (canonical(m)) out.push_back(m);
                        }
                    }
    // The near model: the planets' action on the Moon, one or two planets with one of the
    // Moon's arguments M', 2 M', M' + M, M' - M, 2 F, 2 F - M', 2 F + M', 2 M, M' + 2 F ...
    // (amplitudes of a few tenths of a second that the whole span does not resolve).
    if (near) {
        const int lunar[][3] = {{0, 1, 0}, {0, 2, 0}, {1, 1, 0}, {-1, 1, 0}, {0, 0, 2}, {0, -1, 2},
                                {0, 1, 2}, {2, 0, 0}, {1, 0, 0}, {0, 3, 0}, {0, -2, 2}, {1, 2, 0},
                                {-1, 2, 0}, {1, 0, 2}, {-1, 0, 2}};
        for (int v = -5; v <= 5; ++v)
            for (int e = -5; e <= 5; ++e)
                for (int ma = -5; ma <= 5; ++ma)
                    for (int j = -4; j <= 4; ++j)
                        for (int sa = -3; sa <= 3; ++sa) {
                            const int p[5] = {v, e, ma, j, sa};
                            int nonzero = 0, sum = 0;
                            for (int x : p) { nonzero += x != 0; sum += std::abs(x); }
                            if (nonzero == 0 || nonzero > 2 || sum > 5) continue;
                            for (const auto& l : lunar)
                                for (int sign = -1; sign <= 1; sign += 2) {
                                    Multiples m{};
                                    for (int i = 0; i < 5; ++i) m[4 + i] = p[i];
                                    m[0] = sign * l[0]; m[1] = sign * l[1]; m[2] = sign * l[2];
                                    if (canonical(m)) out.push_back(m);
                                }
                        }
    }
    // d'Alembert's rule: in a perturbation's argument the multiples of the longitudes (the
    // planets' mean longitudes, the node Omega; M, M' and F are differences of two) add up to
    // zero, the balance made by perihelia and nodes that move a few degrees a century, each
    // with a power of an eccentricity or an inclination. Arguments whose multiples add up to
    // more than 3 are orders of magnitude smaller than a second, so a residue that matches one
    // belongs to another argument: seen every second lunation, one whose rate differs by half
    // a turn per lunation (2 V + 2 E + 3 Sa and M - 2 J look alike there).
    out.erase(std::remove_if(out.begin(), out.end(), [](const Multiples& m) {
                  int sum = m[3];
                  for (int i = 4; i < PhaseCalc::kArgumentCount; ++i) sum += m[i];
                  return std::abs(sum) > 3;
              }), out.end());
    // Long-period planetary terms with large multiples: Venus's action on the Moon
    // (18 V - 16 E - M', period 273 years), the Venus-Earth near-commensurability (8 V - 13 E,
    // 243 years), Mars-Earth (15 Ma - 8 E) and Jupiter-Saturn (5 Sa - 2 J, the great
    // inequality), each alone, doubled, or with one further argument.
    const int bases[4][9] = {{0, -1, 0, 0, 18, -16, 0, 0, 0}, {0, 0, 0, 0, 8, -13, 0, 0, 0},
                             {0, 0, 0, 0, 0, -8, 15, 0, 0}, {0, 0, 0, 0, 0, 0, 0, -2, 5}};
    for (const auto& base : bases)
        for (int times = 1; times <= 2; ++times)
            for (int extra = -1; extra < kFundamentalCount; ++extra)
                for (int sign = -1; sign <= 1; sign += 2) {
                    if (extra < 0 && sign > 0) continue;
                    Multiples m{};
                    bool fits = true;
                    for (int i = 0; i < kFundamentalCount; ++i) {
                        const int x = times * base[i] + (i == extra ? sign : 0);
                        if (std::abs(x) > kLargestMultiple) fits = false;
                        m[i] = static_cast<signed char>(x);
                    }
                    if (!fits) continue;
                    if (!canonical(m))
                        for (signed char& x : m) x = static_cast<signed char>(-x);
                    if (std::find(out.begin(), out.end(), m) == out.end()) out.push_back(m);
                }
    // The fitted angles (FindFittedAngles): each with its base (at most two of M, M', F), alone,
    // and with M' or M on either side (the Moon's speed and the Sun's distance change how a
    // perturbation of the longitudes shows in the time).
    for (size_t j = 0; j < fittedBases.size(); ++j) {
        const int w = PhaseCalc::kArgumentCount + static_cast<int>(j);
        Multiples base = fittedBases[j];
        base[w] = 1;
        out.push_back(base);
        for (int lunar = 0; lunar < 5; ++lunar) {
            Multiples m{};
            m[w] = 1;
            if (lunar == 1) m[1] = 1;
            if (lunar == 2) m[1] = -1;
            if (lunar == 3) m[0] = 1;
            if (lunar == 4) m[0] = -1;
            if (std::find(out.begin(), out.end(), m) == out.end()) out.push_back(m);
        }
    }
    // Arguments of the same rate are the same term: keep the simplest (smallest sum of
    // multiples). Sampled every second lunation, an argument and one moving 180 degrees more
    // per lunation look alike; the odd lunations of the second table tell them apart.
    std::stable_sort(out.begin(), out.end(), [](const Multiples& a, const Multiples& b) {
        int sa = 0, sb = 0;
        for (int i = 0; i < kFundamentalCount; ++i) { sa += std::abs(a[i]); sb += std::abs(b[i]); }
        return sa < sb;
    });
    // Only what the library's tables hold.
    out.erase(std::remove_if(out.begin(), out.end(), [](const Multiples& m) {
                  for (int i = 0; i < kFundamentalCount; ++i)
                      if (std::abs(m[i]) > PhaseCalc::kLargestMultiples[i]) return true;
                  return false;
              }), out.end());
    std::vector<Multiples> kept;
    std::vector<double> keptRates;
    for (const Multiples& m : out) {
        const double rate = std::fmod(std::fmod(Rate(m), 360.0) + 360.0, 360.0);
        // The near model: no argument slower than a turn in 300 years (its secular series
        // takes those), none within 2 degrees per lunation of half a turn (on the even
        // lunations, the bulk of its rows, those look like slow ones).
        if (near && (std::fmin(rate, 360.0 - rate) < 0.1 || std::fabs(rate - 180.0) < 2.0)) continue;
        bool alias = false;
        for (double r : keptRates) {
            const double d = std::fabs(rate - r);
            if (std::fmin(d, 360.0 - d) < kRateResolution) { alias = true; break; }
        }
        if (alias) continue;
        kept.push_back(m);
        keptRates.push_back(rate);
    }
    return kept;
}

struct Stats { double median = 0, p99 = 0, largest = 0; size_t n = 0; };
Stats Measure(std::vector<double> e) {
    Stats s;
    s.n = e.size();
    if (e.empty()) return s;
    for (double& x : e) x = std::fabs(x);
    std::sort(e.begin(), e.end());
    s.median = e[e.size() / 2];
    s.p99 = e[std::min(e.size() - 1, static_cast<size_t>(0.99 * static_cast<double>(e.size())))];
    s.largest = e.back();
    return s;
}

struct Era { const char* name; double from, to; };
constexpr Era kEras[] = {{"1600..2100", 1600, 2100}, {"1000..3000", 1000, 3000},
                         {"-3200..6000", -3300, 6100}};
double YearOfLunation(double k) { return 2000.0 + k / 12.368531; }

// Errors by era of rows (all or held-out) of a residue vector.
std::string Report(const Rows& data, const std::vector<double>& residue, bool heldOnly) {
    std::string out;
    for (const Era& era : kEras) {
        std::vector<double> e;
        for (size_t r = 0; r < residue.size(); ++r) {
            const double y = YearOfLunation(data.rows[r].k);
            if ((!heldOnly || data.rows[r].held) && y >= era.from && y < era.to) e.push_back(residue[r]);
        }
        const Stats s = Measure(e);
        char buf[160];
        std::snprintf(buf, sizeof buf, "  %s: n=%zu median %.2f s largest %.2f s\n", era.name, s.n,
                      s.median, s.largest);
        out += buf;
    }
    std::vector<double> odd;
    for (size_t r = 0; r < residue.size(); ++r)
        if (data.rows[r].held && data.rows[r].lunation % 2 != 0) odd.push_back(residue[r]);
    const Stats s = Measure(odd);
    char buf[160];
    std::snprintf(buf, sizeof buf, "  odd lunations 4n+3: n=%zu median %.2f s largest %.2f s\n", s.n,
                  s.median, s.largest);
    return out + buf;
}

// For the near model: whether an argument's rate lies within the window's resolution of a
// chosen term's rate plus a multiple of 45 degrees per lunation. Sampled at the even
// lunations, such arguments differ only by a function of the lunation modulo 8, and the
// held-out even lunations are those divisible by 8: together they would fit the other
// classes' noise and say nothing of the held-out ones.
bool AliasOfChosen(const Multiples& m, const std::vector<Term>& chosen) {
    constexpr double resolution = 0.04;  // degrees per lunation
    const double rate = Rate(m);
    for (const Term& t : chosen) {
        const double d = std::fmod(std::fabs(rate - Rate(t.multiple)), 45.0);
        if (std::fmin(d, 45.0 - d) < resolution) return true;
    }
    return false;
}

// For the first model: whether an argument moves half a turn per lunation more or less than a
// chosen one (either way round) within the whole span's resolution. On the even lunations,
// the bulk of the rows, the two are one column, and how the fit shares it out between them
// is what it predicts for the odd lunations.
bool HalfTurnFromChosen(const Multiples& m, const std::vector<Term>& chosen) {
    constexpr double resolution = 0.005;  // degrees per lunation
    const double rate = Rate(m);
    for (const Term& t : chosen)
        for (double x : {rate - Rate(t.multiple), rate + Rate(t.multiple)})
            if (std::fabs(std::fmod(std::fabs(x), 360.0) - 180.0) < resolution) return true;
    return false;
}

// Chooses the terms of one phase kind on the rows not held out; returns them.
struct Chosen {
    std::vector<Term> terms;
    std::array<double, kSecularCount> secular{};
};

Chosen ChooseTerms(const Rows& data, const std::vector<Multiples>& candidates, int phase,
                   std::string& log) {
    Fit fit(data, false);
    fit.FitSecular();
    std::vector<bool> used(candidates.size(), false);
    double bestRms = 1e30;
    size_t bestCount = 0;
    for (int round = 0; (int)fit.terms.size() < kMaxTerms; ++round) {
        // Fourier sums of the residue at every candidate argument, with weights 1, u, u^2.
        std::vector<Complex> sum0(candidates.size()), sum1(candidates.size()), sum2(candidates.size());
        double n = 0.0, uu = 0.0, u4 = 0.0;
        for (size_t r = 0; r < data.rows.size(); ++r) {
            if (data.rows[r].held) continue;
            const double u = data.rows[r].u, x = fit.residue[r];
            n += 1.0; uu += u * u; u4 += u * u * u * u;
            const Complex* p = data.Powers(r);
            for (size_t c = 0; c < candidates.size(); ++c) {
                const Complex z = Exponential(p, candidates[c]) * x;
                sum0[c] += z; sum1[c] += z * u; sum2[c] += z * (u * u);
            }
        }
        std::vector<std::pair<double, size_t>> ranked;
        for (size_t c = 0; c < candidates.size(); ++c) {
            if (used[c]) continue;
            // Variance explained, approximately, by the sine and cosine weighted by 1, u, u^2.
            const double score = std::norm(sum0[c]) / n + std::norm(sum1[c]) / uu + std::norm(sum2[c]) / u4;
            ranked.push_back({score, c});
        }
        const size_t take = std::min<size_t>(kTermsPerRound, kMaxTerms - fit.terms.size());
        std::sort(ranked.begin(), ranked.end(), std::greater<>());
        const double bestAmplitude = 2.0 * std::sqrt(ranked[0].first / n);
        if (bestAmplitude < kSmallestAmplitude) break;
        for (size_t i = 0, taken = 0; i < ranked.size() && taken < take; ++i) {
            used[ranked[i].second] = true;
            const Multiples& m = candidates[ranked[i].second];
            if (near ? AliasOfChosen(m, fit.terms) : HalfTurnFromChosen(m, fit.terms)) continue;
            Term t;
            t.multiple = m;
            fit.FitTerm(t);
            fit.terms.push_back(t);
            ++taken;
        }
        if (round % 3 == 2) fit.BackFit(1);
        double squares = 0.0;
        size_t count = 0;
        for (size_t r = 0; r < data.rows.size(); ++r)
            if (data.rows[r].held) { squares += fit.residue[r] * fit.residue[r]; ++count; }
        const double rms = std::sqrt(squares / count);
        if (rms < bestRms) { bestRms = rms; bestCount = fit.terms.size(); }
        char buf[120];
        std::snprintf(buf, sizeof buf, "phase %d: %zu terms (largest new amplitude %.3f s); held out:\n",
                      phase, fit.terms.size(), bestAmplitude);
        log += buf + Report(data, fit.residue, true);
    }
    // Keep the number of terms with the smallest held-out error (more would fit noise).
    fit.terms.resize(bestCount);
    Fit chosen(data, false);
    chosen.terms = fit.terms;
    chosen.BackFit(2);
    // The largest terms drift beyond a quadratic in the time (their arguments' polynomials
    // differ from the ephemeris's mean elements): give them u^3 .. u^5 as well.
    {
        std::vector<Term> largest = chosen.terms;
        std::sort(largest.begin(), largest.end(), [](const Term& a, const Term& b) {
            return std::hypot(a.c[0], a.c[1]) > std::hypot(b.c[0], b.c[1]);
        });
        for (size_t i = 0; i < largest.size() && i < kExtendedTerms; ++i) {
            Term t;
            t.multiple = largest[i].multiple;
            t.power = 3;
            chosen.FitTerm(t);
            chosen.terms.push_back(t);
        }
    }
    chosen.BackFit(3);
    char buf[80];
    std::snprintf(buf, sizeof buf, "kept %zu terms; after back-fitting, held out:\n", bestCount);
    log += buf + Report(data, chosen.residue, true);
    Chosen result;
    result.terms = chosen.terms;
    std::copy(std::begin(chosen.secular), std::end(chosen.secular), result.secular.begin());
    return result;
}

// A complex discrete Fourier transform in place (radix 2; the size a power of two).
void Fourier(std::vector<Complex>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const Complex w = std::polar(1.0, -2.0 * PhaseCalc::kPi / static_cast<double>(len));
        for (size_t i = 0; i < n; i += len) {
            Complex z = 1.0;
            for (size_t j = 0; j < len / 2; ++j, z *= w) {
                const Complex x = a[i + j], y = a[i + j + len / 2] * z;
                a[i + j] = x + y;
                a[i + j + len / 2] = x - y;
            }
        }
    }
}

// The frequency analysis behind the fitted angles. The first model's residue still holds
// sinusoids of a few tenths of a second, the same in all four phase kinds (so perturbations of
// the longitudes themselves), at rates no argument of the candidates matches over the nine
// thousand years (the Venus term of 273 years among them: its argument of mean longitudes
// drifts from the ephemeris' by a turn over the span). Found one at a time: the largest peak
// of the four residues' summed spectrum over the even lunations (the held-out ones left
// empty), its rate refined, fitted with amplitudes quadratic in u and taken away. Every second
// lunation cannot tell a rate from one half a turn per lunation faster: the odd lunations
// 4n + 1 of 1900..2100 decide (the sign of their correlation with what the even ones
// predict). Each rate is then written as a combination of M, M', F plus a slow remainder, the
// fitted angle, when one within 0.06 degree per lunation exists.
void FindFittedAngles(const Rows (&data)[4], std::vector<double> (&residue)[4],
                      const std::vector<Multiples>& candidates) {
    int first = 1 << 30, last = -(1 << 30);
    for (const Row& row : data[0].rows)
        if (row.lunation % 2 == 0) { first = std::min(first, row.lunation); last = std::max(last, row.lunation); }
    size_t size = 1;
    while (size < static_cast<size_t>((last - first) / 2 + 1) * 2) size <<= 1;
    const double binRate = 180.0 / static_cast<double>(size);  // degrees per lunation per bin
    // Folded into 0..180 degrees per lunation, the rates the candidates already cover.
    std::vector<double> covered;
    for (const Multiples& m : candidates) {
        const double r = std::fmod(std::fabs(Rate(m)), 180.0);
        covered.push_back(std::fmin(r, 180.0 - r));
    }
    std::vector<std::pair<double, double>> excluded;  // rate ranges not to pick again
    fittedBases.clear();
    int found = 0;
    for (int attempt = 0; attempt < 40 && found < PhaseCalc::kFittedAngleCount; ++attempt) {
        std::vector<double> power(size / 2, 0.0);
        for (int phase = 0; phase < 4; ++phase) {
            std::vector<Complex> grid(size, 0.0);
            for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                const Row& row = data[phase].rows[r];
                if (row.lunation % 2 == 0 && !row.held) grid[(row.lunation - first) / 2] = residue[phase][r];
            }
            Fourier(grid);
            for (size_t b = 0; b < size / 2; ++b) power[b] += std::norm(grid[b]);
        }
        size_t best = 0;
        for (size_t b = 1; b < size / 2; ++b) {
            const double rate = b * binRate;
            if (rate < 0.03 || rate > 179.97) continue;  // the secular series' own
            bool skip = false;
            for (const auto& e : excluded) skip = skip || (rate > e.first && rate < e.second);
            if (!skip && power[b] > power[best]) best = b;
        }
        // The rate refined on the rows of the fit: the largest summed power |sum x e^(-i rate k)|^2.
        auto summed = [&](double rate) {
            double total = 0.0;
            for (int phase = 0; phase < 4; ++phase) {
                Complex z = 0.0;
                for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                    const Row& row = data[phase].rows[r];
                    if (row.held || row.lunation % 2 != 0) continue;
                    z += residue[phase][r] * std::polar(1.0, -rate * row.k * PhaseCalc::kDegree);
                }
                total += std::norm(z);
            }
            return total;
        };
        double rate = best * binRate, step = binRate;
        for (int round = 0; round < 12; ++round, step *= 0.5) {
            const double down = summed(rate - step), here = summed(rate), up = summed(rate + step);
            if (down > here && down >= up) rate -= step;
            else if (up > here) rate += step;
        }
        excluded.push_back({rate - 3 * binRate, rate + 3 * binRate});
        bool isCovered = false;
        for (double c : covered) isCovered = isCovered || std::fabs(c - std::fmin(rate, 180.0 - rate)) < 5e-4;
        // Per phase kind: the six coefficients on the even rows of the fit, and the odd rows'
        // verdict on the half-turn question.
        double agreement = 0.0, predictedSquares = 0.0, residueSquares = 0.0, amplitude = 0.0;
        std::vector<double> coefficients[4];
        int oddRows = 0;
        for (int phase = 0; phase < 4; ++phase) {
            std::vector<double> a(36, 0.0), b(6, 0.0);
            double col[6];
            for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                const Row& row = data[phase].rows[r];
                if (row.held || row.lunation % 2 != 0) continue;
                Columns(row, std::polar(1.0, rate * row.k * PhaseCalc::kDegree), 0, col);
                for (int i = 0; i < 6; ++i) {
                    b[i] += col[i] * residue[phase][r];
                    for (int j = 0; j < 6; ++j) a[i * 6 + j] += col[i] * col[j];
                }
            }
            coefficients[phase] = Solve(a, b);
            amplitude += std::hypot(coefficients[phase][0], coefficients[phase][1]) / 4.0;
            for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                const Row& row = data[phase].rows[r];
                if (row.held || row.lunation % 2 == 0) continue;
                Columns(row, std::polar(1.0, rate * row.k * PhaseCalc::kDegree), 0, col);
                double predicted = 0.0;
                for (int i = 0; i < 6; ++i) predicted += coefficients[phase][i] * col[i];
                agreement += predicted * residue[phase][r];
                predictedSquares += predicted * predicted;
                residueSquares += residue[phase][r] * residue[phase][r];
                ++oddRows;
            }
        }
        if (isCovered) {
            std::printf("frequency analysis: %.5f deg/lunation (%.3f s) is a candidate's\n", rate, amplitude);
            continue;
        }
        if (amplitude < 0.05) break;
        // The odd rows decide when they clearly see the term (the share of its predicted power
        // they confirm or deny above one half, at five standard deviations of chance); else
        // the slower of the two rates, as a perturbation of low order is (a slow term's
        // contribution over two centuries is nearly a constant, which the secular series
        // shares).
        const double share = predictedSquares > 0.0 ? agreement / predictedSquares : 0.0;
        const double chance = std::sqrt(predictedSquares * residueSquares / std::max(oddRows, 1));
        // A slow term (under a degree per lunation, a period over 30 years) stays slow: the
        // faster rate would be a turn every two lunations, which no perturbation of low order
        // has, and over two centuries the slow terms, a few hundredths of a degree per lunation
        // apart, are one another's confounders on the odd rows.
        const bool decided = rate >= 1.0 && std::fabs(share) > 0.5 && std::fabs(agreement) > 5.0 * chance;
        const bool halfTurn = decided ? agreement < 0.0 : rate > 90.0;
        const double chosen = halfTurn ? rate - 180.0 : rate;
        // The simplest base within 0.06 degree per lunation.
        Multiples base{};
        double remainder = chosen;
        int simplest = 99;
        for (int a = -2; a <= 2; ++a)
            for (int b = -2; b <= 2; ++b)
                for (int c = -2; c <= 2; ++c) {
                    Multiples m{};
                    m[0] = a; m[1] = b; m[2] = c;
                    double left = std::remainder(chosen - Rate(m), 360.0);
                    const int size2 = std::abs(a) + std::abs(b) + std::abs(c);
                    if (std::fabs(left) < 0.06 && (size2 < simplest || (size2 == simplest && std::fabs(left) < std::fabs(remainder)))) {
                        simplest = size2;
                        base = m;
                        remainder = left;
                    }
                }
        if (simplest == 99) remainder = std::remainder(chosen, 360.0);
        fittedRates[found] = remainder;
        fittedBases.push_back(base);
        std::printf("frequency analysis: %.5f deg/lunation, %.3f s; odd lunations: share %.2f, %.1f "
                    "sigma, %s; base M %d M' %d F %d, fitted rate %.6f\n", rate, amplitude, share,
                    chance > 0.0 ? agreement / chance : 0.0,
                    decided ? (halfTurn ? "half a turn more" : "as is") : (halfTurn ? "undecided, the slower" : "undecided, as is"),
                    base[0], base[1], base[2], remainder);
        ++found;
        // Taken away from the residues, with the rate chosen, before the next peak.
        for (int phase = 0; phase < 4; ++phase)
            for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                double col[6];
                Columns(data[phase].rows[r], std::polar(1.0, chosen * data[phase].rows[r].k * PhaseCalc::kDegree), 0, col);
                for (int i = 0; i < 6; ++i) residue[phase][r] -= coefficients[phase][i] * col[i];
            }
    }
    for (int j = found; j < PhaseCalc::kFittedAngleCount; ++j) fittedRates[j] = 0.0;
    std::fflush(stdout);
}

// --cross-validate: the error of the stored models (their terms as they are, the coefficients
// fitted again) on every even lunation, each predicted by a fit that never saw it. Four folds,
// the even lunations by (lunation / 2) mod 4: fold 0 is the quarter the term choice never saw
// either (lunations divisible by 8); for folds 1..3 the choice of the terms saw them, the
// fitted coefficients did not. Each fold: the first model fitted on the other three folds and
// the odd lunations 4n + 1 of 1900..2100, then the second on what the first leaves there, as
// the library adds them (NearWeight). The odd lunations 4n + 3 of 1900..2100 are predicted by
// the fit of fold 0.
void CrossValidate(const std::vector<Row> (&even)[4], const std::vector<Row> (&other)[4]) {
    auto terms = [](const PhaseCalc::PhaseCorrectionModel& model) {
        std::vector<Term> out;
        for (int i = 0; i < model.termCount; ++i) {
            const PhaseCalc::CorrectionTerm& c = model.terms[i];
            Term t;
            for (int j = 0; j < PhaseCalc::kTermAngles; ++j)
                if (c.angle[j] < kFundamentalCount) t.multiple[c.angle[j]] = c.multiple[j];
            t.power = c.power;
            out.push_back(t);
        }
        return out;
    };
    constexpr int kFolds = 4;
    auto foldOf = [](const Row& row) {
        if (row.lunation % 2 != 0) return ((row.lunation % 4) + 4) % 4 == 3 ? -2 : -1;
        return ((row.lunation / 2) % kFolds + kFolds) % kFolds;
    };
    Rows data[4];
    std::vector<double> farResidue[4][kFolds];
    for (int phase = 0; phase < 4; ++phase) {
        data[phase].rows = even[phase];
        for (const Row& row : other[phase])
            if (row.lunation % 2 != 0) data[phase].rows.push_back(row);
    }
    auto heldFor = [&](Rows& d, int fold) {
        for (Row& row : d.rows) row.held = foldOf(row) == fold || foldOf(row) == -2;
    };
    // The first model (not the near one: Columns and FitSecular read the flag).
    near = false;
    auto farWork = [&](int phase) {
        FillPowers(data[phase]);
        for (int fold = 0; fold < kFolds; ++fold) {
            heldFor(data[phase], fold);
            Fit fit(data[phase], false);
            fit.terms = terms(PhaseCalc::kPhaseCorrection[phase]);
            fit.BackFit(4);
            farResidue[phase][fold] = fit.residue;
        }
        data[phase].powers = {};
        std::fprintf(stderr, "phase %d: first model cross-validated\n", phase);
    };
    {
        std::thread other2([&] { farWork(1); farWork(3); });
        farWork(0);
        farWork(2);
        other2.join();
    }
    // The second model on the rows where it counts, fitted to the first one's fold residue.
    near = true;
    std::vector<double> error[4];
    auto nearWork = [&](int phase) {
        Rows window;
        std::vector<size_t> index;
        for (size_t r = 0; r < data[phase].rows.size(); ++r)
            if (PhaseCalc::NearWeight(data[phase].rows[r].k) > 0.0 ||
                std::fabs(data[phase].rows[r].k) <= PhaseCalc::kNearLunations) {
                window.rows.push_back(data[phase].rows[r]);
                index.push_back(r);
            }
        FillPowers(window);
        error[phase].assign(data[phase].rows.size(), 0.0);
        for (int fold = 0; fold < kFolds; ++fold) {
            const std::vector<double>& far = farResidue[phase][fold];
            for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                const int f = foldOf(data[phase].rows[r]);
                if (f == fold || (f == -2 && fold == 0)) error[phase][r] = far[r];
            }
            heldFor(window, fold);
            for (size_t w = 0; w < window.rows.size(); ++w) window.rows[w].residue = far[index[w]];
            Fit fit(window, false);
            fit.terms = terms(PhaseCalc::kNearPhaseCorrection[phase]);
            fit.BackFit(4);
            for (size_t w = 0; w < window.rows.size(); ++w) {
                const Row& row = data[phase].rows[index[w]];
                const int f = foldOf(row);
                if (f != fold && !(f == -2 && fold == 0)) continue;
                const double model = far[index[w]] - fit.residue[w];
                error[phase][index[w]] = far[index[w]] - PhaseCalc::NearWeight(row.k) * model;
            }
        }
        std::fprintf(stderr, "phase %d: second model cross-validated\n", phase);
    };
    {
        std::thread other2([&] { nearWork(1); nearWork(3); });
        nearWork(0);
        nearWork(2);
        other2.join();
    }
    std::printf("phase times, cross-validated (seconds, TT):\n"
                "| era | lunations | rows | median | 99th percentile | largest |\n"
                "| --- | --- | --- | --- | --- | --- |\n");
    const char* kinds[] = {"every even lunation, 4 folds", "even, the quarter the term choice never saw",
                           "odd 4n + 3 of 1900..2100"};
    for (int kind = 0; kind < 3; ++kind)
        for (const Era& era : kEras) {
            std::vector<double> e;
            for (int phase = 0; phase < 4; ++phase)
                for (size_t r = 0; r < data[phase].rows.size(); ++r) {
                    const Row& row = data[phase].rows[r];
                    const int f = foldOf(row);
                    const double y = YearOfLunation(row.k);
                    if (y < era.from || y >= era.to) continue;
                    if ((kind == 0 && f >= 0) || (kind == 1 && f == 0) || (kind == 2 && f == -2))
                        e.push_back(error[phase][r]);
                }
            if (e.empty()) continue;
            const Stats s = Measure(e);
            std::printf("| %s | %s | %zu | %.2f | %.2f | %.2f |\n", era.name, kinds[kind], s.n, s.median,
                        s.p99, s.largest);
        }
}

// A float literal: 0.5f, 1e-05f, 0.0f (never "0f").
std::string FloatText(float x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7g", x);
    std::string text = buf;
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text + "f";
}

}  // namespace

int main(int argc, char** argv) {
    std::copy(std::begin(PhaseCalc::kFittedRates), std::end(PhaseCalc::kFittedRates), fittedRates.begin());
    if (argc == 4 && std::string(argv[1]) == "--cross-validate") {
        std::vector<Row> even[4], other[4];
        ReadTable(argv[2], even);
        ReadTable(argv[3], other);
        CrossValidate(even, other);
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "--near") {
        near = true;
        kMaxTerms = kNearMaxTerms;
        ++argv;
        --argc;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s [--near] phases-even.csv phases.csv PhaseCorrectionTerms.cpp\n"
                             "  (--near: PhaseCorrectionNearTerms.cpp)\n", argv[0]);
        return 2;
    }
    std::vector<Row> even[4], other[4];
    ReadTable(argv[1], even);
    ReadTable(argv[2], other);
    if (near)
        for (auto* table : {&even, &other})
            for (int phase = 0; phase < 4; ++phase) {
                std::vector<Row>& rows = (*table)[phase];
                rows.erase(std::remove_if(rows.begin(), rows.end(), [](const Row& row) {
                               return PhaseCalc::NearWeight(row.k) == 0.0 &&
                                      std::fabs(row.k) > PhaseCalc::kNearLunations;
                           }), rows.end());
                for (Row& row : rows)
                    row.residue -= PhaseCalc::CorrectionSeconds(PhaseCalc::kPhaseCorrection[phase], row.k);
            }
    if (!near) fittedRates.fill(0.0);
    std::vector<Multiples> candidates = Candidates();
    std::printf("%zu candidate arguments\n", candidates.size());
    std::fflush(stdout);

    Rows data[4];
    PhaseCalc::PhaseCorrectionModel models[4];
    std::vector<PhaseCalc::CorrectionTerm> stored[4];
    std::string logs[4];
    auto prepare = [&](int phase) {
        data[phase].rows = even[phase];
        // The odd lunations of the second table (1900..2100): those of the form 4n + 1 join the
        // fit (they tell apart arguments that differ by 180 degrees per lunation), those of
        // the form 4n + 3 are held out.
        for (Row row : other[phase]) {
            if (row.lunation % 2 == 0) continue;
            row.held = ((row.lunation % 4) + 4) % 4 == 3;
            data[phase].rows.push_back(row);
        }
        FillPowers(data[phase]);
    };
    // The first model in two passes: the candidates alone, then with the fitted angles that
    // the frequency analysis of what the first pass leaves finds.
    if (!near) {
        std::vector<double> residue[4];
        auto firstPass = [&](int phase) {
            prepare(phase);
            std::string log;
            const Chosen chosen = ChooseTerms(data[phase], candidates, phase, log);
            Fit fit(data[phase], false);
            fit.terms = chosen.terms;
            for (Term& t : fit.terms) std::fill(std::begin(t.c), std::end(t.c), 0.0);
            fit.BackFit(3);
            residue[phase] = fit.residue;
            data[phase].powers = {};
            std::fprintf(stderr, "phase %d: first pass done\n", phase);
        };
        std::thread other([&] { firstPass(1); firstPass(3); });
        firstPass(0);
        firstPass(2);
        other.join();
        FindFittedAngles(data, residue, candidates);
        candidates = Candidates();
        std::printf("%zu candidate arguments with the fitted angles\n", candidates.size());
        std::fflush(stdout);
    }
    auto work = [&](int phase) {
        prepare(phase);
        // The final coefficients are fitted again from zero on the same rows (without the
        // held-out ones, so that the held-out lunations, every fourth even lunation, in
        // tests/data/phases-heldout.csv for the tests, stay an honest measure).
        const Chosen chosen = ChooseTerms(data[phase], candidates, phase, logs[phase]);
        Fit fit(data[phase], false);
        fit.terms = chosen.terms;
        for (Term& t : fit.terms) std::fill(std::begin(t.c), std::end(t.c), 0.0);
        fit.BackFit(4);
        // Terms of one angle first, then two, three, four (the library's loop then branches
        // predictably), each group largest first.
        auto angles = [](const Term& t) {
            int n = 0;
            for (signed char x : t.multiple) n += x != 0;
            return n;
        };
        std::sort(fit.terms.begin(), fit.terms.end(), [&](const Term& a, const Term& b) {
            if (angles(a) != angles(b)) return angles(a) < angles(b);
            return std::hypot(a.c[0], a.c[1]) > std::hypot(b.c[0], b.c[1]);
        });
        for (const Term& t : fit.terms) {
            PhaseCalc::CorrectionTerm c{};
            int used = 0;
            for (int i = 0; i < kFundamentalCount; ++i)
                if (t.multiple[i] != 0 && used < PhaseCalc::kTermAngles) {
                    c.angle[used] = static_cast<signed char>(i);
                    c.multiple[used++] = t.multiple[i];
                }
            for (; used < PhaseCalc::kTermAngles; ++used) {
                c.angle[used] = kFundamentalCount;
                c.multiple[used] = 0;
            }
            c.power = static_cast<signed char>(t.power);
            c.s0 = (float)t.c[0]; c.c0 = (float)t.c[1]; c.s1 = (float)t.c[2];
            c.c1 = (float)t.c[3]; c.s2 = (float)t.c[4]; c.c2 = (float)t.c[5];
            stored[phase].push_back(c);
        }
        std::copy(std::begin(fit.secular), std::end(fit.secular), models[phase].secular);
        models[phase].terms = stored[phase].data();
        models[phase].termCount = (int)stored[phase].size();
        data[phase].powers = {};
        std::fprintf(stderr, "phase %d done\n", phase);
    };
    std::thread second([&] { work(1); work(3); });
    work(0);
    work(2);
    second.join();
    for (const std::string& log : logs) std::fputs(log.c_str(), stdout);

    FILE* out = std::fopen(argv[3], "w");
    if (near)
        std::fprintf(out,
            "// Generated by tools/fit_phase_correction.cpp --near: do not edit. Coefficients of the second\n"
            "// correction of the chapter-49 phase times (PhaseCorrection.cpp), TT, seconds, fitted to what\n"
            "// the first (PhaseCorrectionTerms.cpp) leaves of the phase times of a JPL DE431-based\n"
            "// ephemeris in the years 900..3100: all phases of the even lunations not held out (three in\n"
            "// four) and of the odd lunations 4n + 1 of 1900..2100. Accuracy of both models, cross-\n"
            "// validated: tools/fit_phase_correction.cpp --cross-validate (phasecalc.h, README).\n"
            "#include \"astro/phasecalc/PhaseCalcDetail.h\"\n\nnamespace PhaseCalc {\n\nnamespace {\n\n");
    else
        std::fprintf(out,
            "// Generated by tools/fit_phase_correction.cpp: do not edit. Coefficients of the correction of\n"
            "// the chapter-49 phase times (PhaseCorrection.cpp), TT, seconds, fitted to the phase times of\n"
            "// a JPL DE431-based ephemeris: all phases of the even lunations not held out (three in\n"
            "// four) -3200..6000 and of the odd lunations 4n + 1 of 1900..2100. Accuracy of both models,\n"
            "// cross-validated: tools/fit_phase_correction.cpp --cross-validate (phasecalc.h, README).\n"
            "#include \"astro/phasecalc/PhaseCalcDetail.h\"\n\nnamespace PhaseCalc {\n\nnamespace {\n\n");
    const char* farNames[4] = {"kNewMoon", "kFirstQuarter", "kFullMoon", "kLastQuarter"};
    const char* nearNames[4] = {"kNearNewMoon", "kNearFirstQuarter", "kNearFullMoon", "kNearLastQuarter"};
    const char* const* names = near ? nearNames : farNames;
    for (int phase = 0; phase < 4; ++phase) {
        std::fprintf(out, "// angles (0 M, 1 M', 2 F, 3 Omega, 4 Venus, 5 Earth, 6 Mars, 7 Jupiter, 8 Saturn, 9..20 the\n"
                          "// fitted angles, 21 none;\n"
                          "// terms of one angle first, then two, three, four, each by size),\n"
                          "// multiples; power of u; s0, c0, s1, c1, s2, c2\n");
        std::fprintf(out, "constexpr CorrectionTerm %sTerms[] = {\n", names[phase]);
        for (const auto& c : stored[phase]) {
            std::fprintf(out, "    {{%d, %d, %d, %d}, {%d, %d, %d, %d}, %d, %s, %s, %s, %s, %s, %s},\n", c.angle[0], c.angle[1],
                         c.angle[2], c.angle[3], c.multiple[0], c.multiple[1], c.multiple[2],
                         c.multiple[3], c.power, FloatText(c.s0).c_str(), FloatText(c.c0).c_str(),
                         FloatText(c.s1).c_str(), FloatText(c.c1).c_str(), FloatText(c.s2).c_str(),
                         FloatText(c.c2).c_str());
        }
        std::fprintf(out, "};\n\n");
    }
    std::fprintf(out, "}  // namespace\n\n");
    if (!near) {
        std::fprintf(out, "// Degrees per lunation, from the frequency analysis of what the candidates leave (see the\n"
                          "// tool); each with the argument it goes with and the period of the remainder:\n");
        for (int j = 0; j < PhaseCalc::kFittedAngleCount; ++j) {
            if (j >= static_cast<int>(fittedBases.size())) {
                std::fprintf(out, "//   %2d: unused\n", kArgumentCount + j);
                continue;
            }
            const Multiples& b = fittedBases[j];
            std::fprintf(out, "//   %2d: %d M %+d M' %+d F + %.6f k: %.0f years\n", kArgumentCount + j, b[0], b[1], b[2],
                         fittedRates[j], fittedRates[j] == 0.0 ? 0.0 : std::fabs(360.0 / fittedRates[j] / 12.368531));
        }
        std::fprintf(out, "const double kFittedRates[kFittedAngleCount] = {");
        for (int j = 0; j < PhaseCalc::kFittedAngleCount; ++j) std::fprintf(out, "%s%.17g", j ? ", " : "", fittedRates[j]);
        std::fprintf(out, "};\n\n");
    }
    std::fprintf(out, "extern constexpr PhaseCorrectionModel %s[4] = {\n",
                 near ? "kNearPhaseCorrection" : "kPhaseCorrection");
    for (int phase = 0; phase < 4; ++phase) {
        std::fprintf(out, "    {{");
        for (int j = 0; j < kSecularCount; ++j) std::fprintf(out, "%s%.17g", j ? ", " : "", models[phase].secular[j]);
        std::fprintf(out, "},\n     %sTerms, static_cast<int>(sizeof %sTerms / sizeof %sTerms[0])},\n",
                     names[phase], names[phase], names[phase]);
    }
    std::fprintf(out, "};\n\n}  // namespace PhaseCalc\n");
    std::fclose(out);
    return 0;
}
