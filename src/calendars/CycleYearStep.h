// The year step shared by the calendars whose dates carry a cycle number (VO and LLT records).
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

}  // namespace CycleYearStep
