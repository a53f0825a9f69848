// Tests of the tridaycalc library: check values, every day of the accepted range against a
// direct walk of the calendar rules, the two text forms and hostile field values.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "calendars/llt/tridaycalc.h"

namespace {

constexpr int32_t kFirstDay = 552283;   // first day of the accepted range
constexpr int32_t kLastDay = 3912515;   // last day of the accepted range

LltDate Llt(int32_t cycle, int32_t year, int32_t month, int32_t triday, int32_t day) {
    return LltDate{cycle, year, month, triday, day, 0, 0};
}

TEST(Tridaycalc, CheckValues) {
    struct Row { int32_t jdn, cycle, year, month, triday, day; };
    const Row rows[] = {{2451545, 0, 122, 12, 9, 1}, {2451551, 0, 123, 1, 1, 1},
                        {2451741, 0, 123, 7, 5, 2},  {3540357, 8, 123, 7, 5, 2},
                        {2408318, 0, 1, 1, 1, 1},    {2408317, -1, 384, 12, 9, 3}};
    for (const Row& r : rows) {
        LltDate d{};
        d.jdn = r.jdn;
        EXPECT_EQ(jdn_to_ltclunar(&d), 1);
        EXPECT_EQ(d.cycle, r.cycle) << r.jdn;
        EXPECT_EQ(d.year, r.year) << r.jdn;
        EXPECT_EQ(d.month, r.month) << r.jdn;
        EXPECT_EQ(d.triday, r.triday) << r.jdn;
        EXPECT_EQ(d.day, r.day) << r.jdn;
        LltDate back = Llt(r.cycle, r.year, r.month, r.triday, r.day);
        EXPECT_EQ(ltclunar_valid(&back), 1);
        EXPECT_EQ(ltclunar_to_jdn(&back), 1);
        EXPECT_EQ(back.jdn, r.jdn);
    }
}

TEST(Tridaycalc, CycleTotals) {
    int longYears = 0, days = 0, months = 0;
    for (int32_t y = 1; y <= 384; ++y) {
        const int32_t last = num_tridays_in_12th_month(y);
        ASSERT_TRUE(last == 9 || last == 10);
        longYears += last == 10;
        days += 3 * (10 * 10 + 9 + last);
        months += 12;
        // The rule repeats every 384 years, for any year number.
        EXPECT_EQ(num_tridays_in_12th_month(y - 384), last);
        EXPECT_EQ(num_tridays_in_12th_month(y + 384 * 5000), last);
    }
    EXPECT_EQ(longYears, 47);
    EXPECT_EQ(days, 136077);
    EXPECT_EQ(months, 4608);
    for (int32_t y : {INT32_MIN, INT32_MIN + 1, -1, 0, INT32_MAX}) {
        const int32_t last = num_tridays_in_12th_month(y);
        EXPECT_TRUE(last == 9 || last == 10) << y;
    }
}

// Walks the calendar day by day from the first day of cycle -15 (before the accepted range)
// to the end of cycle 12 (after it) with the rules written out directly, and compares every
// day of the accepted range both ways; the walk must meet the epoch exactly at cycle 0.
TEST(Tridaycalc, WholeRangeAgainstDirectRules) {
    int64_t jdn = 2408318 - 15 * 136077;
    int64_t daysSeen = 0;
    int failures = 0;
    for (int32_t cycle = -15; cycle <= 12 && failures < 10; ++cycle) {
        if (cycle == 0) {
            EXPECT_EQ(jdn, 2408318);
        }
        for (int32_t year = 1; year <= 384; ++year) {
            const bool longYear = (47 * year + 48) % 384 < 47;
            for (int32_t month = 1; month <= 12; ++month) {
                const int32_t tridays = month == 6 ? 9 : month == 12 ? (longYear ? 10 : 9) : 10;
                for (int32_t triday = 1; triday <= tridays; ++triday)
                    for (int32_t day = 1; day <= 3; ++day, ++jdn) {
                        if (jdn < kFirstDay || jdn > kLastDay) continue;
                        ++daysSeen;
                        LltDate d{};
                        d.jdn = static_cast<int32_t>(jdn);
                        jdn_to_ltclunar(&d);
                        LltDate back = Llt(cycle, year, month, triday, day);
                        const bool sameDate = d.cycle == cycle && d.year == year &&
                                              d.month == month && d.triday == triday &&
                                              d.day == day;
                        if (!sameDate || ltclunar_to_jdn(&back) != 1 || back.jdn != jdn) {
                            ADD_FAILURE() << "day " << jdn << " gave " << d.cycle << "-" << d.year
                                          << "-" << d.month << "-" << d.triday << "-" << d.day
                                          << ", back " << back.jdn;
                            ++failures;
                        }
                    }
                // One triday past the month's end is not a date.
                LltDate past = Llt(cycle, year, month, tridays + 1, 1);
                EXPECT_EQ(ltclunar_valid(&past), 0);
            }
        }
    }
    EXPECT_EQ(daysSeen, int64_t{kLastDay} - kFirstDay + 1);
}

TEST(Tridaycalc, All32BitDaysAndTheirLimits) {
    int failures = 0;
    for (int64_t jdn = INT32_MIN; jdn <= INT32_MAX && failures < 10; jdn += 104729) {
        LltDate d{};
        d.jdn = static_cast<int32_t>(jdn);
        jdn_to_ltclunar(&d);
        LltDate back = Llt(d.cycle, d.year, d.month, d.triday, d.day);
        if (ltclunar_to_jdn(&back) != 1 || back.jdn != jdn) {
            ADD_FAILURE() << jdn;
            ++failures;
        }
    }
    // The last and first 32-bit days convert; one day further is not a date.
    LltDate last{};
    last.jdn = INT32_MAX;
    jdn_to_ltclunar(&last);
    LltDate back = last;
    EXPECT_EQ(ltclunar_to_jdn(&back), 1);
    EXPECT_EQ(back.jdn, INT32_MAX);
    LltDate next = last;
    if (next.day < 3) {
        ++next.day;
        next.jdn = 5;
        EXPECT_EQ(ltclunar_valid(&next), 0);
        EXPECT_EQ(ltclunar_to_jdn(&next), 0);
        EXPECT_EQ(next.jdn, 5);  // untouched
    }
    LltDate first{};
    first.jdn = INT32_MIN;
    jdn_to_ltclunar(&first);
    back = first;
    EXPECT_EQ(ltclunar_to_jdn(&back), 1);
    EXPECT_EQ(back.jdn, INT32_MIN);
    if (first.day > 1) {
        --first.day;
        EXPECT_EQ(ltclunar_valid(&first), 0);
    }
}

TEST(Tridaycalc, HostileFieldValues) {
    const int32_t extremes[] = {INT32_MIN, -1, 0, INT32_MAX};
    for (int32_t c : {INT32_MIN, -20000, 20000, INT32_MAX})
        for (int32_t y : {1, 384})
            for (int32_t m : {1, 12}) {
                LltDate d = Llt(c, y, m, 1, 1);
                EXPECT_EQ(ltclunar_valid(&d), 0) << c;  // no 32-bit day number
            }
    for (int32_t v : extremes) {
        const LltDate rows[] = {Llt(0, v, 1, 1, 1), Llt(0, 1, v, 1, 1), Llt(0, 1, 1, v, 1),
                                Llt(0, 1, 1, 1, v), Llt(v, v, v, v, v)};
        for (LltDate d : rows) {
            d.jdn = 99;
            EXPECT_EQ(ltclunar_valid(&d), 0) << v;
            EXPECT_EQ(ltclunar_to_jdn(&d), 0) << v;
            EXPECT_EQ(d.jdn, 99);
        }
    }
    const LltDate outOfRange[] = {Llt(0, 385, 1, 1, 1), Llt(0, 1, 13, 1, 1), Llt(0, 1, 6, 10, 1),
                                  Llt(0, 1, 1, 11, 1),  Llt(0, 1, 1, 1, 4)};
    for (LltDate d : outOfRange) EXPECT_EQ(ltclunar_valid(&d), 0);
    EXPECT_EQ(ltclunar_valid(nullptr), 0);
    EXPECT_EQ(ltclunar_to_jdn(nullptr), 0);
    EXPECT_EQ(jdn_to_ltclunar(nullptr), 0);
    EXPECT_EQ(parse_short_lunar_ltc_date(nullptr, nullptr), 0);
    LltDate d{};
    EXPECT_EQ(parse_long_lunar_ltc_date(nullptr, &d), 0);
}

TEST(Tridaycalc, ParseTexts) {
    struct Row { const char* text; bool longForm; int32_t result, cycle = 0, year = 0, month = 0,
                 triday = 0, day = 0; };
    const Row rows[] = {
        {"123-07-05-2", false, 1, 0, 123, 7, 5, 2},
        {" 123 - 7 - 5 - 2 ", false, 1, 0, 123, 7, 5, 2},
        {"8-123-07-05-2", true, 1, 8, 123, 7, 5, 2},
        {"-8-123-07-05-2", true, 1, -8, 123, 7, 5, 2},
        {"\t-2147483648-1-1-1-1", true, 1, INT32_MIN, 1, 1, 1, 1},
        {"0-2147483647-1-1-1", true, 1, 0, INT32_MAX, 1, 1, 1},
        {"2147483647-1-1-1", false, 1, 0, INT32_MAX, 1, 1, 1},
        {"2147483648-1-1-1", false, 0}, {"1-2147483648-1-1-1", true, 0},
        {"-123-07-05-2", false, 0},   // no sign in the short form
        {"8-123-07-05-2", false, 0},  // five numbers are not the short form
        {"123-07-05-2", true, 0},     // four numbers are not the long form
        {"8--123-07-05-2", true, 0},  {"--8-123-07-05-2", true, 0}, {"8-123-07-05-", true, 0},
        {"7-05-2", false, 0},         {"1-2-3-4-5-6-7", true, 0},   {"", false, 0},
        {"", true, 0},                {"-", true, 0},               {"----", true, 0},
        {"123-07-05-2 LLT", false, 0}, {"123-07-05-+2", false, 0},  {"123-07-05-2.0", false, 0},
        {"123-07-05-\xb2", false, 0}, {"99999999999999999999-1-1-1", false, 0},
    };
    for (const Row& r : rows) {
        LltDate d = Llt(7, 7, 7, 7, 7);
        const int32_t result = r.longForm ? parse_long_lunar_ltc_date(r.text, &d)
                                          : parse_short_lunar_ltc_date(r.text, &d);
        EXPECT_EQ(result, r.result) << r.text << " " << r.longForm;
        if (r.result == 1) {
            EXPECT_EQ(d.cycle, r.cycle) << r.text;
            EXPECT_EQ(d.year, r.year) << r.text;
            EXPECT_EQ(d.month, r.month) << r.text;
            EXPECT_EQ(d.triday, r.triday) << r.text;
            EXPECT_EQ(d.day, r.day) << r.text;
        } else {
            EXPECT_EQ(d.cycle, 7) << r.text;  // a failed read leaves the record alone
        }
    }
    const std::string digits(100000, '9');
    LltDate d{};
    EXPECT_EQ(parse_long_lunar_ltc_date(digits.c_str(), &d), 0);
    EXPECT_EQ(parse_short_lunar_ltc_date((std::string(50000, '-') + "1").c_str(), &d), 0);
}

}  // namespace
