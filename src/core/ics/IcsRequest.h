// The request of a calendar file from what the user typed: two entries in the date entry
// grammar and the time frame they are read in, as selvanor-cli ics and the lunation window's
// "Export calendar..." take them.
#pragma once
#include <string>

#include "core/TimeFrame.h"
#include "core/ics/IcsCalendar.h"

namespace Ics {

struct RequestResult {
    CalendarRequest request;
    // Empty when the request is sound; otherwise why not: a refused entry ("2025-02-30 CE:
    // Invalid CE date. ..."), a span that runs backwards, or one that begins before the year 1.
    std::string error;
};

// The months whose first day falls on the days of the two entries or between them, and the
// phases and eclipses between the two moments.
RequestResult RequestOf(int calendar, const std::string& from, const std::string& to, const TimeFrame& frame,
                        bool phases, bool eclipses);

}  // namespace Ics
