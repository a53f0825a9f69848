// Tests of the VO module: names, date texts, typed dates and the month and year steps.
#include <gtest/gtest.h>

#include <climits>

#include "calendars/llt/LltCal.h"
#include "calendars/vo/VoCal.h"

using namespace VoCal;

namespace {

VoDate Vo(int32_t cycle, int32_t year, int32_t month, int32_t day) {
    return VoDate{cycle, year, month, day, 0, 0, 0, 0};
}

TEST(VoCal, CycleConstantsNeedNoStartUp) {
    static_assert(VoYearsPerCycle == 60);
    // A year step past the last year of a cycle carries into the next, with no start-up step.
    VoDate last = Vo(104, 60, 1, 1);
    StepVoYear(last, true);
    EXPECT_EQ(last.cycle, 105);
    EXPECT_EQ(last.year, 1);
    EXPECT_EQ(LltCal::LltYearsPerCycle, 384);
    EXPECT_EQ(LltCal::LltTridaysInSixthMonth, 9);
}

TEST(VoCal, MonthNames) {
    EXPECT_EQ(VoMonthName(1), "Navoreth");
    EXPECT_EQ(VoMonthName(7), "Tirvane");
    EXPECT_EQ(VoMonthName(13), "Zorathel");
    for (int month = 1; month <= 13; ++month)  // initials run N to Z
        EXPECT_EQ(VoMonthName(month)[0], 'N' + month - 1) << month;
    for (int month : {0, 14, -1, INT_MIN, INT_MAX}) EXPECT_EQ(VoMonthName(month), "") << month;
}

TEST(VoCal, DateTexts) {
    struct Row { VoDate date; int form; const char* text; };
    const Row rows[] = {
        {Vo(104, 6, 7, 29), 1, "104-06-07-29 VO"},
        {Vo(104, 6, 7, 29), 2, "104-06-07-29 VO (Tirvane 29, 104-6)"},
        {Vo(104, 6, 7, 29), 4, "The 29th day of Tirvane in the year 6, cycle 104"},
        {Vo(0, 6, 7, 1), 4, "The 1st day of Tirvane in the year 6"},
        {Vo(0, 6, 7, 1), 1, "0-06-07-01 VO"},
        {Vo(-3, 60, 13, 30), 1, "-3-60-13-30 VO"},
        {Vo(-3, 60, 13, 30), 2, "-3-60-13-30 VO (Zorathel 30, -3-60)"},
        {Vo(-3, 60, 13, 22), 4, "The 22nd day of Zorathel in the year 60, cycle -3"},
        {Vo(104, 123, 7, 3), 1, "104-123-07-03 VO"},  // more digits are written whole
        {Vo(104, 6, 7, 29), 3, ""},
        {Vo(104, 6, 7, 29), 0, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatVoDate(r.date, r.form), r.text) << r.text;
}

TEST(VoCal, ParseAndConvert) {
    VoDate d{};
    ASSERT_TRUE(ParseVoDate("104-06-07-29", d));
    ASSERT_TRUE(VoDateToJdn(d));
    EXPECT_EQ(d.jdn, 2451845);
    EXPECT_FALSE(ParseVoDate("104-06-07", d));
    EXPECT_FALSE(ParseVoDate(std::string("104-06\0-07-29", 13), d));

    d = Vo(104, 6, 7, 31);
    d.jdn = 77;
    EXPECT_FALSE(VoDateToJdn(d));
    EXPECT_EQ(d.jdn, 77);

    d = VoDate{};
    d.jdn = 2451545;
    JdnToVoDate(d);
    EXPECT_EQ(FormatVoDate(d, 1), "104-05-09-24 VO");
}

TEST(VoCal, MonthLengthAndCount) {
    // Cycle 104 year 6 begins in the spring of 2000 with 29 or 30 day months.
    int days = 0;
    const int months = VoMonthsInYear(6, 104);
    ASSERT_TRUE(months == 12 || months == 13);
    for (int m = 1; m <= months; ++m) {
        const int length = VoMonthLength(Vo(104, 6, m, 1));
        EXPECT_TRUE(length == 29 || length == 30) << m;
        days += length;
    }
    EXPECT_TRUE(days >= 354 && days <= 385) << days;
    VoDate next = Vo(104, 7, 1, 1);
    ASSERT_TRUE(VoDateToJdn(next));
    EXPECT_EQ(next.jdn - 2451640, days);  // year 6 runs from 2451640 to year 7's first day
    EXPECT_EQ(VoMonthLength(Vo(104, 6, months + 1, 1)), 0);
    // A cycle too large for 60 x cycle + year in 32 bits gives no length instead of overflowing.
    EXPECT_EQ(VoMonthLength(Vo(INT32_MAX, 60, 1, 1)), 0);
    EXPECT_EQ(VoMonthLength(Vo(INT32_MIN, 1, 1, 1)), 0);
    EXPECT_EQ(VoMonthsInYear(60, INT32_MAX), 12);
}

// Finds a year of the given month count in cycle 104.
int YearWithMonths(int months) {
    for (int y = 1; y <= 60; ++y)
        if (VoMonthsInYear(y, 104) == months) return y;
    return 0;
}

TEST(VoCal, StepsAcrossYearAndCycleEnds) {
    // Forward from the last month of year 60 goes to month 1 of year 1 of the next cycle.
    const int last60 = VoMonthsInYear(60, 103);
    VoDate d = Vo(103, 60, last60, 15);
    StepVoMonth(d, true);
    EXPECT_EQ(FormatVoDate(d, 1), "104-01-01-15 VO");
    // And back again to the last month of year 60 of the previous cycle.
    StepVoMonth(d, false);
    EXPECT_EQ(d.cycle, 103);
    EXPECT_EQ(d.year, 60);
    EXPECT_EQ(d.month, last60);
    // Within a year.
    d = Vo(104, 6, 7, 29);
    StepVoMonth(d, true);
    EXPECT_EQ(d.month, 8);
    StepVoMonth(d, false);
    StepVoMonth(d, false);
    EXPECT_EQ(d.month, 6);
    // Years: 60 is followed by 1 of the next cycle and preceded by 59.
    d = Vo(5, 60, 3, 3);
    StepVoYear(d, true);
    EXPECT_EQ(FormatVoDate(d, 1), "6-01-03-03 VO");
    StepVoYear(d, false);
    StepVoYear(d, false);
    EXPECT_EQ(FormatVoDate(d, 1), "5-59-03-03 VO");
    d = Vo(0, 1, 1, 1);
    StepVoMonth(d, false);
    EXPECT_EQ(d.cycle, -1);
    EXPECT_EQ(d.year, 60);
    EXPECT_EQ(d.month, VoMonthsInYear(60, -1));
}

TEST(VoCal, StepsClampMonthAndDay) {
    const int longYear = YearWithMonths(13);
    ASSERT_GT(longYear, 1);
    // From month 13 into a 12-month year: month 12, day at most that month's length.
    int shortBefore = longYear - 1;
    while (shortBefore >= 1 && VoMonthsInYear(shortBefore, 104) != 12) --shortBefore;
    ASSERT_GE(shortBefore, 1);
    VoDate d = Vo(104, longYear, 13, 1);
    for (int i = longYear; i > shortBefore; --i) StepVoYear(d, false);
    EXPECT_EQ(d.year, shortBefore);
    EXPECT_EQ(d.month, 12);
    // Every step from day 30 lands on an existing date: the day becomes the month's length.
    for (int y = 1; y <= 60; ++y)
        for (int m = 1; m <= VoMonthsInYear(y, 104); ++m) {
            if (VoMonthLength(Vo(104, y, m, 1)) != 30) continue;
            for (bool forward : {true, false}) {
                VoDate a = Vo(104, y, m, 30);
                StepVoMonth(a, forward);
                EXPECT_TRUE(VoDateToJdn(a)) << y << " " << m << " " << forward;
                EXPECT_EQ(a.day, VoMonthLength(a));
                VoDate b = Vo(104, y, m, 30);
                StepVoYear(b, forward);
                EXPECT_TRUE(VoDateToJdn(b)) << y << " " << m << " " << forward;
            }
        }
}

TEST(VoCal, StepsNeverOverflow) {
    // At the ends of the 32-bit cycle range a step that would wrap leaves the date alone.
    VoDate d = Vo(INT32_MAX, 60, 12, 1);
    StepVoYear(d, true);
    EXPECT_EQ(d.cycle, INT32_MAX);
    EXPECT_EQ(d.year, 60);
    StepVoMonth(d, true);
    EXPECT_EQ(d.cycle, INT32_MAX);
    d = Vo(INT32_MIN, 1, 1, 1);
    StepVoYear(d, false);
    StepVoMonth(d, false);
    EXPECT_EQ(d.cycle, INT32_MIN);
    EXPECT_EQ(d.year, 1);
    // Extreme field values move without arithmetic overflow (the sanitizer would stop here).
    for (int32_t v : {INT32_MIN, INT32_MAX})
        for (bool forward : {true, false}) {
            VoDate e = Vo(104, v, v, v);
            StepVoMonth(e, forward);
            StepVoYear(e, forward);
            VoDate f = Vo(v, 6, 7, v);
            StepVoMonth(f, forward);
            StepVoYear(f, forward);
            EXPECT_FALSE(VoDateToJdn(f));
        }
}

}  // namespace
