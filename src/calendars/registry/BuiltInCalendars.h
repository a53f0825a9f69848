// The nine notations the program is built with, in the order of the calendar table.
#pragma once
#include <vector>

#include "calendars/descriptor/CalendarDescriptor.h"

std::vector<const CalendarDescriptor*> BuiltInCalendars();
