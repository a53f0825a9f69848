// The two counts of days and fractions: the chronological Julian date (CJD, from the civil
// midnight of the time frame) and the astronomical Julian date (AJD, from Greenwich noon).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& ChronologicalJulianDateDescriptor();
const CalendarDescriptor& AstronomicalJulianDateDescriptor();
