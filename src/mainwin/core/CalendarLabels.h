// The date label of a day in each of the five lunar and solilunar calendars.
#pragma once
#include <cstdint>

#include "mainwin/core/DateDisplay.h"

namespace CalendarLabels {

// Short text (form 1), caption (the long form) and tool tip (the description) of day number
// jdn in the calendar of the given table index (ARC, VO, LLT, DVG or QLW).
DateLabel LabelOfDay(int calendarIndex, int32_t jdn);

}  // namespace CalendarLabels
