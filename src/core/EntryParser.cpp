#include "core/EntryParser.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "calendars/registry/CalendarRegistry.h"
#include "support/StrProc.h"

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The calendar code of an entry and where it starts; error 2 when a code is followed by
// anything but the end, a digit (the time) or "(" (the zone part of a history entry).
struct CodeSearch {
    int index = -1;
    size_t position = 0;
    EntryError error = EntryError::None;
};

CodeSearch FindCode(const std::string& s) {
    CodeSearch found;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        const std::string_view code = calendar->code;
        const auto p = s.find(code);
        if (p == std::string::npos) continue;
        const size_t after = p + code.size();
        if (after == s.size() || IsDigit(s[after]) || s[after] == '(') {
            found.index = calendar->index;
            found.position = p;
        } else {
            found.error = EntryError::CalendarMissing;
        }
        return found;
    }
    return found;
}

// Which calendar the cut entry still names, in the table's order; -1 when none.
int DispatchIndex(const std::string& s) {
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (s.find(calendar->code) != std::string::npos) return calendar->index;
    return -1;
}

// Cuts the time of day ("hh:mm" or "h:mm", 12:00 when none) off the end of s; the fraction
// of the day, or nullopt for a time the grammar refuses.
std::optional<double> CutTimeOfDay(std::string& s) {
    if (s.find(':') == std::string::npos) s += "12:00";
    const size_t colon = s.find(':');
    // Two hour digits (or one) must stand before the colon.
    if (colon < 2) return std::nullopt;
    std::string time;
    if (IsDigit(s[colon - 2])) {
        time = s.substr(colon - 2, 5);
        s.resize(colon - 2);
    } else {
        time = "0" + s.substr(colon - 1, 4);
        s.resize(colon - 1);
    }
    const double hours = StrProc::LeadingNumber(time.substr(0, 2));
    const double minutes = time.size() > 3 ? StrProc::LeadingNumber(time.substr(3)) : 0.0;
    const double fraction = (hours * 60 + minutes) / 1440;
    if (!(fraction >= 0 && fraction < 1)) return std::nullopt;
    return fraction;
}

// Whether the entry s names a day count (its time of day and its separators follow other rules).
bool NamesDayCount(const std::string& s) {
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (calendar->julianDateCount && s.find(calendar->code) != std::string::npos) return true;
    return false;
}

// Checks the separators of the entry s (its code included) and cuts its time of day off into
// fraction; day counts take no time (a history entry's is ignored).
EntryError CutSeparatorsAndTime(std::string& s, bool restoringHistory, double& fraction) {
    if (NamesDayCount(s)) {
        if (StrProc::CountOccurrences(s, "-", true) > 1) return EntryError::InvalidJulianDate;
        if (s.find(':') != std::string::npos && !restoringHistory) return EntryError::TimeWithJulianDate;
        return EntryError::None;
    }
    if (s.find('.') != std::string::npos || s.find('/') != std::string::npos) return EntryError::WrongSeparator;
    const auto time = CutTimeOfDay(s);
    if (!time) return EntryError::InvalidTime;
    fraction = *time;
    return EntryError::None;
}

// The moment of a date text (the entry's text before its code) in the given calendar at the
// given fraction of its day.
EntryError MomentOfDate(const CalendarDescriptor& calendar, const std::string& dateText, double fraction,
                        const TimeFrame& frame, double& ajd) {
    if (calendar.julianDateCount) {
        const double value = StrProc::LeadingNumber(dateText);
        ajd = calendar.countsFromCivilMidnight ? TimeZones::CjdToAjd(value, frame) : value;
        return EntryError::None;
    }
    int32_t jdn = 0;
    const int refusal = calendar.readDate(dateText, jdn);
    if (refusal != 0) return static_cast<EntryError>(refusal);
    double day = jdn;
    // A day that begins after the civil midnight: its times of day are that much later on the
    // civil clock.
    fraction += calendar.dayStart;
    if (fraction > 1) {
        fraction -= 1;
        day += 1;
    }
    ajd = TimeZones::CjdToAjd(day + fraction, frame);
    return EntryError::None;
}

}  // namespace


EntryResult ParseDateEntry(const std::string& text, const EntryContext& context) {
    EntryResult result;
    auto fail = [&result](EntryError error) {
        result.error = error;
        return result;
    };

    std::string s = StrProc::UpperCase(StrProc::Trim(text));
    const int blanks = StrProc::CountOccurrences(s, " ", true);
    if (!context.restoringHistory) {
        result.dateBox = s;
        result.dateBoxChanged = true;
    }
    StrProc::RemoveChars(s, ", ");

    if (s.empty()) {
        // An empty date box with a number of days: the displayed date is taken.
        if (context.daysBoxEmpty || context.entryCalendarDateText.empty()) return fail(EntryError::InvalidDate);
        result.dateBox = context.entryCalendarDateText;
        result.dateBoxChanged = true;
        s = StrProc::UpperCase(result.dateBox);
        StrProc::RemoveChars(s, ", ");
        if (s.empty()) return fail(EntryError::InvalidDate);
    }
    if (s[0] != '-' && !IsDigit(s[0])) return fail(EntryError::InvalidDate);

    CodeSearch code = FindCode(s);
    if (code.error != EntryError::None) return fail(code.error);
    if (code.index < 0) {
        // No code: the entry calendar's is appended.
        if (blanks != 0) return fail(EntryError::CalendarMissing);
        const CalendarDescriptor& assumed = CalendarRegistry::Calendar(context.entryCalendar);
        code.index = assumed.index;
        code.position = s.size();
        s += assumed.code;
        if (result.dateBoxChanged) result.dateBox += " " + std::string(assumed.code);
    }

    double fraction = 0.0;
    const EntryError time = CutSeparatorsAndTime(s, context.restoringHistory, fraction);
    if (time != EntryError::None) return fail(time);

    const std::string dateText = StrProc::SafeLeft(s, static_cast<long long>(code.position));
    const int calendar = DispatchIndex(s);
    if (calendar < 0) return fail(EntryError::Unparsable);
    const EntryError error =
        MomentOfDate(CalendarRegistry::Calendar(calendar), dateText, fraction, context.frame, result.ajd);
    if (error != EntryError::None) return fail(error);
    result.calendarIndex = calendar;
    return result;
}
