#include "calendars/ce/IsoDates.h"

namespace IsoDates {

DateLabel LabelOfDay(int32_t jdn, int32_t letter, const char* code) {
    const CalendarDate date = DatePr2::DateOfJdn(jdn, letter);
    DateLabel label;
    label.shortText = DatePr2::FormatDate(date, "-", ',') + " " + code;
    label.caption = label.shortText + " (" + DatePr2::WeekdayNameOfJdn(jdn) + ", " + DatePr2::MonthName(date.month) +
                    " " + std::to_string(date.day) + ", " + std::to_string(date.year) + ")";
    label.toolTip = DatePr2::DescribeDate(date);
    label.fields = {{"year", date.year}, {"month", date.month}, {"day", date.day}};
    return label;
}

}  // namespace IsoDates
