// The nine date labels of a moment: short texts (the plain date with its code), the final
// captions and the tool tips, in the order of the calendar table.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/CalendarRegistry.h"
#include "core/TimeFrame.h"

struct NumberFormat {
    char decimalSign = '.';
    std::string groupSeparator = ",";
};

struct DateDisplay {
    double ajd = 0.0;
    double cjd = 0.0;
    int32_t civilDay = 0;  // floor(cjd)
    int32_t qlwDay = 0;    // floor(cjd - 0.25): lunar-week days begin at 06:00
    std::array<DateLabel, CalendarTable::intNumCalendars> labels;
};

// "2,455,900.9200" with the given decimal sign and group separator.
std::string FormatJulianNumber(double value, const NumberFormat& format);

DateDisplay ComputeAllDates(double ajd, const TimeFrame& frame, const NumberFormat& format);

// What a click on a date label's value puts into the date box: the short date with its code
// and the moment's time of day, or for CJD and AJD the number (in the entry grammar's own
// number form, so that it reads back whatever the user's number format).
std::string DateBoxTextOfLabel(const DateDisplay& display, int calendarIndex, const TimeFrame& frame);
