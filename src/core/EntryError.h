// What the date entry grammar and Compute can refuse, each with its fixed number and message.
#pragma once
#include <string>

// The numbers are part of the program's vocabulary (the guide and users quote them); they
// never change.
enum class EntryError : int {
    None = 0,
    InvalidDate = 1,
    CalendarMissing = 2,
    TimeWithJulianDate = 3,
    InvalidTime = 4,
    WrongSeparator = 5,
    InvalidCe = 6,
    InvalidJc = 7,
    InvalidArc = 8,
    InvalidVo = 9,
    InvalidLlt = 10,
    InvalidDvg = 11,
    InvalidJulianDate = 12,
    Unparsable = 13,
    InvalidDays = 14,
    InvalidQlw = 15,
    InvalidQlwMonth = 16,
    InvalidQlwWeek = 17,
    InvalidQlwDay = 18,
    NoDate = 19,
};

inline constexpr const char* kEntryErrorTitle = "Invalid date/time entry";

// The message of an error (title kEntryErrorTitle); "Unknown error." for None.
std::string EntryErrorText(EntryError error);
