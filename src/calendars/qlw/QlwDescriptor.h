// The Quillon Lunar Week Calendar notation (code QLW).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& QlwDescriptor();
