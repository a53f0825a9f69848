#include "core/DateDisplay.h"

#include <charconv>
#include <cmath>


std::string FormatJulianNumber(double value, const NumberFormat& format) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4).ptr;
    std::string text(buffer, end);
    const auto point = text.find('.');
    std::string whole = text.substr(0, point), fraction = text.substr(point + 1);
    std::string sign;
    if (!whole.empty() && whole[0] == '-') {
        sign = "-";
        whole.erase(0, 1);
    }
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += format.groupSeparator;
        grouped += whole[i];
    }
    return sign + grouped + format.decimalSign + fraction;
}


DateDisplay ComputeAllDates(double ajd, const TimeFrame& frame, const NumberFormat& format) {
    DateDisplay display;
    display.ajd = ajd;
    display.cjd = TimeZones::AjdToCjd(ajd, frame);
    display.civilDay = static_cast<int32_t>(std::floor(display.cjd));
    display.qlwDay = static_cast<int32_t>(std::floor(display.cjd - 0.25));
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        DateLabel& label = display.labels[static_cast<size_t>(calendar->index)];
        if (calendar->julianDateCount) {
            const double value = calendar->index == CalendarTable::AJD ? ajd : display.cjd;
            label.shortText = label.caption = FormatJulianNumber(value, format) + " " + std::string(calendar->code);
        } else {
            label = calendar->labelOfDay(calendar->dayStartsAtSixHours ? display.qlwDay : display.civilDay);
        }
    }
    return display;
}

std::string DateBoxTextOfLabel(const DateDisplay& display, int calendarIndex, const TimeFrame& frame) {
    if (calendarIndex < 0 || calendarIndex >= CalendarTable::intNumCalendars) return {};
    const CalendarDescriptor& calendar = CalendarRegistry::Calendar(calendarIndex);
    if (calendar.julianDateCount) {
        const double value = calendarIndex == CalendarTable::AJD ? display.ajd : display.cjd;
        return FormatJulianNumber(value, NumberFormat{}) + " " + std::string(calendar.code);
    }
    const std::string& caption = display.labels[static_cast<size_t>(calendarIndex)].caption;
    std::string date = caption;
    const auto paren = caption.find(" (");
    if (paren != std::string::npos) date = caption.substr(0, paren);
    if (date.empty()) return {};
    return TimeZones::WithTimeOfDay(date, display.ajd, frame, calendar.dayStartsAtSixHours);
}
