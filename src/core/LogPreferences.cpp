#include "core/LogPreferences.h"

#include "calendars/registry/CalendarRegistry.h"

bool LogPreferences::Includes(int calendarIndex) const {
    if (calendarIndex >= 0 && calendarIndex < static_cast<int>(calendars_.size()) &&
        calendars_[static_cast<size_t>(calendarIndex)] >= 0)
        return calendars_[static_cast<size_t>(calendarIndex)] == 1;
    return CalendarRegistry::IsIndex(calendarIndex) && !CalendarRegistry::Calendar(calendarIndex).logIncludeOptIn;
}

void LogPreferences::SetIncluded(int calendarIndex, bool included) {
    if (calendarIndex < 0) return;
    if (static_cast<int>(calendars_.size()) <= calendarIndex) calendars_.resize(static_cast<size_t>(calendarIndex) + 1, -1);
    calendars_[static_cast<size_t>(calendarIndex)] = included ? 1 : 0;
}

void LogPreferences::SetAll(bool included) {
    for (int i = 0; i < CalendarRegistry::Count(); ++i) SetIncluded(i, included);
    phaseOfMoon = lunationAndAge = included;
}

void LogPreferences::Reset() {
    calendarEqualsDate = true;
    for (int i = 0; i < CalendarRegistry::Count(); ++i)
        if (!CalendarRegistry::Calendar(i).logIncludeOptIn) SetIncluded(i, true);
    phaseOfMoon = lunationAndAge = true;
}

bool LogPreferences::operator==(const LogPreferences& other) const {
    if (calendarEqualsDate != other.calendarEqualsDate || phaseOfMoon != other.phaseOfMoon ||
        lunationAndAge != other.lunationAndAge)
        return false;
    for (int i = 0; i < CalendarRegistry::Count(); ++i)
        if (Includes(i) != other.Includes(i)) return false;
    return true;
}
