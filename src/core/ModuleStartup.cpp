#include "core/ModuleStartup.h"

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "dates/DatePr2.h"

void InitialiseModules() {
    // Every module's tables are constants and each operation stands on its own; these steps
    // only compute ahead what the first display would otherwise compute (the new moon of
    // lunation 0), in the order the modules build on each other.
    DatePr2::InitDateNames();
    Syzyg::InitLunations();
    VoCal::InitLunarCalendarConstants();
    SolEq::InitSolEq();
    DVGCal::InitDvgMonthNames();
    QLWC::InitQlwNames();
}
