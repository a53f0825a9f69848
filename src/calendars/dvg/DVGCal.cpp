// The Dunhale-Varnel Goddess Calendar: conversion, typed dates, date texts and steps.
#include "calendars/dvg/DVGCal.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "dates/DatePr2.h"
#include "support/StrProc.h"
#include "support/FloorDiv.h"

namespace DVGCal {

namespace {

constexpr std::array<const char*, 14> kMonthNames = {
    "",      "Athena", "Brigid", "Cerridwen", "Diana", "Epona", "Freya",
    "Gaea",  "Hathor", "Inanna", "Juno",      "Kore",  "Lilith", "Maria"};

constexpr bool IsShort(int year) { return year % 10 == 0 || year % 235 == 0; }

// kYearStart[y - 1] = days from the start of the cycle to the start of year y;
// kYearStart[470] is the length of the whole cycle.
constexpr std::array<int32_t, DvgYearsPerCycle + 1> MakeYearStarts() {
    std::array<int32_t, DvgYearsPerCycle + 1> starts{};
    for (int y = 1; y <= DvgYearsPerCycle; ++y) starts[y] = starts[y - 1] + (IsShort(y) ? 383 : 384);
    return starts;
}
constexpr std::array<int32_t, DvgYearsPerCycle + 1> kYearStart = MakeYearStarts();
static_assert(kYearStart[DvgYearsPerCycle] == DvgCycleDays, "the year lengths must fill the cycle");

// Days of months 1 .. month - 1: 30 and 29 alternate, 59 for each pair.
int DaysBeforeMonth(int month) { return (month - 1) / 2 * 59 + ((month - 1) % 2) * 30; }

bool DateExists(const DvgDate& d) {
    if (d.year < 1 || d.year > DvgYearsPerCycle || d.month < 1 || d.month > 13) return false;
    return d.day >= 1 && d.day <= DvgMonthLength(d.year, d.month);
}

// Brings year, month and day of a date that does not exist inside the cycle, so that the
// steps always end on an existing date.
void FitIntoCycle(DvgDate& d) {
    d.year = std::clamp<int16_t>(d.year, 1, DvgYearsPerCycle);
    d.month = std::clamp<int16_t>(d.month, 1, 13);
    d.day = std::clamp<int16_t>(d.day, 1, static_cast<int16_t>(DvgMonthLength(d.year, d.month)));
}

bool CanStepCycle(int32_t cycle, bool forward) {
    return forward ? cycle != std::numeric_limits<int32_t>::max()
                   : cycle != std::numeric_limits<int32_t>::min();
}

// One year forward or back, wrapping into the next or previous cycle; false (nothing
// changed) when the cycle is at the end of the 32-bit range.
bool MoveYear(DvgDate& d, bool forward) {
    if (forward ? d.year == DvgYearsPerCycle : d.year == 1) {
        if (!CanStepCycle(d.cycle, forward)) return false;
        StepCycle(d.cycle, forward);
        d.year = forward ? 1 : DvgYearsPerCycle;
    } else {
        d.year = static_cast<int16_t>(d.year + (forward ? 1 : -1));
    }
    return true;
}

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

// One leading blank for a number that is not negative; a negative one keeps its "-".
std::string Signed(int64_t n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

// The number at pos: an optional "-" and the digits up to the first other character. The
// value saturates far beyond 32 bits, so any digit run can be read and then refused by range.
// Nothing when there are no digits.
std::optional<int64_t> NumberAt(const std::string& text, size_t pos) {
    const bool negative = pos < text.size() && text[pos] == '-';
    if (negative) ++pos;
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return std::nullopt;
    constexpr int64_t kCeiling = int64_t{1} << 40;  // beyond every field's range
    int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min(kCeiling, value * 10 + (text[pos] - '0'));
    return negative ? -value : value;
}

// The position just behind the first "-" at or after pos (the text is then read from there).
size_t CutAfterDash(const std::string& text, size_t pos) {
    const size_t dash = text.find('-', pos);
    return dash == std::string::npos ? text.size() : dash + 1;
}

}  // namespace

std::string DvgMonthName(int month) {
    return month >= 1 && month <= 13 ? kMonthNames[static_cast<size_t>(month)] : "";
}

bool IsShortDvgYear(int year) { return IsShort(year); }

int DvgYearLength(int year) { return IsShort(year) ? 383 : 384; }

int DvgMonthLength(int year, int month) {
    if (month < 1 || month > 13) return 0;
    if (month == 13) return IsShort(year) ? 29 : 30;
    return month % 2 == 1 ? 30 : 29;
}

bool DvgDateToJdn(DvgDate& date) {
    date.valid = false;
    date.jdn = 0;
    if (!DateExists(date)) return false;
    const int64_t jdn = (static_cast<int64_t>(date.cycle) - 1) * DvgCycleDays + DvgEpochJdn +
                        kYearStart[static_cast<size_t>(date.year - 1)] +
                        DaysBeforeMonth(date.month) + date.day - 1;
    // Cycles beyond about +-11900 have no 32-bit day number; such dates are refused rather
    // than wrapped.
    if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max())
        return false;
    date.jdn = static_cast<int32_t>(jdn);
    date.valid = true;
    return true;
}

void JdnToDvgDate(DvgDate& date) {
    const int64_t sinceEpoch = static_cast<int64_t>(date.jdn) - DvgEpochJdn;
    const int64_t k = FloorDiv(sinceEpoch, DvgCycleDays);  // within about +-11900
    int32_t n = static_cast<int32_t>(sinceEpoch - k * DvgCycleDays);  // [0, 180431]
    const auto after = std::upper_bound(kYearStart.begin(), kYearStart.end(), n);
    const int year = static_cast<int>(after - kYearStart.begin());  // [1, 470]
    n -= kYearStart[static_cast<size_t>(year - 1)];                  // [0, 383]
    // Months 1..12 come in pairs of 59 days; the 13th month takes what is left.
    int month = std::min(13, 2 * (n / 59) + 1);
    n -= DaysBeforeMonth(month);
    if (month < 13 && n >= 30) {  // the even month of the pair
        ++month;
        n -= 30;
    }
    date.cycle = static_cast<int32_t>(k + 1);
    date.year = static_cast<int16_t>(year);
    date.month = static_cast<int16_t>(month);
    date.day = static_cast<int16_t>(n + 1);
    date.valid = true;
}

bool ParseDvgDate(const std::string& text, DvgDate& date) {
    date.valid = false;
    date.jdn = 0;
    if (text.size() < 5) return false;  // "1-1-1" is the shortest date
    std::string t = StrProc::KeepChars(text, "-0123456789");
    if (t.empty() || t.back() == '-') return false;

    bool negativeCycle = false;
    int dashes = StrProc::CountOccurrences(t, "-", true);
    if (dashes == 4) {
        if (t.size() < 2 || t[0] != '-' || t[1] < '1' || t[1] > '9') return false;
        t.erase(0, 1);
        negativeCycle = true;
        dashes = 3;
    }

    DvgDate read{1, 0, 0, 0, 0, false};
    size_t pos = 0;
    if (dashes == 3) {
        // A leading "-" here would be a negative year ("-94-8-25"); cutting after it would
        // read the cycle's digits again as the year, so such a text is refused.
        if (t[0] == '-') return false;
        const std::optional<int64_t> cycle = NumberAt(t, 0);
        if (!cycle || *cycle > std::numeric_limits<int32_t>::max()) return false;
        read.cycle = static_cast<int32_t>(negativeCycle ? -*cycle : *cycle);
        pos = CutAfterDash(t, 0);
    } else if (dashes != 2) {
        return false;
    }

    int16_t* const fields[] = {&read.year, &read.month, &read.day};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) pos = CutAfterDash(t, pos);
        const std::optional<int64_t> value = NumberAt(t, pos);
        if (!value || *value < std::numeric_limits<int16_t>::min() ||
            *value > std::numeric_limits<int16_t>::max())
            return false;
        *fields[i] = static_cast<int16_t>(*value);
    }
    date = read;
    return DvgDateToJdn(date);
}

