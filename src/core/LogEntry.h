// The log: the header of a new log and the text of one entry, built from the texts the main
// window shows (its date labels and Moon labels) and the log preferences.
#pragma once
#include <vector>
#include <string>

#include "calendars/registry/CalendarRegistry.h"
#include "core/LogPreferences.h"

namespace LogEntry {

// Where the program's user guide is found, written in the header of every log. The guide
// ships with the program (no page of it is published online), so the header says where.
inline constexpr const char* kDocumentationAddress = "User guide: Help (F1) in the Selvanor window";

// The window's caption, where the guide is found, and an empty line.
std::string Header(const std::string& caption, const std::string& lineBreak);

// What the window shows when an entry is made.
struct Display {
    // The value label of each calendar's date, by calendar index ("2012-12-21 CE (Friday, ...").
    std::vector<std::string> dateLabels;
    std::string phaseLabel;  // "Crescent moon (waxing), 23.4%"
    std::string ageLabel;    // "[157] 3 days, 4 hrs, 5 mins (10.7%)"
    int entryCalendar = CalendarTable::kDefaultEntryCalendar;  // its date is the entry's date line: not repeated
};

// One entry: the operation, the date text, the included calendar items, the Moon line, the
// extra text and the empty line that separates entries. Every line ends in lineBreak.
std::string Entry(const std::string& dateText, const std::string& operation, const std::string& extra,
                  const Display& display, const LogPreferences& preferences, const std::string& lineBreak);

}  // namespace LogEntry
