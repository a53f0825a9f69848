// Tests of the solicalc library: check values, every day of the accepted range against a
// direct walk of the calendar formulas, the text grammar and hostile field values.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "calendars/vo/solicalc.h"

namespace {

constexpr int32_t kFirstDay = 552283;   // first day of the accepted range
constexpr int32_t kLastDay = 3912515;   // last day of the accepted range

// The calendar formulas written out plainly, for comparison.
int64_t RefMonthStart(int64_t n) {
    return static_cast<int64_t>(std::floor(2451550.09766 + 29.530588861 * n + 0.5)) + 1;
}
int64_t RefEquinoxDay(int64_t a) {
    return static_cast<int64_t>(std::floor(2451623.80984 + 365.2421897 * (a - 4246 - 2000) + 0.5));
}

VoDate Vo(int32_t cycle, int32_t year, int32_t month, int32_t day) {
    return VoDate{cycle, year, month, day, 0, 0, 0, 0};
}

TEST(Solicalc, CheckValues) {
    struct Row { int32_t jdn, cycle, year, month, day; };
    const Row rows[] = {{2451545, 104, 5, 9, 24}, {2451551, 104, 5, 10, 1},
                        {2451845, 104, 6, 7, 29}, {2451640, 104, 6, 1, 1}};
    for (const Row& r : rows) {
        VoDate d{};
        d.jdn = r.jdn;
        jdn_to_voslcdate(&d);
        EXPECT_EQ(d.cycle, r.cycle) << r.jdn;
        EXPECT_EQ(d.year, r.year) << r.jdn;
        EXPECT_EQ(d.month, r.month) << r.jdn;
        EXPECT_EQ(d.day, r.day) << r.jdn;
        VoDate back = Vo(r.cycle, r.year, r.month, r.day);
        EXPECT_EQ(voslcdate_to_jdn(&back), 1);
        EXPECT_EQ(back.valid, 1);
        EXPECT_EQ(back.jdn, r.jdn);
    }
}

// Builds the calendar the slow way (every month start, every year's first month found by a
// running scan) and compares every day of the accepted range, every month length and every
// year's month count with the library; consecutive days must be consecutive dates.
TEST(Solicalc, WholeRangeAgainstDirectFormulas) {
    // Lunations -65000 and 50000 begin in about -3240 and 6040 CE, around the years below.
    const int64_t firstMonth = -65000;
    const int64_t lastMonth = 50000;
    std::vector<int64_t> start;
    for (int64_t n = firstMonth; n <= lastMonth + 1; ++n) start.push_back(RefMonthStart(n));
    auto S = [&](int64_t n) { return start[static_cast<size_t>(n - firstMonth)]; };

    const int64_t firstYear = 1030, lastYear = 10260;  // covers -3201 .. 6000 CE
    std::vector<int64_t> yearStart;                      // first month of each year
    int64_t n = firstMonth;
    for (int64_t a = firstYear; a <= lastYear + 1; ++a) {
        while (S(n) < RefEquinoxDay(a)) ++n;
        ASSERT_GT(n, firstMonth);
        ASSERT_LT(n + 13, lastMonth);
        yearStart.push_back(n);
    }

    int64_t daysSeen = 0;
    int failures = 0;
    VoDate previous{};
    bool havePrevious = false;
    for (int64_t a = firstYear; a <= lastYear && failures < 10; ++a) {
        const int64_t f = yearStart[static_cast<size_t>(a - firstYear)];
        const int64_t months = yearStart[static_cast<size_t>(a - firstYear + 1)] - f;
        ASSERT_TRUE(months == 12 || months == 13) << a;
        const int32_t cycle = static_cast<int32_t>((a - 1) / 60);
        const int32_t year = static_cast<int32_t>(a - 60 * cycle);
        EXPECT_EQ(is_long_voslc_year(year, cycle), months == 13 ? 1 : 0) << a;
        for (int32_t m = 1; m <= months; ++m) {
            const int64_t length = S(f + m) - S(f + m - 1);
            ASSERT_TRUE(length == 29 || length == 30) << a << " " << m;
            VoDate query = Vo(cycle, year, m, 1);
            EXPECT_EQ(vomonth_length(&query), length) << a << " " << m;
            for (int32_t day = 1; day <= length; ++day) {
                const int64_t jdn = S(f + m - 1) + day - 1;
                if (jdn < kFirstDay || jdn > kLastDay) continue;
                ++daysSeen;
                VoDate d{};
                d.jdn = static_cast<int32_t>(jdn);
                jdn_to_voslcdate(&d);
                if (d.cycle != cycle || d.year != year || d.month != m || d.day != day) {
                    ADD_FAILURE() << "day " << jdn << " gave " << d.cycle << "-" << d.year << "-"
                                  << d.month << "-" << d.day;
                    ++failures;
                }
                VoDate back = Vo(cycle, year, m, day);
                if (voslcdate_to_jdn(&back) != 1 || back.jdn != jdn) {
                    ADD_FAILURE() << "date of day " << jdn << " gave " << back.jdn;
                    ++failures;
                }
                if (havePrevious) {
                    // The successor of the previous day's date, by the calendar's own counts.
                    const bool sameMonth = previous.month == d.month && previous.year == d.year &&
                                           previous.cycle == d.cycle && d.day == previous.day + 1;
                    const bool newMonth = d.day == 1;
                    if (!sameMonth && !newMonth) {
                        ADD_FAILURE() << "day " << jdn << " does not follow its predecessor";
                        ++failures;
                    }
                }
                previous = d;
                havePrevious = true;
            }
            VoDate past = Vo(cycle, year, m, static_cast<int32_t>(length + 1));
            EXPECT_EQ(voslcdate_to_jdn(&past), 0) << a << " " << m;
        }
        VoDate extra = Vo(cycle, year, static_cast<int32_t>(months + 1), 1);
        EXPECT_EQ(voslcdate_to_jdn(&extra), 0) << a;
    }
    EXPECT_EQ(daysSeen, int64_t{kLastDay} - kFirstDay + 1);
}

// Beyond the accepted range: day numbers across all 32 bits go to a date and back.
TEST(Solicalc, SparseRoundTripOverAll32BitDays) {
    int failures = 0;
    for (int64_t jdn = INT32_MIN; jdn <= INT32_MAX && failures < 10; jdn += 104729) {
        VoDate d{};
        d.jdn = static_cast<int32_t>(jdn);
        jdn_to_voslcdate(&d);
        VoDate back = Vo(d.cycle, d.year, d.month, d.day);
        if (voslcdate_to_jdn(&back) != 1 || back.jdn != jdn) {
            ADD_FAILURE() << jdn;
            ++failures;
        }
    }
    for (int32_t jdn : {INT32_MIN, INT32_MIN + 1, INT32_MAX - 1, INT32_MAX}) {
        VoDate d{};
        d.jdn = jdn;
        jdn_to_voslcdate(&d);
        EXPECT_GE(d.year, 1);
        EXPECT_LE(d.year, 60);
        VoDate back = Vo(d.cycle, d.year, d.month, d.day);
        EXPECT_EQ(voslcdate_to_jdn(&back), 1) << jdn;
        EXPECT_EQ(back.jdn, jdn);
    }
}

TEST(Solicalc, DatesBeyond32BitDaysAreRejected) {
    // The day after INT32_MAX and the day before INT32_MIN have no day number.
    VoDate last{};
    last.jdn = INT32_MAX;
    jdn_to_voslcdate(&last);
    VoDate after = Vo(last.cycle, last.year, last.month, last.day + 1);
    if (last.day == vomonth_length(&last)) after = Vo(last.cycle, last.year, last.month + 1, 1);
    after.jdn = 12345;
    EXPECT_EQ(voslcdate_to_jdn(&after), 0);
    EXPECT_EQ(after.valid, 0);
    EXPECT_EQ(after.jdn, 12345);  // untouched

    VoDate first{};
    first.jdn = INT32_MIN;
    jdn_to_voslcdate(&first);
    if (first.day > 1) {
        VoDate before = Vo(first.cycle, first.year, first.month, first.day - 1);
        EXPECT_EQ(voslcdate_to_jdn(&before), 0);
    }
}

TEST(Solicalc, HostileFieldValues) {
    const int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -61, -1, 0, 61, INT32_MAX - 1, INT32_MAX};
    for (int32_t c : extremes)
        for (int32_t y : extremes)
            for (int32_t m : {INT32_MIN, 0, 14, INT32_MAX})
                for (int32_t d : {INT32_MIN, 0, 31, INT32_MAX}) {
                    VoDate date = Vo(c, y, m, d);
                    EXPECT_EQ(voslcdate_to_jdn(&date), 0);
                    EXPECT_EQ(date.valid, 0);
                    EXPECT_EQ(vomonth_length(&date), 0);
                    const int32_t longYear = is_long_voslc_year(y, c);
                    EXPECT_TRUE(longYear == 0 || longYear == 1);
                }
    // Valid day and month, but a year or cycle that no 32-bit day number reaches.
    for (int32_t c : {INT32_MIN, -200000, 200000, INT32_MAX}) {
        VoDate date = Vo(c, 1, 1, 1);
        EXPECT_EQ(voslcdate_to_jdn(&date), 0) << c;
        EXPECT_EQ(vomonth_length(&date), 0) << c;
        EXPECT_EQ(is_long_voslc_year(1, c), 0) << c;
    }
    EXPECT_EQ(voslcdate_to_jdn(nullptr), 0);
    EXPECT_EQ(jdn_to_voslcdate(nullptr), 0);
    EXPECT_EQ(vomonth_length(nullptr), 0);
    EXPECT_EQ(voslc_datestr_to_voslc_date(nullptr, nullptr), 0);
}

