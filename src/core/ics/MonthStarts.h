// The first days of the months of the lunar calendars (ARC, VO, LLT, DVG, QLW) over a span of
// days, read from the calendar modules themselves: the calendar export writes one event for
// each.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Ics {

struct MonthStart {
    // The day number of the month's first day; for QLW, whose days begin at 06:00, the QLW day
    // number, which is that of the civil day on whose 06:00 it begins.
    int32_t firstDay = 0;
    int days = 0;            // the month's length
    int month = 0;           // its number in the year
    std::string monthName;   // "Diana"
    std::string yearText;    // the year as the calendar's long form writes it: "4721", "104-6", "1-94"
    std::string firstDate;   // the calendar's plain text of the first day: "4721-02-01 ARC"
    std::string lastDate;    // and of the last
};

// Every month of the calendar (a calendar-table index: ARC, VO, LLT, DVG or QLW) whose first
// day lies in [firstDay, lastDay], in order; empty for any other calendar or an empty span.
std::vector<MonthStart> MonthStarts(int calendar, int32_t firstDay, int32_t lastDay);

}  // namespace Ics
