#include "calendars/jc/JulianCalendarDescriptor.h"

#include "calendars/ce/IsoDates.h"

namespace {

constexpr const char* kCode = "JC";

DateLabel LabelOfDay(int32_t jdn) { return IsoDates::LabelOfDay(jdn, DAYCALC_JULIAN, kCode); }

constexpr CalendarRefusal kRefusals[] = {
    {7, "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"}};

}  // namespace

const CalendarDescriptor& JulianCalendarDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 1;
        d.code = kCode;
        d.name = "Julian date";
        d.title = "Julian:";
        d.labelName = "lblJulianCalendarDate";
        d.displayRank = 20;
        d.readDate = &IsoDates::ReadDate<DAYCALC_JULIAN, 7>;
        d.labelOfDay = &LabelOfDay;
        d.refusals = kRefusals;
        d.logCaption = "&JC (Julian Calendar)";
        d.logCheckBox = "chkIncludeJC";
        d.entryExample = "-44-03-15 JC";
        return d;
    }();
    return descriptor;
}
