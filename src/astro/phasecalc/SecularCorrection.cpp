// Secular correction of the chapter 49 phase times, fitted to a JPL DE431-based ephemeris by
// tools/fit_phase_drift.cpp; TT, days.
//
// The book's series drifts from the ephemeris by about 9 s per squared millennium from 2000
// (6.5 minutes at -3200, 2.5 minutes at 5500), and the arguments of its largest terms drift
// too, which widens the scatter far from 2000. The correction is a polynomial in the time plus
// time-growing sine and cosine terms of M', M, 2M' and 2F (PhaseCalc::CorrectionBasis).
// After it, against the ephemeris: median 3 s and largest 18 s over 1600..2100, largest 15 s
// over 1000..1600 and 2100..3000, largest 26 s anywhere in -3200..6000.
#include <cmath>

#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

namespace {

// Seconds, [phase][term], from tools/fit_phase_drift.cpp on tests/data/phases.csv.
constexpr double kCoefficients[4][kCorrectionTerms] = {
    {9.937370e-01, 1.167224e-01, 8.983669e+00, -1.836808e-01, 1.194012e-01, -3.440176e-01, -8.574308e-01, -1.825252e-02, 2.055693e-01, 1.706067e+00, -1.178112e-01, -5.127705e-01, -8.610792e-02, 5.393682e-02, 5.788039e-02, -2.080051e-02, 1.053648e-02, 3.535249e-02, -2.102777e-01, 3.636274e-02, -2.305714e-02},
    {5.266117e-02, -8.581913e-01, 8.915629e+00, -1.396895e-01, 1.250892e-01, -5.746872e-01, -1.000993e+00, -3.771786e-02, -3.646851e-02, 1.864308e+00, -6.044116e-02, -4.674701e-01, -1.252946e-01, 6.573995e-02, 4.309320e-03, -1.846295e-02, -6.489023e-02, 1.510121e-01, 8.205585e-02, 2.251201e-03, 3.931102e-03},
    {-4.467304e-01, -7.402885e-01, 8.952720e+00, -1.257621e-01, 1.301511e-01, -7.134430e-01, -5.479502e-02, -4.137065e-04, 2.706552e-01, 1.882375e+00, -1.739172e-02, -4.224018e-01, -1.111869e-01, 4.404197e-02, 7.357394e-02, -1.682131e-02, -4.238444e-03, -3.515491e-02, -1.659001e-01, -1.550712e-04, -3.440616e-02},
    {-1.953648e+00, 2.109303e-01, 9.019959e+00, -1.680307e-01, 1.229019e-01, -5.989006e-02, -6.465115e-01, 2.428426e-02, 8.962409e-02, 1.746838e+00, 2.670456e-02, -4.368817e-01, -1.065406e-01, -4.543817e-02, 2.070478e-03, -1.395004e-02, 2.929003e-02, 2.099764e-01, 1.706305e-01, 9.777894e-03, 7.809599e-02},
};

}  // namespace

double SecularCorrection(double k) {
    const int phase = static_cast<int>(std::lround((k - std::floor(k)) * 4.0)) & 3;
    double basis[kCorrectionTerms];
    CorrectionBasis(k, basis);
    double seconds = 0.0;
    for (int i = 0; i < kCorrectionTerms; ++i) seconds += kCoefficients[phase][i] * basis[i];
    return seconds / 86400.0;
}

}  // namespace PhaseCalc
