// Coincidences of the first days of months of four calendars.
#include "core/search/Coincidence.h"

#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/vo/VoCal.h"

namespace Search {

bool CoincidenceOfFirsts(int32_t jdn) {
    // The cheapest test first: the DVG date is plain arithmetic, the others go through their
    // libraries' year tables.
    DVGCal::DvgDate goddess{};
    goddess.jdn = jdn;
    DVGCal::JdnToDvgDate(goddess);
    if (goddess.day != 1) return false;
    LltDate triday{};
    triday.jdn = jdn;
    LltCal::JdnToLltDate(triday);
    if (triday.day != 1) return false;
    CalendarDate archetypes{};
    archetypes.jdn = jdn;
    ArcCal::JdnToArcDate(archetypes);
    return archetypes.day == 1;
}

std::optional<int32_t> FindCoincidence(int32_t jdn, bool next, int32_t limitJdn) {
    VoDate month{};
    month.jdn = jdn;
    VoCal::JdnToVoDate(month);
    if (next || month.day != 1) {
        month.day = 1;
        if (next) VoCal::StepVoMonth(month, true);
    } else {
        VoCal::StepVoMonth(month, false);
    }
    for (;;) {
        // A month that names no day (the 32-bit end of the cycles) ends the walk as the
        // limit does.
        if (!VoCal::VoDateToJdn(month)) return std::nullopt;
        const int32_t day = month.jdn;
        if (next ? day > limitJdn : day < limitJdn) return std::nullopt;
        if (CoincidenceOfFirsts(day)) return day;
        VoCal::StepVoMonth(month, next);
    }
}

}  // namespace Search
