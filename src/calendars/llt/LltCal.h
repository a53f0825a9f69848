// The program's side of the Lunar Liberalia Triday calendar: typed dates, day numbers, day and
// month names, date texts and moves by one month or one year, over the tridaycalc library.
#pragma once
#include <cstdint>
#include <string>

#include "calendars/llt/tridaycalc.h"

namespace LltCal {

// Years in an LLT cycle and tridays of month 6.
constexpr int LltYearsPerCycle = 384;
constexpr int LltTridaysInSixthMonth = 9;

// Reads "cycle-year-month-triday-day" or "year-month-triday-day" (the text before the code
// "LLT"): three '-' give the short form, four or five the long form, any other count fails.
bool ParseLltDate(const std::string& text, LltDate& date);
// True with jdn set when the date exists; false otherwise, jdn untouched.
bool LltDateToJdn(LltDate& date);
// Fills cycle, year, month, triday and day from jdn.
void JdnToLltDate(LltDate& date);

// "Sophiesday", "Zoesday", "Norasday" for 1..3, empty otherwise.
std::string LltDayName(int day);
// "Armedon" .. "Eleleth" for 1..12, empty otherwise.
std::string LltMonthName(int month);
// As LltMonthName, but month 7 is "Mellephan.".
std::string LltShortMonthName(int month);

// Form 1 "8-123-07-05-2 LLT", form 2 "8-123-07-05-2 LLT (Zoesday 5 Mellephaneus 123)",
// form 3 "Zoesday in the 5th triday of Mellephaneus in the year 123, Cycle 8"; cycle 0 has no
// cycle part. Any other form gives "".
std::string FormatLltDate(const LltDate& date, int form);

// After a step: month 6 holds at most LltTridaysInSixthMonth tridays and month 12 as many as
// the library gives for the year; a triday beyond that becomes the last one, on its day 3.
void LimitLltTriday(LltDate& date);

// One month or one year forward or back, then the triday limited (a move past the last
// 32-bit cycle leaves the date as it was).
void StepLltMonth(LltDate& date, bool forward);
void StepLltYear(LltDate& date, bool forward);
// The cycle number one up or down, the other fields unchanged (held at the 32-bit ends).
void StepLltCycle(LltDate& date, bool forward);

}  // namespace LltCal
