/* solicalc: the Varnel-Ostrik Solilunar calendar rules as a C-callable library.
 *
 * The calendar is lunisolar: its months follow the mean Moon and its years the mean Sun, so
 * that a date never drifts against either, and both are simple closed formulas that any other
 * implementation can reproduce to the day.
 *
 *  - Mean new moon of lunation n, a Greenwich Julian date:
 *        C(n) = 2451550.09766 + 29.530588861 n
 *    (lunation 0 is the mean new moon of 2000-01-06; 29.530588861 days is the mean synodic
 *    month).
 *  - Month n begins on day number S(n) = floor(C(n) + 0.5) + 1: the day after the civil day
 *    of the mean new moon, the first day on which the crescent can be expected. A month
 *    therefore has 29 or 30 days.
 *  - Mean March equinox of Gregorian year y, a Greenwich Julian date:
 *        Q(y) = 2451623.80984 + 365.2421897 (y - 2000)
 *    (the mean equinox of 2000 and the mean tropical year).
 *  - Years are numbered A = 60 x cycle + year, year 1 to 60. Year A begins with the first
 *    month n whose S(n) is at or after floor(Q(A - 4246) + 0.5), the civil day of the mean
 *    equinox, and runs until the next year's first month: 12 or 13 months. Cycle 104, year 6
 *    (A = 6246) is the year that begins in the spring of 2000 CE.
 *
 * Both formulas are evaluated in double exactly as written (no fused multiply-add), so the
 * results agree to the day with any straightforward implementation of them.
 *
 * Domain: years A with |A| <= 6,000,000, which holds every day number that fits in 32 bits.
 * A date exists when its fields are in range and its day number fits in 32 bits. No function
 * reads or writes outside its arguments, overflows or throws, whatever the input. */
#ifndef SELVANOR_SOLICALC_H
#define SELVANOR_SOLICALC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Eight signed 32-bit fields in this order; callers rely on the layout. */
typedef struct VoDate {
    int32_t cycle;     /* any cycle number; negative cycles lie before cycle 0 */
    int32_t year;      /* year in the cycle, 1 to 60 */
    int32_t month;     /* 1 to 12, or 13 in a long year */
    int32_t day;       /* 1 to 29 or 30 */
    int32_t valid;     /* set by voslcdate_to_jdn: 1 for an existing date, else 0 */
    int32_t reserved1; /* not used */
    int32_t reserved2; /* not used */
    int32_t jdn;       /* day number (Julian day number of the civil day) */
} VoDate;

/* Reads "cycle-year-month-day": four decimal numbers separated by '-', an optional '-' before
 * the cycle, blanks (space, tab) ignored anywhere, each number within 32 bits. On success sets
 * cycle, year, month and day (nothing else) and returns 1; anything else returns 0 and leaves
 * the record alone. The fields are not checked against the calendar here. */
int32_t voslc_datestr_to_voslc_date(const char* text, VoDate* date);

/* From cycle, year (1 to 60), month and day: valid = 1 and jdn set when the date exists,
 * returning 1; otherwise valid = 0, jdn untouched, returning 0. */
int32_t voslcdate_to_jdn(VoDate* date);

/* From jdn (any 32-bit value): sets cycle, year, month and day and valid = 1; returns 1. */
int32_t jdn_to_voslcdate(VoDate* date);

/* 1 when year A = 60 x cycle + year has 13 months, 0 when it has 12 or lies outside the
 * domain. year need not lie in 1..60. */
int32_t is_long_voslc_year(int32_t year, int32_t cycle);

/* Days (29 or 30) of month `month` of year A = 60 x cycle + year of the record; 0 when the
 * month does not exist in that year or the year lies outside the domain. Reads only cycle,
 * year and month. */
int32_t vomonth_length(VoDate* date);

#ifdef __cplusplus
}
#endif

#endif
