// The Common Era and Julian Calendar notations: ISO 8601 dates through the date module.
#include "core/CalendarRegistry.h"
#include "dates/DatePr2.h"

namespace {

template <int32_t Letter, EntryError Refusal>
EntryError ReadDate(const std::string& text, int32_t& jdn) {
    CalendarDate date{0, 0, 0, Letter, 0, 0};
    DatePr2::ParseDate(text, date);
    if (date.valid != 1) return Refusal;
    jdn = DatePr2::DateToJdn(date);
    return EntryError::None;
}

template <int32_t Letter>
DateLabel LabelOfDay(int32_t jdn) {
    const char* code = Letter == DAYCALC_GREGORIAN ? "CE" : "JC";
    const CalendarDate date = DatePr2::DateOfJdn(jdn, Letter);
    DateLabel label;
    label.shortText = DatePr2::FormatDate(date, "-", ',') + " " + code;
    label.caption = label.shortText + " (" + DatePr2::WeekdayNameOfJdn(jdn) + ", " + DatePr2::MonthName(date.month) +
                    " " + std::to_string(date.day) + ", " + std::to_string(date.year) + ")";
    label.toolTip = DatePr2::DescribeDate(date);
    label.fields = {{"year", date.year}, {"month", date.month}, {"day", date.day}};
    return label;
}

}  // namespace

namespace CalendarDescriptors {

const CalendarDescriptor& CommonEra() {
    static const CalendarDescriptor descriptor{
        CalendarTable::CE, "CE", "Common Era date", "Common Era:", "lblCommonEraDate", false, false,
        &ReadDate<DAYCALC_GREGORIAN, EntryError::InvalidCe>, &LabelOfDay<DAYCALC_GREGORIAN>, {}};
    return descriptor;
}

const CalendarDescriptor& JulianCalendar() {
    static const CalendarDescriptor descriptor{
        CalendarTable::JC, "JC", "Julian date", "Julian:", "lblJulianCalendarDate", false, false,
        &ReadDate<DAYCALC_JULIAN, EntryError::InvalidJc>, &LabelOfDay<DAYCALC_JULIAN>, {}};
    return descriptor;
}

// The Julian date counts are read and written as numbers of a moment by the entry grammar
// and the date display themselves.
const CalendarDescriptor& ChronologicalJulianDate() {
    static const CalendarDescriptor descriptor{CalendarTable::CJD, "CJD", "chronological Julian date",
                                               "Chronological Julian date:", "lblChronologicalJulianDate", true};
    return descriptor;
}

const CalendarDescriptor& AstronomicalJulianDate() {
    static const CalendarDescriptor descriptor{CalendarTable::AJD, "AJD", "astronomical Julian date",
                                               "Astronomical Julian date:", "lblAstronomicalJulianDate", true};
    return descriptor;
}

}  // namespace CalendarDescriptors
