// The saved state: the 27 values of the state file slvn.usr as a record, the text the file
// holds and the reading of that text. The window fills the record from its controls and applies
// what was read; the file's text never reaches the window unchecked.
#pragma once
#include <string>
#include <string_view>

#include "core/LogPreferences.h"
#include "core/TimeFrame.h"
#include "core/MoveOnce.h"
#include "core/WindowLists.h"

struct SavedState {
    double dblCurrentAJDate = 2451545.0;  // 1: the displayed moment (AJD)
    int intEntryCalendar = CalendarTable::kDefaultEntryCalendar;  // 2
    bool moveForward = true;      // 3: element 0 of the move direction chosen
    bool plus = true;             // 4: add rather than subtract days
    bool next = true;             // 5: search forward
    bool greenwich = false;       // 6: Greenwich rather than local time
    int moveStep = MoveSteps::kDefault;             // 7
    int target = SearchTargets::RowOf(SearchTargets::kDefault);  // 8: the row of the target list
    int timeZone = TimeZones::kGmtIndex;            // 9
    int refreshPeriod = RefreshPeriods::kDefault;   // 10
    bool repeatedly = false;      // 11: written, never restored
    bool logOn = false;           // 12: "Log all results"
    std::string eclipseData;      // 13: the eclipse-data label; lines separated by "\n"
    // 14 is a fixed text, 15 to 26 the log preferences.
    LogPreferences logPreferences;
    int monthCalendar = 0;        // 27: the calendar of the lunation page
    std::string place;            // 28: the observer's place as typed or chosen; empty for none

    bool operator==(const SavedState& other) const;
};

namespace SavedStateFile {

// A whole file holds 27 values; the place follows them (a file without it restores with no
// place, and older readers ignore it).
inline constexpr int kValueCount = 27;
inline constexpr int kPlaceValue = 28;
inline constexpr const char* kFileName = "slvn.usr";
inline constexpr const char* kFixedText = "Looking for something?";  // value 14
// A real state file is well under a kilobyte; reading stops here, so that a huge file neither
// fills the memory nor delays the start.
inline constexpr size_t kMaxFileBytes = 64 * 1024;
// The eclipse data is a few short lines; a longer text would swamp the window.
inline constexpr size_t kMaxEclipseDataBytes = 1024;
inline constexpr int kMaxEclipseDataLines = 12;

// The file's text: one value a line, CR LF line ends, texts quoted (a quote inside doubled, a
// line break written as CR LF), the moment with the fewest digits that read back exactly. A
// moment beyond the accepted ones is written as the nearest of them: every file written reads
// back whole.
std::string Write(const SavedState& state);

struct Reading {
    SavedState state;  // the values read; those from valuesRead on keep their defaults
    int valuesRead = 0;  // how many values, from the first, were read and are sound (0..27)
    bool Complete() const { return valuesRead >= kValueCount; }
};

// Reads the values in order and stops at the first one that is missing or unsound: a number
// that is not one, a moment that is not finite or outside the accepted range, a list index out
// of range, a check-box state other than 0 or 1, a text that never closes or is too long.
// Takes CR LF or LF line ends; lines after the last value are ignored.
Reading Read(std::string_view text);

}  // namespace SavedStateFile
