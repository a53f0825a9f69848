// The date labels of a moment, one per notation of the registry: short texts (the plain date
// with its code), the final captions and the tool tips, by calendar index.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "calendars/registry/CalendarRegistry.h"
#include "core/TimeFrame.h"

struct NumberFormat {
    char decimalSign = '.';
    std::string groupSeparator = ",";
};

struct DateDisplay {
    double ajd = 0.0;
    double cjd = 0.0;
    int32_t civilDay = 0;  // floor(cjd)
    // By calendar index: its label, and the day number it was written for (floor(cjd - its day
    // start); the civil day for a count).
    std::vector<DateLabel> labels;
    std::vector<int32_t> dayNumbers;
    const DateLabel& Label(int calendarIndex) const;
};

// "2,455,900.9200" with the given decimal sign and group separator.
std::string FormatJulianNumber(double value, const NumberFormat& format);

DateDisplay ComputeAllDates(double ajd, const TimeFrame& frame, const NumberFormat& format);

// "1991-07-11 CE 19:06": the Common Era date and time of day of a moment in the frame, as the
// listings write their moments.
std::string CommonEraMomentText(double ajd, const TimeFrame& frame);

// What a click on a date label's value puts into the date box: the short date with its code
// and the moment's time of day, or for CJD and AJD the number (in the entry grammar's own
// number form, so that it reads back whatever the user's number format).
std::string DateBoxTextOfLabel(const DateDisplay& display, int calendarIndex, const TimeFrame& frame);
