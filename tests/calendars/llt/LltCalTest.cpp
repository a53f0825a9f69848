// Tests of the LLT module: names, date texts, typed dates, the month and year steps and the
// triday limits of months 6 and 12.
#include <gtest/gtest.h>

#include <climits>

#include "calendars/llt/LltCal.h"

using namespace LltCal;

namespace {

LltDate Llt(int32_t cycle, int32_t year, int32_t month, int32_t triday, int32_t day) {
    return LltDate{cycle, year, month, triday, day, 0, 0};
}

// A year of the cycle with the given number of tridays in month 12.
int32_t YearWithTwelfthMonthOf(int32_t tridays) {
    for (int32_t y = 1; y <= 384; ++y)
        if (num_tridays_in_12th_month(y) == tridays) return y;
    return 0;
}

TEST(LltCal, Names) {
    EXPECT_EQ(LltDayName(1), "Sophiesday");
    EXPECT_EQ(LltDayName(2), "Zoesday");
    EXPECT_EQ(LltDayName(3), "Norasday");
    EXPECT_EQ(LltMonthName(1), "Armedon");
    EXPECT_EQ(LltMonthName(7), "Mellephaneus");
    EXPECT_EQ(LltMonthName(12), "Eleleth");
    EXPECT_EQ(LltShortMonthName(7), "Mellephan.");
    EXPECT_EQ(LltShortMonthName(8), "Loios");
    for (int bad : {0, 13, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(LltMonthName(bad), "") << bad;
        EXPECT_EQ(LltShortMonthName(bad), "") << bad;
    }
    for (int bad : {0, 4, INT_MIN}) EXPECT_EQ(LltDayName(bad), "") << bad;
}

TEST(LltCal, DateTexts) {
    struct Row { LltDate date; int form; const char* text; };
    const Row rows[] = {
        {Llt(8, 123, 7, 5, 2), 1, "8-123-07-05-2 LLT"},
        {Llt(0, 123, 7, 5, 2), 1, "123-07-05-2 LLT"},
        {Llt(8, 123, 7, 5, 2), 2, "8-123-07-05-2 LLT (Zoesday 5 Mellephaneus 123)"},
        {Llt(8, 123, 7, 5, 2), 3, "Zoesday in the 5th triday of Mellephaneus in the year 123, Cycle 8"},
        {Llt(0, 5, 12, 1, 3), 3, "Norasday in the 1st triday of Eleleth in the year 5"},
        {Llt(0, 5, 12, 10, 1), 1, "005-12-10-1 LLT"},
        {Llt(-1, 384, 1, 2, 1), 1, "-1-384-01-02-1 LLT"},
        {Llt(-1, 384, 1, 2, 1), 3, "Sophiesday in the 2nd triday of Armedon in the year 384, Cycle -1"},
        {Llt(0, 1234, 123, 45, 67), 1, "1234-123-45-67 LLT"},  // more digits are written whole
        {Llt(0, 5, 12, 1, 3), 4, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatLltDate(r.date, r.form), r.text) << r.text;
}

TEST(LltCal, ParseByCountOfDashes) {
    struct Row { const char* text; bool read; int32_t cycle; };
    const Row rows[] = {{"123-07-05-2", true, 0},   {"8-123-07-05-2", true, 8},
                        {"-8-123-07-05-2", true, -8}, {"7-05-2", false, 0},
                        {"1-2-3-4-5-6-7", false, 0}, {"-123-07-05-2", false, 0},
                        {"", false, 0},              {"x-x-x-x", false, 0}};
    for (const Row& r : rows) {
        LltDate d = Llt(5, 5, 5, 5, 5);
        EXPECT_EQ(ParseLltDate(r.text, d), r.read) << r.text;
        if (r.read) {
            EXPECT_EQ(d.cycle, r.cycle) << r.text;
        }
    }
    LltDate d{};
    ASSERT_TRUE(ParseLltDate("8-123-07-05-2", d));
    ASSERT_TRUE(LltDateToJdn(d));
    EXPECT_EQ(d.jdn, 3540357);
    d = Llt(0, 123, 6, 10, 1);
    d.jdn = 42;
    EXPECT_FALSE(LltDateToJdn(d));
    EXPECT_EQ(d.jdn, 42);
    d.jdn = 2451545;
    JdnToLltDate(d);
    EXPECT_EQ(FormatLltDate(d, 1), "122-12-09-1 LLT");
}

TEST(LltCal, MonthSteps) {
    const int32_t shortYear = YearWithTwelfthMonthOf(9);
    const int32_t longYear = YearWithTwelfthMonthOf(10);
    ASSERT_GT(shortYear, 0);
    ASSERT_GT(longYear, 0);
    struct Row { const char* name; LltDate from; bool forward; LltDate to; };
    const Row rows[] = {
        {"into month 6", Llt(0, 5, 5, 10, 1), true, Llt(0, 5, 6, 9, 3)},
        {"back into month 6", Llt(0, 5, 7, 10, 2), false, Llt(0, 5, 6, 9, 3)},
        {"within the limit", Llt(0, 5, 5, 9, 2), true, Llt(0, 5, 6, 9, 2)},
        {"into a short month 12", Llt(0, shortYear, 11, 10, 1), true, Llt(0, shortYear, 12, 9, 3)},
        {"into a long month 12", Llt(0, longYear, 11, 10, 1), true, Llt(0, longYear, 12, 10, 1)},
        {"out of month 6", Llt(0, 5, 6, 9, 3), true, Llt(0, 5, 7, 9, 3)},
        {"year 384 to the next cycle", Llt(3, 384, 12, 2, 2), true, Llt(4, 1, 1, 2, 2)},
        {"year 1 to the previous cycle", Llt(3, 1, 1, 2, 2), false, Llt(2, 384, 12, 2, 2)},
        {"into cycle 0", Llt(-1, 384, 12, 1, 1), true, Llt(0, 1, 1, 1, 1)},
        {"year end", Llt(0, 7, 12, 3, 3), true, Llt(0, 8, 1, 3, 3)},
    };
    for (const Row& r : rows) {
        LltDate d = r.from;
        StepLltMonth(d, r.forward);
        EXPECT_EQ(FormatLltDate(d, 1), FormatLltDate(r.to, 1)) << r.name;
    }
}

TEST(LltCal, YearSteps) {
    int32_t shortYear = 2;  // a short year that follows a long one
    while (shortYear < 384 && !(num_tridays_in_12th_month(shortYear - 1) == 10 &&
                                num_tridays_in_12th_month(shortYear) == 9))
        ++shortYear;
    ASSERT_LT(shortYear, 384);
    struct Row { const char* name; LltDate from; bool forward; LltDate to; };
    const Row rows[] = {
        {"long into short month 12", Llt(0, shortYear - 1, 12, 10, 2), true,
         Llt(0, shortYear, 12, 9, 3)},
        {"after 384 comes 1", Llt(7, 384, 4, 4, 1), true, Llt(8, 1, 4, 4, 1)},
        {"before 1 comes 384", Llt(7, 1, 4, 4, 1), false, Llt(6, 384, 4, 4, 1)},
        {"plain", Llt(0, 123, 7, 5, 2), false, Llt(0, 122, 7, 5, 2)},
    };
    for (const Row& r : rows) {
        LltDate d = r.from;
        StepLltYear(d, r.forward);
        EXPECT_EQ(FormatLltDate(d, 1), FormatLltDate(r.to, 1)) << r.name;
    }
}

TEST(LltCal, EveryStepOfACycleLandsOnADate) {
    for (int32_t year = 1; year <= 384; ++year)
        for (int32_t month = 1; month <= 12; ++month)
            for (bool forward : {true, false}) {
                LltDate a = Llt(1, year, month, 10, 1);
                LimitLltTriday(a);
                StepLltMonth(a, forward);
                EXPECT_TRUE(LltDateToJdn(a)) << year << " " << month << " " << forward;
                LltDate b = Llt(1, year, month, 10, 1);
                LimitLltTriday(b);
                StepLltYear(b, forward);
                EXPECT_TRUE(LltDateToJdn(b)) << year << " " << month << " " << forward;
            }
}

TEST(LltCal, StepsNeverOverflow) {
    LltDate d = Llt(INT32_MAX, 384, 12, 1, 1);
    StepLltMonth(d, true);
    StepLltYear(d, true);
    EXPECT_EQ(FormatLltDate(d, 1), FormatLltDate(Llt(INT32_MAX, 384, 12, 1, 1), 1));
    d = Llt(INT32_MIN, 1, 1, 1, 1);
    StepLltMonth(d, false);
    StepLltYear(d, false);
    EXPECT_EQ(d.cycle, INT32_MIN);
    for (int32_t v : {INT32_MIN, INT32_MAX})
        for (bool forward : {true, false}) {
            LltDate e = Llt(0, v, v, v, v);
            StepLltMonth(e, forward);
            StepLltYear(e, forward);
            EXPECT_FALSE(LltDateToJdn(e));
        }
}

}  // namespace
