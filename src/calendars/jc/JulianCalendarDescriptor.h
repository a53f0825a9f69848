// The Julian Calendar notation (code JC).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& JulianCalendarDescriptor();
