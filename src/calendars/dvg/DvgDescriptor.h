// The Dunhale-Varnel Goddess Calendar notation (code DVG).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& DvgDescriptor();
