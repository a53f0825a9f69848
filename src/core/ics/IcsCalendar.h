// The calendar file of a lunar calendar's months, with the principal phases and the eclipses if
// asked for: what selvanor-cli ics and the lunation window's "Export calendar..." write.
#pragma once
#include <cstdint>
#include <string>

namespace Ics {

struct CalendarRequest {
    int calendar = 2;                  // a calendar-table index: ARC, VO, LLT, DVG or QLW
    int32_t firstDay = 0, lastDay = 0;  // the months whose first day lies in this span of day numbers
    double fromAjd = 0, toAjd = 0;     // the phases and eclipses in this span of GMT Julian dates
    bool phases = false, eclipses = false;
    double stampJulianDate = 0;        // when the file is made (its DTSTAMP)
    std::string product = "Selvanor";  // the program and version that made it (PRODID)
};

struct CalendarFile {
    std::string text;  // the whole file, CR LF line ends
    int months = 0, phases = 0, eclipses = 0;
};

// The file. A month, a phase and an eclipse keep their UID from one export to the next, so that
// a calendar program importing a file again updates its events instead of doubling them.
CalendarFile WriteCalendar(const CalendarRequest& request);

// Whether the iCalendar dates can hold the request's days and moments (they begin with the year 1).
bool WithinDateRange(const CalendarRequest& request);

}  // namespace Ics
