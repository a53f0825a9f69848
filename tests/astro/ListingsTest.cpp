// Listings of phases and eclipses for the command-line tool.
#include <gtest/gtest.h>

#include <algorithm>

#include "astro/Listings.h"
#include "astro/Syzyg.h"

using namespace Listings;

TEST(Listings, PhasesOfOneYear) {
    // 2024: 13 new moons (the last on 12-30), 12 full moons.
    const auto rows = ListPhases(2460310.5, 2460676.5);
    int newMoons = 0, fullMoons = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_GE(rows[i].jdUt, 2460310.5);
        EXPECT_LE(rows[i].jdUt, 2460676.5);
        EXPECT_NEAR(rows[i].jdTt - rows[i].jdUt, rows[i].deltaTMinutes / 1440.0, 1e-9);
        if (i > 0) {
            EXPECT_GT(rows[i].jdUt, rows[i - 1].jdUt);
            EXPECT_EQ((rows[i - 1].phase + 1) % 4, rows[i].phase);
        }
        newMoons += rows[i].phase == 0;
        fullMoons += rows[i].phase == 2;
    }
    EXPECT_EQ(newMoons, 13);
    EXPECT_EQ(fullMoons, 12);
    EXPECT_EQ(rows.front().phase, 3);  // last quarter 2024-01-04
    EXPECT_EQ(rows.front().lunation, 296);
}

TEST(Listings, PhaseSpanEdges) {
    EclipseData record{};
    const double full = Syzyg::PhaseTime(100, 2, record);
    auto rows = ListPhases(full, full);  // both ends inclusive
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].lunation, 100);
    EXPECT_TRUE(ListPhases(full + 1.0, full).empty());
    // Cut to the accepted range: the first row is the first phase after its start.
    rows = ListPhases(0.0, kEarliestAjd + 8.0);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front().jdUt, kEarliestAjd);
}

TEST(Listings, EclipsesOf2024) {
    // 2024: penumbral lunar 03-25, total solar 04-08, partial lunar 09-18, annular 10-02.
    const auto all = ListEclipses(2460310.5, 2460676.5, {});
    ASSERT_EQ(all.size(), 4u);
    const int types[] = {8, 3, 9, 2};
    const int32_t saros[] = {113, 139, 118, 144};
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].type, types[i]) << i;
        EXPECT_EQ(all[i].saros, saros[i]) << i;
    }
    EXPECT_NEAR(all[1].jdUtGreatest, 2460409.2618, 2.0 / 1440);  // 18:17 UT
    const auto solar = ListEclipses(2460310.5, 2460676.5, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(solar.size(), 2u);
    EXPECT_TRUE(ListEclipses(2460310.5, 2460676.5, {10}).empty());
}

TEST(Listings, EveryEclipseOfTheRangeInOrder) {
    const auto rows = ListEclipses(kEarliestAjd, kLatestAjd, {});
    // About 2.4 eclipses of each kind a year over 9200 years.
    EXPECT_GT(rows.size(), 40000u);
    EXPECT_LT(rows.size(), 50000u);
    for (size_t i = 1; i < rows.size(); ++i) ASSERT_GT(rows[i].jdUtGreatest, rows[i - 1].jdUtGreatest);
}

// A saros series, found by its lunations, holds exactly the eclipses that the scan of a span
// numbers with it, members 223 lunations apart.
TEST(Listings, SarosSeriesAgreeWithTheScan) {
    const double from = 2415020.5, to = 2488069.5;  // 1900 to 2100
    const auto eclipses = Listings::ListEclipses(from, to, {});
    for (int32_t saros : {120, 136, 145, 113, 124}) {
        std::vector<std::pair<int32_t, int>> scanned, listed;
        for (const auto& row : eclipses)
            if (row.saros == saros) scanned.push_back({row.lunation, row.phase});
        const auto series = Listings::ListSarosSeries(saros);
        for (const auto& row : series) {
            EXPECT_EQ(row.saros, saros);
            if (row.jdUtGreatest >= from && row.jdUtGreatest <= to) listed.push_back({row.lunation, row.phase});
        }
        std::sort(scanned.begin(), scanned.end());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, scanned) << saros;
        EXPECT_FALSE(scanned.empty()) << saros;
        for (size_t i = 1; i < series.size(); ++i) {
            if (series[i].phase == series[i - 1].phase) {
                EXPECT_EQ((series[i].lunation - series[i - 1].lunation) % 223, 0);
            }
        }
    }
    EXPECT_TRUE(Listings::ListSarosSeries(900).empty());
    EXPECT_TRUE(Listings::ListSarosSeries(-900).empty());
}
