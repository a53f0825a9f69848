// Eclipse searches against the eclipse listing: every kind from random moments, chains of
// searches, moments between a syzygy and its greatest eclipse, and the saros search.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "core/ComputeMoment.h"
#include "core/search/SearchEngine.h"

using Search::Request;
using Search::Result;

namespace {

constexpr int kFirstEclipseTarget = SearchTargets::kAnyEclipse, kLastEclipseTarget = 11;  // "Annular solar eclipse"
using SearchTargets::kAnyEclipse;
using SearchTargets::kLunarEclipse;
using SearchTargets::kSolarEclipse;
constexpr int kTotalSolar = SearchTargets::kDefault, kTotalLunar = 7;

std::vector<int> TypesOf(int target) {
    std::vector<int> types;
    for (int t = 1; t <= 10; ++t)
        if (SearchTargets::Matches(target, t)) types.push_back(t);
    return types;
}

Result Find(int target, bool next, double ajd, Search::DisplayedEclipse eclipse = {}) {
    Request request;
    request.target = target;
    request.next = next;
    request.ajd = ajd;
    request.eclipse = eclipse;
    return Search::RunSearch(request);
}

// The listed eclipse nearest beyond the moment.
const Listings::EclipseRow* Beyond(const std::vector<Listings::EclipseRow>& rows, double ajd, bool next) {
    const Listings::EclipseRow* found = nullptr;
    for (const Listings::EclipseRow& row : rows) {
        if (next && row.jdUtGreatest > ajd) return &row;
        if (!next && row.jdUtGreatest < ajd) found = &row;
    }
    return found;
}

void ExpectRow(const Result& result, const Listings::EclipseRow& row, const std::string& where) {
    ASSERT_TRUE(result.Found()) << where;
    EXPECT_EQ(result.ajd, row.jdUtGreatest) << where;
    EXPECT_EQ(result.lunation, row.lunation) << where;
    EXPECT_EQ(result.phase, row.phase) << where;
    EXPECT_EQ(result.record.type, row.type) << where;
    EXPECT_EQ(result.record.saros, row.saros) << where;
    EXPECT_TRUE(result.eclipseFound) << where;
}

TEST(EclipseSearch, EveryKindAgreesWithTheListingFromRandomMoments) {
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> moment(dblEarliestAJD + 3000, dblLatestAJD - 3000);
    for (int sample = 0; sample < 25; ++sample) {
        const double x = moment(random);
        for (int target = kFirstEclipseTarget; target <= kLastEclipseTarget; ++target) {
            // Total solar eclipses can be years apart; the listing looks five years each way.
            const auto rows = Listings::ListEclipses(x - 2000, x + 2000, TypesOf(target));
            for (bool next : {true, false}) {
                const Listings::EclipseRow* row = Beyond(rows, x, next);
                ASSERT_NE(row, nullptr);
                ExpectRow(Find(target, next, x), *row, std::to_string(x) + " target " + std::to_string(target));
            }
        }
    }
}

TEST(EclipseSearch, RepeatedSearchesStepThroughEveryEclipseOnce) {
    const auto rows = Listings::ListEclipses(2451545.0, 2451545.0 + 3650, TypesOf(kLunarEclipse));
    ASSERT_GT(rows.size(), 15u);
    double x = 2451545.0;
    for (const Listings::EclipseRow& row : rows) {
        const Result result = Find(kLunarEclipse, true, x);
        ExpectRow(result, row, "forward to lunation " + std::to_string(row.lunation));
        x = result.ajd;
    }
    for (size_t i = rows.size() - 1; i-- > 0;) {
        const Result result = Find(kLunarEclipse, false, x);
        ExpectRow(result, rows[i], "back to lunation " + std::to_string(rows[i].lunation));
        x = result.ajd;
    }
}

// Moments between a syzygy and its greatest eclipse, on either side: the search still finds the
// eclipse on the far side of the moment, and from the greatest eclipse itself the next one.
TEST(EclipseSearch, MomentsBetweenSyzygyAndGreatestEclipse) {
    const auto rows = Listings::ListEclipses(2451545.0 - 36500, 2451545.0 + 36500, {});
    int before = 0, after = 0;
    for (size_t i = 1; i + 1 < rows.size(); ++i) {
        const Listings::EclipseRow& row = rows[i];
        EclipseData record{};
        const double syzygy = Syzyg::PhaseTime(row.lunation, row.phase, record);
        if (std::fabs(syzygy - row.jdUtGreatest) < 2.0 / 1440.0) continue;
        const double between = (syzygy + row.jdUtGreatest) / 2;
        const bool greatestFirst = row.jdUtGreatest < syzygy;
        (greatestFirst ? before : after)++;
        const std::string where = "lunation " + std::to_string(row.lunation);
        ExpectRow(Find(kAnyEclipse, true, between), greatestFirst ? rows[i + 1] : row, where + " next");
        ExpectRow(Find(kAnyEclipse, false, between), greatestFirst ? row : rows[i - 1], where + " previous");
        ExpectRow(Find(kAnyEclipse, true, row.jdUtGreatest), rows[i + 1], where + " next from it");
        ExpectRow(Find(kAnyEclipse, false, row.jdUtGreatest), rows[i - 1], where + " previous from it");
        const int kind = row.type >= 8 ? kLunarEclipse : kSolarEclipse;
        const auto same = Listings::ListEclipses(row.jdUtGreatest - 800, row.jdUtGreatest + 800, TypesOf(kind));
        ExpectRow(Find(kind, true, row.jdUtGreatest), *Beyond(same, row.jdUtGreatest, true), where + " kind next");
        ExpectRow(Find(kind, false, row.jdUtGreatest), *Beyond(same, row.jdUtGreatest, false), where + " kind prev");
    }
    // Both sides occur among two centuries of eclipses.
    EXPECT_GT(before, 10);
    EXPECT_GT(after, 10);
}

TEST(EclipseSearch, SarosFindsTheSameSeriesBothWays) {
    const auto rows = Listings::ListEclipses(2451545.0, 2451545.0 + 1500, {});
    ASSERT_GT(rows.size(), 6u);
    for (const Listings::EclipseRow& row : rows) {
        for (bool next : {true, false}) {
            const Result result = Find(SearchTargets::kSameSaros, next, row.jdUtGreatest, {true, row.type >= 8, row.jdUtGreatest});
            ASSERT_TRUE(result.Found()) << row.lunation;
            EXPECT_EQ(result.record.saros, row.saros) << row.lunation;
            EXPECT_EQ(result.lunation, row.lunation + (next ? 223 : -223)) << row.lunation;
            EXPECT_NEAR(std::fabs(result.ajd - row.jdUtGreatest), 6585.3, 0.5);
            EXPECT_EQ(result.searchedTarget, row.type >= 8 ? kLunarEclipse : kSolarEclipse);
        }
    }
}

TEST(EclipseSearch, RangeEndLeavesNoResult) {
    // The last total solar eclipse of the range: nothing after it.
    const auto rows = Listings::ListEclipses(dblLatestAJD - 4000, dblLatestAJD, TypesOf(kTotalSolar));
    ASSERT_FALSE(rows.empty());
    const Result result = Find(kTotalSolar, true, rows.back().jdUtGreatest);
    EXPECT_EQ(result.outcome, Result::Outcome::RangeEnd);
    EXPECT_FALSE(result.eclipseFound);
    const auto first = Listings::ListEclipses(dblEarliestAJD, dblEarliestAJD + 4000, TypesOf(kTotalLunar));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Find(kTotalLunar, false, first.front().jdUtGreatest).outcome, Result::Outcome::RangeEnd);
    EXPECT_TRUE(Find(kTotalLunar, false, first.front().jdUtGreatest + 1e-3).Found());
}

}  // namespace
