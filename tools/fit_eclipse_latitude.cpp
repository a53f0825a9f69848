// Fits the correction of the Moon's latitude near the syzygies (chapter 47 of J. Meeus,
// Astronomical Algorithms) that makes the eclipses' gamma agree with an ephemeris, and writes
// it as src/astro/phasecalc/LatitudeCorrectionTerms.cpp.
//
// The book's latitude series is good to about 1" near 2000, but its mean elements drift: by
// -2000 the least distance of the shadow axis (gamma) is off by 0.002 Earth radii (7"), which
// moves grazing eclipses between types and stretches or shortens short lunar phases by
// minutes. For each eclipse of the reference table the library's gamma minus the table's,
// times the Moon's parallax, is the latitude error at greatest eclipse; it is fitted, for new
// and full moons separately, by the terms of PhaseCalc::LatitudeBasis: sines and cosines of
// F + j M' + l M with amplitudes changing with the time, of M and 2M alone (a seasonal shift
// of the shadow axis), and of the Venus argument A1 of chapter 47 on either side of the node,
// which takes the largest part of what the book's series leaves (0.7" -> 0.3" rms). For the
// amplitudes of the periodic terms the time is held within the table's span (-2000..3000), so
// they are constant beyond it rather than extrapolated; the quadratic drift of the argument of
// latitude (sin F and cos F times the time and its square: the book's mean elements drifting
// from the ephemeris', 8" of latitude by -2000) is continued to the ends of the accepted range.
// The tool prints the error of every eclipse as predicted by a fit that never saw it (four
// folds, the eclipses by index modulo 4, each predicted by the fit on the other three; the
// correction being linear, this does not depend on the coefficients in force), then fits on
// all of them.
//
// Input: tests/data/eclipses.csv (every eclipse -1999..3000 with gamma, from a JPL DE431-based
// ephemeris). The fit is incremental: it measures the library as built (including the
// correction in force) and adds to its coefficients, so one run from zero coefficients is the
// normal use. Build and run from the project folder:
//   g++ -std=c++20 -O2 -Isrc -o fit_eclipse_latitude tools/fit_eclipse_latitude.cpp
//       src/astro/phasecalc/*.cpp
//   ./fit_eclipse_latitude tests/data/eclipses.csv src/astro/phasecalc/LatitudeCorrectionTerms.cpp
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "CsvRows.h"
#include "LinearSolve.h"
#include "astro/phasecalc/PhaseCalcDetail.h"
#include "astro/phasecalc/phasecalc.h"

