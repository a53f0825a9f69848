/* tridaycalc: the Lunar Liberalia Triday calendar rules as a C-callable library.
 *
 * The calendar is lunar and counts whole tridays (groups of three days: 1 Sophiesday,
 * 2 Zoesday, 3 Norasday), so every month starts on a Sophiesday and ends on a Norasday.
 *
 *  - Months 1 to 5 and 7 to 11 have 10 tridays (30 days); month 6 has 9 tridays (27 days);
 *    month 12 has 9 tridays, or 10 in a long year. A year thus has 354 or 357 days, close to
 *    twelve synodic months (354.367 days).
 *  - Year y (1 to 384) of a cycle is long when (47 y + 48) mod 384 < 47. The 47 long years
 *    are spread as evenly as possible over the cycle, which then has 384 x 354 + 47 x 3 =
 *    136077 days and 4608 months: a mean month of 29.530599 days, close to the mean synodic
 *    month. The rule also holds for any year number, so year y and year y + 384 agree.
 *  - Years are numbered A = 384 x cycle + year. Day number 2408318 (in 1881 CE) is cycle 0,
 *    year 1, month 1, triday 1, day 1; cycles before it are negative.
 *
 * A date exists when its fields are in range and its day number fits in 32 bits. No function
 * reads or writes outside its arguments, overflows or throws, whatever the input. */
#ifndef SELVANOR_TRIDAYCALC_H
#define SELVANOR_TRIDAYCALC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Seven signed 32-bit fields in this order; callers rely on the layout. */
typedef struct LltDate {
    int32_t cycle;    /* any cycle number; 0 is the cycle of the epoch */
    int32_t year;     /* year in the cycle, 1 to 384 */
    int32_t month;    /* 1 to 12 */
    int32_t triday;   /* 1 to 10 (9 in month 6; 9 or 10 in month 12) */
    int32_t day;      /* day of the triday, 1 to 3 */
    int32_t reserved; /* not used */
    int32_t jdn;      /* day number (Julian day number of the civil day) */
} LltDate;

/* Reads "year-month-triday-day" (four decimal numbers separated by '-', blanks ignored, each
 * within 32 bits) into year, month, triday and day, and sets cycle = 0; returns 1. Anything
 * else returns 0 and leaves the record alone. The fields are not checked here. */
int32_t parse_short_lunar_ltc_date(const char* text, LltDate* date);

/* Reads "cycle-year-month-triday-day" with an optional '-' before the cycle, otherwise as
 * parse_short_lunar_ltc_date; returns 1 on success, 0 otherwise. */
int32_t parse_long_lunar_ltc_date(const char* text, LltDate* date);

/* 1 when cycle, year, month, triday and day form an existing date, else 0. */
int32_t ltclunar_valid(LltDate* date);

/* For an existing date sets jdn and returns 1; otherwise returns 0 with jdn untouched. */
int32_t ltclunar_to_jdn(LltDate* date);

/* From jdn (any 32-bit value) sets cycle, year, month, triday and day; returns 1. */
int32_t jdn_to_ltclunar(LltDate* date);

/* 10 when year (any number, read within its cycle) is long, else 9. */
int32_t num_tridays_in_12th_month(int32_t year);

#ifdef __cplusplus
}
#endif

#endif
