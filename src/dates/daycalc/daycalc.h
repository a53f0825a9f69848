/* daycalc: day numbers and Common Era / Julian Calendar dates, digit grouping and the local
 * time zone, as a C-callable library. Day numbers are Julian day numbers of civil days
 * (2451545 is 2000-01-01 CE). Arithmetic is exact integer arithmetic with floor division;
 * every date of years -1,000,000 to 1,000,000 converts in both directions. */
#ifndef SELVANOR_DAYCALC_H
#define SELVANOR_DAYCALC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Six signed 32-bit fields, in this order; the layout is shared with callers. */
typedef struct CalendarDate {
    int32_t year;     /* ISO 8601 numbering: year 0 exists */
    int32_t month;    /* 1 to 12 */
    int32_t day;      /* 1 to 31 */
    int32_t calendar; /* 'G' Common Era, 'J' Julian Calendar, 'R' Archetypes fields */
    int32_t jdn;      /* day number */
    int32_t valid;    /* set by the caller's parser */
} CalendarDate;

/* Calendar letters. */
#define DAYCALC_GREGORIAN 71 /* 'G' */
#define DAYCALC_JULIAN 74    /* 'J' */
#define DAYCALC_ARCHETYPES 82 /* 'R' */

/* Reads year, month, day and calendar ('G' or 'J'); writes jdn and returns it. */
int32_t euro_date_to_jdn(CalendarDate* date);

/* Reads jdn and calendar ('G' or 'J'); writes year, month and day. Returns 0. */
int32_t jdn_to_euro_date(CalendarDate* date);

/* 0 to 6, 0 = Sunday. */
int32_t euro_day_of_week(int32_t jdn);

/* Splits "[-]year-month-day" (order 2, the only one supported). Returns 0 for a date
 * (year, month, day and calendar set; for 'G' and 'J' the day must exist in its month,
 * for 'R' only the numbers are split), -5 when a number is out of range (|year| above
 * 1,000,000, or a field too long), -1 for anything else. The text is not changed. */
int32_t str_to_date(char* text, int32_t order, CalendarDate* date, int32_t calendar);

/* Writes digits (an optional leading '-' then decimal digits) into out with the separator
 * between groups of three. out holds 20 characters; the result is cut to 19 and always
 * NUL-terminated. */
void separate_thousands(const char* digits, int32_t separator, char* out);

/* Seconds to add to local time to obtain GMT for the present moment (positive west of
 * Greenwich), daylight saving time included. */
int32_t get_timezone(void);

#ifdef __cplusplus
}
#endif

#endif
