// What a log entry includes and how it writes each calendar item: the log preferences window
// edits them, the saved state keeps them, the log entry builder reads them.
#pragma once
#include <vector>

class LogPreferences {
public:
    // true: "calendar=date" (the first format); false: "date calendar,".
    bool calendarEqualsDate = true;
    bool phaseOfMoon = true;     // the phase and illumination
    bool lunationAndAge = true;  // the lunation number and the Moon's age

    // Whether a calendar's item is included (by calendar index); a calendar never set takes
    // its default: included unless its descriptor makes it opt-in.
    bool Includes(int calendarIndex) const;
    void SetIncluded(int calendarIndex, bool included);
    // Every box of the window ticked or cleared (the calendars of the registry and the Moon).
    void SetAll(bool included);
    // "Reset log preferences also": the first format, every box ticked but the opt-in
    // calendars', which keep their state.
    void Reset();

    bool operator==(const LogPreferences& other) const;

private:
    std::vector<signed char> calendars_;  // by index: 1 included, 0 not, -1 (or missing) default
};
