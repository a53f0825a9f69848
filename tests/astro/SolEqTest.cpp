// Equinoxes and solstices.
#include <gtest/gtest.h>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"

using namespace SolEq;

TEST(SolEq, MarchEquinox2000) {
    EXPECT_DOUBLE_EQ(TwoPi, 6.28318530717959);
    EXPECT_NEAR(SeasonStartTdt(0, 2000), 2451623.8170, 0.0001);  // 2000-03-20 07:36 TT
    EXPECT_DOUBLE_EQ(MarchEquinox(2000), SeasonStartTdt(0, 2000) - Syzyg::DeltaTForYear(2000) / 1440.0);
    EXPECT_NEAR(SeasonStartTdt(0, 2000), 2451623.8170, 0.0001);
}

TEST(SolEq, TableSwitchAtYear1000) {
    // Both tables give nearly the same year length, so consecutive events stay a tropical year
    // apart across the switch; a wrong table or year scale would break this by days.
    for (int event = 0; event < 4; ++event) {
        for (int32_t year : {998, 999, 1000, 1001}) {
            const double length = SeasonStartTdt(event, year + 1) - SeasonStartTdt(event, year);
            EXPECT_NEAR(length, 365.2422, 0.03) << event << " " << year;
        }
    }
    // Events follow each other through the year; any value above 2 is the December solstice.
    EXPECT_LT(SeasonStartTdt(0, 999), SeasonStartTdt(1, 999));
    EXPECT_LT(SeasonStartTdt(1, 999), SeasonStartTdt(2, 999));
    EXPECT_LT(SeasonStartTdt(2, 999), SeasonStartTdt(3, 999));
    EXPECT_DOUBLE_EQ(SeasonStartTdt(7, 2024), SeasonStartTdt(3, 2024));
}

