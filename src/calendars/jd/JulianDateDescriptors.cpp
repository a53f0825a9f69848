#include "calendars/jd/JulianDateDescriptors.h"

namespace {

// The day count of the time frame's civil days, from midnight.
constexpr CalendarDescriptor kChronological{.index = 6, .code = "CJD", .name = "chronological Julian date",
    .title = "Chronological Julian date:", .labelName = "lblChronologicalJulianDate", .displayRank = 80,
    .julianDateCount = true, .countsFromCivilMidnight = true, .logCaption = "CJD (C&hronological Julian Date)",
    .logCheckBox = "chkIncludeCJD", .entryExample = "999999.99 CJD"};

// The astronomers' count, from Greenwich noon; its log item closes the line.
constexpr CalendarDescriptor kAstronomical{.index = 7, .code = "AJD", .name = "astronomical Julian date",
    .title = "Astronomical Julian date:", .labelName = "lblAstronomicalJulianDate", .displayRank = 90,
    .julianDateCount = true, .logCaption = "AJD (Astro&nomical Julian Date)", .logCheckBox = "chkIncludeAJD",
    .logItemEndsLine = true, .entryExample = "2,111,111 AJD"};

}  // namespace

const CalendarDescriptor& ChronologicalJulianDateDescriptor() { return kChronological; }

const CalendarDescriptor& AstronomicalJulianDateDescriptor() { return kAstronomical; }
