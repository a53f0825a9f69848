// Tests of the Quillon Lunar Week Calendar: year ends at the equinox new moon, agreement with
// the month-by-month walk, round trips, typed dates (also hostile ones), names, texts, steps.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/qlw/QLWC.h"
#include "dates/DatePr2.h"

using namespace QLWC;

namespace {

class QlwTest : public ::testing::Test {};

QlwDate QlwOfDay(int32_t day) {
    QlwDate d{};
    d.jdn = day;
    JdnToQlwDate(d);
    return d;
}

QlwDate Qlw(int32_t y, int32_t m, int32_t w, int32_t d) { return QlwDate{y, m, w, d, 0, 0, {}}; }

bool SameDate(const QlwDate& a, const QlwDate& b) {
    return a.year == b.year && a.month == b.month && a.week == b.week && a.day == b.day;
}

// The QLW day of the new moon nearest the March equinox of a Common Era year.
int32_t YearEndDay(int32_t ceYear) { return QlwDayOfMoment(NearestNewMoon(SolEq::MarchEquinox(ceYear)).time); }

int MonthsInYear(int32_t qlwYear) {
    const int32_t y = qlwYear - QlwYearOffset;
    return NearestNewMoon(SolEq::MarchEquinox(y + 1)).lunation - NearestNewMoon(SolEq::MarchEquinox(y)).lunation;
}

// The conversion exactly as the calendar defines it: find the year, then walk the new moons
// from the year's start one lunation at a time.
QlwDate WalkedQlwDate(int32_t day, std::array<int, 5>& lengths) {
    EclipseData record{};
    auto phaseDay = [&](int32_t n, int k) { return QlwDayOfMoment(Syzyg::PhaseTime(n, k, record)); };
    int32_t y = DatePr2::DateOfJdn(day, DAYCALC_GREGORIAN).year;
    NewMoon start = NearestNewMoon(SolEq::MarchEquinox(y));
    int32_t k = QlwDayOfMoment(start.time);
    int32_t year = y + 3000;
    if (day < k + 1) {
        year = y + 2999;
        start = NearestNewMoon(SolEq::MarchEquinox(y - 1));
        k = QlwDayOfMoment(start.time);
    }
    int month = 0;
    int32_t lunation = start.lunation;
    int32_t g = k;
    while (g < day) {
        ++month;
        ++lunation;
        g = phaseDay(lunation, 0);
    }
    --lunation;
    const int32_t a[5] = {phaseDay(lunation, 0), phaseDay(lunation, 1), phaseDay(lunation, 2),
                          phaseDay(lunation, 3), phaseDay(lunation + 1, 0)};
    int week = 1;
    for (int r = 1; r <= 4; ++r) {
        lengths[r] = a[r] - a[r - 1];
        if (a[r] < day) ++week;
    }
    int rest = day - a[0];
    for (int r = 1; r < week; ++r) rest -= lengths[r];
    return QlwDate{year, month, week, rest, 1, day, {}};
}

// The first day of a week of the given length at or after day `from` (week lengths kept).
QlwDate FirstWeekOfLength(int32_t from, int length) {
    for (int32_t day = from; day < from + 40000; ++day) {
        QlwDate d = QlwOfDay(day);
        if (d.day == 1 && QlwWeekLength(d, d.week) == length) return d;
    }
    return QlwDate{};
}

constexpr int32_t kJdn2000 = 2451545;  // 2000-01-01 CE

}  // namespace

TEST_F(QlwTest, EquinoxNewMoonEndsTheYear) {
    // Both sides of the accepted moments (the end of -3201 to 6000 CE) and years between.
    const int32_t ceYears[] = {-3200, -1000, 0, 1582, 2000, 2001, 2024, 4000, 5999};
    for (int32_t y : ceYears) {
        const int32_t last = YearEndDay(y);
        const QlwDate end = QlwOfDay(last);
        ASSERT_EQ(end.valid, 1) << y;
        EXPECT_EQ(end.year, y + 2999) << y;
        EXPECT_EQ(end.month, MonthsInYear(y + 2999)) << y;
        EXPECT_EQ(end.week, 4) << y;
        EXPECT_EQ(end.day, QlwWeekLength(end, 4)) << y;
        EXPECT_EQ(QlwDayName(end), "Moonday") << y;

        const QlwDate next = QlwOfDay(last + 1);
        EXPECT_TRUE(SameDate(next, Qlw(y + 3000, 1, 1, 1))) << y << ": " << FormatQlwDate(next, 1);
        EXPECT_EQ(QlwDayName(next), "Dayone") << y;
        EXPECT_EQ(FormatQlwDate(next, 1).substr(0, std::to_string(y + 3000).size() + 4),
                  std::to_string(y + 3000) + "-01-")
            << y;
    }
}

