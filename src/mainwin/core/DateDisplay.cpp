#include "mainwin/core/DateDisplay.h"

#include <charconv>
#include <cmath>

#include "dates/DatePr2.h"
#include "mainwin/core/CalendarLabels.h"

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
DateLabel CivilLabel(int32_t jdn, int32_t letter, const char* code) {
    const CalendarDate date = DatePr2::DateOfJdn(jdn, letter);
    DateLabel label;
    label.shortText = DatePr2::FormatDate(date, "-", ',') + " " + code;
    label.caption = label.shortText + " (" + DatePr2::WeekdayNameOfJdn(jdn) + ", " +
                    DatePr2::MonthName(date.month) + " " + std::to_string(date.day) + ", " +
                    std::to_string(date.year) + ")";
    label.toolTip = DatePr2::DescribeDate(date);
    label.fields = {{"year", date.year}, {"month", date.month}, {"day", date.day}};
    return label;
}
}  // namespace

DateDisplay ComputeAllDates(double ajd, const TimeFrame& frame, const NumberFormat& format) {
    using namespace CalendarTable;
    DateDisplay display;
    display.ajd = ajd;
    display.cjd = TimeZones::AjdToCjd(ajd, frame);
    display.civilDay = static_cast<int32_t>(std::floor(display.cjd));
    display.qlwDay = static_cast<int32_t>(std::floor(display.cjd - 0.25));
    auto& labels = display.labels;
    labels[AJD].shortText = labels[AJD].caption = FormatJulianNumber(ajd, format) + " AJD";
    labels[CJD].shortText = labels[CJD].caption = FormatJulianNumber(display.cjd, format) + " CJD";
    labels[CE] = CivilLabel(display.civilDay, DAYCALC_GREGORIAN, "CE");
    labels[JC] = CivilLabel(display.civilDay, DAYCALC_JULIAN, "JC");
    for (int calendar : {ARC, VO, LLT, DVG})
        labels[static_cast<size_t>(calendar)] = CalendarLabels::LabelOfDay(calendar, display.civilDay);
    labels[QLW] = CalendarLabels::LabelOfDay(QLW, display.qlwDay);
    return display;
}

std::string DateBoxTextOfLabel(const DateDisplay& display, int calendarIndex, const TimeFrame& frame) {
    using namespace CalendarTable;
    if (calendarIndex == AJD || calendarIndex == CJD) {
        const double value = calendarIndex == AJD ? display.ajd : display.cjd;
        return FormatJulianNumber(value, NumberFormat{}) + (calendarIndex == AJD ? " AJD" : " CJD");
    }
    if (calendarIndex < 0 || calendarIndex >= intNumCalendars) return {};
    const std::string& caption = display.labels[static_cast<size_t>(calendarIndex)].caption;
    std::string date = caption;
    const auto paren = caption.find(" (");
    if (paren != std::string::npos) date = caption.substr(0, paren);
    if (date.empty()) return {};
    return TimeZones::WithTimeOfDay(date, display.ajd, frame, calendarIndex == QLW);
}
