// The Quillon Lunar Week Calendar notation. Its days begin at 06:00, so it is handed the
// lunar-week day number, not the civil one.
#include "calendars/qlw/QLWC.h"
#include "core/CalendarRegistry.h"
#include "core/calendars/StepThrough.h"

namespace {

constexpr auto QlwOfDay = &CalendarGlue::RecordOfDay<QLWC::QlwDate, QLWC::JdnToQlwDate>;

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

// The moves leave the record valid when its date exists.
bool IsValid(QLWC::QlwDate& date) { return date.valid == 1; }

template <void (*Move)(QLWC::QlwDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<QLWC::QlwDate, QlwOfDay, IsValid, Move>;

constexpr CalendarStep kSteps[] = {
    {"week", Step<QLWC::StepQlwWeek>}, {"month", Step<QLWC::StepQlwMonth>}, {"year", Step<QLWC::StepQlwYear>}};

}  // namespace

const CalendarDescriptor& CalendarDescriptors::LunarWeek() {
    static const CalendarDescriptor descriptor{
        CalendarTable::QLW, "QLW", "Quillon Lunar Week Calendar", "Quillon Lunar Week:", "lblQuillonLWCDate",
        false, true, &ReadDate, &LabelOfDay, kSteps};
    return descriptor;
}
