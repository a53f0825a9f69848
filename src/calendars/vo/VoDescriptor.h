// The Varnel-Ostrik Solilunar Calendar notation (code VO).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& VoDescriptor();
