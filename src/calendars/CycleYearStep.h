// The year and month steps shared by the calendars whose dates carry a cycle number (VO and
// LLT records).
#pragma once
#include <cstdint>
#include <limits>

namespace CycleYearStep {

// Moves date.year (1 .. yearsPerCycle) by one, carrying into date.cycle; false, with nothing
// changed, when the cycle number would leave 32 bits. The comparisons come before each +1 or
// -1 so that no field value can overflow.
template <typename Date>
bool StepYearNumber(Date& date, int32_t yearsPerCycle, bool forward) {
    if (forward) {
        if (date.year < yearsPerCycle) {
            ++date.year;
            return true;
        }
        if (date.cycle == std::numeric_limits<int32_t>::max()) return false;
        date.year = 1;
        ++date.cycle;
        return true;
    }
    if (date.year > 1) {
        --date.year;
        return true;
    }
    if (date.cycle == std::numeric_limits<int32_t>::min()) return false;
    date.year = yearsPerCycle;
    --date.cycle;
    return true;
}

// Moves date.month by one, into the next or previous year (and cycle) past the year's ends;
// monthsInYear(date) gives the number of months of the year the date has. False, with nothing
// changed, when the cycle number would leave 32 bits.
template <typename Date, typename MonthsInYear>
bool StepMonthNumber(Date& date, int32_t yearsPerCycle, MonthsInYear monthsInYear, bool forward) {
    Date next = date;
    if (forward) {
        if (next.month >= monthsInYear(next)) {
            if (!StepYearNumber(next, yearsPerCycle, true)) return false;
            next.month = 1;
        } else {
            ++next.month;
        }
    } else if (next.month <= 1) {
        if (!StepYearNumber(next, yearsPerCycle, false)) return false;
        next.month = monthsInYear(next);
    } else {
        --next.month;
    }
    date = next;
    return true;
}

}  // namespace CycleYearStep