TEST_F(QlwTest, NearestNewMoonTieGoesToTheLater) {
    EclipseData record{};
    int ties = 0;
    for (int32_t n : {-60000, -60001, -1, 0, 1, 7, 8, 49000, 49001, 49002}) {
        const double a = Syzyg::PhaseTime(n, 0, record);
        const double b = Syzyg::PhaseTime(n + 1, 0, record);
        EXPECT_EQ(NearestNewMoon(a + 1e-3).lunation, n) << n;
        EXPECT_EQ(NearestNewMoon(a - 1.0).lunation, n) << n;
        EXPECT_EQ(NearestNewMoon(b - 1.0).lunation, n + 1) << n;
        // An exact halfway moment exists in floating point only when a + b is even in its
        // last bit; the other lunations are skipped.
        const double x = a + (b - a) / 2;
        if (b - x != x - a) continue;
        ++ties;
        EXPECT_EQ(NearestNewMoon(x).lunation, n + 1) << n;
        EXPECT_EQ(NearestNewMoon(x).time, b) << n;
        EXPECT_EQ(NearestNewMoon(std::nextafter(x, a)).lunation, n) << n;
    }
    EXPECT_GE(ties, 2);
    EXPECT_EQ(NearestNewMoon(std::nan("")).lunation, std::numeric_limits<int32_t>::min());
}

TEST_F(QlwTest, AgreesWithTheMonthByMonthWalk) {
    // Every 61st day over the accepted moments: all years, months and week positions meet.
    std::array<int, 5> lengths{};
    int compared = 0;
    for (int32_t day = 552284; day < 3912515; day += 61, ++compared) {
        const QlwDate expected = WalkedQlwDate(day, lengths);
        const QlwDate got = QlwOfDay(day);
        ASSERT_TRUE(SameDate(got, expected))
            << day << ": " << FormatQlwDate(got, 1) << " instead of " << FormatQlwDate(expected, 1);
        for (int r = 1; r <= 4; ++r) ASSERT_EQ(QlwWeekLength(got, r), lengths[r]) << day;
    }
    EXPECT_GT(compared, 55000);
}

TEST_F(QlwTest, EveryDayRoundTripsAndFollowsItsPredecessor) {
    // Three hundred years around today, and the first and last years of the accepted moments.
    const int32_t spans[][2] = {{kJdn2000 - 150 * 366, kJdn2000 + 150 * 366}, {552283, 552283 + 800},
                                {3912515 - 800, 3912515}};
    for (const auto& span : spans) {
        QlwDate previous = QlwOfDay(span[0] - 1);
        for (int32_t day = span[0]; day <= span[1]; ++day) {
            const QlwDate d = QlwOfDay(day);
            ASSERT_EQ(d.valid, 1) << day;
            const int length = QlwWeekLength(d, d.week);
            ASSERT_GE(length, 6) << day;
            ASSERT_LE(length, 9) << day;
            ASSERT_GE(d.day, 1) << day;
            ASSERT_LE(d.day, length) << day;

            QlwDate back = Qlw(d.year, d.month, d.week, d.day);
            ASSERT_EQ(QlwDateToJdn(back), QlwOk) << day;
            ASSERT_EQ(back.jdn, day) << FormatQlwDate(d, 1);
            ASSERT_EQ(back.valid, 1);

            // The day after a date is the next day of its week, the first of the next week or
            // month, or the first day of the next year after a 12th or 13th month.
            QlwDate expected = previous;
            ++expected.day;
            if (!SameDate(d, expected)) {
                expected = Qlw(previous.year, previous.month, previous.week + 1, 1);
                if (previous.week == 4) expected = Qlw(previous.year, previous.month + 1, 1, 1);
                if (previous.week == 4 && (d.year != previous.year)) {
                    EXPECT_GE(previous.month, 12) << day;
                    expected = Qlw(previous.year + 1, 1, 1, 1);
                }
                ASSERT_TRUE(SameDate(d, expected))
                    << day << ": " << FormatQlwDate(previous, 1) << " then " << FormatQlwDate(d, 1);
            }
            previous = d;
        }
    }
}

