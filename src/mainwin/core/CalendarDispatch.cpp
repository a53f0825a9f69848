#include "mainwin/core/CalendarDispatch.h"

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
}  // namespace

int DateTextToJdn(int calendarIndex, const std::string& dateText, int32_t& jdn) {
    using namespace CalendarTable;
    switch (calendarIndex) {
        case CE: return CommonEraOrJulian(dateText, DAYCALC_GREGORIAN, 6, jdn);
        case JC: return CommonEraOrJulian(dateText, DAYCALC_JULIAN, 7, jdn);
        case ARC: return 8;
        case VO: return 9;
        case LLT: return 10;
        case DVG: return 11;
        case QLW: return 15;
        default: return 13;
    }
}

}  // namespace CalendarDispatch
