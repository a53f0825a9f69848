// What the date entry grammar and Compute can refuse, each with its fixed number and message.
// The refusals of one calendar's dates (6 to 11, 15 to 18 for the nine notations) are its
// descriptor's; the numbers here are the grammar's own.
#pragma once
#include <string>

// The numbers are part of the program's vocabulary (the guide and users quote them); they
// never change. A calendar's refusal is an EntryError of its descriptor's number.
enum class EntryError : int {
    None = 0,
    InvalidDate = 1,
    CalendarMissing = 2,
    TimeWithJulianDate = 3,
    InvalidTime = 4,
    WrongSeparator = 5,
    InvalidJulianDate = 12,
    Unparsable = 13,
    InvalidDays = 14,
    NoDate = 19,
};

inline constexpr const char* kEntryErrorTitle = "Invalid date/time entry";

// The message of an error (title kEntryErrorTitle): the grammar's, or the calendar's refusal of
// that number; "Unknown error." for None and any other number.
std::string EntryErrorText(EntryError error);
