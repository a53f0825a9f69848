// The program's side of the Varnel-Ostrik Solilunar calendar: typed dates, day numbers, month
// names, date texts and moves by one month or one year, over the solicalc library.
#pragma once
#include <cstdint>
#include <string>

#include "calendars/vo/solicalc.h"

namespace VoCal {

// Years in a VO cycle.
constexpr int VoYearsPerCycle = 60;

// Reads "cycle-year-month-day" (the text before the code "VO"); true when it was read.
bool ParseVoDate(const std::string& text, VoDate& date);
// True, with valid = 1 and jdn set, when the date exists; false otherwise (jdn untouched).
bool VoDateToJdn(VoDate& date);
// Fills cycle, year, month and day from jdn.
void JdnToVoDate(VoDate& date);

// 13 for a long year, else 12.
int VoMonthsInYear(int32_t year, int32_t cycle);
// Days of the date's month (29 or 30); 0 when that month does not exist.
int VoMonthLength(const VoDate& date);
// "Navoreth" .. "Zorathel" for 1..13, empty otherwise.
std::string VoMonthName(int month);

// Form 1 "104-06-07-29 VO", form 2 "104-06-07-29 VO (Tirvane 29, 104-6)",
// form 4 "The 29th day of Tirvane in the year 6, cycle 104"; any other form gives "".
std::string FormatVoDate(const VoDate& date, int form);

// One month or one year forward or back, month and day clamped so the result exists
// (a move past the last 32-bit cycle leaves the date as it was).
void StepVoMonth(VoDate& date, bool forward);
void StepVoYear(VoDate& date, bool forward);
// The cycle number one up or down, the other fields kept where the date exists and fitted as
// a year step fits them where it does not.
void StepVoCycle(VoDate& date, bool forward);

}  // namespace VoCal
