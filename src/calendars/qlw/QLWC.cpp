// The Quillon Lunar Week Calendar: conversion through the Moon's phase days, typed dates,
// date texts and the week, month and year steps.
#include "calendars/qlw/QLWC.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "dates/DatePr2.h"
#include "support/StrProc.h"

namespace QLWC {

namespace {

// Index 0 of each table is unused so that the calendar's own numbers index it.
constexpr std::array<const char*, 10> kDayNames = {
    "", "Dayone", "Daytwo", "Daythree", "Dayfour", "Dayfive", "Nineday", "Herday", "Freeday", "Moonday"};
constexpr std::array<const char*, 5> kWeekNames = {"", "Weekone", "Weektwo", "Weekthree", "Weekfour"};
constexpr std::array<const char*, 14> kMonthNames = {
    "",       "Brevolt", "Corvendil", "Dravik", "Es Tarvelo", "Fendrow", "Gorvash",
    "Hesk",   "Ivrolan", "Jorvel",    "Kolvane", "Lurvet",    "Mirvak",  "Dunhale"};
constexpr std::array<const char*, 14> kShortMonthNames = {
    "",     "Brevolt", "Corven", "Dravik",  "Es Tarv", "Fendrow", "Gorvash",
    "Hesk", "Ivrol",   "Jorvel", "Kolvane", "Lurvet",  "Mirvak",  "Dunha"};


// A week is never longer than nine days, so the day-name table ends there.
constexpr int kLongestWeek = 9;
// Phase days are 6 to 9 days apart and new moons 29 or 30; a search that has not settled
// after this many steps is facing a broken ephemeris and stops instead of running on.
constexpr int kSearchGuard = 8;

int32_t PhaseDay(int32_t lunation, int phase) {
    EclipseData record{};  // its eclipse fields are not used
    return QlwDayOfMoment(Syzyg::PhaseTime(lunation, phase, record));
}

// The phase days of a lunation: a[0] new moon, a[1..3] the quarters, a[4] the next new moon.
// Week r holds the days a[r-1] + 1 .. a[r].
std::array<int32_t, 5> PhaseDays(int32_t lunation, int32_t newMoonDay, int32_t nextNewMoonDay) {
    return {newMoonDay, PhaseDay(lunation, 1), PhaseDay(lunation, 2), PhaseDay(lunation, 3), nextNewMoonDay};
}

void SetWeekLengths(QlwDate& date, const std::array<int32_t, 5>& a) {
    for (size_t r = 1; r <= 4; ++r) date.weekLengths[r - 1] = a[r] - a[r - 1];
}

// The lunation whose mean new moon last precedes the GMT moment x. Over the supported years
// the true new moon is less than a day from the mean one and delta T adds at most a few days,
// so the answer is within one lunation of the true one; callers settle it with the phase
// times they need anyway. x must lie within the supported years.
int32_t MeanLunationAt(double x) {
    return static_cast<int32_t>(std::floor((x - Syzyg::LunationZeroNewMoon()) / Syzyg::MeanSynodicMonth));
}

// The new moon nearest the March equinox of a Common Era year: its lunation, and its QLW day,
// the last day of the QLW year that ends there.
struct YearEnd {
    int32_t lunation;
    int32_t lastDay;
};

// NearestNewMoon of the equinox, with the two new moons that bracket the equinox found once
// and used both to bracket it and to choose between them.
YearEnd ComputeYearEnd(int32_t ceYear) {
    EclipseData phaseRecord{};
    const double x = SolEq::MarchEquinox(ceYear);
    int32_t n = MeanLunationAt(x);
    double a = Syzyg::PhaseTime(n, 0, phaseRecord);
    double b = Syzyg::PhaseTime(n + 1, 0, phaseRecord);
    for (int guard = 0; guard < kSearchGuard && !(a <= x && x < b); ++guard) {
        if (a > x) {
            --n;
            b = a;
            a = Syzyg::PhaseTime(n, 0, phaseRecord);
        } else {
            ++n;
            a = b;
            b = Syzyg::PhaseTime(n + 1, 0, phaseRecord);
        }
    }
    if (!(a <= x && x < b)) {  // not settled: leave it to the general search
        const NewMoon m = NearestNewMoon(x);
        return {m.lunation, QlwDayOfMoment(m.time)};
    }
    if (b - x > x - a) return {n, QlwDayOfMoment(a)};
    return {n + 1, QlwDayOfMoment(b)};
}

// Every day of a year needs the same year ends, and a display or a move asks for the same
// few years again and again: a memo keeps the last year end of each year number modulo 4.
// ComputeYearEnd depends on the year alone, so the memo is invisible in every result (it only
// saves a third to a half of a conversion's time); it is per thread, so no caller shares it.
YearEnd YearEndNear(int32_t ceYear) {
    struct Memo {
        bool filled;
        int32_t ceYear;
        YearEnd end;
    };
    thread_local std::array<Memo, 4> memo{};
    Memo& kept = memo[static_cast<uint32_t>(ceYear) % memo.size()];
    if (!kept.filled || kept.ceYear != ceYear) kept = {true, ceYear, ComputeYearEnd(ceYear)};
    return kept.end;
}

bool IsSupportedYear(int64_t qlwYear) { return qlwYear >= QlwFirstYear && qlwYear <= QlwLastYear; }

void ClearDate(QlwDate& date) {
    date.year = date.month = date.week = date.day = 0;
    date.valid = 0;
    date.weekLengths = {};
}

// A whole number at text[pos]: an optional "-", then at least one digit, ending at a "-" or
// at the end of the text. Digits run on only while the value can still fit 32 bits, so a
// hostile run of digits cannot overflow. pos is left on the character after the number.
bool ReadNumber(std::string_view text, size_t& pos, int32_t& value) {
    bool negative = false;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    int64_t v = 0;  // [0, 2^31] while reading
    size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        v = v * 10 + (text[pos] - '0');
        if (v > 2147483648LL) return false;
        ++pos;
        ++digits;
    }
    if (digits == 0) return false;
    if (pos < text.size() && text[pos] != '-') return false;
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(v);
    return true;
}

}  // namespace

