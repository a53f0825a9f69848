// The Archetypes Calendar notation.
#include "calendars/arc/ArcCal.h"
#include "core/CalendarRegistry.h"
#include "core/calendars/StepThrough.h"
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

CalendarGlue::Fields FieldsOf(const CalendarDate& d) { return {{"year", d.year}, {"month", d.month}, {"day", d.day}}; }

template <void (*Move)(CalendarDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<CalendarDate, ArcOfDay, ArcCal::ArcDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<ArcCal::StepArcMonth>}, {"year", Step<ArcCal::StepArcYear>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Archetypes() {
    static const CalendarDescriptor descriptor{
        CalendarTable::ARC, "ARC", "Archetypes Calendar date", "Archetypes Calendar:", "lblArchetypesDate",
        false, false, &ReadDate, &CalendarGlue::LabelThrough<CalendarDate, ArcOfDay, ArcCal::FormatArcDate, 4, FieldsOf>,
        kSteps};
    return descriptor;
}
