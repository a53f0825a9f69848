#include "calendars/registry/BuiltInCalendars.h"

#include "calendars/arc/ArcDescriptor.h"
#include "calendars/ce/CommonEraDescriptor.h"
#include "calendars/dvg/DvgDescriptor.h"
#include "calendars/jc/JulianCalendarDescriptor.h"
#include "calendars/jd/JulianDateDescriptors.h"
#include "calendars/llt/LltDescriptor.h"
#include "calendars/qlw/QlwDescriptor.h"
#include "calendars/vo/VoDescriptor.h"

std::vector<const CalendarDescriptor*> BuiltInCalendars() {
    return {&CommonEraDescriptor(),         &JulianCalendarDescriptor(),     &ArcDescriptor(),
            &VoDescriptor(),                &LltDescriptor(),                &DvgDescriptor(),
            &ChronologicalJulianDateDescriptor(), &AstronomicalJulianDateDescriptor(), &QlwDescriptor()};
}
