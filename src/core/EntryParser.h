// The date entry grammar: a typed moment ("2003-12-31 CE 15:55") to an astronomical Julian
// date, or an entry error code, and the messages of those codes.
#pragma once
#include <string>

#include "core/EntryError.h"
#include "core/TimeFrame.h"

struct EntryContext {
    int entryCalendar = 0;          // index of the calendar assumed for an entry without code
    bool restoringHistory = false;  // a history entry is being re-entered
    bool daysBoxEmpty = true;       // the plus/minus days box is empty
    TimeFrame frame;
    // The displayed moment as the entry calendar's date text with its time of day, as a click
    // on that calendar's date label would put it into the date box (empty when none is shown).
    std::string entryCalendarDateText;
};

struct EntryResult {
    double ajd = 0.0;
    EntryError error = EntryError::None;
    int calendarIndex = -1;      // the entry's calendar on success
    bool dateBoxChanged = false; // dateBox holds what the date box now shows
    std::string dateBox;
};

EntryResult ParseDateEntry(const std::string& text, const EntryContext& context);
