#include "daycalc.h"

#include <string.h>
#include <time.h>

#include "support/FloorDiv.h"

static int is_gregorian_leap(int64_t y) {
    return (floor_mod(y, 4) == 0 && floor_mod(y, 100) != 0) || floor_mod(y, 400) == 0;
}

static int is_julian_leap(int64_t y) { return floor_mod(y, 4) == 0; }

static int month_length(int64_t year, int month, int gregorian) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return 28 + (gregorian ? is_gregorian_leap(year) : is_julian_leap(year));
    return lengths[month - 1];
}

/* Days are counted from a March-based year so that the leap day ends the year: month
 * index 0 is March, 11 is February; 153 days cover five months (the 31/30 pattern). */
static int64_t date_to_day_number(int64_t year, int64_t month, int64_t day, int gregorian) {
    const int64_t a = month <= 2 ? 1 : 0;
    const int64_t y = year - a;
    const int64_t m = month + 12 * a - 3; /* [0, 11] */
    int64_t days = day + floor_div(153 * m + 2, 5) + 365 * y + floor_div(y, 4);
    if (gregorian)
        return days - floor_div(y, 100) + floor_div(y, 400) + 1721119;
    return days + 1721117;
}

int32_t euro_date_to_jdn(CalendarDate* date) {
    const int gregorian = date->calendar != DAYCALC_JULIAN;
    date->jdn = (int32_t)date_to_day_number(date->year, date->month, date->day, gregorian);
    return date->jdn;
}

int32_t jdn_to_euro_date(CalendarDate* date) {
    const int gregorian = date->calendar != DAYCALC_JULIAN;
    int64_t y, doy;
    if (gregorian) {
        /* Eras of 400 years (146097 days) counted from 0000-03-01 (day number 1721120). */
        const int64_t z = (int64_t)date->jdn - 1721120;
        const int64_t era = floor_div(z, 146097);
        const int64_t doe = z - era * 146097;                                     /* [0, 146096] */
        const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; /* [0, 399] */
        y = yoe + era * 400;
        doy = doe - (365 * yoe + yoe / 4 - yoe / 100); /* [0, 365] */
    } else {
        /* Cycles of 4 years (1461 days) counted from 0000-03-01 Julian (day number 1721118). */
        const int64_t z = (int64_t)date->jdn - 1721118;
        const int64_t cycle = floor_div(z, 1461);
        const int64_t doc = z - cycle * 1461;        /* [0, 1460] */
        const int64_t yoc = (doc - doc / 1460) / 365; /* [0, 3] */
        y = yoc + cycle * 4;
        doy = doc - 365 * yoc;
    }
    const int64_t mp = (5 * doy + 2) / 153; /* [0, 11], March-based */
    date->day = (int32_t)(doy - (153 * mp + 2) / 5 + 1);
    date->month = (int32_t)(mp < 10 ? mp + 3 : mp - 9);
    date->year = (int32_t)(y + (date->month <= 2 ? 1 : 0));
    return 0;
}

int32_t euro_day_of_week(int32_t jdn) { return (int32_t)floor_mod((int64_t)jdn + 1, 7); }

/* Reads digits at *p into *value; returns 0 when there are none, -5 when too many. */
static int read_number(const char** p, int64_t* value) {
    int count = 0;
    *value = 0;
    while (**p >= '0' && **p <= '9') {
        if (++count > 9) return -5;
        *value = *value * 10 + (**p - '0');
        ++*p;
    }
    return count > 0 ? 1 : 0;
}

int32_t str_to_date(char* text, int32_t order, CalendarDate* date, int32_t calendar) {
    if (text == 0 || date == 0 || order != 2) return -1;
    const char* p = text;
    int negative = 0;
    if (*p == '-') {
        negative = 1;
        ++p;
    }
    int64_t fields[3];
    for (int i = 0; i < 3; ++i) {
        const int r = read_number(&p, &fields[i]);
        if (r < 0) return -5;
        if (r == 0) return -1;
        if (i < 2) {
            if (*p != '-') return -1;
            ++p;
        }
    }
    if (*p != '\0') return -1;
    const int64_t year = negative ? -fields[0] : fields[0];
    if (year < -1000000 || year > 1000000) return -5;
    const int64_t month = fields[1], day = fields[2];
    if (calendar == DAYCALC_GREGORIAN || calendar == DAYCALC_JULIAN) {
        if (month < 1 || month > 12 || day < 1) return -1;
        if (day > month_length(year, (int)month, calendar == DAYCALC_GREGORIAN)) return -1;
    } else if (calendar != DAYCALC_ARCHETYPES) {
        return -1;
    }
    date->year = (int32_t)year;
    date->month = (int32_t)month;
    date->day = (int32_t)day;
    date->calendar = calendar;
    return 0;
}

void separate_thousands(const char* digits, int32_t separator, char* out) {
    enum { capacity = 20 };
    size_t used = 0;
    if (digits == 0) {
        out[0] = '\0';
        return;
    }
    if (*digits == '-') {
        out[used++] = '-';
        ++digits;
    }
    const size_t count = strlen(digits);
    for (size_t i = 0; i < count && used < capacity - 1; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            out[used++] = (char)separator;
            if (used >= capacity - 1) break;
        }
        out[used++] = digits[i];
    }
    out[used] = '\0';
}

int32_t get_timezone(void) {
    const time_t now = time(0);
    struct tm local;
    if (localtime_r(&now, &local) == 0) return 0;
    return (int32_t)-local.tm_gmtoff;
}