TEST_F(QlwTest, SupportedYearsEndCleanly) {
    // The first and last days of the supported QLW years convert both ways; the days
    // beyond them are refused instead of being given a year that cannot be read back.
    const int32_t first = YearEndDay(QlwFirstCeYear) + 1;
    const int32_t last = YearEndDay(QlwLastCeYear + 1);
    struct Row { int32_t day; int valid; QlwDate date; };
    const Row rows[] = {{first, 1, Qlw(QlwFirstYear, 1, 1, 1)},
                        {first - 1, 0, Qlw(0, 0, 0, 0)},
                        {last, 1, Qlw(QlwLastYear, MonthsInYear(QlwLastYear), 4, 0)},
                        {last + 1, 0, Qlw(0, 0, 0, 0)}};
    for (const Row& r : rows) {
        const QlwDate d = QlwOfDay(r.day);
        EXPECT_EQ(d.valid, r.valid) << r.day;
        QlwDate expected = r.date;
        if (expected.week == 4) expected.day = QlwWeekLength(d, 4);
        EXPECT_TRUE(SameDate(d, expected)) << r.day << ": " << FormatQlwDate(d, 1);
        if (r.valid == 1) {
            QlwDate back = Qlw(d.year, d.month, d.week, d.day);
            EXPECT_EQ(QlwDateToJdn(back), QlwOk) << r.day;
            EXPECT_EQ(back.jdn, r.day);
        }
    }
}

TEST_F(QlwTest, DaysThatDoNotExist) {
    ASSERT_EQ(MonthsInYear(5001), 12);
    struct Row { const char* name; QlwDate date; int code; };
    const Row rows[] = {
        {"month 13 of a 12-month year", Qlw(5001, 13, 1, 1), QlwNoSuchMonth},
        {"month 12 of a 12-month year", Qlw(5001, 12, 1, 1), QlwOk},
        {"month 0", Qlw(5001, 0, 1, 1), QlwNoSuchMonth},
        {"month 14", Qlw(5001, 14, 1, 1), QlwNoSuchMonth},
        {"week 5", Qlw(5001, 1, 5, 1), QlwNoSuchWeek},
        {"week 0", Qlw(5001, 1, 0, 1), QlwNoSuchWeek},
        {"day 10", Qlw(5001, 1, 1, 10), QlwNoSuchDay},
        {"day 0", Qlw(5001, 1, 1, 0), QlwNoSuchDay},
        {"ranges come before the year's month count", Qlw(5001, 13, 5, 10), QlwNoSuchWeek},
        {"year far ahead", Qlw(999999, 1, 1, 1), QlwNoSuchMonth},
        {"year far back", Qlw(-999999, 1, 1, 1), QlwNoSuchMonth},
        {"32-bit year ends", Qlw(std::numeric_limits<int32_t>::max(), 1, 1, 1), QlwNoSuchMonth},
        {"first supported year", Qlw(QlwFirstYear, 1, 1, 1), QlwOk},
        {"last supported year", Qlw(QlwLastYear, 1, 1, 1), QlwOk},
        {"after the last supported year", Qlw(QlwLastYear + 1, 1, 1, 1), QlwNoSuchMonth},
    };
    for (const Row& r : rows) {
        QlwDate d = r.date;
        d.jdn = 77;
        d.valid = 1;
        EXPECT_EQ(QlwDateToJdn(d), r.code) << r.name;
        EXPECT_EQ(d.valid, r.code == QlwOk ? 1 : 0) << r.name;
        if (r.code != QlwOk) {
            EXPECT_EQ(d.jdn, 77) << r.name;
        }
    }
    // Day 8 of a seven-day week (and day 7 of a six-day one) is no day; the week's last day is.
    for (int length : {6, 7, 8}) {
        const QlwDate first = FirstWeekOfLength(kJdn2000, length);
        ASSERT_EQ(first.valid, 1) << length;
        QlwDate d = Qlw(first.year, first.month, first.week, length + 1);
        EXPECT_EQ(QlwDateToJdn(d), QlwNoSuchDay) << length;
        d.day = length;
        EXPECT_EQ(QlwDateToJdn(d), QlwOk) << length;
        EXPECT_EQ(d.jdn, first.jdn + length - 1) << length;
    }
}

