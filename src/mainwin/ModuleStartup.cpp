#include "mainwin/ModuleStartup.h"

#include "dates/DatePr2.h"

void InitialiseModules() {
    // Order: date names, lunations, solilunar constants, equinoxes, goddess month names,
    // lunar-week names.
    DatePr2::InitDateNames();
}
