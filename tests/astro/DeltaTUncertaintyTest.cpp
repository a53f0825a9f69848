// The uncertainty of delta T against the values the canons print, and its texts.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/DeltaTUncertainty.h"

using namespace DeltaTUncertainty;

TEST(DeltaTUncertainty, TheCanonsValues) {
    // Morrison and Stephenson's parabola as the canons tabulate it, then the telescopic era.
    const std::pair<double, double> rows[] = {{-1000, 636}, {-500, 431}, {0, 265}, {500, 139}, {1000, 54},
                                              {1200, 31},   {1300, 20},  {1500, 20}, {1700, 5},  {1800, 1},
                                              {1900, 0.1},  {2000, 0.1}};
    for (const auto& [year, sigma] : rows) EXPECT_NEAR(SigmaSeconds(year), sigma, 0.6 + 0.002 * sigma) << year;
    // It grows without a jump towards both ends of the accepted range.
    double previous = SigmaSeconds(1200);
    for (double year = 1199; year >= -3201; year -= 1) {
        EXPECT_GE(SigmaSeconds(year), previous) << year;
        previous = SigmaSeconds(year);
    }
    EXPECT_GT(SigmaSeconds(6000) / 60, 20.0);
    EXPECT_LT(SigmaSeconds(2100), 10.0);
    EXPECT_EQ(SigmaSeconds(std::nan("")), 0.0);
    EXPECT_NEAR(SigmaMinutesAt(2451545.0), 0.1 / 60, 1e-9);  // 2000-01-01
}

TEST(DeltaTUncertainty, Texts) {
    EXPECT_EQ(SpanText(62.4), "1 h 2 min");
    EXPECT_EQ(SpanText(12.2), "12 min");
    EXPECT_EQ(SpanText(0.7), "42 s");
    EXPECT_EQ(ToolTip(62.4, 12.2), "Delta T 1 h 2 min \u00b1 12 min (Espenak and Meeus 2006)");
}