TEST_F(QlwTest, ReadingTypedDates) {
    QlwDate expected = Qlw(5001, 1, 3, 3);
    ASSERT_EQ(QlwDateToJdn(expected), QlwOk);
    struct Row { const char* text; int code; };
    const Row rows[] = {
        {"5001-1-3-3", QlwOk},
        {"5001 - 01 - 3 - 3", QlwOk},
        {" 5001-0001-03-3 ", QlwOk},
        {"5001-01-3", QlwWrongForm},
        {"5001-01-3-3-1", QlwWrongForm},
        {"5001-01-3-", QlwWrongForm},
        {"5001-01--3", QlwWrongForm},
        {"-5001-01-3", QlwWrongForm},  // a sign is not a separator
        {"5001-01-3-3x", QlwWrongForm},
        {"5001/01-3-3-1", QlwWrongForm},
        {"+5001-01-3-3", QlwWrongForm},
        {"----", QlwWrongForm},
        {"5001-01-3\t-3", QlwWrongForm},
        {"99999999999999999999999999999999999999-01-3-3", QlwWrongForm},
        {"5001-01-3-000000000000000000000000000000000000003", QlwOk},
        {"5001-4294967297-1-1", QlwWrongForm},  // 2^32 + 1 must not wrap to month 1
        {"5001-2147483647-1-1", QlwNoSuchMonth},
        {"-2147483648-1-1-1", QlwNoSuchMonth},
        {"-2147483649-1-1-1", QlwWrongForm},
        {"999999-1-1-1", QlwNoSuchMonth},
        {"5001--1-1-1", QlwNoSuchMonth},
        {"5001-13-1-1", QlwNoSuchMonth},
        {"5001-01-5-1", QlwNoSuchWeek},
        {"5001-01-1--1", QlwNoSuchDay},
        {"5001-01-1-10", QlwNoSuchDay},
        {"", QlwEmptyText},
        {"     ", QlwEmptyText},
    };
    for (const Row& r : rows) {
        QlwDate d{};
        d.jdn = 77;
        d.valid = 1;
        EXPECT_EQ(ParseQlwDate(r.text, d), r.code) << r.text;
        EXPECT_EQ(d.valid, r.code == QlwOk ? 1 : 0) << r.text;
        EXPECT_EQ(d.jdn, r.code == QlwOk ? expected.jdn : 77) << r.text;
        if (r.code == QlwOk) {
            EXPECT_TRUE(SameDate(d, expected)) << r.text;
        }
    }
    // A negative year: its text is read back to the same day.
    const QlwDate old = QlwOfDay(552283 + 400);
    ASSERT_LT(old.year, 0);
    const std::string text = FormatQlwDate(old, 1);
    QlwDate read{};
    EXPECT_EQ(ParseQlwDate(text.substr(0, text.size() - 4), read), QlwOk) << text;
    EXPECT_EQ(read.jdn, old.jdn) << text;
}

