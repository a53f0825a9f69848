// The one step between the astronomical and the chronological Julian date.
#include <gtest/gtest.h>

#include "support/JulianDates.h"

TEST(JulianDates, ChronologicalAndAstronomicalDates) {
    EXPECT_DOUBLE_EQ(CjdOfAjd(2451545.0, 0), 2451545.5);
    EXPECT_DOUBLE_EQ(CjdOfAjd(2451545.0, 60), 2451545.5 + 1.0 / 24.0);
    EXPECT_DOUBLE_EQ(CjdOfAjd(2451545.0, -300), 2451545.5 - 300.0 / 1440.0);
    for (int offset : {-720, -300, 0, 330, 720}) EXPECT_NEAR(AjdOfCjd(CjdOfAjd(2451545.25, offset), offset), 2451545.25, 1e-9);
}
