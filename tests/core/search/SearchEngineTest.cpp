// Phase and quarter searches against the phase listing, from random moments and from the exact
// moment of a phase; the target texts, the operation text and the refusals.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "core/search/SearchEngine.h"

using Search::Request;
using Search::Result;

namespace {

Result Find(int target, bool next, double ajd) {
    Request request;
    request.target = target;
    request.next = next;
    request.ajd = ajd;
    return Search::RunSearch(request);
}

// The listed phase nearest beyond the moment, of phase p (or any phase for p = -1).
const Listings::PhaseRow* Beyond(const std::vector<Listings::PhaseRow>& rows, double ajd, bool next, int p) {
    const Listings::PhaseRow* found = nullptr;
    for (const Listings::PhaseRow& row : rows) {
        if (p >= 0 && row.phase != p) continue;
        if (next && row.jdUt > ajd) return &row;
        if (!next && row.jdUt < ajd) found = &row;
    }
    return found;
}

TEST(PhaseSearch, AgreesWithThePhaseListingFromRandomMoments) {
    std::mt19937_64 random(6);
    std::uniform_real_distribution<double> moment(dblEarliestAJD + 100, dblLatestAJD - 100);
    for (int sample = 0; sample < 60; ++sample) {
        const double x = moment(random);
        const std::vector<Listings::PhaseRow> rows = Listings::ListPhases(x - 40, x + 40);
        for (int target = 0; target <= SearchTargets::kQuarter; ++target) {
            const int p = SearchTargets::kTargets[static_cast<size_t>(target)].phase;
            for (bool next : {true, false}) {
                const Result result = Find(target, next, x);
                const Listings::PhaseRow* expected = Beyond(rows, x, next, p);
                ASSERT_TRUE(result.Found() && expected) << x << " target " << target;
                EXPECT_EQ(result.ajd, expected->jdUt) << x << " target " << target << " next " << next;
                EXPECT_EQ(result.lunation, expected->lunation);
                EXPECT_EQ(result.phase, expected->phase);
            }
        }
    }
}

// From the exact moment of a phase, and from moments a few seconds off it.
struct FromPhaseRow {
    const char* name;
    int target;
    bool next;
    double offsetSeconds;          // from the full moon of lunation 300
    int32_t lunation;              // of the result
    int phase;
};
const FromPhaseRow kFromPhase[] = {
    {"next full moon from a full moon", 0, true, 0, 301, 2},
    {"previous full moon from a full moon", 0, false, 0, 299, 2},
    {"previous full moon 3 s after it counts as from it", 0, false, 3, 299, 2},
    {"previous full moon 5 s after it", 0, false, 5, 300, 2},
    {"next full moon 1 s before it", 0, true, -1, 300, 2},
    {"next quarter from a full moon", 4, true, 0, 300, 3},
    {"previous quarter from a full moon", 4, false, 0, 300, 1},
    {"previous quarter 10 min after a full moon", 4, false, 600, 300, 2},
    {"next dark moon from a full moon", 1, true, 0, 301, 0},
    {"previous dark moon from a full moon", 1, false, 0, 300, 0},
};

TEST(PhaseSearch, FromTheMomentOfAPhase) {
    EclipseData record{};
    const double fullMoon = Syzyg::PhaseTime(300, 2, record);
    for (const FromPhaseRow& row : kFromPhase) {
        const Result result = Find(row.target, row.next, fullMoon + row.offsetSeconds / 86400.0);
        ASSERT_TRUE(result.Found()) << row.name;
        EXPECT_EQ(result.lunation, row.lunation) << row.name;
        EXPECT_EQ(result.phase, row.phase) << row.name;
        EXPECT_EQ(result.ajd, Syzyg::PhaseTime(row.lunation, row.phase, record)) << row.name;
    }
}

TEST(PhaseSearch, NextQuarterAfterALastQuarterIsTheNextDarkMoon) {
    EclipseData record{};
    const Result result = Find(SearchTargets::kQuarter, true, Syzyg::PhaseTime(-700, 3, record) + 0.1);
    ASSERT_TRUE(result.Found());
    EXPECT_EQ(result.lunation, -699);
    EXPECT_EQ(result.phase, 0);
}

TEST(PhaseSearch, AnEclipsedFullMoonCarriesItsEclipseType) {
    // The total lunar eclipse of 2000-01-21 is at the full moon of lunation 0.
    const Result result = Find(0, true, 2451545.0);
    ASSERT_TRUE(result.Found());
    EXPECT_EQ(result.lunation, 0);
    EXPECT_EQ(result.record.type, EclipseTypes::TotalLunar);
    EXPECT_FALSE(result.eclipseFound);  // a phase search, not an eclipse search
}

// Every target, from the first and the last lunation of the range, both directions: a result
// inside the range or the range-end message, never a moment outside the range.
TEST(SearchRangeEnds, EveryTargetFromBothEnds) {
    for (int target = 0; target < static_cast<int>(SearchTargets::kTargets.size()); ++target) {
        for (double x : {dblEarliestAJD, dblEarliestAJD + 20, dblLatestAJD - 20, dblLatestAJD}) {
            for (bool next : {true, false}) {
                Request request;
                request.target = target;
                request.next = next;
                request.ajd = x;
                request.eclipse = {true, target % 2 == 0, x};
                const Result result = Search::RunSearch(request);
                if (result.Found()) {
                    EXPECT_GE(result.ajd, dblEarliestAJD) << target;
                    EXPECT_LE(result.ajd, dblLatestAJD) << target;
                    EXPECT_TRUE(next ? result.ajd > x : result.ajd < x) << target;
                } else {
                    ASSERT_EQ(result.outcome, Result::Outcome::RangeEnd) << target << " " << x;
                    EXPECT_EQ(result.title, "Search");
                    EXPECT_NE(result.message.find(next ? "before the latest date." : "after the earliest date."),
                              std::string::npos);
                }
            }
        }
    }
}

TEST(SearchRangeEnds, Messages) {
    EXPECT_EQ(Find(0, true, dblLatestAJD).message, "No full moon before the latest date.");
    EXPECT_EQ(Find(SearchTargets::kQuarter, false, dblEarliestAJD).message, "No quarter after the earliest date.");
    EXPECT_EQ(Find(SearchTargets::kDefault, true, dblLatestAJD).message,
              "No eclipse of this kind before the latest date.");
    EXPECT_EQ(Find(SearchTargets::kCoincidence, false, dblEarliestAJD).message,
              "No coincidence of 1sts of month after the earliest date.");
    // A phase just inside the range is still found from the range end.
    EXPECT_TRUE(Find(0, false, dblLatestAJD).Found());
    EXPECT_TRUE(Find(0, true, dblEarliestAJD).Found());
}

TEST(SearchRefusals, BlankTargetsAndSarosWithoutAnEclipse) {
    for (int target : {-1, 14, 99}) {
        const Result result = Find(target, true, 2451545.0);
        EXPECT_EQ(result.outcome, Result::Outcome::BlankTarget) << target;
        EXPECT_EQ(result.message, "Please specify target for search.");
        EXPECT_EQ(result.title, "Search");
    }
    const Result saros = Find(SearchTargets::kSameSaros, true, 2451545.0);
    EXPECT_EQ(saros.outcome, Result::Outcome::NoEclipseDisplayed);
    EXPECT_EQ(saros.title, "No eclipse displayed");
    EXPECT_EQ(saros.message,
              "Eclipse date must be displayed in order to search for the next or previous eclipse in the same saros "
              "series.");
}

TEST(SearchTexts, OperationAndTargetTexts) {
    EXPECT_EQ(Search::OperationText(SearchTargets::kDefault, true), "Search for next total solar eclipse.");
    EXPECT_EQ(Search::OperationText(2, false), "Search for previous half moon (1st quarter).");
    EXPECT_EQ(Search::TargetOfText("  total LUNAR eclipse "), 7);
    EXPECT_EQ(Search::TargetOfText("Coincidence of 1sts of month"), SearchTargets::kCoincidence);
    // The window's list keeps its rows (the saved state stores them) with blank rows between.
    EXPECT_EQ(SearchTargets::RowOf(SearchTargets::kDefault), 11);
    EXPECT_EQ(SearchTargets::RowOf(SearchTargets::kSameSaros), 13);
    EXPECT_EQ(SearchTargets::TargetOfRow(5), -1);
    EXPECT_EQ(SearchTargets::TargetOfRow(15), SearchTargets::kCoincidence);
    EXPECT_EQ(Search::TargetOfText(""), -1);
    EXPECT_EQ(Search::TargetOfText("eclipse"), -1);
}

}  // namespace
