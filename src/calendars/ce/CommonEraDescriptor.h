// The Common Era notation (proleptic Gregorian dates, code CE).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& CommonEraDescriptor();
