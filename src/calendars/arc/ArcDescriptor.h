// The Archetypes Calendar notation (code ARC).
#pragma once
#include "calendars/descriptor/CalendarDescriptor.h"

const CalendarDescriptor& ArcDescriptor();
