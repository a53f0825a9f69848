// The Quillon Lunar Week Calendar notation. Its days begin at 06:00, so it is handed the
// lunar-week day number, not the civil one.
#include "calendars/qlw/QLWC.h"
#include "core/CalendarRegistry.h"

namespace {

QLWC::QlwDate QlwOfDay(int32_t jdn) {
    QLWC::QlwDate date{};
    date.jdn = jdn;
    QLWC::JdnToQlwDate(date);
    return date;
}

// The reader says what is wrong: the form (also for an empty text), the month, the week or
// the day.
EntryError ReadDate(const std::string& text, int32_t& jdn) {
    QLWC::QlwDate date{};
    switch (QLWC::ParseQlwDate(text, date)) {
        case QLWC::QlwOk: jdn = date.jdn; return EntryError::None;
        case QLWC::QlwNoSuchMonth: return EntryError::InvalidQlwMonth;
        case QLWC::QlwNoSuchWeek: return EntryError::InvalidQlwWeek;
        case QLWC::QlwNoSuchDay: return EntryError::InvalidQlwDay;
        default: return EntryError::InvalidQlw;
    }
}

// The plain date with its long form in parentheses. The calendar has no description form, so
// the tool tip stays empty.
DateLabel LabelOfDay(int32_t jdn) {
    const QLWC::QlwDate date = QlwOfDay(jdn);
    if (!date.valid) return {};
    const std::string plain = QLWC::FormatQlwDate(date, 1);
    return {plain, plain + " (" + QLWC::FormatQlwDate(date, 2) + ")", QLWC::FormatQlwDate(date, 4),
            {{"year", date.year}, {"month", date.month}, {"week", date.week}, {"day", date.day}}};
}

template <void (*Move)(QLWC::QlwDate&, bool)>
std::optional<int32_t> Step(int32_t jdn, bool forward) {
    QLWC::QlwDate date = QlwOfDay(jdn);
    if (!date.valid) return std::nullopt;
    Move(date, forward);
    if (!date.valid) return std::nullopt;
    return date.jdn;
}

constexpr CalendarStep kSteps[] = {{"week", &Step<QLWC::StepQlwWeek>},
                                   {"month", &Step<QLWC::StepQlwMonth>},
                                   {"year", &Step<QLWC::StepQlwYear>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::LunarWeek() {
    static const CalendarDescriptor descriptor{
        CalendarTable::QLW, "QLW", "Quillon Lunar Week Calendar", "Quillon Lunar Week:", "lblQuillonLWCDate",
        false, true, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
