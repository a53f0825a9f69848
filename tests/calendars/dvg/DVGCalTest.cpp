// Tests of the Dunhale-Varnel Goddess Calendar: cycle totals, anchors, whole-range round
// trips, typed dates (also hostile ones), texts and steps.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calendars/dvg/DVGCal.h"

using namespace DVGCal;

namespace {

DvgDate Dvg(int32_t cycle, int y, int m, int d) {
    return DvgDate{cycle, static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d), 0, false};
}

DvgDate DvgOfJdn(int32_t jdn) {
    DvgDate d{};
    d.jdn = jdn;
    JdnToDvgDate(d);
    return d;
}

bool SameDay(const DvgDate& a, const DvgDate& b) {
    return a.cycle == b.cycle && a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

TEST(DVGCal, CycleTotals) {
    int days = 0, shortYears = 0;
    for (int y = 1; y <= DvgYearsPerCycle; ++y) {
        days += DvgYearLength(y);
        shortYears += IsShortDvgYear(y);
        int monthDays = 0;
        for (int m = 1; m <= 13; ++m) monthDays += DvgMonthLength(y, m);
        EXPECT_EQ(monthDays, DvgYearLength(y)) << y;
    }
    EXPECT_EQ(days, 180432);
    EXPECT_EQ(shortYears, 48);
    EXPECT_EQ(DvgMonthLength(1, 0), 0);
    EXPECT_EQ(DvgMonthLength(1, 14), 0);
}

TEST(DVGCal, AnchorDays) {
    struct Row { int32_t jdn; int32_t cycle; int y, m, d; };
    const Row rows[] = {{2415611, 1, 1, 1, 1},    {2415610, 0, 470, 13, 29}, {2451545, 1, 94, 8, 25},
                        {2415611 + 180432, 2, 1, 1, 1}, {2415611 - 10 * 180432, -9, 1, 1, 1}};
    for (const Row& r : rows) {
        EXPECT_TRUE(SameDay(DvgOfJdn(r.jdn), Dvg(r.cycle, r.y, r.m, r.d))) << FormatDvgDate(DvgOfJdn(r.jdn), 1);
        DvgDate back = Dvg(r.cycle, r.y, r.m, r.d);
        ASSERT_TRUE(DvgDateToJdn(back)) << r.jdn;
        EXPECT_EQ(back.jdn, r.jdn);
    }
}

TEST(DVGCal, WhichDatesExist) {
    struct Row { int y, m, d; bool exists; };
    const Row rows[] = {{10, 13, 30, false}, {10, 13, 29, true}, {11, 13, 30, true}, {235, 13, 30, false},
                        {1, 2, 30, false},   {1, 1, 30, true},   {0, 1, 1, false},   {471, 1, 1, false},
                        {1, 0, 1, false},    {1, 14, 1, false},  {1, 1, 0, false},   {1, 1, 31, false}};
    for (const Row& r : rows) {
        DvgDate d = Dvg(1, r.y, r.m, r.d);
        d.jdn = 99;
        EXPECT_EQ(DvgDateToJdn(d), r.exists) << r.y << "-" << r.m << "-" << r.d;
        EXPECT_EQ(d.valid, r.exists);
        if (!r.exists) {
            EXPECT_EQ(d.jdn, 0);
        }
    }
    DvgDate last = Dvg(1, 10, 13, 29);
    ASSERT_TRUE(DvgDateToJdn(last));
    EXPECT_TRUE(SameDay(DvgOfJdn(last.jdn + 1), Dvg(1, 11, 1, 1)));
    // Cycles whose day numbers leave 32 bits are refused, not wrapped.
    DvgDate far = Dvg(20000, 1, 1, 1);
    EXPECT_FALSE(DvgDateToJdn(far));
    far = Dvg(std::numeric_limits<int32_t>::min(), 1, 1, 1);
    EXPECT_FALSE(DvgDateToJdn(far));
}

// Every day of the accepted range converts to a date and back, and the next day is the next date.
TEST(DVGCal, WholeRangeRoundTrip) {
    DvgDate prev = DvgOfJdn(552283 - 1);
    for (int32_t jdn = 552283; jdn <= 3912515; ++jdn) {
        const DvgDate d = DvgOfJdn(jdn);
        DvgDate back = d;
        back.jdn = 0;
        ASSERT_TRUE(DvgDateToJdn(back)) << jdn;
        ASSERT_EQ(back.jdn, jdn) << FormatDvgDate(d, 1);
        DvgDate expected = prev;
        if (expected.day < DvgMonthLength(expected.year, expected.month)) {
            ++expected.day;
        } else if (expected.month < 13) {
            ++expected.month, expected.day = 1;
        } else if (expected.year < 470) {
            ++expected.year, expected.month = 1, expected.day = 1;
        } else {
            ++expected.cycle, expected.year = 1, expected.month = 1, expected.day = 1;
        }
        ASSERT_TRUE(SameDay(d, expected)) << jdn << ": " << FormatDvgDate(d, 1);
        prev = d;
    }
    EXPECT_LT(DvgOfJdn(552283).cycle, 0);
    const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    for (int32_t jdn : {lo, hi}) {
        DvgDate d = DvgOfJdn(jdn);
        ASSERT_TRUE(DvgDateToJdn(d)) << jdn;
        EXPECT_EQ(d.jdn, jdn);
    }
}

TEST(DVGCal, ParseDvgDate) {
    struct Row { const char* text; bool ok; int32_t cycle; int y, m, d; };
    const Row rows[] = {
        {"94-8-25", true, 1, 94, 8, 25},
        {"1-94-8-25", true, 1, 94, 8, 25},
        {"-10-317-4-25", true, -10, 317, 4, 25},
        {"1-94-8-25 abc", true, 1, 94, 8, 25},
        {" 1 - 94 - 08 - 25 ", true, 1, 94, 8, 25},
        {"0-470-13-29", true, 0, 470, 13, 29},
        {"1-94-8-0000000000000000000025", true, 1, 94, 8, 25},  // leading zeros are harmless
        {"-0-1-1-1", false, 0, 0, 0, 0},
        {"5-1", false, 0, 0, 0, 0},
        {"1-2-3-4-5", false, 0, 0, 0, 0},
        {"1-10-13-30", false, 0, 0, 0, 0},
        {"1-94-8-25-", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
        {"-", false, 0, 0, 0, 0},
        {"1-1", false, 0, 0, 0, 0},
        {"-----", false, 0, 0, 0, 0},
        {"-1-1-1", false, 0, 0, 0, 0},    // a negative year, not cycle -1 of year 1
        {"-94-8-25", false, 0, 0, 0, 0},  // likewise
        {"1--8-25", false, 0, 0, 0, 0},
        {"abcdefg", false, 0, 0, 0, 0},
        {"1-65537-8-25", false, 0, 0, 0, 0},   // wraps to year 1 in 16 bits
        {"1-94-65544-25", false, 0, 0, 0, 0},  // wraps to month 8
        {"1-94-8-65561", false, 0, 0, 0, 0},   // wraps to day 25
        {"4294967297-94-8-25", false, 0, 0, 0, 0},  // wraps to cycle 1 in 32 bits
        {"99999999999999999999999999999-1-1-1", false, 0, 0, 0, 0},
    };
    for (const Row& r : rows) {
        DvgDate d = Dvg(7, 7, 7, 7);
        d.jdn = 5;
        const bool ok = ParseDvgDate(r.text, d);
        EXPECT_EQ(ok, r.ok) << '"' << r.text << '"';
        EXPECT_EQ(d.valid, r.ok) << r.text;
        if (r.ok) {
            EXPECT_TRUE(SameDay(d, Dvg(r.cycle, r.y, r.m, r.d))) << r.text << " read as " << FormatDvgDate(d, 1);
        } else {
            EXPECT_EQ(d.jdn, 0) << r.text;
        }
    }
    const std::string hostile[] = {std::string(100000, '9'), std::string(100000, '-'),
                                   std::string(50000, '9') + "-1-1-1", "1-1-1-" + std::string(50000, '0') + "1"};
    for (const std::string& text : hostile) {
        DvgDate d{};
        const bool ok = ParseDvgDate(text, d);
        EXPECT_EQ(ok, text.rfind("1-1-1-", 0) == 0) << text.substr(0, 20);
    }
}

TEST(DVGCal, Texts) {
    struct Row { int32_t cycle; int y, m, d; int form; const char* text; };
    const Row rows[] = {
        {1, 94, 8, 25, 1, "1-94-08-25 DVG"},
        {1, 94, 8, 25, 2, "1-94-08-25 DVG (Saturday, Hathor 25, 1-94)"},
        {1, 94, 8, 25, 3, "The 25th day of Hathor in the year 94 of cycle 1"},
        {-10, 317, 4, 25, 1, "-10-317-04-25 DVG"},
        {-10, 317, 4, 3, 3, "The 3rd day of Diana in the year 317 of cycle-10"},
        {1, 1, 1, 1, 2, "1-1-01-01 DVG (Wednesday, Athena 1, 1-1)"},
        {1, 94, 8, 25, 4, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatDvgDate(Dvg(r.cycle, r.y, r.m, r.d), r.form), r.text);
    EXPECT_EQ(DvgMonthName(0), "");
    EXPECT_EQ(DvgMonthName(13), "Maria");
    EXPECT_EQ(DvgMonthName(14), "");
}

TEST(DVGCal, Steps) {
    enum Kind { Month, Year, Cycle };
    struct Row { const char* name; Kind kind; bool forward; DvgDate from, to; };
    const Row rows[] = {
        {"month 13 to next year", Month, true, Dvg(1, 1, 13, 30), Dvg(1, 2, 1, 30)},
        {"day 30 cut in month 2", Month, true, Dvg(1, 1, 1, 30), Dvg(1, 1, 2, 29)},
        {"into short month 13", Month, true, Dvg(1, 10, 12, 29), Dvg(1, 10, 13, 29)},
        {"year 470 to next cycle", Month, true, Dvg(1, 470, 13, 29), Dvg(2, 1, 1, 29)},
        {"back to previous cycle", Month, false, Dvg(1, 1, 1, 30), Dvg(0, 470, 13, 29)},
        {"back into month 13", Month, false, Dvg(1, 2, 1, 30), Dvg(1, 1, 13, 30)},
        {"year into short year", Year, true, Dvg(1, 9, 13, 30), Dvg(1, 10, 13, 29)},
        {"year across cycle", Year, true, Dvg(-1, 470, 5, 30), Dvg(0, 1, 5, 30)},
        {"year back across cycle", Year, false, Dvg(1, 1, 13, 30), Dvg(0, 470, 13, 29)},
        {"not existing date fitted", Year, true, Dvg(1, 500, 14, 31), Dvg(2, 1, 13, 29)},
        {"cycle only", Cycle, false, Dvg(1, 94, 8, 25), Dvg(0, 94, 8, 25)},
        {"cycle stops at the top", Cycle, true, Dvg(std::numeric_limits<int32_t>::max(), 1, 1, 1),
         Dvg(std::numeric_limits<int32_t>::max(), 1, 1, 1)},
        {"cycle stops at the bottom", Month, false, Dvg(std::numeric_limits<int32_t>::min(), 1, 1, 1),
         Dvg(std::numeric_limits<int32_t>::min(), 1, 1, 1)},
    };
    for (const Row& r : rows) {
        DvgDate d = r.from;
        if (r.kind == Month) StepDvgMonth(d, r.forward);
        if (r.kind == Year) StepDvgYear(d, r.forward);
        if (r.kind == Cycle) StepCycle(d.cycle, r.forward);
        EXPECT_TRUE(SameDay(d, r.to)) << r.name << ": " << FormatDvgDate(d, 1);
    }
    // Every step from every day of two cycles ends on an existing date.
    for (int32_t jdn = DvgEpochJdn - DvgCycleDays; jdn < DvgEpochJdn + DvgCycleDays; ++jdn) {
        for (bool forward : {true, false}) {
            DvgDate m = DvgOfJdn(jdn), y = DvgOfJdn(jdn);
            StepDvgMonth(m, forward);
            StepDvgYear(y, forward);
            ASSERT_TRUE(DvgDateToJdn(m)) << jdn;
            ASSERT_TRUE(DvgDateToJdn(y)) << jdn;
        }
    }
}
