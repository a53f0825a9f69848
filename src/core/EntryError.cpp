#include "core/EntryError.h"

#include "calendars/registry/CalendarRegistry.h"

namespace {

// "CJD or AJD" / "999999.99 CJD or 2,111,111 AJD": the codes or the examples of the day counts.
std::string OfDayCounts(std::string_view CalendarDescriptor::*field) {
    std::string text;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        if (!calendar->julianDateCount) continue;
        if (!text.empty()) text += " or ";
        text += calendar->*field;
    }
    return text;
}

}  // namespace

std::string EntryErrorText(EntryError error) {
    switch (error) {
        case EntryError::InvalidDate: return "Invalid date entry.";
        case EntryError::CalendarMissing:
            return "Calendar must be specified (one of " + CalendarRegistry::CodeList() + ").";
        case EntryError::TimeWithJulianDate:
            return "Time specification not permitted with " + OfDayCounts(&CalendarDescriptor::code) + ".";
        case EntryError::InvalidTime: return "Invalid time specification.  Times must be, e.g., 23:50.";
        case EntryError::WrongSeparator: return "Date separator must be a dash, '-'.";
        case EntryError::InvalidJulianDate:
            return "Invalid " + OfDayCounts(&CalendarDescriptor::code) + " date.  These must be, e.g., " +
                   OfDayCounts(&CalendarDescriptor::entryExample) + ".";
        case EntryError::Unparsable: return "Error when parsing date string.";
        case EntryError::InvalidDays: return "Value for addition or subtraction is invalid.";
        case EntryError::NoDate: return "No date given.";
        default: break;
    }
    const std::string_view refusal = CalendarRegistry::RefusalMessage(static_cast<int>(error));
    return refusal.empty() ? "Unknown error." : std::string(refusal);
}
