// The move steps: one step of the step list applied to a moment, the description of a move
// for the log, its range messages, and the moment as a move's history entry shows it.
#pragma once
#include <string>
#include <string_view>

#include "core/DateDisplay.h"
#include "core/TimeFrame.h"
#include "calendars/registry/CalendarRegistry.h"
#include <vector>

namespace MoveSteps {

// What a step of the step list moves by: a length of time, or one unit of a calendar's own
// arithmetic on the calendar's day (the day that begins at its day start).
struct StepRule {
    std::string text;       // "1 minute", "1 CE month": the list's text
    double days = 0;        // the length added to the AJD; 0 for a calendar step
    int calendar = -1;      // the calendar of a calendar step, -1 for a length of time
    CalendarStepFn apply = nullptr;  // its step
};

// The step list: a minute, an hour and a day, then every calendar's steps in the registry's
// list order ("1 CE month", "1 CE year", "1 CE century", "1 ARC month", ...). The index of a
// step is what the saved state stores.
std::vector<StepRule> Steps();
inline constexpr int kDefault = 2;  // "1 day"

// The index of a step text ("1 CE month"), or -1.
int StepIndex(std::string_view text);

struct MoveResult {
    double ajd = 0.0;
    int entryCalendar = 0;  // the step's calendar after a calendar step, else unchanged
    // False when the step's calendar cannot name the moved date (far beyond the accepted
    // moments); ajd and entryCalendar are then those given.
    bool moved = false;
};

// One step forward or back from the moment ajd. A calendar step keeps the time of day in the
// frame; it moves the date that the display shows for the calendar (the day that begins at its
// day start) and lands on the moved date also before its day start.
MoveResult MoveOnce(double ajd, const StepRule& step, bool forward, const TimeFrame& frame, int entryCalendar);
// The same for a step of the list by its index (no move for an index outside the list).
MoveResult MoveOnce(double ajd, int step, bool forward, const TimeFrame& frame, int entryCalendar);

// "Move forward 1 CE month repeatedly."
std::string StepDescription(const StepRule& step, bool forward, bool repeatedly);

inline constexpr const char* kRangeTitle = "Out of range";
inline constexpr const char* kEarliestExceeded = "Earliest date exceeded.";
inline constexpr const char* kLatestExceeded = "Latest date exceeded.";
// The message of a moment beyond the accepted moments, or the empty text.
std::string RangeMessage(double ajd);

}  // namespace MoveSteps
