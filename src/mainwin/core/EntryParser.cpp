#include "mainwin/core/EntryParser.h"

#include <cctype>
#include <cmath>

#include "mainwin/core/CalendarDispatch.h"
#include "mainwin/core/CalendarTable.h"
#include "support/StrProc.h"

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The calendar code of an entry and where it starts; error 2 when a code is followed by
// anything but the end, a digit (the time) or "(" (the zone part of a history entry).
struct CodeSearch {
    int index = -1;
    size_t position = 0;
    int error = 0;
};

CodeSearch FindCode(const std::string& s) {
    CodeSearch found;
    for (int i = 0; i < CalendarTable::intNumCalendars; ++i) {
        const auto code = CalendarTable::strCalendarCode[static_cast<size_t>(i)];
        const auto p = s.find(code);
        if (p == std::string::npos) continue;
        const size_t after = p + code.size();
        if (after == s.size() || IsDigit(s[after]) || s[after] == '(') {
            found.index = i;
            found.position = p;
        } else {
            found.error = 2;
        }
        return found;
    }
    return found;
}

// Which calendar the cut entry still names, in the table's order; -1 when none.
int DispatchIndex(const std::string& s) {
    using namespace CalendarTable;
    for (int i : {CE, JC, ARC, VO, LLT, DVG, CJD, AJD, QLW})
        if (s.find(strCalendarCode[static_cast<size_t>(i)]) != std::string::npos) return i;
    return -1;
}

}  // namespace

EntryResult ParseDateEntry(const std::string& text, const EntryContext& context) {
    using namespace CalendarTable;
    EntryResult result;
    auto fail = [&result](int error) {
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
        if (context.daysBoxEmpty || !context.entryCalendarDateText) return fail(1);
        result.dateBox = context.entryCalendarDateText();
        result.dateBoxChanged = true;
        s = StrProc::UpperCase(result.dateBox);
        StrProc::RemoveChars(s, ", ");
        if (s.empty()) return fail(1);
    }
    if (s[0] != '-' && !IsDigit(s[0])) return fail(1);

    CodeSearch code = FindCode(s);
    if (code.error) return fail(code.error);
    if (code.index < 0) {
        if (blanks != 0) return fail(2);
        const int assumed = context.entryCalendar >= 0 && context.entryCalendar < intNumCalendars
                                ? context.entryCalendar
                                : static_cast<int>(CE);
        const std::string codeText(strCalendarCode[static_cast<size_t>(assumed)]);
        code.index = assumed;
        code.position = s.size();
        s += codeText;
        if (result.dateBoxChanged) result.dateBox += " " + codeText;
    }

    const bool julianDay = s.find("CJD") != std::string::npos || s.find("AJD") != std::string::npos;
    if (julianDay) {
        if (StrProc::CountOccurrences(s, "-", true) > 1) return fail(12);
    } else if (s.find('.') != std::string::npos || s.find('/') != std::string::npos) {
        return fail(5);
    }

    double fraction = 0.0;
    if (!julianDay) {
        if (s.find(':') == std::string::npos) s += "12:00";
        const size_t colon = s.find(':');
        // Two hour digits (or one) must stand before the colon.
        if (colon < 2) return fail(4);
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
        fraction = (hours * 60 + minutes) / 1440;
        if (!(fraction >= 0 && fraction < 1)) return fail(4);
    } else if (s.find(':') != std::string::npos && !context.restoringHistory) {
        return fail(3);
    }

    const std::string dateText = StrProc::SafeLeft(s, static_cast<long long>(code.position));
    const int calendar = DispatchIndex(s);
    if (calendar < 0) return fail(13);

    double ajd = 0.0;
    if (calendar == CJD || calendar == AJD) {
        const double value = StrProc::LeadingNumber(dateText);
        ajd = calendar == CJD ? TimeZones::CjdToAjd(value, context.frame) : value;
    } else {
        int32_t jdn = 0;
        const int error = CalendarDispatch::DateTextToJdn(calendar, dateText, jdn);
        if (error) return fail(error);
        double day = jdn;
        if (calendar == QLW) {
            // A lunar-week day begins six hours after the civil midnight.
            fraction += 0.25;
            if (fraction > 1) {
                fraction -= 1;
                day += 1;
            }
        }
        ajd = TimeZones::CjdToAjd(day + fraction, context.frame);
    }
    result.ajd = ajd;
    result.calendarIndex = calendar;
    return result;
}

std::string EntryErrorText(int error) {
    switch (error) {
        case 1: return "Invalid date entry.";
        case 2: return "Calendar must be specified (one of CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW).";
        case 3: return "Time specification not permitted with CJD or AJD.";
        case 4: return "Invalid time specification.  Times must be, e.g., 23:50.";
        case 5: return "Date separator must be a dash, '-'.";
        case 6: return "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day";
        case 7: return "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day";
        case 8: return "Invalid ARC date.  ARC dates must be in the form: year-month-day";
        case 9: return "Invalid VO date.  VO dates must be in the form: cycle-year-month-day";
        case 10:
            return "Invalid LLT date.  LLT dates must be in the form: cycle-year-month-triday-day or "
                   "year-month-triday-day";
        case 11:
            return "Invalid DVG date.  DVG dates must be in the form: cycle-year-month-day or year-month-day";
        case 12: return "Invalid CJD or AJD date.  These must be, e.g., 999999.99 CJD or 2,111,111 AJD.";
        case 13: return "Error when parsing date string.";
        case 14: return "Value for addition or subtraction is invalid.";
        case 15: return "Invalid QLW date.  QLW dates must be in the form: year-month-week-day";
        case 16: return "Invalid month value in QLW date.";
        case 17: return "Invalid week value in QLW date.";
        case 18: return "Invalid day value in QLW date.";
        case 19: return "No date given.";
        default: return "Unknown error.";
    }
}
