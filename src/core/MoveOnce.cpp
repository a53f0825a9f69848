#include "core/MoveOnce.h"

#include <cmath>
#include <climits>
#include <cstdlib>

#include "support/AcceptedRange.h"

namespace MoveSteps {

namespace {

// A lunar-week day begins six hours after the civil midnight.
constexpr double kQlwDayStart = 0.25;
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

int StepIndex(std::string_view text) {
    for (size_t i = 0; i < kSteps.size(); ++i)
        if (kSteps[i] == text) return static_cast<int>(i);
    return -1;
}

MoveResult MoveOnce(double ajd, int step, bool forward, const TimeFrame& frame, int entryCalendar) {
    MoveResult result{ajd, entryCalendar, false};
    if (step < 0 || step >= static_cast<int>(kRules.size()) || !std::isfinite(ajd)) return result;
    const StepRule& rule = kRules[static_cast<size_t>(step)];
    if (rule.calendar < 0) {
        result.ajd = AddLength(ajd, rule.days, forward);
        result.moved = true;
        return result;
    }
    const CalendarStepFn apply = CalendarRegistry::StepOf(rule.calendar, rule.unit);
    const bool qlw = CalendarRegistry::Calendar(rule.calendar).dayStartsAtSixHours;
    const double x = TimeZones::AjdToCjd(ajd, frame);
    const double civilDay = std::floor(x);
    const double timeOfDay = x - civilDay;
    const double day = qlw ? std::floor(x - kQlwDayStart) : civilDay;
    if (!apply || day < INT32_MIN || day > INT32_MAX) return result;
    const std::optional<int32_t> moved = apply(static_cast<int32_t>(day), forward);
    if (!moved) return result;
    // Before 06:00 the civil day J belongs to the lunar-week day J - 1, so the moved QLW day
    // is reached on the civil day after it.
    const double civilTarget = *moved + (qlw && timeOfDay < kQlwDayStart ? 1.0 : 0.0);
    result.ajd = TimeZones::CjdToAjd(civilTarget + timeOfDay, frame);
    result.entryCalendar = rule.calendar;
    result.moved = true;
    return result;
}

std::string StepDescription(int step, bool forward, bool repeatedly) {
    const std::string_view text = step >= 0 && step < static_cast<int>(kSteps.size())
                                      ? kSteps[static_cast<size_t>(step)] : std::string_view{};
    return std::string("Move") + (forward ? " forward" : " back") + " " + std::string(text) +
           (repeatedly ? " repeatedly" : "") + ".";
}

std::string RangeMessage(double ajd) {
    if (ajd < dblEarliestAJD) return kEarliestExceeded;
    if (ajd > dblLatestAJD) return kLatestExceeded;
    return {};
}


}  // namespace MoveSteps
