// Turns the date text of an entry (the part before its calendar code) into a day number,
// through the calendar the code names.
#pragma once
#include <cstdint>
#include <string>

namespace CalendarDispatch {

// For CE, JC, ARC, VO, LLT, DVG and QLW (calendar table indexes). Returns 0 and sets jdn
// when the text is an existing date; otherwise the entry error code of that calendar
// (6 CE, 7 JC, 8 ARC, 9 VO, 10 LLT, 11 DVG; 15 to 18 QLW).
int DateTextToJdn(int calendarIndex, const std::string& dateText, int32_t& jdn);

}  // namespace CalendarDispatch