namespace {

struct Sample {
    int lunation;
    bool solar;
    double error;  // arcseconds of latitude to add
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s eclipses.csv LatitudeCorrectionTerms.cpp\n", argv[0]);
        return 2;
    }
    CsvRows table(argv[1]);
    if (!table.Open()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<Sample> samples;
    while (table.Next()) {
        const int lunation = table.Integer("lunation");
        const int phase = table.Integer("phase");
        EclipseData r{};
        syzyg(lunation, phase, &r);
        if (r.type == 0) continue;
        const double parallax = std::asin(6378.137 / PhaseCalc::MoonAt(r.greatest).distance);
        const double error = -(r.gamma - table.Number("gamma")) * parallax;
        samples.push_back({lunation, phase == 0, error / PhaseCalc::kDegree * 3600.0});
    }
    double coefficients[2][PhaseCalc::kLatitudeCorrectionTerms];
    for (int kind = 0; kind < 2; ++kind) {
        const PhaseCalc::LatitudeCorrectionModel& current = PhaseCalc::kLatitudeCorrection[kind];
        const int n = PhaseCalc::kLatitudeCorrectionTerms;
        double basis[PhaseCalc::kLatitudeCorrectionTerms];
        // The least-squares step on the samples of this kind that pass the filter.
        auto fitOn = [&](auto use) {
            std::vector<double> a(n * n, 0.0), b(n, 0.0);
            int index = 0;
            for (const Sample& s : samples) {
                if (s.solar != (kind == 0) || !use(index++)) continue;
                PhaseCalc::LatitudeBasis(s.lunation + (s.solar ? 0.0 : 0.5), basis);
                for (int i = 0; i < n; ++i) {
                    b[i] += basis[i] * s.error;
                    for (int j = 0; j < n; ++j) a[i * n + j] += basis[i] * basis[j];
                }
            }
            return Solve(a, b);
        };
        // A measure of what the model predicts rather than what it remembers: four folds (the
        // eclipses by their index modulo 4), each predicted by the fit on the other three.
        {
            std::vector<double> errors;
            for (int fold = 0; fold < 4; ++fold) {
                const std::vector<double> x = fitOn([fold](int i) { return i % 4 != fold; });
                int index = 0;
                for (const Sample& s : samples) {
                    if (s.solar != (kind == 0) || index++ % 4 != fold) continue;
                    PhaseCalc::LatitudeBasis(s.lunation + (s.solar ? 0.0 : 0.5), basis);
                    double fit = 0.0;
                    for (int i = 0; i < n; ++i) fit += x[i] * basis[i];
                    errors.push_back(s.error - fit);
                }
            }
            double squares = 0.0;
            for (double& e : errors) {
                squares += e * e;
                e = std::fabs(e);
            }
            std::sort(errors.begin(), errors.end());
            std::printf("%s, cross-validated (4 folds, n=%zu): rms %.2f\", median %.2f\", 99th "
                        "percentile %.2f\", largest %.2f\"\n", kind == 0 ? "solar" : "lunar",
                        errors.size(), std::sqrt(squares / errors.size()), errors[errors.size() / 2],
                        errors[static_cast<size_t>(0.99 * errors.size())], errors.back());
        }
        const std::vector<double> x = fitOn([](int) { return true; });
        for (int i = 0; i < n; ++i) coefficients[kind][i] = current.coefficients[i] + x[i];
        // Residual latitude error by five centuries, arcseconds (rms before -> after).
        std::map<int, double[3]> bins;
        for (const Sample& s : samples) {
            if (s.solar != (kind == 0)) continue;
            PhaseCalc::LatitudeBasis(s.lunation + (s.solar ? 0.0 : 0.5), basis);
            double fit = 0.0;
            for (int i = 0; i < n; ++i) fit += x[i] * basis[i];
            const int bin = static_cast<int>(std::floor((2000.0 + s.lunation / 12.3685) / 500.0)) * 500;
            bins[bin][0] += s.error * s.error;
            bins[bin][1] += (s.error - fit) * (s.error - fit);
            bins[bin][2] += 1.0;
        }
        for (auto& [year, v] : bins)
            std::printf("%s %5d: rms %.2f\" -> %.2f\" (n=%.0f)\n", kind == 0 ? "solar" : "lunar", year,
                        std::sqrt(v[0] / v[2]), std::sqrt(v[1] / v[2]), v[2]);
    }
    FILE* out = std::fopen(argv[2], "w");
    std::fprintf(out,
                 "// Generated by tools/fit_eclipse_latitude.cpp: do not edit. Correction of the Moon's\n"
                 "// latitude near new moon (first row) and full moon (second row), arcseconds, as the\n"
                 "// coefficients of PhaseCalc::LatitudeBasis; fitted to the gamma of every eclipse\n"
                 "// -1999..3000 of a JPL DE431-based ephemeris (tests/data/eclipses.csv).\n"
                 "#include \"astro/phasecalc/PhaseCalcDetail.h\"\n\nnamespace PhaseCalc {\n\n"
                 "extern constexpr LatitudeCorrectionModel kLatitudeCorrection[2] = {\n");
    for (int kind = 0; kind < 2; ++kind) {
        std::fprintf(out, "    {{");
        for (int i = 0; i < PhaseCalc::kLatitudeCorrectionTerms; ++i)
            std::fprintf(out, "%s%s%.6e", i ? "," : "", i % 6 == 0 ? "\n      " : " ", coefficients[kind][i]);
        std::fprintf(out, "}},\n");
    }
    std::fprintf(out, "};\n\n}  // namespace PhaseCalc\n");
    std::fclose(out);
    return 0;
}
