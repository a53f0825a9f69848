#include "core/CalendarRegistry.h"

namespace CalendarTable {

int CalendarIndex(std::string_view code) {
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (calendar->code == code) return calendar->index;
    return -1;
}

}  // namespace CalendarTable

namespace CalendarRegistry {

const std::array<const CalendarDescriptor*, CalendarTable::intNumCalendars>& Calendars() {
    using namespace CalendarDescriptors;
    static const std::array<const CalendarDescriptor*, CalendarTable::intNumCalendars> table = {
        &CommonEra(), &JulianCalendar(), &Archetypes(), &Solilunar(), &Triday(),
        &Goddess(),   &ChronologicalJulianDate(), &AstronomicalJulianDate(), &LunarWeek()};
    return table;
}

const CalendarDescriptor& Calendar(int index) {
    const auto& table = Calendars();
    return index >= 0 && index < CalendarTable::intNumCalendars ? *table[static_cast<size_t>(index)] : *table[0];
}

CalendarStepFn StepOf(int index, std::string_view unit) {
    for (const CalendarStep& step : Calendar(index).steps)
        if (step.unit == unit) return step.apply;
    return nullptr;
}

}  // namespace CalendarRegistry
