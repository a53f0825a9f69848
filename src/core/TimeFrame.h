// Greenwich or local time in a chosen zone: the zone list, offsets, the chronological and
// astronomical Julian dates, the time line and the time appended to a date entry.
#pragma once
#include <string>

#include "calendars/descriptor/CalendarDescriptor.h"
#include "support/AcceptedRange.h"

struct TimeFrame {
    bool greenwich = false;     // optGreenwich chosen; otherwise local time
    int zoneOffsetMinutes = 0;  // of the zone selected in the list, east positive
    // The offset of the clock the frame shows: 0 for Greenwich time, the zone's for local time.
    constexpr int OffsetInEffect() const { return greenwich ? 0 : zoneOffsetMinutes; }
    bool operator==(const TimeFrame&) const = default;
};

namespace TimeZones {

inline constexpr int kZoneCount = 49;  // half hours from GMT - 12:00 to GMT + 12:00
inline constexpr int kGmtIndex = 24;

// "GMT - 12:00" ... "GMT" ... "GMT + 12:00" for index 0..48.
std::string ZoneListText(int index);
// The offset of a zone list text: "GMT + 05:30" is 330, "GMT - 03:30" is -210, "GMT" 0; a text
// naming more than 24 hours or 59 minutes gives 0.
int ZoneOffsetMinutes(const std::string& zoneText);

double AjdToCjd(double ajd, const TimeFrame& frame);
double CjdToAjd(double cjd, const TimeFrame& frame);

// The time line: the moment's time of day in the frame, on the clock of the entry calendar
// (whose days may begin after midnight), with its marker: "14:28 (local)", "08:28 (local QLW)".
// The live clock needs no branch of its own: it makes the computer's clock the moment, whose
// time is then shown in the chosen frame like any other.
std::string TimeLineText(double ajd, const TimeFrame& frame, const CalendarDescriptor& entryCalendar);

// The zone list index of an offset in minutes east of Greenwich; -1 when the list has none.
int ZoneIndexOfOffset(int offsetMinutes);
// The offset of a zone list index (GMT for an index the list lacks).
int ZoneOffsetOfIndex(int index);

// The time of day of the moment as HH:MM in the frame, on the clock of the calendar (behind the
// civil clock by its day start: six hours for the lunar week calendar), or on the civil clock.
std::string TimeOfDayText(double ajd, const TimeFrame& frame, const CalendarDescriptor& calendar);
std::string TimeOfDayText(double ajd, const TimeFrame& frame);
// The time line's marker of a frame on the civil clock: " (local)", " (GMT)", " (local=GMT)".
std::string FrameMarker(const TimeFrame& frame);

// The date box after a click on the time line: its date with the moment's time of day.
// A box of two characters or fewer is returned unchanged.
std::string WithTimeOfDay(const std::string& dateBox, double ajd, const TimeFrame& frame,
                          const CalendarDescriptor& calendar);

}  // namespace TimeZones
