#include "mainwin/core/CalendarTable.h"

namespace CalendarTable {

int CalendarIndex(std::string_view code) {
    for (int i = 0; i < intNumCalendars; ++i)
        if (strCalendarCode[static_cast<size_t>(i)] == code) return i;
    return -1;
}

}  // namespace CalendarTable
