// The inline sine and cosine of the phase-time series against the C library, across the
// quadrant boundaries and for the large arguments of the planetary terms.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/phasecalc/SinCos.h"

namespace {

TEST(SinCosTest, AgreesWithTheLibraryAcrossQuadrantsAndLargeArguments) {
    const double kHalfPi = std::acos(0.0);
    double largest = 0.0;
    auto check = [&](double x) {
        const PhaseCalc::SineCosine v = PhaseCalc::SinCos(x);
        largest = std::fmax(largest, std::fabs(v.s - std::sin(x)));
        largest = std::fmax(largest, std::fabs(v.c - std::cos(x)));
    };
    for (int n = -40; n <= 40; ++n)
        for (double d : {-1e-9, -1e-15, 0.0, 1e-15, 1e-9, 0.3, 0.785})
            check(n * kHalfPi + d);
    for (double x = -7.0; x < 7.0; x += 0.001) check(x);
    for (double x = 1.0; x < 6.5e5; x *= 1.0007) {
        check(x);
        check(-x);
    }
    EXPECT_LT(largest, 1e-15);
    EXPECT_EQ(PhaseCalc::SinCos(0.0).s, 0.0);
    EXPECT_EQ(PhaseCalc::SinCos(0.0).c, 1.0);
}

}  // namespace
