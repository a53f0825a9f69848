// Equinoxes and solstices: J. Meeus, Astronomical Algorithms (2nd ed.), chapter 27, TT: the
// book's mean instants and periodic terms, then its higher-accuracy step on the Sun's apparent
// longitude from VSOP87 (Appendix III; PhaseCalc::SunApparentLongitude). Accuracy of the
// March equinox against a JPL DE431-based ephemeris (tests/astro/ReferenceTablesTest.cpp,
// every tenth year): see SolEq.h.
#include "astro/SolEq.h"

#include <array>
#include <cmath>

#include "astro/Syzyg.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace SolEq {

namespace {

// Table 27.C: amplitude, phase (degrees), rate (degrees per Julian century).
constexpr double kTable27C[24][3] = {
    {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
};


// Tables 27.A (years before 1000, Y = year / 1000) and 27.B (Y = (year - 2000) / 1000):
// coefficients of Y^0..Y^4 of the mean event time JDE0, per event.
constexpr double kTable27A[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
constexpr double kTable27B[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

}  // namespace

double SeasonStartTdt(int event, int32_t year) {
    const int row = (event >= 0 && event <= 2) ? event : 3;
    const bool early = year < 1000;
    const double y = early ? year / 1000.0 : (year - 2000) / 1000.0;
    const double* c = early ? kTable27A[row] : kTable27B[row];
    const double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = (35999.373 * t - 2.47) / 360.0 * TwoPi;
    const double dl = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double s = 0.0;
    for (const auto& term : kTable27C) {
        const double phase = term[1] * TwoPi / 360.0, rate = term[2] * TwoPi / 360.0;  // radians
        s += term[0] * std::cos(phase + rate * t);
    }
    // The book's estimate (within an hour or so over the range), then its higher-accuracy step:
    // the Sun's apparent longitude lambda from VSOP87 and JDE + 58 sin(90 event - lambda) days,
    // 58 days being about a degree's time at the Sun's slowest; three steps leave well under a
    // millisecond.
    double jde = jde0 + 0.00001 * s / dl;
    const double target = 90.0 * row;
    for (int i = 0; i < 3; ++i) {
        const double lambda = PhaseCalc::SunApparentLongitude(jde);
        jde += 58.0 * std::sin((target - lambda) * TwoPi / 360.0);
    }
    return jde;
}

double SeasonStart(int event, int32_t year) {
    return SeasonStartTdt(event, year) - Syzyg::DeltaTForYear(year) / 1440.0;
}

double MarchEquinox(int32_t year) { return SeasonStart(0, year); }

}  // namespace SolEq
