// The Lunar Liberalia Triday Calendar notation.
#include "calendars/llt/LltCal.h"
#include "core/CalendarRegistry.h"

namespace {

LltDate LltOfDay(int32_t jdn) {
    LltDate date{};
    date.jdn = jdn;
    LltCal::JdnToLltDate(date);
    return date;
}

EntryError ReadDate(const std::string& text, int32_t& jdn) {
    LltDate date{};
    if (!LltCal::ParseLltDate(text, date) || !LltCal::LltDateToJdn(date)) return EntryError::InvalidLlt;
    jdn = date.jdn;
    return EntryError::None;
}

DateLabel LabelOfDay(int32_t jdn) {
    const LltDate date = LltOfDay(jdn);
    return {LltCal::FormatLltDate(date, 1),
            LltCal::FormatLltDate(date, 2),
            LltCal::FormatLltDate(date, 3),
            {{"cycle", date.cycle}, {"year", date.year}, {"month", date.month}, {"triday", date.triday}, {"day", date.day}}};
}

template <void (*Move)(LltDate&, bool)>
std::optional<int32_t> Step(int32_t jdn, bool forward) {
    LltDate date = LltOfDay(jdn);
    Move(date, forward);
    if (!LltCal::LltDateToJdn(date)) return std::nullopt;
    return date.jdn;
}

constexpr CalendarStep kSteps[] = {{"month", &Step<LltCal::StepLltMonth>},
                                   {"year", &Step<LltCal::StepLltYear>},
                                   {"cycle", &Step<LltCal::StepLltCycle>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Triday() {
    static const CalendarDescriptor descriptor{
        CalendarTable::LLT, "LLT", "Lunar Liberalia Triday Calendar date", "Lunar Liberalia Triday:",
        "lblLTCLunarDate", false, false, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
