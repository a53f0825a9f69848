// The Dunhale-Varnel Goddess Calendar notation.
#include "calendars/dvg/DVGCal.h"
#include "core/CalendarRegistry.h"

namespace {

DVGCal::DvgDate DvgOfDay(int32_t jdn) {
    DVGCal::DvgDate date{};
    date.jdn = jdn;
    DVGCal::JdnToDvgDate(date);
    return date;
}

EntryError ReadDate(const std::string& text, int32_t& jdn) {
    DVGCal::DvgDate date{};
    if (!DVGCal::ParseDvgDate(text, date)) return EntryError::InvalidDvg;
    jdn = date.jdn;
    return EntryError::None;
}

DateLabel LabelOfDay(int32_t jdn) {
    const DVGCal::DvgDate date = DvgOfDay(jdn);
    return {DVGCal::FormatDvgDate(date, 1), DVGCal::FormatDvgDate(date, 2), DVGCal::FormatDvgDate(date, 3),
            {{"cycle", date.cycle}, {"year", date.year}, {"month", date.month}, {"day", date.day}}};
}

template <void (*Move)(DVGCal::DvgDate&, bool)>
std::optional<int32_t> Step(int32_t jdn, bool forward) {
    DVGCal::DvgDate date = DvgOfDay(jdn);
    Move(date, forward);
    if (!DVGCal::DvgDateToJdn(date)) return std::nullopt;
    return date.jdn;
}

constexpr CalendarStep kSteps[] = {{"month", &Step<DVGCal::StepDvgMonth>},
                                   {"year", &Step<DVGCal::StepDvgYear>},
                                   {"cycle", &Step<DVGCal::StepDvgCycle>}};

}  // namespace

// The window's title has no colon: that is how the date frame has always shown it.
const CalendarDescriptor& CalendarDescriptors::Goddess() {
    static const CalendarDescriptor descriptor{
        CalendarTable::DVG, "DVG", "Dunhale-Varnel Goddess Calendar date", "Dunhale-Varnel Goddess",
        "lblDVGDate", false, false, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
