#include "core/ics/IcsCalendar.h"

#include <cmath>
#include <string_view>

#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/ics/IcsText.h"
#include "core/ics/MonthStarts.h"
#include "support/StrProc.h"

namespace Ics {

namespace {

constexpr const char* kPhaseNames[] = {"New moon", "First quarter", "Full moon", "Last quarter"};
constexpr int kFirstLunarType = 8;  // eclipse types 8 to 10 are lunar, with phases of their own

std::string CommonEraDate(int32_t dayNumber) {
    return CalendarRegistry::Calendar(CalendarTable::CE).labelOfDay(dayNumber).shortText;
}

// " Its days begin at 06:00." for a calendar whose days do not begin at midnight.
std::string DayStartNote(const CalendarDescriptor& calendar) {
    const long minutes = std::lround(calendar.dayStart * 1440);
    if (minutes == 0) return {};
    const auto twoDigits = [](long n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return " Its days begin at " + twoDigits(minutes / 60) + ":" + twoDigits(minutes % 60) + ".";
}

// "2025-03-14 06:58:47 UTC"
std::string UtcText(double julianDate) {
    const std::string value = UtcDateTimeValue(julianDate);  // 20250314T065847Z
    return value.substr(0, 4) + "-" + value.substr(4, 2) + "-" + value.substr(6, 2) + " " + value.substr(9, 2) +
           ":" + value.substr(11, 2) + ":" + value.substr(13, 2) + " UTC";
}

// "03:57 UTC"
std::string UtcClock(double julianDate) { return UtcText(julianDate).substr(11, 5) + " UTC"; }

std::string Event(std::string_view uid, const std::string& stamp, const std::string& start, const std::string& end,
                  const std::string& summary, const std::string& description) {
    std::string text = "BEGIN:VEVENT\r\n";
    text += ContentLine("UID", uid);
    text += ContentLine("DTSTAMP", stamp);
    text += start + end;
    text += ContentLine("SUMMARY", EscapeText(summary));
    text += ContentLine("DESCRIPTION", EscapeText(description));
    // Moments to know of, not appointments: they never make the user busy.
    text += ContentLine("TRANSP", "TRANSPARENT");
    return text + "END:VEVENT\r\n";
}

std::string MonthEvent(const MonthStart& month, const CalendarDescriptor& calendar, const std::string& stamp) {
    const std::string_view code = calendar.code;
    const std::string summary = "1 " + month.monthName + " " + month.yearText + " " + std::string(code);
    std::string description = month.monthName + ", month " + std::to_string(month.month) + " of the year " +
                              month.yearText + " " + std::string(code) + ": " + std::to_string(month.days) +
                              " days, from " + CommonEraDate(month.firstDay) + " (" + month.firstDate + ") to " +
                              CommonEraDate(month.firstDay + month.days - 1) + " (" + month.lastDate + ").";
    description += DayStartNote(calendar);
    const std::string uid = std::string(code) + "-month-" + std::to_string(month.firstDay) + "@selvanor";
    return Event(uid, stamp, ContentLine("DTSTART;VALUE=DATE", DateValue(month.firstDay)),
                 ContentLine("DTEND;VALUE=DATE", DateValue(month.firstDay + 1)), summary, description);
}

std::string PhaseEvent(const Listings::PhaseRow& row, const std::string& stamp) {
    const std::string name = kPhaseNames[row.phase & 3];
    const std::string uid = "phase-" + std::to_string(row.lunation) + "-" + std::to_string(row.phase) + "@selvanor";
    return Event(uid, stamp, ContentLine("DTSTART", UtcDateTimeValue(row.jdUt)), "", name,
                 name + " of lunation " + std::to_string(row.lunation) + ", " + UtcText(row.jdUt) + ".");
}

// One line of a lunar eclipse's phase: "Umbral phase 3h 38m, 05:09 to 08:47 UTC."
std::string LunarPhaseLine(const char* name, double greatest, double halfMinutes) {
    const double half = halfMinutes / 1440.0;
    return std::string("\n") + name + " phase " + StrProc::DurationText(std::llround(2 * halfMinutes), false) + ", " +
           UtcClock(greatest - half) + " to " + UtcClock(greatest + half) + ".";
}

std::string EclipseEvent(const Listings::EclipseRow& row, const std::string& stamp) {
    const std::string type = Syzyg::EclipseTypeText(row.type);
    std::string description = type + " of saros " + std::to_string(row.saros) + ", lunation " +
                              std::to_string(row.lunation) + "; greatest eclipse " + UtcText(row.jdUtGreatest) + ".";
    if (row.type >= kFirstLunarType) description += LunarPhaseLine("Penumbral", row.jdUtGreatest, row.halfPenumbral);
    if (row.type >= kFirstLunarType + 1) description += LunarPhaseLine("Umbral", row.jdUtGreatest, row.halfUmbral);
    if (row.type >= kFirstLunarType + 2) description += LunarPhaseLine("Total", row.jdUtGreatest, row.halfTotal);
    const std::string uid = "eclipse-" + std::to_string(row.lunation) + "-" + std::to_string(row.phase) + "@selvanor";
    return Event(uid, stamp, ContentLine("DTSTART", UtcDateTimeValue(row.jdUtGreatest)), "",
                 type + " (saros " + std::to_string(row.saros) + ")", description);
}

// "Archetypes Calendar months (ARC)": the window's title of the calendar's row.
std::string CalendarName(const CalendarDescriptor& calendar) {
    std::string title(calendar.title);
    if (!title.empty() && title.back() == ':') title.pop_back();
    return title + " months (" + std::string(calendar.code) + ")";
}

}  // namespace

bool WithinDateRange(const CalendarRequest& request) {
    // The accepted moments end long before the year 9999; only the start can lie too early. A
    // Julian date begins at noon, so the civil day kFirstDayNumber begins half a day earlier.
    return request.firstDay >= kFirstDayNumber &&
           (!(request.phases || request.eclipses) || request.fromAjd >= kFirstDayNumber - 0.5);
}

CalendarFile WriteCalendar(const CalendarRequest& request) {
    const CalendarDescriptor& calendar = CalendarRegistry::Calendar(request.calendar);
    const std::string stamp = UtcDateTimeValue(request.stampJulianDate);
    CalendarFile file;
    std::string& text = file.text;
    text = "BEGIN:VCALENDAR\r\n";
    text += ContentLine("VERSION", "2.0");
    text += ContentLine("PRODID", "-//Selvanor//" + EscapeText(request.product) + "//EN");
    text += ContentLine("CALSCALE", "GREGORIAN");
    text += ContentLine("METHOD", "PUBLISH");
    text += ContentLine("X-WR-CALNAME", EscapeText(CalendarName(calendar)));
    for (const MonthStart& month : MonthStarts(request.calendar, request.firstDay, request.lastDay)) {
        text += MonthEvent(month, calendar, stamp);
        ++file.months;
    }
    if (request.phases) {
        for (const Listings::PhaseRow& row : Listings::ListPhases(request.fromAjd, request.toAjd)) {
            text += PhaseEvent(row, stamp);
            ++file.phases;
        }
    }
    if (request.eclipses) {
        for (const Listings::EclipseRow& row : Listings::ListEclipses(request.fromAjd, request.toAjd, {})) {
            text += EclipseEvent(row, stamp);
            ++file.eclipses;
        }
    }
    text += "END:VCALENDAR\r\n";
    return file;
}

}  // namespace Ics
