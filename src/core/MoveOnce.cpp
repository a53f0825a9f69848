#include "core/MoveOnce.h"

#include <cmath>
#include <climits>
#include <cstdlib>

#include "support/AcceptedRange.h"

namespace MoveSteps {

namespace {

// A moment this close to a whole minute (in minutes; 6 ms) is on it: typed times and the clock's
// seconds read back within a few microseconds of it.
constexpr double kOnAWholeMinute = 1e-4;

// A length of time added to the moment. A minute or an hour is no exact binary fraction of a
// day, and at a date of some 2.4 million days each addition rounds: over a few dozen steps the
// time of day would read a minute short (hh:59 where hh:00 is due). From a whole minute the
// step is therefore counted in whole minutes, each result the nearest moment to its minute.
double AddLength(double ajd, double days, bool forward) {
    const double minutes = ajd * 1440.0;
    const double whole = std::nearbyint(minutes);
    const double sign = forward ? 1.0 : -1.0;
    if (std::fabs(minutes - whole) >= kOnAWholeMinute) return ajd + sign * days;
    return (whole + sign * std::nearbyint(days * 1440.0)) / 1440.0;
}

}  // namespace

std::vector<StepRule> Steps() {
    std::vector<StepRule> steps = {{"1 minute", 1.0 / 1440}, {"1 hour", 1.0 / 24}, {"1 day", 1.0}};
    for (const CalendarDescriptor* calendar : CalendarRegistry::ListOrder())
        for (const CalendarStep& step : calendar->steps)
            steps.push_back({"1 " + std::string(calendar->code) + " " + std::string(step.unit), 0.0, calendar->index,
                             step.apply});
    return steps;
}

int StepIndex(std::string_view text) {
    const std::vector<StepRule> steps = Steps();
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].text == text) return static_cast<int>(i);
    return -1;
}

MoveResult MoveOnce(double ajd, int step, bool forward, const TimeFrame& frame, int entryCalendar) {
    const std::vector<StepRule> steps = Steps();
    if (step < 0 || step >= static_cast<int>(steps.size())) return MoveResult{ajd, entryCalendar, false};
    return MoveOnce(ajd, steps[static_cast<size_t>(step)], forward, frame, entryCalendar);
}

MoveResult MoveOnce(double ajd, const StepRule& rule, bool forward, const TimeFrame& frame, int entryCalendar) {
    MoveResult result{ajd, entryCalendar, false};
    if (!std::isfinite(ajd)) return result;
    if (rule.calendar < 0) {
        result.ajd = AddLength(ajd, rule.days, forward);
        result.moved = true;
        return result;
    }
    const double dayStart = CalendarRegistry::Calendar(rule.calendar).dayStart;
    const double x = TimeZones::AjdToCjd(ajd, frame);
    const double civilDay = std::floor(x);
    const double timeOfDay = x - civilDay;
    const double day = std::floor(x - dayStart);
    if (!rule.apply || day < INT32_MIN || day > INT32_MAX) return result;
    const std::optional<int32_t> moved = rule.apply(static_cast<int32_t>(day), forward);
    if (!moved) return result;
    // Before its day start the civil day J belongs to the calendar's day J - 1, so the moved
    // day is reached on the civil day after it.
    const double civilTarget = *moved + (timeOfDay < dayStart ? 1.0 : 0.0);
    result.ajd = TimeZones::CjdToAjd(civilTarget + timeOfDay, frame);
    result.entryCalendar = rule.calendar;
    result.moved = true;
    return result;
}

std::string StepDescription(const StepRule& step, bool forward, bool repeatedly) {
    return std::string("Move") + (forward ? " forward" : " back") + " " + step.text + (repeatedly ? " repeatedly" : "") +
           ".";
}

std::string RangeMessage(double ajd) {
    if (ajd < dblEarliestAJD) return kEarliestExceeded;
    if (ajd > dblLatestAJD) return kLatestExceeded;
    return {};
}


}  // namespace MoveSteps
