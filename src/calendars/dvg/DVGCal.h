// The Dunhale-Varnel Goddess Calendar (DVG): 13 lunar months a year, 470-year cycles.
#pragma once
#include <cstdint>
#include <string>

namespace DVGCal {

constexpr int32_t DvgEpochJdn = 2415611;     // day number of 1-1-01-01 DVG (1901-08-14 CE)
constexpr int32_t DvgCycleDays = 180432;     // days in one cycle
constexpr int32_t DvgYearsPerCycle = 470;    // years in one cycle

struct DvgDate {
    int32_t cycle;  // any number; cycle 1 starts at DvgEpochJdn
    int16_t year;   // 1..470
    int16_t month;  // 1..13
    int16_t day;    // 1..30
    int32_t jdn;    // day number
    bool valid;
};

// "Athena" .. "Maria" for 1..13, the empty text otherwise.
std::string DvgMonthName(int month);

// True when the year number is a multiple of 10 or of 235.
bool IsShortDvgYear(int year);
// 383 for a short year, else 384.
int DvgYearLength(int year);
// Months 1..12: 30 when odd, 29 when even; month 13: 29 in a short year, else 30.
// 0 for a month outside 1..13.
int DvgMonthLength(int year, int month);

// True when the date exists and its day number fits 32 bits: valid and jdn set;
// otherwise valid = false and jdn = 0.
bool DvgDateToJdn(DvgDate& date);
// Reads jdn (any 32-bit day number); fills cycle, year, month and day; valid = true.
void JdnToDvgDate(DvgDate& date);

// Reads a typed "cycle-year-month-day" or "year-month-day" (cycle 1); blanks and letters are
// dropped first. True when the text holds an existing date; the record is then filled.
// Otherwise false with valid = false and jdn = 0.
bool ParseDvgDate(const std::string& text, DvgDate& date);

// Form 1 "1-94-08-25 DVG", form 2 "1-94-08-25 DVG (Saturday, Hathor 25, 1-94)",
// form 3 "The 25th day of Hathor in the year 94 of cycle 1"; the empty text for other forms.
std::string FormatDvgDate(const DvgDate& date, int form);

// One month or one year forward or back, across years and cycles; the day is cut to the
// new month's length, so the result exists (a date that did not exist is first fitted).
void StepDvgMonth(DvgDate& date, bool forward);
void StepDvgYear(DvgDate& date, bool forward);
// The cycle number of a DVG, VO or LLT date, one up or down; it stays at the ends of the
// 32-bit range instead of wrapping.
void StepCycle(int32_t& cycle, bool forward);
// The date one cycle on or back (year lengths depend on the year in the cycle alone, so the
// date exists in the new cycle too).
void StepDvgCycle(DvgDate& date, bool forward);

}  // namespace DVGCal