int32_t QlwDayOfMoment(double t) {
    const double d = std::floor(t + 0.25);
    // Outside 32 bits only for moments no caller passes; clamp rather than overflow.
    if (!(d >= std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (d > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(d);
}

NewMoon NearestNewMoon(double x) {
    if (!std::isfinite(x)) return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<int32_t>::min()};
    const int32_t n = Syzyg::LunationAt(x);  // kept below INT32_MAX - 1, so n + 1 fits
    EclipseData record{};
    const double a = Syzyg::PhaseTime(n, 0, record);
    const double b = Syzyg::PhaseTime(n + 1, 0, record);
    if (b - x > x - a) return {a, n};
    return {b, n + 1};
}

void JdnToQlwDate(QlwDate& date) {
    const int32_t day = date.jdn;
    int32_t ceYear = DatePr2::DateOfJdn(day, DAYCALC_GREGORIAN).year;
    if (!IsSupportedYear(int64_t{ceYear} + QlwYearOffset) && !IsSupportedYear(int64_t{ceYear} - 1 + QlwYearOffset)) {
        ClearDate(date);
        return;
    }
    YearEnd start = YearEndNear(ceYear);
    if (day < start.lastDay + 1) {  // before this Common Era year's QLW year begins
        --ceYear;
        start = YearEndNear(ceYear);
    }
    if (!IsSupportedYear(int64_t{ceYear} + QlwYearOffset)) {
        ClearDate(date);
        return;
    }

    // The month is the lunation whose new-moon day comes before the day and whose successor's
    // new-moon day does not: newMoonDay(L) < day <= newMoonDay(L + 1). Since QLW days start at
    // t + 0.25, that is the lunation in progress at day - 0.25, up to rounding at the day
    // boundary and the distance of the mean lunation from the true one, which the two walks
    // below settle exactly as the phase days decide it.
    int32_t lunation = MeanLunationAt(static_cast<double>(day) - 0.25);
    int32_t first = PhaseDay(lunation, 0);
    int32_t next = PhaseDay(lunation + 1, 0);
    for (int guard = 0; first >= day && guard < kSearchGuard; ++guard) {
        --lunation;
        next = first;
        first = PhaseDay(lunation, 0);
    }
    for (int guard = 0; next < day && guard < kSearchGuard; ++guard) {
        ++lunation;
        first = next;
        next = PhaseDay(lunation + 1, 0);
    }
    const int64_t month = int64_t{lunation} - start.lunation + 1;
    if (first >= day || next < day || month < 1 || month > 13) {  // an ephemeris out of order
        ClearDate(date);
        return;
    }

    const std::array<int32_t, 5> a = PhaseDays(lunation, first, next);
    SetWeekLengths(date, a);
    int week = 1;
    for (int r = 1; r <= 4; ++r)
        if (a[r] < day) ++week;
    date.year = ceYear + QlwYearOffset;
    date.month = static_cast<int32_t>(month);
    date.week = week;
    date.day = day - a[week - 1];  // week r holds the days a[r-1] + 1 .. a[r]
    date.valid = 1;
}

int QlwDateToJdn(QlwDate& date) {
    date.valid = 0;
    if (date.month < 1 || date.month > 13) return QlwNoSuchMonth;
    if (date.week < 1 || date.week > 4) return QlwNoSuchWeek;
    if (date.day < 1 || date.day > kLongestWeek) return QlwNoSuchDay;
    // A year whose months this module cannot count has no such month either.
    if (!IsSupportedYear(date.year)) return QlwNoSuchMonth;

    const int32_t ceYear = date.year - QlwYearOffset;
    const int32_t n0 = YearEndNear(ceYear).lunation;
    const int32_t n1 = YearEndNear(ceYear + 1).lunation;
    if (n1 - n0 < date.month) return QlwNoSuchMonth;  // the year has n1 - n0 months, 12 or 13

    const int32_t lunation = n0 + date.month - 1;
    const int32_t weekStart = PhaseDay(lunation, date.week - 1);
    const int32_t weekEnd = date.week == 4 ? PhaseDay(lunation + 1, 0) : PhaseDay(lunation, date.week);
    if (weekEnd - weekStart < date.day) return QlwNoSuchDay;
    // Only the date's own week is at hand here; that is the one its day name needs.
    date.weekLengths = {};
    date.weekLengths[static_cast<size_t>(date.week - 1)] = weekEnd - weekStart;
    date.jdn = weekStart + date.day;
    date.valid = 1;
    return QlwOk;
}

int ParseQlwDate(const std::string& text, QlwDate& date) {
    date.valid = 0;
    const std::string t = StrProc::RemoveSpaces(text);
    if (t.empty()) return QlwEmptyText;
    const int dashes = StrProc::CountOccurrences(t, "-", true);
    if (dashes < 3 || dashes > 4) return QlwWrongForm;

    // Four numbers, each followed by a "-" but the last; the year's own "-" (a negative
    // year) is read as its sign, so "-5001-01-3" stays three numbers and is refused.
    std::array<int32_t, 4> f{};
    size_t pos = 0;
    for (size_t i = 0; i < f.size(); ++i) {
        if (!ReadNumber(t, pos, f[i])) return QlwWrongForm;
        if (i + 1 < f.size()) {
            if (pos >= t.size()) return QlwWrongForm;
            ++pos;  // the "-" that ReadNumber stopped on
        }
    }
    if (pos != t.size()) return QlwWrongForm;

    QlwDate read{f[0], f[1], f[2], f[3], 0, date.jdn, {}};
    const int result = QlwDateToJdn(read);
    date = read;
    return result;
}

int QlwWeekLength(const QlwDate& date, int week) {
    return week >= 1 && week <= 4 ? date.weekLengths[static_cast<size_t>(week - 1)] : 0;
}

std::string QlwDayName(const QlwDate& date) {
    if (date.day >= 1 && date.day <= 5) return kDayNames[date.day];
    // Later days count back from the week's end: the last day is index 9 ("Moonday").
    const int index = kLongestWeek - (QlwWeekLength(date, date.week) - date.day);
    if (date.day > 5 && index > 5 && index <= kLongestWeek) return kDayNames[index];
    return "";
}

std::string QlwWeekName(int week) { return week >= 1 && week <= 4 ? kWeekNames[week] : ""; }

std::string QlwMonthName(int month) { return month >= 1 && month <= 13 ? kMonthNames[month] : ""; }

std::string QlwShortMonthName(int month) { return month >= 1 && month <= 13 ? kShortMonthNames[month] : ""; }

std::string FormatQlwDate(const QlwDate& date, int form) {
    if (form == 1) {
        char month[16];
        std::snprintf(month, sizeof month, "%02d", static_cast<int>(date.month));
        return std::to_string(date.year) + "-" + month + "-" + std::to_string(date.week) + "-" +
               std::to_string(date.day) + " QLW";
    }
    if (form == 2) {
        return QlwDayName(date) + " in " + QlwWeekName(date.week) + " of " + QlwMonthName(date.month) + ", " +
               std::to_string(date.year);
    }
    return "";
}

void FitQlwDay(QlwDate& date) {
    // A day outside 1..9 exists in no week; start from the nearest day that might, so the
    // search takes at most three steps (weeks have six to nine days).
    if (date.day > kLongestWeek) date.day = kLongestWeek;
    if (date.day < 1) date.day = 1;
    while (QlwDateToJdn(date) == QlwNoSuchDay && date.day > 1) --date.day;
}

namespace {

// One year more or less, held at the 32-bit ends (such years are refused anyway).
void MoveYear(QlwDate& date, bool forward) {
    if (forward && date.year < std::numeric_limits<int32_t>::max()) ++date.year;
    if (!forward && date.year > std::numeric_limits<int32_t>::min()) --date.year;
}

}  // namespace

void StepQlwMonth(QlwDate& date, bool forward) {
    // The month is first brought into 0..14 so that a hostile record cannot wrap around.
    if (forward) {
        date.month = std::clamp(date.month, 0, 13) + 1;
        if (QlwDateToJdn(date) == QlwNoSuchMonth) {
            date.month = 1;
            MoveYear(date, true);
        }
    } else {
        date.month = std::clamp(date.month, 1, 14) - 1;
        if (date.month == 0) {
            date.month = 13;
            MoveYear(date, false);
            if (QlwDateToJdn(date) == QlwNoSuchMonth) date.month = 12;
        }
    }
    FitQlwDay(date);
}

void StepQlwWeek(QlwDate& date, bool forward) {
    if (forward) {
        if (date.week >= 4) {
            date.week = 1;  // set before the month moves, so the day is fitted to week 1
            StepQlwMonth(date, true);
        } else {
            date.week = std::max(date.week, 0) + 1;
        }
    } else {
        if (date.week <= 1) {
            date.week = 4;
            StepQlwMonth(date, false);
        } else {
            date.week = std::min(date.week, 5) - 1;
        }
    }
    FitQlwDay(date);
}

void StepQlwYear(QlwDate& date, bool forward) {
    MoveYear(date, forward);
    if (QlwDateToJdn(date) == QlwNoSuchMonth) date.month = 12;  // month 13 of a 12-month year
    FitQlwDay(date);
}

}  // namespace QLWC
