// The Common Era and Julian Calendar notations: ISO 8601 dates through the date module.
#include <climits>

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

// The Common Era date moved by whole months and years; a day that the target month lacks is
// lowered until the date exists (31 March back a month is 28 or 29 February, 29 February on
// a year is 28 February).
std::optional<int32_t> MoveCeDate(int32_t jdn, int32_t months, int32_t years) {
    const CalendarDate from = DatePr2::DateOfJdn(jdn, DAYCALC_GREGORIAN);
    const int64_t monthCount = int64_t{from.year} * 12 + (from.month - 1) + months + int64_t{years} * 12;
    const int64_t year = monthCount >= 0 ? monthCount / 12 : -((-monthCount + 11) / 12);  // floor
    if (year < INT32_MIN / 2 || year > INT32_MAX / 2) return std::nullopt;
    CalendarDate to{static_cast<int32_t>(year), static_cast<int32_t>(monthCount - year * 12 + 1), from.day,
                    DAYCALC_GREGORIAN, 0, 0};
    while (to.day > 1 && !DatePr2::IsExistingDate(to.year, to.month, to.day, DAYCALC_GREGORIAN)) --to.day;
    if (!DatePr2::IsExistingDate(to.year, to.month, to.day, DAYCALC_GREGORIAN)) return std::nullopt;
    return DatePr2::DateToJdn(to);
}

std::optional<int32_t> StepCeMonth(int32_t jdn, bool forward) { return MoveCeDate(jdn, forward ? 1 : -1, 0); }
std::optional<int32_t> StepCeYear(int32_t jdn, bool forward) { return MoveCeDate(jdn, 0, forward ? 1 : -1); }
std::optional<int32_t> StepCeCentury(int32_t jdn, bool forward) { return MoveCeDate(jdn, 0, forward ? 100 : -100); }

constexpr CalendarStep kCeSteps[] = {{"month", &StepCeMonth}, {"year", &StepCeYear}, {"century", &StepCeCentury}};

}  // namespace

namespace CalendarDescriptors {

const CalendarDescriptor& CommonEra() {
    static const CalendarDescriptor descriptor{
        CalendarTable::CE, "CE", "Common Era date", "Common Era:", "lblCommonEraDate", false, false,
        &ReadDate<DAYCALC_GREGORIAN, EntryError::InvalidCe>, &LabelOfDay<DAYCALC_GREGORIAN>, kCeSteps};
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
                                               "Chronological Julian date:", "lblChronologicalJulianDate", true,
                                               false, nullptr, nullptr, {}};
    return descriptor;
}

const CalendarDescriptor& AstronomicalJulianDate() {
    static const CalendarDescriptor descriptor{CalendarTable::AJD, "AJD", "astronomical Julian date",
                                               "Astronomical Julian date:", "lblAstronomicalJulianDate", true,
                                               false, nullptr, nullptr, {}};
    return descriptor;
}

}  // namespace CalendarDescriptors