std::string FormatDvgDate(const DvgDate& date, int form) {
    const std::string cycleYear = std::to_string(date.cycle) + "-" + std::to_string(date.year);
    const std::string numbers =
        cycleYear + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day) + " DVG";
    switch (form) {
        case 1:
            return numbers;
        case 2: {
            DvgDate counted = date;
            DvgDateToJdn(counted);
            return numbers + " (" + DatePr2::WeekdayNameOfJdn(counted.jdn) + ", " +
                   DvgMonthName(date.month) + Signed(date.day) + ", " + cycleYear + ")";
        }
        case 3:
            return "The " + StrProc::OrdinalOf(date.day) + " day of " + DvgMonthName(date.month) +
                   " in the year" + Signed(date.year) + " of cycle" + Signed(date.cycle);
        default:
            return "";
    }
}

void StepDvgMonth(DvgDate& date, bool forward) {
    DvgDate moved = date;
    FitIntoCycle(moved);
    if (forward ? moved.month == 13 : moved.month == 1) {
        if (!MoveYear(moved, forward)) return;
        moved.month = forward ? 1 : 13;
    } else {
        moved.month = static_cast<int16_t>(moved.month + (forward ? 1 : -1));
    }
    FitIntoCycle(moved);  // day 30 becomes the new month's length
    date = moved;
}

void StepDvgYear(DvgDate& date, bool forward) {
    DvgDate moved = date;
    FitIntoCycle(moved);
    if (!MoveYear(moved, forward)) return;
    FitIntoCycle(moved);  // day 30 of month 13 becomes 29 in a short year
    date = moved;
}

void StepCycle(int32_t& cycle, bool forward) {
    if (CanStepCycle(cycle, forward)) cycle += forward ? 1 : -1;
}

void StepDvgCycle(DvgDate& date, bool forward) {
    DvgDate moved = date;
    FitIntoCycle(moved);
    StepCycle(moved.cycle, forward);
    date = moved;
}

}  // namespace DVGCal
