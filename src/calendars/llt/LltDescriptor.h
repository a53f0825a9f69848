// The Lunar Liberalia Triday Calendar notation (code LLT).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& LltDescriptor();
