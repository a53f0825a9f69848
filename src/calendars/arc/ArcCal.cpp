// The Archetypes Calendar: year types, conversion to and from day numbers, texts and steps.
#include "calendars/arc/ArcCal.h"

#include <algorithm>
#include <array>
#include <limits>

#include "support/StrProc.h"
#include "support/FloorDiv.h"

namespace ArcCal {

namespace {

constexpr std::array<const char*, 14> kMonthNames = {
    "",       "Apollo",  "Diana",  "Hermes", "Aphrodite", "Ares",    "Zeus",
    "Chronos", "Prometheus", "Orpheus", "Sophia", "Dionysus", "Demeter", "Persephone"};

constexpr std::array<const char*, 10> kDayNames = {
    "Sun Day",     "Mercury Day", "Venus Day",  "Earth Day",   "Mars Day",
    "Jupiter Day", "Saturn Day",  "Uranus Day", "Neptune Day", "Pluto Day"};

// The year-type tests spread the 664 thirteen-month years and the 350 long years evenly
// over the cycle, by place c in 1..1803.
constexpr bool ThirteenMonthsAtPlace(int c) {
    return (ArcThirteenMonthYears * c + ArcCycleOffset) % ArcCycleYears < ArcThirteenMonthYears;
}
constexpr bool LongAtPlace(int c) {
    return (ArcLongYears * c + ArcCycleOffset) % ArcCycleYears < ArcLongYears;
}
constexpr int YearLengthAtPlace(int c) {
    return (ThirteenMonthsAtPlace(c) ? 384 : 354) + (LongAtPlace(c) ? 1 : 0);
}

// kYearStart[c - 1] = days from the start of the cycle to the start of place c;
// kYearStart[1803] is the length of the whole cycle.
constexpr std::array<int32_t, ArcCycleYears + 1> MakeYearStarts() {
    std::array<int32_t, ArcCycleYears + 1> starts{};
    for (int c = 1; c <= ArcCycleYears; ++c) starts[c] = starts[c - 1] + YearLengthAtPlace(c);
    return starts;
}
constexpr std::array<int32_t, ArcCycleYears + 1> kYearStart = MakeYearStarts();
static_assert(kYearStart[ArcCycleYears] == ArcCycleDays, "the year types must fill the cycle");

// Place 1..1803 of the year in its cycle and the cycle number k, with
// 442 + 1803k <= year <= 2244 + 1803k. 64-bit so that no 32-bit year can overflow.
struct CyclePlace {
    int64_t cycle;
    int place;
};
CyclePlace PlaceOf(int32_t year) {
    const int64_t sinceStart = static_cast<int64_t>(year) - ArcCycleStartYear;
    return {FloorDiv(sinceStart, ArcCycleYears),
            static_cast<int>(FloorMod(sinceStart, ArcCycleYears)) + 1};
}

bool DateExists(int32_t year, int32_t month, int32_t day) {
    if (month < 1 || month > 13 || day < 1 || day > 30) return false;
    return day <= ArcMonthLength(year, month);
}

int LastMonth(int32_t year) { return ArcHasThirteenthMonth(year) ? 13 : 12; }

// Brings month and day inside the year: the step rules cut day 30 of a 29-day month to 29,
// and a month 13 that the year lacks to 12.
void FitIntoYear(CalendarDate& date) {
    date.month = std::clamp<int32_t>(date.month, 1, LastMonth(date.year));
    date.day = std::clamp<int32_t>(date.day, 1, ArcMonthLength(date.year, date.month));
}

// One year forward or back; false (nothing changed) at the ends of the 32-bit range.
bool MoveYear(int32_t& year, bool forward) {
    if (forward ? year == std::numeric_limits<int32_t>::max()
                : year == std::numeric_limits<int32_t>::min())
        return false;
    year += forward ? 1 : -1;
    return true;
}

std::string TwoDigits(int32_t n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

// One leading blank for a number that is not negative; a negative one keeps its "-".
std::string Signed(int64_t n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

}  // namespace

int ArcCycleYear(int32_t year) { return PlaceOf(year).place; }

bool ArcHasThirteenthMonth(int32_t year) { return ThirteenMonthsAtPlace(ArcCycleYear(year)); }

bool ArcHasLongTenthMonth(int32_t year) { return LongAtPlace(ArcCycleYear(year)); }

int ArcYearLength(int32_t year) { return YearLengthAtPlace(ArcCycleYear(year)); }

int ArcMonthLength(int32_t year, int month) {
    if (month < 1 || month > 13) return -1;
    if (month == 13 && !ArcHasThirteenthMonth(year)) return -2;
    if (month % 2 == 1) return 30;
    return month == 10 && ArcHasLongTenthMonth(year) ? 30 : 29;
}

bool ArcDateToJdn(CalendarDate& date) {
    date.valid = 0;
    date.jdn = 0;
    if (!DateExists(date.year, date.month, date.day)) return false;
    const CyclePlace at = PlaceOf(date.year);
    int64_t jdn = ArcEpochJdn + at.cycle * ArcCycleDays + kYearStart[at.place - 1];
    for (int m = 1; m < date.month; ++m) jdn += ArcMonthLength(date.year, m);
    jdn += date.day - 1;
    // Years far beyond any day number the program shows (about +-5.9 million) have no 32-bit
    // day number; they are treated as dates that do not exist rather than wrapped.
    if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max())
        return false;
    date.jdn = static_cast<int32_t>(jdn);
    date.valid = 1;
    return true;
}

void JdnToArcDate(CalendarDate& date) {
    const int64_t sinceEpoch = static_cast<int64_t>(date.jdn) - ArcEpochJdn;
    const int64_t cycle = FloorDiv(sinceEpoch, ArcCycleDays);  // within about +-3300
    int32_t n = static_cast<int32_t>(sinceEpoch - cycle * ArcCycleDays);  // [0, 658531]
    // The last place whose year starts on or before day n of the cycle.
    const auto after = std::upper_bound(kYearStart.begin(), kYearStart.end(), n);
    const int place = static_cast<int>(after - kYearStart.begin());  // [1, 1803]
    n -= kYearStart[place - 1];
    date.year = static_cast<int32_t>(ArcCycleStartYear + cycle * ArcCycleYears + (place - 1));
    int month = 1;
    for (int length = ArcMonthLength(date.year, month); n >= length;
         length = ArcMonthLength(date.year, ++month))
        n -= length;
    date.month = month;
    date.day = n + 1;
    date.valid = 1;
}

std::string FormatArcDate(const CalendarDate& date, int form) {
    const std::string numbers = std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" +
                                TwoDigits(date.day) + " ARC";
    switch (form) {
        case 1:
            return numbers;
        case 2:
            return numbers + " (" + ArcDayName(date.day) + ", " + ArcMonthName(date.month) +
                   Signed(date.day) + ", " + Signed(date.year) + ")";
        case 4:
            return "The " + StrProc::OrdinalOf(date.day) + " day of " + ArcMonthName(date.month) +
                   " in the year" + Signed(date.year);
        default:
            return "";
    }
}

std::string ArcDayName(int day) {
    if (day < 1 || day > 30) return "";
    return kDayNames[static_cast<size_t>((day - 1) % 10)];
}

std::string ArcMonthName(int month) {
    return month >= 1 && month <= 13 ? kMonthNames[static_cast<size_t>(month)] : "";
}

void StepArcMonth(CalendarDate& date, bool forward) {
    CalendarDate moved = date;
    FitIntoYear(moved);  // a date that does not exist is first brought into its year
    if (forward) {
        if (moved.month < LastMonth(moved.year)) {
            ++moved.month;
        } else {
            if (!MoveYear(moved.year, true)) return;
            moved.month = 1;
        }
    } else {
        if (moved.month > 1) {
            --moved.month;
        } else {
            if (!MoveYear(moved.year, false)) return;
            moved.month = LastMonth(moved.year);
        }
    }
    FitIntoYear(moved);
    date = moved;
}

void StepArcYear(CalendarDate& date, bool forward) {
    CalendarDate moved = date;
    if (!MoveYear(moved.year, forward)) return;
    FitIntoYear(moved);
    date = moved;
}

}  // namespace ArcCal
