// Day numbers and dates of the Common Era (proleptic Gregorian) and the Julian Calendar:
// conversion through the date library, date and time texts, typed dates, and the present
// moment read from the clock service.
#pragma once
#include <string>

#include "daycalc.h"

class ClockService;

namespace DatePr2 {

// English month name 1..12, empty otherwise.
std::string MonthName(int month);
// English weekday name 0..6 (0 = Sunday), empty otherwise.
std::string WeekdayName(int weekday);

int32_t DateToJdn(CalendarDate& date);  // year, month, day, calendar 'G'/'J' -> jdn
void JdnToDate(CalendarDate& date);     // jdn, calendar -> year, month, day
int DayOfWeek(int32_t jdn);
std::string WeekdayNameOfJdn(int32_t jdn);

// A record for day number jdn in calendar 'G' or 'J', with its fields filled.
CalendarDate DateOfJdn(int32_t jdn, int32_t calendar);

// True when year-month-day exists in the calendar ('G' or 'J').
bool IsExistingDate(int year, int month, int day, int32_t calendar);

// "2001-12-31", "-44-03-15", "5-01-01"; years beyond +-9999 get digit groups.
std::string FormatDate(const CalendarDate& date, const std::string& separator, char group);
// "The 31st day of December in the year 2001 in the Common Era Calendar".
std::string DescribeDate(const CalendarDate& date);
// "HH:MM" for a day fraction in [0, 1); "XX:XX:XX" outside.
std::string FormatTimeOfDay(double fraction);

// Reads a typed year-month-day into a record whose calendar letter is preset.
// 1 valid, 0 not a date, -1 out of range; valid = 1 exactly on 1.
int ParseDate(const std::string& text, CalendarDate& date);

int32_t TodayJdn(const ClockService& clock);
int LocalOffsetMinutes(const ClockService& clock);  // east positive
double CurrentAjd(const ClockService& clock);

}  // namespace DatePr2
