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
// Honest measurement: the terms are chosen and fitted on three quarters of the even lunations
// (every 4th even lunation, those divisible by 8, is held out) together with the odd lunations
// 4n + 1 of 1900..2100 from the second table (sampled every second lunation alone, an argument
// and one moving 180 degrees more per lunation would look alike); the number of terms kept is
// the one with the least held-out error, and the final coefficients are fitted again on the
// same rows. The held-out even lunations (every 40th lunation in tests/data/phases-heldout.csv)
// and the odd lunations 4n + 3 of 1900..2100 measure it, here and in the tests.
//
// With --near, the same for the second model of the years 900..3100 (PhaseCalc::NearWeight)
// on what the stored first model leaves: amplitudes linear in u, a Chebyshev series of degree
// 7 in its own variable, the planets' action on the Moon among the candidates, no two terms
// whose rates differ by a multiple of 45 degrees per lunation (AliasOfChosen); at most 150
// terms per phase kind. Writes src/astro/phasecalc/PhaseCorrectionNearTerms.cpp (half a
// minute):
//   ./fit_phase_correction --near phases-even.csv tests/data/phases.csv
//       src/astro/phasecalc/PhaseCorrectionNearTerms.cpp
//
// Input: the ephemeris phase tables lunation,phase,jd_tt: all phases of every even lunation
// -3200..6000 (uncompressed), and a table with odd lunations (tests/data/phases.csv).
// Build and run from the project folder (two threads, about seven minutes):
//   g++ -std=c++20 -O2 -pthread -Isrc -o fit_phase_correction tools/fit_phase_correction.cpp
//       src/astro/phasecalc/PhaseTimes.cpp src/astro/phasecalc/PhaseCorrection.cpp
//       src/astro/phasecalc/PhaseCorrectionTerms.cpp src/astro/phasecalc/PhaseCorrectionNearTerms.cpp
//   ./fit_phase_correction phases-even.csv tests/data/phases.csv
//       src/astro/phasecalc/PhaseCorrectionTerms.cpp
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
        PhaseCalc::FundamentalAngles(data.rows[r].k, angles);
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
    const double rates[kFundamentalCount] = {29.10535670, 385.81693528, 390.67050284, -1.56375588,
                                             58517.8156760 * kCentury, 35999.3728565 * kCentury,
                                             19140.2993039 * kCentury, 3034.9056606 * kCentury,
                                             1222.1138488 * kCentury};
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
                            if (lunar > 0 && (nonzero > 2 || sum > 6)) continue;
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

struct Stats { double median = 0, largest = 0; size_t n = 0; };
Stats Measure(std::vector<double> e) {
    Stats s;
    s.n = e.size();
    if (e.empty()) return s;
    for (double& x : e) x = std::fabs(x);
    std::sort(e.begin(), e.end());
    s.median = e[e.size() / 2];
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
            if (near && AliasOfChosen(m, fit.terms)) continue;
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
    const std::vector<Multiples> candidates = Candidates();
    std::printf("%zu candidate arguments\n", candidates.size());
    std::fflush(stdout);

    Rows data[4];
    PhaseCalc::PhaseCorrectionModel models[4];
    std::vector<PhaseCalc::CorrectionTerm> stored[4];
    std::string logs[4];
    auto work = [&](int phase) {
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

    // Measurement of the stored (single-precision) model on the odd lunations of the second table.
    std::string measured;
    for (const Era& era : kEras) {
        std::vector<double> e, all;
        for (int phase = 0; phase < 4; ++phase)
            for (const Row& row : other[phase]) {
                const double y = YearOfLunation(row.k);
                if (y < era.from || y >= era.to) continue;
                const double err = row.residue - (near ? PhaseCalc::NearWeight(row.k) *
                                                            PhaseCalc::NearCorrectionSeconds(models[phase], row.k)
                                                      : PhaseCalc::CorrectionSeconds(models[phase], row.k));
                all.push_back(err);
                if (((row.lunation % 4) + 4) % 4 == 3) e.push_back(err);
            }
        const Stats s = Measure(e), a = Measure(all);
        char buf[200];
        std::snprintf(buf, sizeof buf, "//   %-12s odd lunations 4n+3, n=%zu: median %.2f s, largest %.2f s (all rows n=%zu: largest %.2f s)\n",
                      era.name, s.n, s.median, s.largest, a.n, a.largest);
        measured += buf;
    }
    std::fputs(measured.c_str(), stdout);

    FILE* out = std::fopen(argv[3], "w");
    if (near)
        std::fprintf(out,
            "// Generated by tools/fit_phase_correction.cpp --near: do not edit. Coefficients of the second\n"
            "// correction of the chapter-49 phase times (PhaseCorrection.cpp), TT, seconds, fitted to what\n"
            "// the first (PhaseCorrectionTerms.cpp) leaves of the phase times of a JPL DE431-based\n"
            "// ephemeris in the years 900..3100: all phases of the even lunations not held out (three in\n"
            "// four) and of the odd lunations 4n + 1 of 1900..2100.\n"
            "// Measured with both models on lunations outside the fit: the odd lunations 4n + 3 of\n"
            "// 1900..2100 below; for the held-out even lunations (every fourth) see\n"
            "// tests/astro/ReferenceTablesTest.cpp.\n%s"
            "#include \"astro/phasecalc/PhaseCalcDetail.h\"\n\nnamespace PhaseCalc {\n\nnamespace {\n\n",
            measured.c_str());
    else
    std::fprintf(out,
        "// Generated by tools/fit_phase_correction.cpp: do not edit. Coefficients of the correction of\n"
        "// the chapter-49 phase times (PhaseCorrection.cpp), TT, seconds, fitted to the phase times of\n"
        "// a JPL DE431-based ephemeris: all phases of the even lunations not held out (three in\n"
        "// four) -3200..6000 and of the odd lunations 4n + 1 of 1900..2100.\n"
        "// Measured on lunations outside the fit: the odd lunations 4n + 3 of 1900..2100 below; for\n"
        "// the held-out even lunations (every fourth) see tests/astro/ReferenceTablesTest.cpp.\n%s"
        "#include \"astro/phasecalc/PhaseCalcDetail.h\"\n\nnamespace PhaseCalc {\n\nnamespace {\n\n",
        measured.c_str());
    const char* farNames[4] = {"kNewMoon", "kFirstQuarter", "kFullMoon", "kLastQuarter"};
    const char* nearNames[4] = {"kNearNewMoon", "kNearFirstQuarter", "kNearFullMoon", "kNearLastQuarter"};
    const char* const* names = near ? nearNames : farNames;
    for (int phase = 0; phase < 4; ++phase) {
        std::fprintf(out, "// angles (0 M, 1 M', 2 F, 3 Omega, 4 Venus, 5 Earth, 6 Mars, 7 Jupiter, 8 Saturn, 9 none;\n"
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
    std::fprintf(out, "}  // namespace\n\nextern constexpr PhaseCorrectionModel %s[4] = {\n",
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
