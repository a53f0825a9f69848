// The Archetypes Calendar (ARC): a lunar calendar of 12 or 13 months in a fixed 1803-year cycle.
#pragma once
#include <cstdint>
#include <string>

#include "daycalc.h"

namespace ArcCal {

constexpr int32_t ArcCycleYears = 1803;         // years in one cycle
constexpr int32_t ArcCycleDays = 658532;        // days in one cycle
constexpr int32_t ArcThirteenMonthYears = 664;  // years with a 13th month in one cycle
constexpr int32_t ArcLongYears = 350;           // years whose 10th month has 30 days in one cycle
constexpr int32_t ArcCycleOffset = 901;         // offset of both year-type tests (half of 1802)
constexpr int32_t ArcCycleStartYear = 442;      // first year of a cycle (so is 442 + 1803k)
constexpr int32_t ArcEpochJdn = 897474;         // day number of 442-01-01 ARC

// The year's place 1..1803 in its cycle (442 has place 1, 2244 place 1803). Any year.
int ArcCycleYear(int32_t year);
bool ArcHasThirteenthMonth(int32_t year);
// True when month 10 of the year has 30 days.
bool ArcHasLongTenthMonth(int32_t year);
// 354, 355, 384 or 385.
int ArcYearLength(int32_t year);
// 29 or 30; -2 for month 13 of a 12-month year; -1 for a month outside 1..13.
int ArcMonthLength(int32_t year, int month);

// Reads year, month and day. True when the date exists and its day number fits 32 bits:
// valid = 1 and jdn set; otherwise valid = 0 and jdn = 0. The calendar field is untouched.
bool ArcDateToJdn(CalendarDate& date);
// Reads jdn; fills year, month and day and sets valid = 1. Any 32-bit day number.
void JdnToArcDate(CalendarDate& date);

// Form 1 "4696-11-25 ARC", form 2 "4696-11-25 ARC (Mars Day, Dionysus 25,  4696)",
// form 4 "The 25th day of Dionysus in the year 4696"; the empty text for other forms.
std::string FormatArcDate(const CalendarDate& date, int form);

// Name of a day of the month; the ten names repeat within each month (1, 11, 21 "Sun Day").
// The empty text outside 1..30.
std::string ArcDayName(int day);
// "Apollo" .. "Persephone" for 1..13, the empty text otherwise.
std::string ArcMonthName(int month);

// One month or one year forward or back; the result always exists (the day is cut to the
// new month's length). A step that would carry the year beyond 32 bits leaves the date as is.
void StepArcMonth(CalendarDate& date, bool forward);
void StepArcYear(CalendarDate& date, bool forward);

}  // namespace ArcCal
