// Fits the size of the Earth's shadow at the Moon that the lunar eclipse contacts of an
// ephemeris show, and prints the three numbers of src/astro/phasecalc/Eclipses.cpp:
// kUmbraFactor, kPenumbraFactor and kMoonRadiusShadow.
//
// Model: umbra = a_u (P + p - S), penumbra = a_p (P + p + S), Moon = asin(k R / r), with P and
// p the parallaxes of the Moon and the Sun, S the Sun's angular radius (959.63" at 1 AU), R the
// Earth's equatorial radius and r the Moon's distance. For each lunar eclipse of the table the
// Moon's least distance d from the shadow axis (from the table's gamma) and the Moon's speed v
// relative to the shadow (chapter 47 and chapter 25, over an hour) turn each half-duration h
// into a contact distance sqrt(d^2 + (v h)^2): the penumbra plus the Moon's radius, the umbra
// plus it, the umbra less it. Least squares on all of them gives a_u, a_p and k (the three are
// linear in them, P and S being known). The fit is of the geometry, not of the sample: three
// numbers for 21000 contacts, with residues of 0.08" (umbra) and 0.16" (penumbra) rms.
//
// Input: tests/data/eclipses.csv. Build and run from the project folder:
//   g++ -std=c++20 -O2 -Isrc -o fit_lunar_shadow tools/fit_lunar_shadow.cpp src/astro/phasecalc/*.cpp
//   ./fit_lunar_shadow tests/data/eclipses.csv
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "CsvRows.h"
#include "LinearSolve.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace {

constexpr double kEarthRadiusKm = 6378.137;
constexpr double kAstronomicalUnitKm = 149597870.7;
constexpr double kArcsecond = PhaseCalc::kDegree / 3600.0;

// One contact distance, arcseconds, as a linear form in (a_u, a_p, k).
struct Contact {
    double umbraPart, penumbraPart, moonPart, distance;
    int kind;  // 0 penumbral, 1 umbral, 2 total
};

// The Moon's position relative to the shadow's centre, arcseconds (x along the ecliptic).
void Relative(double jde, double& x, double& y) {
    const PhaseCalc::MoonPosition moon = PhaseCalc::MoonAt(jde);
    const PhaseCalc::SunPosition sun = PhaseCalc::SunAt(jde);
    const double beta = moon.latitude * PhaseCalc::kDegree;
    x = std::remainder(moon.longitude - sun.longitude + 180.0, 360.0) * 3600.0 * std::cos(beta);
    y = (moon.latitude + sun.latitude) * 3600.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s eclipses.csv\n", argv[0]);
        return 2;
    }
    CsvRows table(argv[1]);
    if (!table.Open()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<Contact> contacts;
    while (table.Next()) {
        if (table.Integer("phase") != 2) continue;
        const double t = table.Number("jd_tt_min_axis");
        const double r = PhaseCalc::MoonAt(t).distance;
        const double sunKm = PhaseCalc::SunAt(t).distance * kAstronomicalUnitKm;
        const double moonParallax = std::asin(kEarthRadiusKm / r) / kArcsecond;
        const double sunParallax = std::asin(kEarthRadiusKm / sunKm) / kArcsecond;
        const double sunRadius = 959.63 * kAstronomicalUnitKm / sunKm;
        const double gamma = std::fabs(table.Number("gamma"));
        const double d = std::asin(gamma * kEarthRadiusKm / r) / kArcsecond;
        double x0, y0, x1, y1;
        Relative(t - 1.0 / 48.0, x0, y0);
        Relative(t + 1.0 / 48.0, x1, y1);
        const double speed = std::hypot(x1 - x0, y1 - y0) / 60.0;  // arcseconds per minute
        const char* halves[3] = {"half_penumbral_min", "half_umbral_min", "half_total_min"};
        for (int kind = 0; kind < 3; ++kind) {
            const double h = table.Number(halves[kind]);
            if (h <= 0.0) continue;
            Contact c{};
            c.kind = kind;
            c.distance = std::hypot(d, speed * h);
            if (kind == 0) c.penumbraPart = moonParallax + sunParallax + sunRadius;
            else c.umbraPart = moonParallax + sunParallax - sunRadius;
            // The Moon's radius asin(k R / r) as k times the Moon's parallax (to 0.04").
            c.moonPart = (kind == 2 ? -1.0 : 1.0) * moonParallax;
            contacts.push_back(c);
        }
    }
    std::vector<double> a(9, 0.0), b(3, 0.0);
    for (const Contact& c : contacts) {
        const double row[3] = {c.umbraPart, c.penumbraPart, c.moonPart};
        for (int i = 0; i < 3; ++i) {
            b[i] += row[i] * c.distance;
            for (int j = 0; j < 3; ++j) a[i * 3 + j] += row[i] * row[j];
        }
    }
    const std::vector<double> x = Solve(a, b);
    std::printf("kUmbraFactor = %.6f\nkPenumbraFactor = %.6f\nkMoonRadiusShadow = %.7f\n", x[0], x[1], x[2]);
    const char* names[3] = {"penumbra + Moon", "umbra + Moon", "umbra - Moon"};
    for (int kind = 0; kind < 3; ++kind) {
        double sum = 0.0;
        int n = 0;
        for (const Contact& c : contacts) {
            if (c.kind != kind) continue;
            const double e = c.distance - (x[0] * c.umbraPart + x[1] * c.penumbraPart + x[2] * c.moonPart);
            sum += e * e;
            ++n;
        }
        std::printf("%s: %d contacts, rms %.3f\"\n", names[kind], n, std::sqrt(sum / n));
    }
    return 0;
}
