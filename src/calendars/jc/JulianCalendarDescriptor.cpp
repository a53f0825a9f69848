#include "calendars/jc/JulianCalendarDescriptor.h"

#include "calendars/ce/IsoDates.h"

namespace {

constexpr const char* kCode = "JC";

DateLabel LabelOfDay(int32_t jdn) { return IsoDates::LabelOfDay(jdn, DAYCALC_JULIAN, kCode); }

constexpr CalendarRefusal kRefusals[] = {
    {7, "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"}};

constexpr CalendarDescriptor kDescriptor{.index = 1, .code = kCode, .name = "Julian date", .title = "Julian:",
    .labelName = "lblJulianCalendarDate", .displayRank = 20, .readDate = &IsoDates::ReadDate<DAYCALC_JULIAN, 7>,
    .labelOfDay = &LabelOfDay, .refusals = kRefusals, .logCaption = "&JC (Julian Calendar)",
    .logCheckBox = "chkIncludeJC", .entryExample = "-44-03-15 JC"};

}  // namespace

const CalendarDescriptor& JulianCalendarDescriptor() { return kDescriptor; }

