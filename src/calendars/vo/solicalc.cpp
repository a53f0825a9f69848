// The Varnel-Ostrik Solilunar calendar rules: mean-Moon months inside mean-Sun years.
#include "calendars/vo/solicalc.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include "support/DashedNumbers.h"
#include "support/FloorDiv.h"

static_assert(sizeof(VoDate) == 32, "VoDate is eight 32-bit fields");
static_assert(offsetof(VoDate, cycle) == 0 && offsetof(VoDate, year) == 4 &&
                  offsetof(VoDate, month) == 8 && offsetof(VoDate, day) == 12 &&
                  offsetof(VoDate, valid) == 16 && offsetof(VoDate, reserved1) == 20 &&
                  offsetof(VoDate, reserved2) == 24 && offsetof(VoDate, jdn) == 28,
              "VoDate field offsets are fixed by its callers");

namespace {

// Mean new moon of lunation 0 (2000-01-06, Greenwich Julian date) and the mean synodic month.
constexpr double kNewMoonEpoch = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;
// Mean March equinox of 2000 (Greenwich Julian date) and the mean tropical year.
constexpr double kEquinoxEpoch = 2451623.80984;
constexpr double kTropicalYear = 365.2421897;
// Year A = 60 x cycle + year falls in Gregorian year A - 4246, so cycle 104, year 6 is 2000.
constexpr int64_t kYearOffset = 4246;
constexpr int64_t kYearsPerCycle = 60;
// Years handled: |A| <= 6e6 covers every 32-bit day number (|jdn| < 2^31 is within about
// 5.89e6 years of the epoch) and keeps every intermediate far inside double's exact range.
constexpr int64_t kMaxAbsYear = 6000000;

// C(n) and S(n). |n| stays below about 7.5e7, so C(n) is below 2.3e9 in magnitude.
int64_t MonthStart(int64_t n) {
    const double meanNewMoon = kNewMoonEpoch + kSynodicMonth * static_cast<double>(n);
    return static_cast<int64_t>(std::floor(meanNewMoon + 0.5)) + 1;
}

// floor(Q(A - 4246) + 0.5): the civil day of the mean March equinox that opens year A.
int64_t EquinoxDay(int64_t a) {
    const double meanEquinox =
        kEquinoxEpoch + kTropicalYear * static_cast<double>(a - kYearOffset - 2000);
    return static_cast<int64_t>(std::floor(meanEquinox + 0.5));
}

// The month n containing day number jdn: S(n) <= jdn < S(n + 1). The estimate is off by at
// most one month, so the corrections run a step or two.
int64_t MonthOfDay(int64_t jdn) {
    int64_t n = static_cast<int64_t>(
        std::floor((static_cast<double>(jdn) - 1.0 - kNewMoonEpoch) / kSynodicMonth));
    while (MonthStart(n) > jdn) --n;
    while (MonthStart(n + 1) <= jdn) ++n;
    return n;
}

// The year A containing a day: the largest A with EquinoxDay(A) <= day.
int64_t YearOfDay(int64_t day) {
    int64_t a = static_cast<int64_t>(
                    std::floor((static_cast<double>(day) - kEquinoxEpoch) / kTropicalYear)) +
                kYearOffset + 2000;
    while (EquinoxDay(a) > day) --a;
    while (EquinoxDay(a + 1) <= day) ++a;
    return a;
}

// The first month of year A: the smallest n with S(n) >= EquinoxDay(A).
int64_t FirstMonthOfYear(int64_t a) {
    const int64_t equinox = EquinoxDay(a);
    int64_t n = static_cast<int64_t>(
        std::ceil((static_cast<double>(equinox) - 1.0 - kNewMoonEpoch) / kSynodicMonth));
    while (MonthStart(n) < equinox) ++n;
    while (MonthStart(n - 1) >= equinox) --n;
    return n;
}

bool InDomain(int64_t a) { return a >= -kMaxAbsYear && a <= kMaxAbsYear; }

int64_t YearNumber(int32_t year, int32_t cycle) {
    return kYearsPerCycle * static_cast<int64_t>(cycle) + year;  // |.| < 1.3e11
}

}  // namespace

extern "C" {

int32_t voslc_datestr_to_voslc_date(const char* text, VoDate* date) {
    int32_t value[4];
    if (date == nullptr || !ReadDashedNumbers(text, 4, true, value)) return 0;
    date->cycle = value[0];
    date->year = value[1];
    date->month = value[2];
    date->day = value[3];
    return 1;
}

int32_t voslcdate_to_jdn(VoDate* date) {
    if (date == nullptr) return 0;
    date->valid = 0;
    if (date->year < 1 || date->year > kYearsPerCycle) return 0;
    const int64_t a = YearNumber(date->year, date->cycle);
    if (!InDomain(a)) return 0;
    const int64_t first = FirstMonthOfYear(a);
    const int64_t months = FirstMonthOfYear(a + 1) - first;  // 12 or 13
    if (date->month < 1 || date->month > months) return 0;
    const int64_t n = first + date->month - 1;
    const int64_t start = MonthStart(n);
    if (date->day < 1 || date->day > MonthStart(n + 1) - start) return 0;
    const int64_t jdn = start + date->day - 1;
    if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max())
        return 0;
    date->jdn = static_cast<int32_t>(jdn);
    date->valid = 1;
    return 1;
}

int32_t jdn_to_voslcdate(VoDate* date) {
    if (date == nullptr) return 0;
    const int64_t n = MonthOfDay(date->jdn);
    const int64_t a = YearOfDay(MonthStart(n));  // within 5.9e6 of the epoch year
    const int64_t cycle = FloorDiv(a - 1, kYearsPerCycle);
    date->cycle = static_cast<int32_t>(cycle);
    date->year = static_cast<int32_t>(a - kYearsPerCycle * cycle);  // [1, 60]
    date->month = static_cast<int32_t>(n - FirstMonthOfYear(a) + 1);  // [1, 13]
    date->day = static_cast<int32_t>(date->jdn - MonthStart(n) + 1);  // [1, 30]
    date->valid = 1;
    return 1;
}

int32_t is_long_voslc_year(int32_t year, int32_t cycle) {
    const int64_t a = YearNumber(year, cycle);
    if (!InDomain(a)) return 0;
    return FirstMonthOfYear(a + 1) - FirstMonthOfYear(a) == 13 ? 1 : 0;
}

int32_t vomonth_length(VoDate* date) {
    if (date == nullptr) return 0;
    const int64_t a = YearNumber(date->year, date->cycle);
    if (!InDomain(a)) return 0;
    const int64_t first = FirstMonthOfYear(a);
    if (date->month < 1 || date->month > FirstMonthOfYear(a + 1) - first) return 0;
    const int64_t n = first + date->month - 1;
    return static_cast<int32_t>(MonthStart(n + 1) - MonthStart(n));
}

}  // extern "C"
