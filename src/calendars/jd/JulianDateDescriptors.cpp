#include "calendars/jd/JulianDateDescriptors.h"

const CalendarDescriptor& ChronologicalJulianDateDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 6;
        d.code = "CJD";
        d.name = "chronological Julian date";
        d.title = "Chronological Julian date:";
        d.labelName = "lblChronologicalJulianDate";
        d.displayRank = 80;
        d.julianDateCount = true;
        d.countsFromCivilMidnight = true;
        d.logCaption = "CJD (C&hronological Julian Date)";
        d.logCheckBox = "chkIncludeCJD";
        d.entryExample = "999999.99 CJD";
        return d;
    }();
    return descriptor;
}

const CalendarDescriptor& AstronomicalJulianDateDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 7;
        d.code = "AJD";
        d.name = "astronomical Julian date";
        d.title = "Astronomical Julian date:";
        d.labelName = "lblAstronomicalJulianDate";
        d.displayRank = 90;
        d.julianDateCount = true;
        d.logCaption = "AJD (Astro&nomical Julian Date)";
        d.logCheckBox = "chkIncludeAJD";
        d.logItemEndsLine = true;
        d.entryExample = "2,111,111 AJD";
        return d;
    }();
    return descriptor;
}