TEST(Solicalc, YearNumberSpansCycles) {
    // The month and year queries read 60 x cycle + year, so cycle 0 year 6246 is 104-6.
    for (int32_t a : {6245, 6246, 6247, 1, 60, 61, -59}) {
        const int32_t cycle = static_cast<int32_t>(std::floor((a - 1) / 60.0));
        const int32_t year = a - 60 * cycle;
        EXPECT_EQ(is_long_voslc_year(a, 0), is_long_voslc_year(year, cycle)) << a;
        for (int32_t m = 1; m <= 13; ++m) {
            VoDate flat = Vo(0, a, m, 1);
            VoDate split = Vo(cycle, year, m, 1);
            EXPECT_EQ(vomonth_length(&flat), vomonth_length(&split)) << a << " " << m;
        }
    }
    // But a date proper needs its year in 1..60.
    VoDate flat = Vo(0, 6246, 7, 29);
    EXPECT_EQ(voslcdate_to_jdn(&flat), 0);
}

TEST(Solicalc, ParseText) {
    struct Row { const char* text; int32_t result, cycle = 0, year = 0, month = 0, day = 0; };
    const Row rows[] = {
        {"104-06-07-29", 1, 104, 6, 7, 29},
        {"-3-1-2-3", 1, -3, 1, 2, 3},
        {"  104 - 6 -7- 29 ", 1, 104, 6, 7, 29},
        {"\t0-1-1-1\t", 1, 0, 1, 1, 1},
        {"1 04-06-07-29", 1, 104, 6, 7, 29},  // blanks are ignored, even inside numbers
        {"-2147483648-1-1-1", 1, INT32_MIN, 1, 1, 1},
        {"2147483647-2147483647-0-0", 1, INT32_MAX, INT32_MAX, 0, 0},
        {"0000000000000000000104-6-7-29", 1, 104, 6, 7, 29},
        {"2147483648-1-1-1", 0}, {"-2147483649-1-1-1", 0}, {"1-2147483648-1-1", 0},
        {"99999999999999999999999-1-1-1", 0},
        {"104-06-07", 0}, {"104-06-07-29-1", 0}, {"", 0}, {"   ", 0}, {"-", 0}, {"---", 0},
        {"104--06-07-29", 0}, {"--104-06-07-29", 0}, {"104-06-07-29-", 0}, {"-104-06-07-", 0},
        {"104-+6-07-29", 0}, {"104-06-07-29 VO", 0}, {"104-0x6-07-29", 0}, {"104-6.5-7-29", 0},
        {"104-06-07-2\x80", 0}, {"104-06--7-29", 0}, {"\xff\xfe", 0},
    };
    for (const Row& r : rows) {
        VoDate d = Vo(7, 7, 7, 7);
        EXPECT_EQ(voslc_datestr_to_voslc_date(r.text, &d), r.result) << r.text;
        if (r.result == 1) {
            EXPECT_EQ(d.cycle, r.cycle) << r.text;
            EXPECT_EQ(d.year, r.year) << r.text;
            EXPECT_EQ(d.month, r.month) << r.text;
            EXPECT_EQ(d.day, r.day) << r.text;
        } else {
            EXPECT_EQ(d.cycle, 7) << r.text;  // a failed read leaves the record alone
        }
    }
    // A very long text is read to its end without trouble.
    std::string longText(100000, '1');
    VoDate d{};
    EXPECT_EQ(voslc_datestr_to_voslc_date(longText.c_str(), &d), 0);
    std::string blanks = std::string(100000, ' ') + "1-1-1-1";
    EXPECT_EQ(voslc_datestr_to_voslc_date(blanks.c_str(), &d), 1);
}

}  // namespace
