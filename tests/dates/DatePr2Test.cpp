#include <gtest/gtest.h>

#include "dates/ClockService.h"
#include "dates/DatePr2.h"

using namespace DatePr2;

TEST(DatePr2, FormatTimeOfDay) {
    struct Row { double f; const char* text; };
    const Row rows[] = {{0.0, "00:00"},   {0.5, "12:00"},         {1.0 - 0.5 / 86400, "23:59"},
                        {1.0, "XX:XX:XX"}, {-0.1, "XX:XX:XX"},     {0.25 - 1e-10, "06:00"},
                        {(15 * 60 + 55) / 1440.0, "15:55"},        {0.9999999999, "23:59"}};
    for (const Row& r : rows) EXPECT_EQ(FormatTimeOfDay(r.f), r.text) << r.f;
}

TEST(DatePr2, FormatAndDescribe) {
    CalendarDate d{-3000, 1, 1, 'G', 0, 0};
    EXPECT_EQ(FormatDate(d, "-", ','), "-3000-01-01");
    d = {5, 1, 1, 'G', 0, 0};
    EXPECT_EQ(FormatDate(d, "-", ','), "5-01-01");
    d = {12345, 6, 7, 'G', 0, 0};
    EXPECT_EQ(FormatDate(d, "-", ','), "12,345-06-07");
    d = {2001, 12, 31, 'G', 0, 0};
    EXPECT_EQ(DescribeDate(d), "The 31st day of December in the year 2001 in the Common Era Calendar");
    d = {-44, 3, 15, 'J', 0, 0};
    EXPECT_EQ(DescribeDate(d), "The 15th day of March in the year -44 in the Julian Calendar");
    const std::pair<int, const char*> ordinals[] = {{2, "2nd"}, {3, "3rd"}, {11, "11th"},
                                                    {12, "12th"}, {13, "13th"}, {22, "22nd"}};
    for (const auto& [day, ord] : ordinals) {
        d = {2001, 1, day, 'G', 0, 0};
        EXPECT_NE(DescribeDate(d).find(std::string("The ") + ord + " day"), std::string::npos);
    }
}

TEST(DatePr2, ParseDate) {
    struct Row { const char* text; int32_t cal; int result; };
    const Row rows[] = {{"2003-12-31", 'G', 1},   {"-3000-01-01", 'G', 1}, {"2003/12/31", 'G', 0},
                        {"2003-12", 'G', 0},      {"2003 - 12 - 31", 'G', 1}, {"2003-02-30", 'G', 0},
                        {"1-2-3-4-5", 'G', 0},    {"99999999999-1-1", 'G', -1}, {"443-13-30", 'R', 1},
                        {"2003-12-31 ce", 'G', 1}};
    for (const Row& r : rows) {
        CalendarDate d{0, 0, 0, r.cal, 0, 0};
        EXPECT_EQ(ParseDate(r.text, d), r.result) << r.text;
        EXPECT_EQ(d.valid, r.result == 1 ? 1 : 0) << r.text;
    }
    CalendarDate d{0, 0, 0, 'G', 0, 0};
    ASSERT_EQ(ParseDate("2000-01-01", d), 1);
    EXPECT_EQ(d.jdn, 2451545);
    CalendarDate r{0, 0, 0, 'R', 0, 0};
    ASSERT_EQ(ParseDate("443-13-30", r), 1);
    EXPECT_EQ(r.jdn, 0);  // Archetypes fields are only split
}

TEST(DatePr2, Weekdays) {
    EXPECT_EQ(DayOfWeek(2451545), 6);
    EXPECT_EQ(WeekdayNameOfJdn(2451545), "Saturday");
    EXPECT_EQ(WeekdayName(7), "");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(12), "December");
}

TEST(DatePr2, CurrentMomentFromClockTexts) {
    struct Row { const char* date; const char* time; int tzSeconds; double ajd; };
    const double noonJan1 = 2451545.0;
    const Row rows[] = {
        {"2000-01-01", "00:00:00", 0, noonJan1 - 0.5},
        {"01/01/2000", "00:00:00", 0, noonJan1 - 0.5},
        {"01.01.2000", "12:00:00", 0, noonJan1},
        {"2000-01-01", "12:30:00 AM", 0, noonJan1 - 0.5 + 30 / 1440.0},
        {"2000-01-01", "12:30:00 PM", 0, noonJan1 + 30 / 1440.0},
        {"2000-01-01", "AM 12:30:00", 0, noonJan1 - 0.5 + 30 / 1440.0},
        {"2000-01-01", "PM 03:15:30", 0, noonJan1 + (3 * 3600 + 15 * 60 + 30) / 86400.0},
        {"2000-01-01", "11:00:00 AM", 0, noonJan1 - 1 / 24.0},
        {"2000-01-01", "12:00:00", -3600, noonJan1 - 1 / 24.0},  // one hour east of Greenwich
        {"2000-01-01", "12:00:00", 18000, noonJan1 + 5 / 24.0},  // five hours west
    };
    for (const Row& r : rows) {
        FixedClock clock(r.date, r.time, r.tzSeconds);
        EXPECT_NEAR(CurrentAjd(clock), r.ajd, 1e-9) << r.date << " " << r.time;
    }
    EXPECT_EQ(TodayJdn(FixedClock("2000-01-01", "00:00:00")), 2451545);
    EXPECT_EQ(LocalOffsetMinutes(FixedClock("", "", -19800)), 330);
    EXPECT_EQ(LocalOffsetMinutes(FixedClock("", "", 30)), 0);  // -0.5 minute rounds to even
    EXPECT_EQ(LocalOffsetMinutes(FixedClock("", "", -90)), 2); // 1.5 rounds to even
}

TEST(DatePr2, ExistingDates) {
    EXPECT_TRUE(IsExistingDate(2004, 2, 29, 'G'));
    EXPECT_FALSE(IsExistingDate(2003, 2, 29, 'G'));
    EXPECT_FALSE(IsExistingDate(2003, 4, 31, 'G'));
    EXPECT_TRUE(IsExistingDate(1900, 2, 29, 'J'));
}
