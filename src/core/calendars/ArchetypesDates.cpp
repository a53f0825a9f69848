// The Archetypes Calendar notation.
#include "calendars/arc/ArcCal.h"
#include "core/CalendarRegistry.h"
#include "dates/DatePr2.h"

namespace {

CalendarDate ArcOfDay(int32_t jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, jdn, 0};
    ArcCal::JdnToArcDate(date);
    return date;
}

// The year, month and day numbers come from the common date reader; whether they form an
// Archetypes date is the calendar's own decision.
EntryError ReadDate(const std::string& text, int32_t& jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, 0, 0};
    DatePr2::ParseDate(text, date);
    if (!ArcCal::ArcDateToJdn(date)) return EntryError::InvalidArc;
    jdn = date.jdn;
    return EntryError::None;
}

DateLabel LabelOfDay(int32_t jdn) {
    const CalendarDate date = ArcOfDay(jdn);
    return {ArcCal::FormatArcDate(date, 1), ArcCal::FormatArcDate(date, 2), ArcCal::FormatArcDate(date, 4),
            {{"year", date.year}, {"month", date.month}, {"day", date.day}}};
}

template <void (*Move)(CalendarDate&, bool)>
std::optional<int32_t> Step(int32_t jdn, bool forward) {
    CalendarDate date = ArcOfDay(jdn);
    Move(date, forward);
    if (!ArcCal::ArcDateToJdn(date)) return std::nullopt;
    return date.jdn;
}

constexpr CalendarStep kSteps[] = {{"month", &Step<ArcCal::StepArcMonth>}, {"year", &Step<ArcCal::StepArcYear>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Archetypes() {
    static const CalendarDescriptor descriptor{
        CalendarTable::ARC, "ARC", "Archetypes Calendar date", "Archetypes Calendar:", "lblArchetypesDate",
        false, false, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
