#include <gtest/gtest.h>

#include <cstring>

#include "daycalc.h"

namespace {
constexpr int32_t kFirstDay = 552283;  // -3201-12-31 CE
constexpr int32_t kLastDay = 3912515;  // 6000-01-01 CE
}  // namespace

TEST(DayCalc, KnownDayNumbers) {
    struct Row { int32_t y, m, d, cal, jdn; };
    const Row rows[] = {
        {2000, 1, 1, 'G', 2451545}, {1582, 10, 15, 'G', 2299161}, {1582, 10, 4, 'J', 2299160},
        {-4712, 1, 1, 'J', 0},      {-4713, 11, 24, 'G', 0},      {-3201, 12, 31, 'G', kFirstDay},
        {6000, 1, 1, 'G', kLastDay}, {1901, 8, 14, 'G', 2415611},  {2000, 2, 29, 'G', 2451604}};
    for (const Row& r : rows) {
        CalendarDate date{r.y, r.m, r.d, r.cal, 0, 0};
        EXPECT_EQ(euro_date_to_jdn(&date), r.jdn) << r.y << "-" << r.m << "-" << r.d;
        EXPECT_EQ(date.jdn, r.jdn);
        CalendarDate back{0, 0, 0, r.cal, r.jdn, 0};
        jdn_to_euro_date(&back);
        EXPECT_EQ(back.year, r.y);
        EXPECT_EQ(back.month, r.m);
        EXPECT_EQ(back.day, r.d);
    }
}

// Every day of the accepted range, in both calendars: back and forth, and consecutive days
// give consecutive dates.
TEST(DayCalc, WholeRangeRoundTripAndContinuity) {
    for (int32_t cal : {'G', 'J'}) {
        CalendarDate prev{0, 0, 0, cal, kFirstDay - 1, 0};
        jdn_to_euro_date(&prev);
        for (int32_t jdn = kFirstDay; jdn <= kLastDay; ++jdn) {
            CalendarDate d{0, 0, 0, cal, jdn, 0};
            jdn_to_euro_date(&d);
            CalendarDate again{d.year, d.month, d.day, cal, 0, 0};
            ASSERT_EQ(euro_date_to_jdn(&again), jdn) << char(cal);
            const bool nextDay = d.year == prev.year && d.month == prev.month && d.day == prev.day + 1;
            const bool nextMonth = d.year == prev.year && d.month == prev.month + 1 && d.day == 1;
            const bool nextYear = d.year == prev.year + 1 && d.month == 1 && d.day == 1 && prev.month == 12;
            ASSERT_TRUE(nextDay || nextMonth || nextYear) << char(cal) << " jdn " << jdn;
            prev = d;
        }
    }
}

TEST(DayCalc, DayOfWeek) {
    EXPECT_EQ(euro_day_of_week(2451545), 6);  // Saturday
    EXPECT_EQ(euro_day_of_week(2451546), 0);
    EXPECT_EQ(euro_day_of_week(0), 1);        // a Monday
    EXPECT_EQ(euro_day_of_week(-1), 0);
}

TEST(DayCalc, StrToDate) {
    struct Row { const char* text; int32_t cal; int32_t result; };
    const Row rows[] = {
        {"2003-12-31", 'G', 0}, {"-3000-01-01", 'G', 0}, {"2003-02-29", 'G', -1},
        {"2004-02-29", 'G', 0}, {"1900-02-29", 'J', 0},  {"1900-02-29", 'G', -1},
        {"2003-13-01", 'G', -1}, {"2003-00-01", 'G', -1}, {"2003-12-00", 'G', -1},
        {"443-13-30", 'R', 0},  {"2003-12", 'G', -1},    {"2003--12-31", 'G', -1},
        {"2003-12-31-", 'G', -1}, {"", 'G', -1},           {"-", 'G', -1},
        {"99999999999-01-01", 'G', -5}, {"2000001-01-01", 'G', -5}, {"2003-12-31", 'X', -1}};
    for (const Row& r : rows) {
        char buffer[64];
        std::strncpy(buffer, r.text, sizeof buffer);
        CalendarDate date{};
        EXPECT_EQ(str_to_date(buffer, 2, &date, r.cal), r.result) << r.text;
    }
    char text[] = "-44-03-15";
    CalendarDate date{};
    ASSERT_EQ(str_to_date(text, 2, &date, 'J'), 0);
    EXPECT_EQ(date.year, -44);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 15);
    EXPECT_EQ(date.calendar, 'J');
}

TEST(DayCalc, SeparateThousandsStaysInItsBuffer) {
    struct Row { const char* in; const char* out; };
    const Row rows[] = {{"12345", "12,345"}, {"-12345", "-12,345"}, {"123", "123"},
                        {"1234567", "1,234,567"}, {"", ""},
                        {"123456789012345678901234567890", "123,456,789,012,345"}};
    for (const Row& r : rows) {
        char out[28];
        std::memset(out, '#', sizeof out);
        separate_thousands(r.in, ',', out);
        EXPECT_STREQ(out, r.out);
        for (size_t i = 20; i < sizeof out; ++i) EXPECT_EQ(out[i], '#') << "wrote past 20 characters";
    }
}
