// The text of an iCalendar file (RFC 5545): content lines folded to 75 octets and ended by CR LF,
// escaped texts, dates and UTC times.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace Ics {

// A TEXT value: backslash, semicolon, comma and line break escaped (section 3.3.11).
std::string EscapeText(std::string_view text);

// One content line "NAME:value" (or "NAME;PARAM=x:value"), folded so that no line is longer
// than 75 octets without its CR LF, never inside a UTF-8 sequence, and ended by CR LF
// (section 3.1).
std::string ContentLine(std::string_view nameAndParameters, std::string_view value);

// A DATE value of the Common Era (proleptic Gregorian) day: "20240111".
std::string DateValue(int32_t dayNumber);

// A DATE-TIME value in UTC of a GMT Julian date, to the nearest second: "20240111T115700Z".
std::string UtcDateTimeValue(double julianDate);

// The Julian date of a moment given in seconds since 1970-01-01 00:00 UTC.
double JulianDateOfUnixSeconds(int64_t seconds);

// The first day an iCalendar date can hold: its years have four digits, and the calendar
// libraries that read them know no year 0.
inline constexpr int32_t kFirstDayNumber = 1721426;  // 0001-01-01 CE

}  // namespace Ics
