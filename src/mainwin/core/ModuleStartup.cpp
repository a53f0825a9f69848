#include "mainwin/core/ModuleStartup.h"

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "dates/DatePr2.h"

void InitialiseModules() {
    // Order: date names, lunations, solilunar constants, equinoxes, goddess month names,
    // lunar-week names.
    DatePr2::InitDateNames();
    Syzyg::InitLunations();
    VoCal::InitLunarCalendarConstants();
    SolEq::InitSolEq();
    DVGCal::InitDvgMonthNames();
    QLWC::InitQlwNames();
}
