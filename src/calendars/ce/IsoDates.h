// The pieces of the two ISO 8601 notations, Common Era and Julian Calendar dates, read and
// written through the date module (the letter selects the calendar).
#pragma once
#include <string>

#include "calendars/descriptor/CalendarDescriptor.h"
#include "dates/DatePr2.h"

namespace IsoDates {

template <int32_t Letter, int Refusal>
int ReadDate(const std::string& text, int32_t& jdn) {
    CalendarDate date{0, 0, 0, Letter, 0, 0};
    DatePr2::ParseDate(text, date);
    if (date.valid != 1) return Refusal;
    jdn = DatePr2::DateToJdn(date);
    return 0;
}

// "2001-12-31 CE (Monday, December 31, 2001)".
DateLabel LabelOfDay(int32_t jdn, int32_t letter, const char* code);

}  // namespace IsoDates
