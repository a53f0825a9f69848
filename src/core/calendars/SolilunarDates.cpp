// The Varnel-Ostrik Solilunar Calendar notation.
#include "calendars/vo/VoCal.h"
#include "core/CalendarRegistry.h"
#include "core/calendars/StepThrough.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<VoDate, VoCal::JdnToVoDate>;

CalendarGlue::Fields FieldsOf(const VoDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"day", d.day}};
}

template <void (*Move)(VoDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<VoDate, OfDay, VoCal::VoDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {
    {"month", Step<VoCal::StepVoMonth>}, {"year", Step<VoCal::StepVoYear>}, {"cycle", Step<VoCal::StepVoCycle>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::Solilunar() {
    static const CalendarDescriptor descriptor{
        CalendarTable::VO, "VO", "Varnel-Ostrik Solilunar Calendar date", "Varnel-Ostrik Solilunar:",
        "lblVarnelOstrikSLCDate", false, false,
        &CalendarGlue::ReadThrough<VoDate, VoCal::ParseVoDate, VoCal::VoDateToJdn, EntryError::InvalidVo>,
        &CalendarGlue::LabelThrough<VoDate, OfDay, VoCal::FormatVoDate, 4, FieldsOf>, kSteps};
    return descriptor;
}