TEST_F(QlwTest, DayNamesByWeekLength) {
    struct Row { int length; const char* sixth; const char* beforeLast; };
    const Row rows[] = {{6, "Moonday", "Dayfive"},
                        {7, "Freeday", "Freeday"},
                        {8, "Herday", "Freeday"},
                        {9, "Nineday", "Freeday"}};
    for (const Row& r : rows) {
        QlwDate d = FirstWeekOfLength(552283, r.length);
        ASSERT_EQ(d.valid, 1) << "no week of " << r.length << " days";
        const char* all[] = {"Dayone", "Daytwo", "Daythree", "Dayfour", "Dayfive"};
        for (int day = 1; day <= 5; ++day) {
            d.day = day;
            EXPECT_EQ(QlwDayName(d), all[day - 1]) << r.length;
        }
        d.day = 6;
        EXPECT_EQ(QlwDayName(d), r.sixth) << r.length;
        d.day = r.length - 1;
        EXPECT_EQ(QlwDayName(d), r.beforeLast) << r.length;
        d.day = r.length;
        EXPECT_EQ(QlwDayName(d), "Moonday") << r.length;
        d.day = r.length + 1;
        EXPECT_EQ(QlwDayName(d), "") << r.length;
    }
    QlwDate d = Qlw(5001, 1, 5, 7);
    EXPECT_EQ(QlwDayName(d), "");
}

TEST_F(QlwTest, Texts) {
    QlwDate d = Qlw(5001, 1, 3, 3);
    ASSERT_EQ(QlwDateToJdn(d), QlwOk);
    d = QlwOfDay(d.jdn);  // form 2 names the day from the week lengths of the last conversion
    EXPECT_EQ(FormatQlwDate(d, 1), "5001-01-3-3 QLW");
    EXPECT_EQ(FormatQlwDate(d, 2), "Daythree in Weekthree of Brevolt, 5001");
    EXPECT_EQ(FormatQlwDate(d, 0), "");
    EXPECT_EQ(FormatQlwDate(d, 3), "");
    EXPECT_EQ(FormatQlwDate(Qlw(-12, 13, 4, 9), 1), "-12-13-4-9 QLW");
    EXPECT_EQ(FormatQlwDate(Qlw(0, 10, 1, 1), 1), "0-10-1-1 QLW");

    struct Row { int n; const char* full; const char* shortName; const char* week; };
    const Row rows[] = {{0, "", "", ""},
                        {1, "Brevolt", "Brevolt", "Weekone"},
                        {2, "Corvendil", "Corven", "Weektwo"},
                        {4, "Es Tarvelo", "Es Tarv", "Weekfour"},
                        {5, "Fendrow", "Fendrow", ""},
                        {8, "Ivrolan", "Ivrol", ""},
                        {13, "Dunhale", "Dunha", ""},
                        {14, "", "", ""}};
    for (const Row& r : rows) {
        EXPECT_EQ(QlwMonthName(r.n), r.full) << r.n;
        EXPECT_EQ(QlwShortMonthName(r.n), r.shortName) << r.n;
        EXPECT_EQ(QlwWeekName(r.n), r.week) << r.n;
    }
}

