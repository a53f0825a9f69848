// Everything the program knows about one notation of a moment, in one record: its code and
// names, how it reads a typed date and writes a day, where its days begin, its steps, its
// refusals, its log item and its lunation-page texts. The window, the command-line tool, the
// log, the moves and the lunation page iterate the registry of these records; a new notation
// is one more record (calendars/registry/CalendarRegistry.h).
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The texts of one day (or, for a day count, one moment) in one notation.
struct DateLabel {
    std::string shortText;  // "2001-12-31 CE", "2,455,900.9200 AJD"
    std::string caption;    // "2001-12-31 CE (Monday, December 31, 2001)"
    std::string toolTip;
    // The numbers behind the date (name, value), for scripted use.
    std::vector<std::pair<std::string, long long>> fields;
};

// One step of a calendar's own arithmetic, from day number to day number: the date one unit
// on or back, fitted as that calendar fits a date its target lacks. nullopt when the date
// cannot be moved (the cycle number at the end of its 32-bit range).
using CalendarStepFn = std::optional<int32_t> (*)(int32_t jdn, bool forward);
struct CalendarStep {
    std::string_view unit;  // "week", "month", "year", "century", "cycle": the step list says
                            // "1 <code> <unit>"
    CalendarStepFn apply;
};

// A typed date the calendar refuses: the entry error's number (fixed: users and the guide
// quote it) and its message.
struct CalendarRefusal {
    int number;
    std::string_view message;
};

// The texts of one day of a lunation page, and the full name of its month (the page's title
// names the month of its middle day).
struct LunationCellTexts {
    std::string line;       // "Dionysus 25", "Zoe 5 Mellephan.", "Herday W2 Corven"
    std::string monthName;  // "Dionysus"
};
struct LunationPageTexts {
    std::string_view listText;  // "Archetypes Calendar dates": its entry in the window's list
    int cellWidth;              // pixels of a column of the page
    LunationCellTexts (*cell)(int32_t dayNumber);
};

// One month of a calendar of months, read from its module.
struct CalendarMonth {
    // The day number of the month's first day (counted from the calendar's own day start);
    // days 0 when there is no month (beyond the module's range).
    int32_t firstDay = 0;
    int days = 0;            // the month's length
    int month = 0;           // its number in the year
    std::string monthName;   // "Diana"
    std::string yearText;    // the year as the calendar's long form writes it: "4721", "104-6", "1-94"
    std::string firstDate;   // the plain text of the first day: "4721-02-01 ARC"
    std::string lastDate;    // and of the last
};

struct CalendarDescriptor {
    int index = 0;               // its row of the calendar table: stored in the saved state and the
                                 // history, so fixed once given
    std::string_view code;       // "ARC": what an entry names it by
    std::string_view name;       // "Archetypes Calendar date"
    std::string_view title;      // "Archetypes Calendar:": the title of its row in the window
    std::string_view labelName;  // "lblArchetypesDate": object name of its label pair
    // Where its row stands in the date frame and its item in a log entry (ascending).
    int displayRank = 0;
    // Where its steps stand in the step list and its entry in the lunation-page list
    // (ascending; both lists keep their saved indexes when a notation is added at the end).
    int listRank = 0;

    // A count of days and fractions (CJD, AJD) rather than a calendar of days: read and written
    // as one number, no time of day, no steps.
    bool julianDateCount = false;
    // For a count: it counts from the civil midnight of the time frame (the chronological
    // Julian date); otherwise from Greenwich noon (the astronomical Julian date).
    bool countsFromCivilMidnight = false;
    // For a calendar of days: the part of the civil day (from midnight, in the time frame) at
    // which its days begin. A day that begins at 06:00 is 0.25: its times of day are shown that
    // much behind the civil clock and its date is that of the civil day that much earlier.
    double dayStart = 0.0;

    // The day number of a typed date (the entry's text before the code): 0 and jdn set, or the
    // number of one of its refusals. nullptr for a count.
    int (*readDate)(const std::string& text, int32_t& jdn) = nullptr;
    // The texts of one of its days (a day number counted from its own day start). nullptr for
    // a count.
    DateLabel (*labelOfDay)(int32_t jdn) = nullptr;
    std::span<const CalendarStep> steps;
    std::span<const CalendarRefusal> refusals;

    // Its box in the log preferences: caption (with its Alt+letter) and object name.
    std::string_view logCaption;
    std::string_view logCheckBox;
    // Not in a log entry unless its box is ticked; Reset's "log preferences also" leaves its box.
    bool logIncludeOptIn = false;
    // The "calendar=date" item closes the line: no two blanks after it.
    bool logItemEndsLine = false;

    // Its lunation page; nullptr when a page cannot be drawn in it.
    const LunationPageTexts* lunationPage = nullptr;
    // The month that holds a day (its calendar files list the months); nullptr for a calendar
    // without months of its own.
    CalendarMonth (*monthOfDay)(int32_t dayNumber) = nullptr;

    // A typed entry in it, for the help: "4696-11-25 ARC".
    std::string_view entryExample;
};
