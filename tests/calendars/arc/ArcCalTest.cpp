// Tests of the Archetypes Calendar: cycle totals, anchors, validity, whole-range round trips,
// texts and month and year steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calendars/arc/ArcCal.h"

using namespace ArcCal;

namespace {

CalendarDate Arc(int32_t year, int32_t month, int32_t day) {
    return CalendarDate{year, month, day, 'R', 0, 0};
}

CalendarDate ArcOfJdn(int32_t jdn) {
    CalendarDate d{0, 0, 0, 'R', jdn, 0};
    JdnToArcDate(d);
    return d;
}

std::string Ymd(const CalendarDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

bool SameDay(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The accepted moments of the program, as civil day numbers.
constexpr int32_t kFirstJdn = 552283;
constexpr int32_t kLastJdn = 3912515;

}  // namespace

TEST(ArcCal, CycleTotalsFromAnyStartingYear) {
    for (int32_t first : {442, -1361, -5'000'000, 4'000'000}) {
        int64_t days = 0;
        int thirteen = 0, longYears = 0, months = 0;
        for (int32_t y = first; y < first + ArcCycleYears; ++y) {
            days += ArcYearLength(y);
            thirteen += ArcHasThirteenthMonth(y);
            longYears += ArcHasLongTenthMonth(y);
            for (int m = 1; m <= 13; ++m) months += ArcMonthLength(y, m) > 0;
        }
        EXPECT_EQ(days, 658532) << first;
        EXPECT_EQ(thirteen, 664) << first;
        EXPECT_EQ(longYears, 350) << first;
        EXPECT_EQ(months, 22300) << first;
    }
    const int firstLengths[] = {354, 384, 355, 354, 384};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(ArcYearLength(441 + c), firstLengths[c - 1]) << c;
}

TEST(ArcCal, CyclePlaces) {
    struct Row { int32_t year; int place; };
    const Row rows[] = {{442, 1},   {443, 2},         {2244, 1803},    {2245, 1},
                        {441, 1803}, {442 - 1803, 1}, {-1361, 1},      {-1362, 1803},
                        {0, 1362},   {-1, 1361}};
    for (const Row& r : rows) EXPECT_EQ(ArcCycleYear(r.year), r.place) << r.year;
    // The ends of the 32-bit range must neither overflow nor leave the cycle.
    const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    for (int32_t y : {lo, lo + 1, hi - 1, hi}) {
        EXPECT_GE(ArcCycleYear(y), 1) << y;
        EXPECT_LE(ArcCycleYear(y), 1803) << y;
    }
    EXPECT_EQ(ArcCycleYear(lo + 1), ArcCycleYear(lo) % 1803 + 1);
    EXPECT_EQ(ArcCycleYear(hi), ArcCycleYear(hi - 1) % 1803 + 1);
}

TEST(ArcCal, AnchorDays) {
    struct Row { int32_t jdn; int32_t year, month, day; };
    const Row rows[] = {{897474, 442, 1, 1},  {897828, 443, 1, 1},    {898212, 444, 1, 1},
                        {898211, 443, 13, 30}, {2451545, 4696, 11, 25}, {897473, 441, 12, 29}};
    for (const Row& r : rows) {
        const CalendarDate d = ArcOfJdn(r.jdn);
        EXPECT_EQ(Ymd(d), Ymd(Arc(r.year, r.month, r.day))) << r.jdn;
        EXPECT_EQ(d.valid, 1);
        CalendarDate back = Arc(r.year, r.month, r.day);
        ASSERT_TRUE(ArcDateToJdn(back)) << r.jdn;
        EXPECT_EQ(back.jdn, r.jdn);
        EXPECT_EQ(back.calendar, 'R');  // the calendar letter belongs to the caller
    }
    // 441, the last place of the previous cycle, is a plain 354-day year.
    EXPECT_EQ(ArcYearLength(441), 354);
}

TEST(ArcCal, WhichDatesExist) {
    struct Row { int32_t year, month, day; bool exists; };
    const Row rows[] = {{443, 13, 1, true},   {442, 13, 1, false}, {444, 10, 30, true},
                        {442, 10, 30, false}, {442, 2, 30, false}, {442, 1, 30, true},
                        {442, 1, 0, false},   {442, 1, 31, false}, {442, 0, 1, false},
                        {442, 14, 1, false},  {443, 13, 30, true}, {442, 12, 30, false},
                        {442, -1, 1, false},  {442, 1, -5, false}};
    for (const Row& r : rows) {
        CalendarDate d = Arc(r.year, r.month, r.day);
        d.jdn = 12345;
        EXPECT_EQ(ArcDateToJdn(d), r.exists) << Ymd(d);
        EXPECT_EQ(d.valid, r.exists ? 1 : 0) << Ymd(d);
        if (!r.exists) {
            EXPECT_EQ(d.jdn, 0) << Ymd(d);
        }
    }
}

TEST(ArcCal, MonthLengths) {
    struct Row { int32_t year; int month; int length; };
    const Row rows[] = {{442, 1, 30},  {442, 2, 29},  {442, 10, 29}, {444, 10, 30}, {443, 13, 30},
                        {442, 13, -2}, {442, 0, -1},  {442, 14, -1}, {442, -3, -1}};
    for (const Row& r : rows) EXPECT_EQ(ArcMonthLength(r.year, r.month), r.length) << r.year << "-" << r.month;
}

// Every day of the accepted range converts to a date and back, the next day is the next
// date, and every month and year step from it lands on an existing date.
TEST(ArcCal, WholeRangeRoundTripAndSteps) {
    CalendarDate prev = ArcOfJdn(kFirstJdn - 1);
    for (int32_t jdn = kFirstJdn; jdn <= kLastJdn; ++jdn) {
        const CalendarDate d = ArcOfJdn(jdn);
        CalendarDate back = d;
        back.jdn = 0;
        ASSERT_TRUE(ArcDateToJdn(back)) << jdn;
        ASSERT_EQ(back.jdn, jdn) << Ymd(d);

        CalendarDate expected = prev;
        if (expected.day < ArcMonthLength(expected.year, expected.month)) {
            ++expected.day;
        } else if (expected.month < (ArcHasThirteenthMonth(expected.year) ? 13 : 12)) {
            ++expected.month, expected.day = 1;
        } else {
            ++expected.year, expected.month = 1, expected.day = 1;
        }
        ASSERT_TRUE(SameDay(d, expected)) << jdn << ": " << Ymd(d) << " after " << Ymd(prev);
        prev = d;

        for (bool forward : {true, false}) {
            CalendarDate m = d;
            StepArcMonth(m, forward);
            ASSERT_TRUE(ArcDateToJdn(m)) << Ymd(d) << (forward ? " month+" : " month-");
            StepArcMonth(m, !forward);  // back again: the same month of the same year
            ASSERT_EQ(m.year, d.year) << Ymd(d);
            ASSERT_EQ(m.month, d.month) << Ymd(d);
            CalendarDate y = d;
            StepArcYear(y, forward);
            ASSERT_TRUE(ArcDateToJdn(y)) << Ymd(d) << (forward ? " year+" : " year-");
        }
    }
    EXPECT_LT(ArcOfJdn(kFirstJdn).year, 0);  // the range crosses cycle boundaries both ways
}

TEST(ArcCal, FarYearsAndThe32BitLimit) {
    const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    for (int32_t jdn : {lo, lo + 1, -1, 0, 1, hi - 1, hi}) {
        const CalendarDate d = ArcOfJdn(jdn);
        CalendarDate back = d;
        ASSERT_TRUE(ArcDateToJdn(back)) << jdn;
        EXPECT_EQ(back.jdn, jdn);
    }
    // A year beyond the last 32-bit day number is refused instead of wrapping.
    CalendarDate beyond = ArcOfJdn(hi);
    StepArcYear(beyond, true);
    EXPECT_FALSE(ArcDateToJdn(beyond)) << Ymd(beyond);
    EXPECT_EQ(beyond.jdn, 0);
    CalendarDate top = Arc(hi, 1, 1);
    EXPECT_FALSE(ArcDateToJdn(top));
    // Steps at the ends of the 32-bit year range leave the date alone.
    CalendarDate last = Arc(hi, 12, 5);
    StepArcYear(last, true);
    EXPECT_EQ(Ymd(last), Ymd(Arc(hi, 12, 5)));
    CalendarDate lastMonth = Arc(hi, ArcHasThirteenthMonth(hi) ? 13 : 12, 5);
    const CalendarDate before = lastMonth;
    StepArcMonth(lastMonth, true);
    EXPECT_EQ(Ymd(lastMonth), Ymd(before));
    CalendarDate first = Arc(lo, 1, 5);
    StepArcMonth(first, false);
    EXPECT_EQ(Ymd(first), Ymd(Arc(lo, 1, 5)));
}

TEST(ArcCal, MonthAndYearSteps) {
    struct Row { const char* name; int32_t y, m, d; bool month, forward; int32_t ry, rm, rd; };
    const Row rows[] = {
        {"into the 13th month", 443, 12, 10, true, true, 443, 13, 10},
        {"12-month year ends", 442, 12, 10, true, true, 443, 1, 10},
        {"13th month to next year", 443, 13, 30, true, true, 444, 1, 30},
        {"back into the 13th month", 444, 1, 5, true, false, 443, 13, 5},
        {"back into month 12", 443, 1, 5, true, false, 442, 12, 5},
        {"day 30 cut in month 12", 442, 11, 30, true, true, 442, 12, 29},
        {"long month 10 keeps day 30", 444, 9, 30, true, true, 444, 10, 30},
        {"short month 10 cuts day 30", 442, 9, 30, true, true, 442, 10, 29},
        {"year: 13th month lost", 443, 13, 30, false, true, 444, 12, 29},
        {"year: long month 10 lost", 444, 10, 30, false, true, 445, 10, 29},
        {"year back keeps day", 444, 11, 30, false, false, 443, 11, 30},
        {"year back across zero", 0, 1, 1, false, false, -1, 1, 1},
        {"month back across cycle", 442, 1, 1, true, false, 441, 12, 1},
        {"missing 13th month fitted first", 442, 13, 30, true, true, 443, 1, 29},
        {"month 14 day 31 fitted", 442, 14, 31, false, true, 443, 13, 30},
    };
    for (const Row& r : rows) {
        CalendarDate d = Arc(r.y, r.m, r.d);
        if (r.month) StepArcMonth(d, r.forward); else StepArcYear(d, r.forward);
        EXPECT_EQ(Ymd(d), Ymd(Arc(r.ry, r.rm, r.rd))) << r.name;
        EXPECT_EQ(d.calendar, 'R') << r.name;
    }
}

TEST(ArcCal, Texts) {
    struct Row { int32_t y, m, d; int form; const char* text; };
    const Row rows[] = {
        {4696, 11, 25, 1, "4696-11-25 ARC"},
        {4696, 11, 25, 2, "4696-11-25 ARC (Mars Day, Dionysus 25,  4696)"},
        {4696, 11, 25, 4, "The 25th day of Dionysus in the year 4696"},
        {-5, 3, 1, 1, "-5-03-01 ARC"},
        {-5, 3, 1, 2, "-5-03-01 ARC (Sun Day, Hermes 1, -5)"},
        {-5, 3, 1, 4, "The 1st day of Hermes in the year-5"},
        {0, 13, 30, 2, "0-13-30 ARC (Pluto Day, Persephone 30,  0)"},
        {443, 13, 22, 4, "The 22nd day of Persephone in the year 443"},
        {12345, 1, 2, 1, "12345-01-02 ARC"},
        {4696, 11, 25, 3, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatArcDate(Arc(r.y, r.m, r.d), r.form), r.text);
}

TEST(ArcCal, Names) {
    for (int base : {0, 10, 20}) {
        EXPECT_EQ(ArcDayName(base + 1), "Sun Day") << base;
        EXPECT_EQ(ArcDayName(base + 5), "Mars Day") << base;
        EXPECT_EQ(ArcDayName(base + 10), "Pluto Day") << base;
    }
    EXPECT_EQ(ArcDayName(0), "");
    EXPECT_EQ(ArcDayName(31), "");
    EXPECT_EQ(ArcMonthName(1), "Apollo");
    EXPECT_EQ(ArcMonthName(13), "Persephone");
    EXPECT_EQ(ArcMonthName(0), "");
    EXPECT_EQ(ArcMonthName(14), "");
}
