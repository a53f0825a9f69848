#include "mainwin/ModuleStartup.h"

#include "calendars/dvg/DVGCal.h"
#include "calendars/vo/VoCal.h"
#include "dates/DatePr2.h"

void InitialiseModules() {
    // Order: date names, lunations, solilunar constants, equinoxes, goddess month names,
    // lunar-week names.
    DatePr2::InitDateNames();
    VoCal::InitLunarCalendarConstants();
    DVGCal::InitDvgMonthNames();
}
