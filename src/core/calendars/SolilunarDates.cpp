// The Varnel-Ostrik Solilunar Calendar notation.
#include "calendars/vo/VoCal.h"
#include "core/CalendarRegistry.h"

namespace {

VoDate VoOfDay(int32_t jdn) {
    VoDate date{};
    date.jdn = jdn;
    VoCal::JdnToVoDate(date);
    return date;
}

EntryError ReadDate(const std::string& text, int32_t& jdn) {
    VoDate date{};
    if (!VoCal::ParseVoDate(text, date) || !VoCal::VoDateToJdn(date)) return EntryError::InvalidVo;
    jdn = date.jdn;
    return EntryError::None;
}

DateLabel LabelOfDay(int32_t jdn) {
    const VoDate date = VoOfDay(jdn);
    return {VoCal::FormatVoDate(date, 1), VoCal::FormatVoDate(date, 2), VoCal::FormatVoDate(date, 4),
            {{"cycle", date.cycle}, {"year", date.year}, {"month", date.month}, {"day", date.day}}};
}

template <void (*Move)(VoDate&, bool)>
std::optional<int32_t> Step(int32_t jdn, bool forward) {
    VoDate date = VoOfDay(jdn);
    Move(date, forward);
    if (!VoCal::VoDateToJdn(date)) return std::nullopt;
    return date.jdn;
}

constexpr CalendarStep kSteps[] = {{"month", &Step<VoCal::StepVoMonth>},
                                   {"year", &Step<VoCal::StepVoYear>},
                                   {"cycle", &Step<VoCal::StepVoCycle>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Solilunar() {
    static const CalendarDescriptor descriptor{
        CalendarTable::VO, "VO", "Varnel-Ostrik Solilunar Calendar date", "Varnel-Ostrik Solilunar:",
        "lblVarnelOstrikSLCDate", false, false, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
