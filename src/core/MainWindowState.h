// What the main window keeps besides its controls: the displayed moment and the flags that
// its operations read and set. A plain value, so that tests and later operations can read it
// without the window's widgets.
#pragma once
#include <cstdint>
#include <string>

#include "calendars/registry/CalendarRegistry.h"
#include "core/LogPreferences.h"
#include "core/WindowLists.h"

struct MainWindowState {
    double dblCurrentAJDate = 0.0;     // the displayed moment (AJD)
    bool blnStartUpCompleted = false;  // start-up has finished
    bool blnExact = false;             // the moment is exactly a phase found by a search
    std::string strPicPath;            // folder of the Moon pictures, with a trailing "/"
    int intMaxX = 89, intMaxY = 89;    // last pixel column and row of the Moon picture
    bool blnLiveClock = false;         // the display follows the computer's clock (Now)
    int intClockInterval = 5;          // live-clock refresh interval, seconds
    int intEntryCalendar = CalendarTable::kDefaultEntryCalendar;
    int intZoneOffset = 0;             // minutes east of GMT of the zone in effect
    int intHistorySize = 8;
    int32_t lngEclipseLunation = kNoEclipseLunation;  // the eclipse last found by a search
    int intEclipsePhase = 0;                           // its phase: 0 solar, 2 lunar
    bool blnLunarEclipse = false;                      // it was a lunar eclipse
    bool blnRestoringState = false;    // the saved state is being read
    bool blnRestoringHistory = false;  // a history entry is being re-entered
    bool blnRepeating = false, blnPaused = false, blnStepDue = false;  // the repeated move
    std::string strStateFile;          // path of the saved-state file
    LogPreferences logPreferences;     // edited in the log preferences window
    int intHistoryIndex = -1;          // the history entry on show
    bool blnAddingHistory = false;     // the history list is being changed by AddHistoryEntry
    bool blnLogOn = false;             // "Log all results" is ticked
    // The last report made while logging was off ("Log this result" appends it).
    std::string strPendingDate, strPendingOperation, strPendingExtra;
};
