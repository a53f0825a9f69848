// Coincidences of month starts: the walk over VO months against a day-by-day scan, searches from
// a coincidence day itself, the day's noon in the time frame, and the range ends.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calendars/registry/CalendarRegistry.h"
#include "core/search/Coincidence.h"
#include "core/search/SearchEngine.h"

namespace {

// A field of a day's label in the registry: an independent reading of the calendars.
long long Field(int calendar, int32_t jdn, const std::string& name) {
    for (const auto& [field, value] : CalendarRegistry::Calendar(calendar).labelOfDay(jdn).fields)
        if (field == name) return value;
    ADD_FAILURE() << "no field " << name;
    return -1;
}

bool FirstOfFourMonths(int32_t jdn) {
    return Field(CalendarTable::VO, jdn, "day") == 1 && Field(CalendarTable::ARC, jdn, "day") == 1 &&
           Field(CalendarTable::DVG, jdn, "day") == 1 && Field(CalendarTable::LLT, jdn, "day") == 1;
}

std::vector<int32_t> Chain(int32_t from, int32_t to) {
    std::vector<int32_t> days;
    for (auto day = Search::FindCoincidence(from, true, to); day; day = Search::FindCoincidence(*day, true, to))
        days.push_back(*day);
    return days;
}

// Every day of a century (read through the registry's fields) gives the same days as the
// month walk; around 2000 they come a few months to two years apart.
TEST(Coincidence, WalkAgreesWithADayByDayScan) {
    const int32_t from = 2451545 - 50 * 365, to = 2451545 + 50 * 365;
    const std::vector<int32_t> walked = Chain(from, to);
    ASSERT_GE(walked.size(), 3u);
    std::vector<int32_t> scanned;
    for (int32_t day = from + 1; day <= to; ++day) {
        // The DVG date first: it is the cheapest field to read and rejects 29 days of 30.
        if (Field(CalendarTable::DVG, day, "day") == 1 && FirstOfFourMonths(day)) scanned.push_back(day);
    }
    EXPECT_EQ(walked, scanned);
    for (int32_t day : walked) EXPECT_TRUE(Search::CoincidenceOfFirsts(day)) << day;
}

TEST(Coincidence, FromACoincidenceDayFindsTheNeighbours) {
    const std::vector<int32_t> days = Chain(1500000, 1560000);
    ASSERT_GE(days.size(), 3u);
    const int32_t limitLate = 5000000, limitEarly = 0;
    EXPECT_EQ(Search::FindCoincidence(days[1], true, limitLate), days[2]);
    EXPECT_EQ(Search::FindCoincidence(days[1], false, limitEarly), days[0]);
    EXPECT_EQ(Search::FindCoincidence(days[1] + 1, false, limitEarly), days[1]);
    EXPECT_EQ(Search::FindCoincidence(days[1] - 1, true, limitLate), days[1]);
    // The limit is inclusive.
    EXPECT_EQ(Search::FindCoincidence(days[1], true, days[2]), days[2]);
    EXPECT_EQ(Search::FindCoincidence(days[1], true, days[2] - 1), std::nullopt);
    EXPECT_EQ(Search::FindCoincidence(days[1], false, days[0] + 1), std::nullopt);
}

// Through the search: noon of the day in the chosen frame, for a local day that differs from
// the Greenwich one.
TEST(Coincidence, SearchGivesNoonOfTheDayInTheFrame) {
    const std::vector<int32_t> days = Chain(1500000, 1560000);
    ASSERT_GE(days.size(), 2u);
    for (int offset : {0, 330, -720, 720}) {
        Search::Request request;
        request.target = SearchTargets::kCoincidence;
        request.frame.zoneOffsetMinutes = offset;
        request.ajd = TimeZones::CjdToAjd(days[0] + 0.5, request.frame);
        const Search::Result next = Search::RunSearch(request);
        ASSERT_TRUE(next.Found()) << offset;
        EXPECT_DOUBLE_EQ(next.ajd, TimeZones::CjdToAjd(days[1] + 0.5, request.frame)) << offset;
        EXPECT_EQ(next.record.type, 0);
        EXPECT_EQ(next.lunation, -1);
        request.ajd = next.ajd;
        request.next = false;
        const Search::Result back = Search::RunSearch(request);
        ASSERT_TRUE(back.Found()) << offset;
        EXPECT_DOUBLE_EQ(back.ajd, TimeZones::CjdToAjd(days[0] + 0.5, request.frame)) << offset;
    }
}

}  // namespace
