// The first days of the months of a calendar of months over a span of days, read from the
// calendar modules through their descriptors: the calendar export writes one event for each.
#pragma once
#include <cstdint>
#include <vector>

#include "calendars/descriptor/CalendarDescriptor.h"

namespace Ics {

// For QLW, whose days begin at 06:00, firstDay is the QLW day number: that of the civil day on
// whose 06:00 the month begins.
using MonthStart = CalendarMonth;

// Every month of the calendar (an index of the calendar table whose descriptor has months)
// whose first day lies in [firstDay, lastDay], in order; empty for any other calendar or an
// empty span.
std::vector<MonthStart> MonthStarts(int calendar, int32_t firstDay, int32_t lastDay);

}  // namespace Ics
