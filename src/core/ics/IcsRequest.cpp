#include "core/ics/IcsRequest.h"

#include <cmath>

#include "core/ComputeMoment.h"

namespace Ics {

namespace {

ComputeResult Read(const std::string& entry, const TimeFrame& frame) {
    ComputeRequest request;
    request.dateBox = entry;
    request.frame = frame;
    return ComputeMoment(request);
}

int32_t DayOf(double ajd, const TimeFrame& frame) {
    return static_cast<int32_t>(std::floor(TimeZones::AjdToCjd(ajd, frame)));
}

}  // namespace

RequestResult RequestOf(int calendar, const std::string& from, const std::string& to, const TimeFrame& frame,
                        bool phases, bool eclipses) {
    RequestResult result;
    const ComputeResult first = Read(from, frame);
    const ComputeResult last = Read(to, frame);
    if (!first.Ok() || !last.Ok()) {
        result.error = !first.Ok() ? from + ": " + first.message : to + ": " + last.message;
        return result;
    }
    if (first.ajd > last.ajd) {
        result.error = "The span ends before it begins: " + to + " is earlier than " + from + ".";
        return result;
    }
    CalendarRequest& request = result.request;
    request.calendar = calendar;
    request.firstDay = DayOf(first.ajd, frame);
    request.lastDay = DayOf(last.ajd, frame);
    request.fromAjd = first.ajd;
    request.toAjd = last.ajd;
    request.phases = phases;
    request.eclipses = eclipses;
    if (!WithinDateRange(request)) result.error = "Calendar files begin with the year 1 CE; " + from + " is earlier.";
    return result;
}

}  // namespace Ics
