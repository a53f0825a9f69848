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


namespace {
// The number a day count shows for the moment.
double CountOf(const CalendarDescriptor& calendar, const DateDisplay& display) {
    return calendar.countsFromCivilMidnight ? display.cjd : display.ajd;
}
}  // namespace

const DateLabel& DateDisplay::Label(int calendarIndex) const {
    static const DateLabel kNone;
    return calendarIndex >= 0 && calendarIndex < static_cast<int>(labels.size())
               ? labels[static_cast<size_t>(calendarIndex)]
               : kNone;
}

DateDisplay ComputeAllDates(double ajd, const TimeFrame& frame, const NumberFormat& format) {
    DateDisplay display;
    display.ajd = ajd;
    display.cjd = TimeZones::AjdToCjd(ajd, frame);
    display.civilDay = static_cast<int32_t>(std::floor(display.cjd));
    const auto calendars = CalendarRegistry::Calendars();
    display.labels.resize(calendars.size());
    display.dayNumbers.resize(calendars.size());
    for (const CalendarDescriptor* calendar : calendars) {
        const auto index = static_cast<size_t>(calendar->index);
        DateLabel& label = display.labels[index];
        if (calendar->julianDateCount) {
            display.dayNumbers[index] = display.civilDay;
            label.shortText = label.caption =
                FormatJulianNumber(CountOf(*calendar, display), format) + " " + std::string(calendar->code);
        } else {
            const auto day = static_cast<int32_t>(std::floor(display.cjd - calendar->dayStart));
            display.dayNumbers[index] = day;
            label = calendar->labelOfDay(day);
        }
    }
    return display;
}

std::string CommonEraMomentText(double ajd, const TimeFrame& frame) {
    const auto day = static_cast<int32_t>(std::floor(TimeZones::AjdToCjd(ajd, frame)));
    return CalendarRegistry::Calendar(CalendarTable::CE).labelOfDay(day).shortText + " " +
           TimeZones::TimeOfDayText(ajd, frame);
}

std::string DateBoxTextOfLabel(const DateDisplay& display, int calendarIndex, const TimeFrame& frame) {
    if (!CalendarRegistry::IsIndex(calendarIndex)) return {};
    const CalendarDescriptor& calendar = CalendarRegistry::Calendar(calendarIndex);
    if (calendar.julianDateCount)
        return FormatJulianNumber(CountOf(calendar, display), NumberFormat{}) + " " + std::string(calendar.code);
    const std::string& caption = display.Label(calendarIndex).caption;
    std::string date = caption;
    const auto paren = caption.find(" (");
    if (paren != std::string::npos) date = caption.substr(0, paren);
    if (date.empty()) return {};
    return TimeZones::WithTimeOfDay(date, display.ajd, frame, calendar);
}
