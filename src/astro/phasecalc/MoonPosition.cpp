// The Moon's geocentric ecliptic coordinates (J. Meeus, Astronomical Algorithms, 2nd ed.,
// chapter 47, truncated ELP-2000/82: longitude and latitude in degrees, distance in km) and the
// nutation in longitude (chapter 22, IAU 1980 theory), TT. Accuracy of the series as the book
// states it: about 10\" in longitude, 4\" in latitude and a few km in distance near 2000.
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

// Term of table 47.A: multiples of D, M, M', F; coefficient of sin in the longitude in units
// of 0.000001 degree and of cos in the distance in units of 0.001 km.
struct LongitudeDistanceTerm {
    int d, m, mPrime, f;
    double sigmaL, sigmaR;
};
constexpr LongitudeDistanceTerm kLongitudeTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968}, {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888}, {0, 0, 0, 2, -114332, -3149}, {2, 0, -2, 0, 58793, 246158}, {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733}, {2, -1, 0, 0, 45758, -204586}, {0, 1, -1, 0, -40923, -129620}, {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755}, {2, 0, 0, -2, 15327, 10321}, {0, 0, 1, 2, -12528, 0}, {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782}, {0, 0, 3, 0, 10034, -23210}, {4, 0, -2, 0, 8548, -21636}, {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824}, {1, 0, -1, 0, -5163, -8379}, {1, 1, 0, 0, 4987, -16675}, {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445}, {4, 0, 0, 0, 3861, -11650}, {2, 0, -3, 0, 3665, 14403}, {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0}, {2, -1, -2, 0, 2390, 10056}, {1, 0, 1, 0, -2348, 6322}, {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751}, {0, 2, 0, 0, -2069, 0}, {2, -2, -1, 0, 2048, -4950}, {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0}, {4, -1, -1, 0, 1215, -3958}, {0, 0, 2, 2, -1110, 0}, {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616}, {4, -1, -2, 0, 759, -1897}, {0, 2, -1, 0, -713, -2117}, {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0}, {2, -1, 0, -2, 596, 0}, {4, 0, 1, 0, 549, -1423}, {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571}, {1, 0, -2, 0, -487, -1739}, {2, 1, 0, -2, -399, 0}, {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0}, {3, 0, -2, 0, -340, 0}, {4, 0, -3, 0, 330, 0}, {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165}, {1, 1, -1, 0, 299, 0}, {2, 0, 3, 0, 294, 0}, {2, 0, -1, -2, 0, 8752},
};

// Term of table 47.B: multiples of D, M, M', F; coefficient of sin in the latitude in units of
// 0.000001 degree.
struct LatitudeTerm {
    int d, m, mPrime, f;
    double sigmaB;
};
constexpr LatitudeTerm kLatitudeTerms[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602}, {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413}, {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573}, {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266}, {0, 0, 2, -1, 8822}, {2, -1, 0, -1, 8216}, {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200}, {2, 1, 0, -1, -3359}, {2, -1, -1, 1, 2463}, {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828}, {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749}, {0, 1, -1, 1, -1565}, {1, 0, 0, 1, -1491}, {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410}, {0, 1, 0, -1, -1344}, {1, 0, 0, -1, -1335}, {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021}, {4, 0, -1, 1, 833}, {0, 0, 1, -3, 777}, {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607}, {2, 0, 2, -1, 596}, {2, -1, 1, -1, 491}, {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439}, {2, 0, 2, 1, 422}, {2, 0, -3, -1, 421}, {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351}, {4, 0, 0, 1, 331}, {2, -1, 1, 1, 315}, {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283}, {2, 1, 1, -1, -229}, {1, 1, 0, -1, 223}, {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220}, {2, 1, -1, -1, -220}, {1, 0, 1, 1, -185}, {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177}, {4, 0, -2, -1, 176}, {4, -1, -1, -1, 166}, {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132}, {1, 0, -1, -1, -119}, {4, -1, 0, -1, 115}, {2, -2, 0, 1, 107},
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

MoonPosition MoonAt(double jde) {
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
    const double a1 = ReduceDegrees(119.75 + 131.849 * t) * kDegree;  // action of Venus
    const double a2 = ReduceDegrees(53.09 + 479264.290 * t) * kDegree;  // action of Jupiter
    const double a3 = ReduceDegrees(313.45 + 481266.484 * t) * kDegree;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double eFactor[3] = {1.0, e, e * e};

    // The arguments of the terms by products of e^(i D), e^(i M), e^(i M'), e^(i F): one
    // sine and cosine for each of the four angles instead of one per term.
    const Multiples pd(d * kDegree), pm(m * kDegree), pmp(mPrime * kDegree), pf(f * kDegree);
    auto argument = [&](int jd, int jm, int jmp, int jf, double& c, double& s) {
        double re = pd.c[4 + jd], im = pd.s[4 + jd];
        const double factors[3][2] = {{pm.c[4 + jm], pm.s[4 + jm]}, {pmp.c[4 + jmp], pmp.s[4 + jmp]},
                                      {pf.c[4 + jf], pf.s[4 + jf]}};
        for (const auto& z : factors) {
            const double r = re * z[0] - im * z[1];
            im = im * z[0] + re * z[1];
            re = r;
        }
        c = re;
        s = im;
    };
    double sigmaL = 0.0, sigmaR = 0.0, sigmaB = 0.0;  // 0.000001 degree, 0.001 km
    for (const LongitudeDistanceTerm& term : kLongitudeTerms) {
        double c, s;
        argument(term.d, term.m, term.mPrime, term.f, c, s);
        const double factor = eFactor[term.m < 0 ? -term.m : term.m];
        sigmaL += factor * term.sigmaL * s;
        sigmaR += factor * term.sigmaR * c;
    }
    for (const LatitudeTerm& term : kLatitudeTerms) {
        double c, s;
        argument(term.d, term.m, term.mPrime, term.f, c, s);
        sigmaB += eFactor[term.m < 0 ? -term.m : term.m] * term.sigmaB * s;
    }
    const double lp = lPrime * kDegree, fr = f * kDegree, mpr = mPrime * kDegree;
    sigmaL += 3958.0 * std::sin(a1) + 1962.0 * std::sin(lp - fr) + 318.0 * std::sin(a2);
    sigmaB += -2235.0 * std::sin(lp) + 382.0 * std::sin(a3) + 175.0 * std::sin(a1 - fr) +
              175.0 * std::sin(a1 + fr) + 127.0 * std::sin(lp - mpr) - 115.0 * std::sin(lp + mpr);
    MoonPosition p;
    p.longitude = ReduceDegrees(lPrime + sigmaL / 1000000.0);
    p.latitude = sigmaB / 1000000.0;
    p.distance = 385000.56 + sigmaR / 1000.0;
    return p;
}

double MoonMeanEquinoxLongitude(double jde) { return MoonAt(jde).longitude; }

}  // namespace PhaseCalc
