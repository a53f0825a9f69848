// The Lunar Liberalia Triday calendar rules: twelve months of whole tridays, 47 long years in 384.
#include "calendars/llt/tridaycalc.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include "support/DashedNumbers.h"
#include "support/FloorDiv.h"

static_assert(sizeof(LltDate) == 28, "LltDate is seven 32-bit fields");
static_assert(offsetof(LltDate, cycle) == 0 && offsetof(LltDate, year) == 4 &&
                  offsetof(LltDate, month) == 8 && offsetof(LltDate, triday) == 12 &&
                  offsetof(LltDate, day) == 16 && offsetof(LltDate, reserved) == 20 &&
                  offsetof(LltDate, jdn) == 24,
              "LltDate field offsets are fixed by its callers");

namespace {

constexpr int64_t kEpochJdn = 2408318;      // cycle 0, year 1, month 1, triday 1, day 1 (1881 CE)
constexpr int64_t kYearsPerCycle = 384;
constexpr int64_t kLongYearsPerCycle = 47;
constexpr int64_t kLongYearPhase = 48;      // places the long years: (47 y + 48) mod 384 < 47
constexpr int64_t kShortYearDays = 354;  // twelve 30-day months less a triday in months 6 and 12
constexpr int64_t kCycleDays = kYearsPerCycle * kShortYearDays + 3 * kLongYearsPerCycle;  // 136077
// Days of the year before month 6 (five 30-day months) and before month 7 (and the 27-day month 6).
constexpr int64_t kSixthMonthStart = 5 * 30;
constexpr int64_t kSeventhMonthStart = kSixthMonthStart + 27;

// Long years among years 1..k of a cycle: a year is long exactly when floor((47 y + 48) / 384)
// steps up from y - 1 to y, and that floor is 0 at y = 0. Valid for any k >= 0.
int64_t LongYearsThrough(int64_t k) {
    return FloorDiv(kLongYearsPerCycle * k + kLongYearPhase, kYearsPerCycle);
}

// Days of the cycle before year y (1..385).
int64_t DaysBeforeYear(int64_t y) {
    return kShortYearDays * (y - 1) + 3 * LongYearsThrough(y - 1);  // a long year adds one triday
}

// Days of the year before month m (1..12).
int64_t DaysBeforeMonth(int64_t m) {
    return m <= 6 ? 30 * (m - 1) : kSeventhMonthStart + 30 * (m - 7);
}

int64_t TridaysInMonth(int64_t month, int32_t year) {
    if (month == 6) return 9;
    if (month == 12) return num_tridays_in_12th_month(year);
    return 10;
}

// The day number of the record's date, or false when the date does not exist.
bool DayNumber(const LltDate& d, int64_t& jdn) {
    if (d.year < 1 || d.year > kYearsPerCycle || d.month < 1 || d.month > 12) return false;
    if (d.triday < 1 || d.triday > TridaysInMonth(d.month, d.year)) return false;
    if (d.day < 1 || d.day > 3) return false;
    jdn = kEpochJdn + kCycleDays * static_cast<int64_t>(d.cycle) + DaysBeforeYear(d.year) +
          DaysBeforeMonth(d.month) + 3 * (d.triday - 1) + (d.day - 1);  // |.| < 3e14
    return jdn >= std::numeric_limits<int32_t>::min() && jdn <= std::numeric_limits<int32_t>::max();
}

}  // namespace

extern "C" {

int32_t parse_short_lunar_ltc_date(const char* text, LltDate* date) {
    int32_t f[4];
    if (date == nullptr || !ReadDashedNumbers(text, 4, false, f)) return 0;
    date->cycle = 0;
    date->year = f[0];
    date->month = f[1];
    date->triday = f[2];
    date->day = f[3];
    return 1;
}

int32_t parse_long_lunar_ltc_date(const char* text, LltDate* date) {
    int32_t f[5];
    if (date == nullptr || !ReadDashedNumbers(text, 5, true, f)) return 0;
    date->cycle = f[0];
    date->year = f[1];
    date->month = f[2];
    date->triday = f[3];
    date->day = f[4];
    return 1;
}

int32_t ltclunar_valid(LltDate* date) {
    int64_t jdn = 0;
    return date != nullptr && DayNumber(*date, jdn) ? 1 : 0;
}

int32_t ltclunar_to_jdn(LltDate* date) {
    int64_t jdn = 0;
    if (date == nullptr || !DayNumber(*date, jdn)) return 0;
    date->jdn = static_cast<int32_t>(jdn);
    return 1;
}

int32_t jdn_to_ltclunar(LltDate* date) {
    if (date == nullptr) return 0;
    const int64_t days = static_cast<int64_t>(date->jdn) - kEpochJdn;
    const int64_t cycle = FloorDiv(days, kCycleDays);  // |.| < 15800
    const int64_t inCycle = days - cycle * kCycleDays;  // [0, 136076]
    // Mean-year estimate, off by at most one year; the corrections settle it.
    int64_t year = inCycle * kYearsPerCycle / kCycleDays + 1;
    while (year > 1 && DaysBeforeYear(year) > inCycle) --year;
    while (year < kYearsPerCycle && DaysBeforeYear(year + 1) <= inCycle) ++year;
    const int64_t inYear = inCycle - DaysBeforeYear(year);  // [0, 356]
    int64_t month = 0, inMonth = 0;
    if (inYear < kSeventhMonthStart) {
        month = inYear < kSixthMonthStart ? inYear / 30 + 1 : 6;
        inMonth = inYear - DaysBeforeMonth(month);
    } else {
        month = (inYear - kSeventhMonthStart) / 30 + 7;  // [7, 12]
        inMonth = inYear - DaysBeforeMonth(month);       // [0, 29]
    }
    date->cycle = static_cast<int32_t>(cycle);
    date->year = static_cast<int32_t>(year);
    date->month = static_cast<int32_t>(month);
    date->triday = static_cast<int32_t>(inMonth / 3 + 1);
    date->day = static_cast<int32_t>(inMonth % 3 + 1);
    return 1;
}

int32_t num_tridays_in_12th_month(int32_t year) {
    const int64_t phase = (kLongYearsPerCycle * year + kLongYearPhase) % kYearsPerCycle;
    const int64_t r = phase < 0 ? phase + kYearsPerCycle : phase;  // [0, 383]
    return r < kLongYearsPerCycle ? 10 : 9;
}

}  // extern "C"
