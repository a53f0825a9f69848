#include "mainwin/core/CalendarDispatch.h"

#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "dates/DatePr2.h"
#include "mainwin/core/CalendarTable.h"

namespace CalendarDispatch {

namespace {
int CommonEraOrJulian(const std::string& text, int32_t letter, int error, int32_t& jdn) {
    CalendarDate date{0, 0, 0, letter, 0, 0};
    DatePr2::ParseDate(text, date);
    if (date.valid != 1) return error;
    jdn = DatePr2::DateToJdn(date);
    return 0;
}

// The year, month and day numbers come from the common date reader; whether they form an
// Archetypes date is the calendar's own decision.
int Archetypes(const std::string& text, int32_t& jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, 0, 0};
    DatePr2::ParseDate(text, date);
    if (!ArcCal::ArcDateToJdn(date)) return 8;
    jdn = date.jdn;
    return 0;
}

int Solilunar(const std::string& text, int32_t& jdn) {
    VoDate date{};
    if (!VoCal::ParseVoDate(text, date) || !VoCal::VoDateToJdn(date)) return 9;
    jdn = date.jdn;
    return 0;
}

int Triday(const std::string& text, int32_t& jdn) {
    LltDate date{};
    if (!LltCal::ParseLltDate(text, date) || !LltCal::LltDateToJdn(date)) return 10;
    jdn = date.jdn;
    return 0;
}

int Goddess(const std::string& text, int32_t& jdn) {
    DVGCal::DvgDate date{};
    if (!DVGCal::ParseDvgDate(text, date)) return 11;
    jdn = date.jdn;
    return 0;
}
// The lunar-week reader says what is wrong: the form (-2, also for an empty text), the month
// (-3), the week (-4) or the day (-5).
int LunarWeek(const std::string& text, int32_t& jdn) {
    QLWC::QlwDate date{};
    switch (QLWC::ParseQlwDate(text, date)) {
        case 0: jdn = date.jdn; return 0;
        case -3: return 16;
        case -4: return 17;
        case -5: return 18;
        default: return 15;
    }
}
}  // namespace

int DateTextToJdn(int calendarIndex, const std::string& dateText, int32_t& jdn) {
    using namespace CalendarTable;
    switch (calendarIndex) {
        case CE: return CommonEraOrJulian(dateText, DAYCALC_GREGORIAN, 6, jdn);
        case JC: return CommonEraOrJulian(dateText, DAYCALC_JULIAN, 7, jdn);
        case ARC: return Archetypes(dateText, jdn);
        case VO: return Solilunar(dateText, jdn);
        case LLT: return Triday(dateText, jdn);
        case DVG: return Goddess(dateText, jdn);
        case QLW: return LunarWeek(dateText, jdn);
        default: return 13;
    }
}

}  // namespace CalendarDispatch
