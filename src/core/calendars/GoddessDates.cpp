// The Dunhale-Varnel Goddess Calendar notation.
#include "calendars/dvg/DVGCal.h"
#include "core/CalendarRegistry.h"
#include "core/calendars/StepThrough.h"

namespace {

using DVGCal::DvgDate;
constexpr auto OfDay = &CalendarGlue::RecordOfDay<DvgDate, DVGCal::JdnToDvgDate>;

EntryError ReadDate(const std::string& text, int32_t& jdn) {
    DvgDate date{};
    if (!DVGCal::ParseDvgDate(text, date)) return EntryError::InvalidDvg;
    jdn = date.jdn;
    return EntryError::None;
}

CalendarGlue::Fields FieldsOf(const DvgDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"day", d.day}};
}

template <void (*Move)(DvgDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<DvgDate, OfDay, DVGCal::DvgDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<DVGCal::StepDvgMonth>},
                                   {"year", Step<DVGCal::StepDvgYear>},
                                   {"cycle", Step<DVGCal::StepDvgCycle>}};

}  // namespace

// The window's title has no colon: that is how the date frame has always shown it.
const CalendarDescriptor& CalendarDescriptors::Goddess() {
    static const CalendarDescriptor descriptor{
        CalendarTable::DVG, "DVG", "Dunhale-Varnel Goddess Calendar date", "Dunhale-Varnel Goddess", "lblDVGDate",
        false, false, &ReadDate, &CalendarGlue::LabelThrough<DvgDate, OfDay, DVGCal::FormatDvgDate, 3, FieldsOf>,
        kSteps};
    return descriptor;
}
