// Fits the secular correction of the chapter 49 phase times to a table of ephemeris phase times.
//
// The book's series (J. Meeus, Astronomical Algorithms, chapter 49) uses mean elements that
// drift from the modern ephemeris by minutes thousands of years from 2000. The drift is
// smooth, so low-degree functions of the time remove it; the periodic residue (seconds, from
// the truncated series) is left as it is.
//
// Input: the phase table lunation,phase,jd_tt (tests/data/phases.csv, every 100th lunation
// from -3200 to 6000 and every lunation 1900-2100). Only rows of lunations divisible by 100
// are fitted so that the dense 20th and 21st centuries do not outweigh the rest.
// Model, per phase (new moon, first quarter, full moon, last quarter fitted separately, as
// the book's series differ): the correction in seconds is a linear combination of the terms
// of PhaseCalc::CorrectionBasis: a polynomial of degree 4 in tau = k / 12368.5 (Julian
// millennia from 2000) for the drift of the mean phase, and tau, tau^2 times the sine and
// cosine of M', M, 2M' and 2F for the drift of the arguments of the largest periodic terms.
// Least squares by normal equations solved with Gaussian elimination with pivoting.
//
// Build and run from the project folder:
//   g++ -std=c++20 -O2 -Isrc -o fit_phase_drift tools/fit_phase_drift.cpp
//       src/astro/phasecalc/PhaseTimes.cpp
//   ./fit_phase_drift tests/data/phases.csv
// It prints the largest and median residues per span of years before and after the
// correction (all rows, dense ones included) and the coefficient table to paste into
// src/astro/phasecalc/SecularCorrection.cpp.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace {

struct Sample {
    double k;
    int phase;
    bool fitted;  // lunation divisible by 100
    double residualSeconds;
};

using Coefficients = std::vector<std::vector<double>>;  // [phase][term]

// Solves a x = b (a is n x n, row-major) by Gaussian elimination with pivoting.
std::vector<double> Solve(std::vector<double> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t c = 0; c < n; ++c) {
        size_t pivot = c;
        for (size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r * n + c]) > std::fabs(a[pivot * n + c])) pivot = r;
        for (size_t j = 0; j < n; ++j) std::swap(a[c * n + j], a[pivot * n + j]);
        std::swap(b[c], b[pivot]);
        for (size_t r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            for (size_t j = c; j < n; ++j) a[r * n + j] -= f * a[c * n + j];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (size_t i = n; i-- > 0;) {
        double s = b[i];
        for (size_t j = i + 1; j < n; ++j) s -= a[i * n + j] * x[j];
        x[i] = s / a[i * n + i];
    }
    return x;
}

double Correction(const Coefficients& c, const Sample& s) {
    if (c.empty()) return 0.0;
    double basis[PhaseCalc::kCorrectionTerms];
    PhaseCalc::CorrectionBasis(s.k, basis);
    double sum = 0.0;
    for (int i = 0; i < PhaseCalc::kCorrectionTerms; ++i) sum += c[s.phase][i] * basis[i];
    return sum;
}

// Largest and median absolute residue per span of years, after subtracting the fit.
void Report(const std::vector<Sample>& samples, const Coefficients& fit) {
    const int spans[][2] = {{-3200, -2000}, {-2000, -1000}, {-1000, 0},  {0, 1000},
                            {1000, 1600},   {1600, 2100},   {2100, 3000}, {3000, 4000},
                            {4000, 5000},   {5000, 5400},   {5400, 6000}};
    for (const auto& span : spans) {
        std::vector<double> errors;
        for (const Sample& s : samples) {
            const double year = 2000.0 + s.k / 12.3685;
            if (year >= span[0] && year < span[1])
                errors.push_back(std::fabs(s.residualSeconds - Correction(fit, s)));
        }
        if (errors.empty()) continue;
        std::sort(errors.begin(), errors.end());
        std::printf("  %5d..%5d  n=%5zu  median %6.1f s  max %6.1f s\n", span[0], span[1],
                    errors.size(), errors[errors.size() / 2], errors.back());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s phases.csv\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    std::getline(in, line);  // header
    std::vector<Sample> samples;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string a, b, c;
        if (!std::getline(fields, a, ',') || !std::getline(fields, b, ',') || !std::getline(fields, c))
            continue;
        const long lunation = std::atol(a.c_str());
        const int phase = std::atoi(b.c_str());
        const double k = lunation + 0.25 * phase;
        samples.push_back({k, phase, lunation % 100 == 0,
                           (std::atof(c.c_str()) - PhaseCalc::MeeusPhaseTime(k)) * 86400.0});
    }
    const size_t n = PhaseCalc::kCorrectionTerms;
    Coefficients fit(4, std::vector<double>(n, 0.0));
    for (int phase = 0; phase < 4; ++phase) {
        std::vector<double> normal(n * n, 0.0), rhs(n, 0.0);
        double basis[PhaseCalc::kCorrectionTerms];
        for (const Sample& s : samples) {
            if (!s.fitted || s.phase != phase) continue;
            PhaseCalc::CorrectionBasis(s.k, basis);
            for (size_t i = 0; i < n; ++i) {
                rhs[i] += basis[i] * s.residualSeconds;
                for (size_t j = 0; j < n; ++j) normal[i * n + j] += basis[i] * basis[j];
            }
        }
        fit[phase] = Solve(normal, rhs);
    }
    std::printf("rows: %zu\nbefore the correction:\n", samples.size());
    Report(samples, {});
    std::printf("after the correction:\n");
    Report(samples, fit);
    std::printf("constexpr double kCoefficients[4][kCorrectionTerms] = {\n");
    for (const auto& row : fit) {
        std::printf("    {");
        for (size_t i = 0; i < row.size(); ++i) std::printf("%s%.6e", i ? ", " : "", row[i]);
        std::printf("},\n");
    }
    std::printf("};\n");
    return 0;
}