TEST_F(QlwTest, WeekMonthAndYearSteps) {
    // Find a 13-month year and a 12-month year that follows a 13-month one.
    int32_t thirteen = 0, twelveAfterThirteen = 0;
    for (int32_t y = 5000; y < 5040 && (thirteen == 0 || twelveAfterThirteen == 0); ++y) {
        if (MonthsInYear(y) == 13 && thirteen == 0) thirteen = y;
        if (MonthsInYear(y) == 12 && MonthsInYear(y - 1) == 13 && twelveAfterThirteen == 0) twelveAfterThirteen = y;
    }
    ASSERT_NE(thirteen, 0);
    ASSERT_NE(twelveAfterThirteen, 0);
    ASSERT_EQ(MonthsInYear(thirteen + 1), 12);
    ASSERT_EQ(MonthsInYear(5001), 12);

    struct Row { const char* name; QlwDate from; void (*step)(QlwDate&, bool); bool forward; QlwDate to; };
    const Row rows[] = {
        {"month back into a 13-month year", Qlw(thirteen + 1, 1, 2, 1), StepQlwMonth, false, Qlw(thirteen, 13, 2, 1)},
        {"month back into a 12-month year", Qlw(5002, 1, 2, 1), StepQlwMonth, false, Qlw(5001, 12, 2, 1)},
        {"month forward out of month 13", Qlw(thirteen, 13, 1, 1), StepQlwMonth, true, Qlw(thirteen + 1, 1, 1, 1)},
        {"month forward out of month 12", Qlw(5001, 12, 3, 2), StepQlwMonth, true, Qlw(5002, 1, 3, 2)},
        {"month forward inside a year", Qlw(5001, 11, 3, 2), StepQlwMonth, true, Qlw(5001, 12, 3, 2)},
        {"year from month 13 into 12 months", Qlw(thirteen, 13, 1, 1), StepQlwYear, true, Qlw(thirteen + 1, 12, 1, 1)},
        {"year back from month 13", Qlw(twelveAfterThirteen - 1, 13, 1, 1), StepQlwYear, false,
         Qlw(twelveAfterThirteen - 2, MonthsInYear(twelveAfterThirteen - 2), 1, 1)},
        {"year keeps month 5", Qlw(5001, 5, 2, 2), StepQlwYear, true, Qlw(5002, 5, 2, 2)},
        {"week back from week 1", Qlw(5001, 3, 1, 4), StepQlwWeek, false, Qlw(5001, 2, 4, 4)},
        {"week out of the last month of a 12-month year", Qlw(5001, 12, 4, 1), StepQlwWeek, true, Qlw(5002, 1, 1, 1)},
        {"week back into the last month of a 12-month year", Qlw(5002, 1, 1, 1), StepQlwWeek, false,
         Qlw(5001, 12, 4, 1)},
        {"week inside a month", Qlw(5001, 3, 2, 5), StepQlwWeek, true, Qlw(5001, 3, 3, 5)},
    };
    for (const Row& r : rows) {
        QlwDate d = r.from;
        r.step(d, r.forward);
        EXPECT_TRUE(SameDate(d, r.to)) << r.name << ": " << FormatQlwDate(d, 1);
        EXPECT_EQ(d.valid, 1) << r.name;
        QlwDate check = d;
        ASSERT_EQ(QlwDateToJdn(check), QlwOk) << r.name;
        EXPECT_EQ(d.jdn, check.jdn) << r.name;
    }
}

TEST_F(QlwTest, LongDayIsFittedIntoAShorterWeek) {
    // Day 9 of a nine-day week, moved by a week into a seven-day week, becomes its last day.
    for (QlwDate w = FirstWeekOfLength(552283, 9); w.valid == 1; w = FirstWeekOfLength(w.jdn + 1, 9)) {
        QlwDate next = QlwOfDay(w.jdn + 9);
        if (QlwWeekLength(next, next.week) != 7) continue;
        QlwDate d = Qlw(w.year, w.month, w.week, 9);
        StepQlwWeek(d, true);
        ASSERT_EQ(d.valid, 1);
        EXPECT_TRUE(SameDate(d, Qlw(next.year, next.month, next.week, 7))) << FormatQlwDate(d, 1);
        EXPECT_EQ(d.jdn, next.jdn + 6);
        const QlwDate named = QlwOfDay(d.jdn);
        EXPECT_EQ(QlwDayName(named), "Moonday");
        return;
    }
    FAIL() << "no nine-day week followed by a seven-day week";
}

TEST_F(QlwTest, HostileRecordsAndDayNumbers) {
    // Day numbers far outside the supported years are refused at once.
    for (int32_t day : {std::numeric_limits<int32_t>::min(), -100000000, -500000, 6000000, 100000000,
                        std::numeric_limits<int32_t>::max()}) {
        QlwDate d = QlwOfDay(day);
        EXPECT_EQ(d.valid, 0) << day;
        EXPECT_EQ(QlwWeekLength(d, 1), 0) << day;
        EXPECT_EQ(FormatQlwDate(d, 2), " in  of , 0") << day;
    }
    // Steps of records that hold no date stay bounded and do not wrap.
    QlwDate d = Qlw(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());
    StepQlwMonth(d, true);
    StepQlwWeek(d, true);
    StepQlwYear(d, true);
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.year, std::numeric_limits<int32_t>::max());
    d = Qlw(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
            std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min());
    StepQlwMonth(d, false);
    StepQlwWeek(d, false);
    StepQlwYear(d, false);
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.year, std::numeric_limits<int32_t>::min());
    // A stray day number is fitted into the week's range.
    d = Qlw(5001, 2, 2, 1000);
    FitQlwDay(d);
    EXPECT_EQ(d.valid, 1);
    EXPECT_GE(d.day, 6);
    EXPECT_LE(d.day, 9);
}
