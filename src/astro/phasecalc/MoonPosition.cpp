// The Moon's longitude (J. Meeus, Astronomical Algorithms, 2nd ed., chapter 47, truncated
// ELP-2000/82) and the nutation in longitude (chapter 22, IAU 1980 theory), TT, degrees.
#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

namespace {

// Nutation term: multiples of D, M, M', F, Omega and the coefficient of sin in units of
// 0.0001 arcsecond, constant and per Julian century (table 22.A; the obliquity columns are
// not needed here).
struct NutationTerm {
    int d, m, mPrime, f, omega;
    double psi, psiRate;
};
constexpr NutationTerm kNutationTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},          {2, 0, -1, 2, 1, -10, 0},       {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},            {-2, 1, 1, 0, 0, -7, 0},        {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},           {2, 0, 1, 0, 0, 6, 0},          {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},           {2, 0, -2, 0, 1, -6, 0},        {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},           {-2, -1, 0, 2, 1, -5, 0},       {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},           {-2, 0, 2, 0, 1, 4, 0},         {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},           {-1, 0, 1, 0, 0, -4, 0},        {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},           {0, 0, 1, 2, 0, 3, 0},          {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},         {0, 1, 1, 0, 0, -3, 0},         {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},         {0, 0, 3, 2, 2, -3, 0},         {2, -1, 0, 2, 2, -3, 0},
};

// Longitude term of table 47.A: multiples of D, M, M', F and the coefficient of sin in units
// of 0.000001 degree.
struct LongitudeTerm {
    int d, m, mPrime, f;
    double sigmaL;
};
constexpr LongitudeTerm kLongitudeTerms[] = {
    {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},   {0, 0, 2, 0, 213618},
    {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},   {2, -1, -1, 0, 57066},
    {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923},  {1, 0, 0, 0, -34720},
    {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},   {0, 0, 1, -2, 10980},
    {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},    {2, 1, -1, 0, -7888},
    {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},     {2, -1, 1, 0, 4036},
    {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},    {0, 1, -2, 0, -2689},
    {2, 0, -1, 2, -2602},  {2, -1, -2, 0, 2390},   {1, 0, 1, 0, -2348},    {2, -2, 0, 0, 2236},
    {0, 1, 2, 0, -2120},   {0, 2, 0, 0, -2069},    {2, -2, -1, 0, 2048},   {2, 0, 1, -2, -1773},
    {2, 0, 0, 2, -1595},   {4, -1, -1, 0, 1215},   {0, 0, 2, 2, -1110},    {3, 0, -1, 0, -892},
    {2, 1, 1, 0, -810},    {4, -1, -2, 0, 759},    {0, 2, -1, 0, -713},    {2, 2, -1, 0, -700},
    {2, 1, -2, 0, 691},    {2, -1, 0, -2, 596},    {4, 0, 1, 0, 549},      {0, 0, 4, 0, 537},
    {4, -1, 0, 0, 520},    {1, 0, -2, 0, -487},    {2, 1, 0, -2, -399},    {0, 0, 2, -2, -381},
    {1, 1, 1, 0, 351},     {3, 0, -2, 0, -340},    {4, 0, -3, 0, 330},     {2, -1, 2, 0, 327},
    {0, 2, 1, 0, -323},    {1, 1, -1, 0, 299},     {2, 0, 3, 0, 294},
};

}  // namespace

double NutationInLongitude(double jde) {
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double t2 = t * t, t3 = t2 * t;
    const double d = ReduceDegrees(297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0);
    const double m = ReduceDegrees(357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0);
    const double mPrime =
        ReduceDegrees(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0);
    const double f = ReduceDegrees(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0);
    const double omega =
        ReduceDegrees(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);
    double sum = 0.0;  // units of 0.0001 arcsecond
    for (const NutationTerm& n : kNutationTerms) {
        const double argument = (n.d * d + n.m * m + n.mPrime * mPrime + n.f * f + n.omega * omega);
        sum += (n.psi + n.psiRate * t) * std::sin(argument * kDegree);
    }
    return sum / 10000.0 / 3600.0;
}

double MoonMeanEquinoxLongitude(double jde) {
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double lPrime = ReduceDegrees(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 +
                                        t3 / 538841.0 - t4 / 65194000.0);
    const double d = ReduceDegrees(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 +
                                   t3 / 545868.0 - t4 / 113065000.0);
    const double m = ReduceDegrees(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0);
    const double mPrime = ReduceDegrees(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 +
                                        t3 / 69699.0 - t4 / 14712000.0);
    const double f = ReduceDegrees(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 -
                                   t3 / 3526000.0 + t4 / 863310000.0);
    const double a1 = ReduceDegrees(119.75 + 131.849 * t);  // action of Venus
    const double a2 = ReduceDegrees(53.09 + 479264.290 * t);  // action of Jupiter
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;

    double sigmaL = 0.0;  // units of 0.000001 degree
    for (const LongitudeTerm& term : kLongitudeTerms) {
        double coefficient = term.sigmaL;
        if (term.m == 1 || term.m == -1) coefficient *= e;
        else if (term.m == 2 || term.m == -2) coefficient *= e * e;
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
        sigmaL += coefficient * std::sin(argument * kDegree);
    }
    sigmaL += 3958.0 * std::sin(a1 * kDegree) + 1962.0 * std::sin((lPrime - f) * kDegree) +
              318.0 * std::sin(a2 * kDegree);
    return ReduceDegrees(lPrime + sigmaL / 1000000.0);
}

}  // namespace PhaseCalc
