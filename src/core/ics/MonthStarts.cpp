#include "core/ics/MonthStarts.h"

#include "calendars/registry/CalendarRegistry.h"

namespace Ics {

std::vector<MonthStart> MonthStarts(int calendar, int32_t firstDay, int32_t lastDay) {
    if (firstDay > lastDay || !CalendarRegistry::IsIndex(calendar)) return {};
    const auto monthOfDay = CalendarRegistry::Calendar(calendar).monthOfDay;
    if (monthOfDay == nullptr) return {};
    std::vector<MonthStart> months;
    // The month that holds firstDay, then month by month from the first that begins in the span.
    for (MonthStart month = monthOfDay(firstDay); month.days > 0 && month.firstDay <= lastDay;) {
        if (month.firstDay >= firstDay) months.push_back(month);
        const int64_t next = int64_t{month.firstDay} + month.days;
        if (next > INT32_MAX) break;
        month = monthOfDay(static_cast<int32_t>(next));
        if (month.days > 0 && month.firstDay != next) break;  // a module out of step: stop rather than loop
    }
    return months;
}

}  // namespace Ics
