// The Lunar Liberalia Triday Calendar notation.
#include "calendars/llt/LltCal.h"
#include "core/CalendarRegistry.h"
#include "core/calendars/StepThrough.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<LltDate, LltCal::JdnToLltDate>;

CalendarGlue::Fields FieldsOf(const LltDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"triday", d.triday}, {"day", d.day}};
}

template <void (*Move)(LltDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<LltDate, OfDay, LltCal::LltDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<LltCal::StepLltMonth>},
                                   {"year", Step<LltCal::StepLltYear>},
                                   {"cycle", Step<LltCal::StepLltCycle>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Triday() {
    static const CalendarDescriptor descriptor{
        CalendarTable::LLT, "LLT", "Lunar Liberalia Triday Calendar date", "Lunar Liberalia Triday:",
        "lblLTCLunarDate", false, false,
        &CalendarGlue::ReadThrough<LltDate, LltCal::ParseLltDate, LltCal::LltDateToJdn, EntryError::InvalidLlt>,
        &CalendarGlue::LabelThrough<LltDate, OfDay, LltCal::FormatLltDate, 3, FieldsOf>, kSteps};
    return descriptor;
}
