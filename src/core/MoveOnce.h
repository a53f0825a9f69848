// The move steps: one step of the step list applied to a moment, the description of a move
// for the log, its range messages, and the moment as a move's history entry shows it.
#pragma once
#include <string>
#include <string_view>

#include "core/DateDisplay.h"
#include "core/TimeFrame.h"
#include "core/WindowLists.h"

namespace MoveSteps {

// What a step of the step list moves by: a length of time, or one unit of a calendar's own
// arithmetic on the civil day (on the lunar-week day for QLW).
struct StepRule {
    double days;              // the length added to the AJD; 0 for a calendar step
    int calendar;             // the calendar of a calendar step, -1 for a length of time
    std::string_view unit;    // its unit: "week", "month", "year", "century", "cycle"
};
inline constexpr std::array<StepRule, kSteps.size()> kRules = {{
    {1.0 / 1440, -1, ""},
    {1.0 / 24, -1, ""},
    {1.0, -1, ""},
    {0, CalendarTable::CE, "month"},
    {0, CalendarTable::CE, "year"},
    {0, CalendarTable::CE, "century"},
    {0, CalendarTable::ARC, "month"},
    {0, CalendarTable::ARC, "year"},
    {0, CalendarTable::VO, "month"},
    {0, CalendarTable::VO, "year"},
    {0, CalendarTable::VO, "cycle"},
    {0, CalendarTable::DVG, "month"},
    {0, CalendarTable::DVG, "year"},
    {0, CalendarTable::DVG, "cycle"},
    {0, CalendarTable::LLT, "month"},
    {0, CalendarTable::LLT, "year"},
    {0, CalendarTable::LLT, "cycle"},
    {0, CalendarTable::QLW, "week"},
    {0, CalendarTable::QLW, "month"},
    {0, CalendarTable::QLW, "year"},
}};

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
// frame; a QLW step moves the QLW date that the display shows (the lunar-week day, whose
// days begin at 06:00) and lands on that QLW date also before 06:00.
MoveResult MoveOnce(double ajd, int step, bool forward, const TimeFrame& frame, int entryCalendar);

// "Move forward 1 CE month repeatedly."
std::string StepDescription(int step, bool forward, bool repeatedly);

inline constexpr const char* kRangeTitle = "Out of range";
inline constexpr const char* kEarliestExceeded = "Earliest date exceeded.";
inline constexpr const char* kLatestExceeded = "Latest date exceeded.";
// The message of a moment beyond the accepted moments, or the empty text.
std::string RangeMessage(double ajd);

}  // namespace MoveSteps
