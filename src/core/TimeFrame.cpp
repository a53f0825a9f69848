#include "core/TimeFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dates/DatePr2.h"
#include "support/JulianDates.h"
#include "support/StrProc.h"

namespace TimeZones {

namespace {
std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
}  // namespace

std::string ZoneListText(int index) {
    const int i = index - kGmtIndex;  // half hours east of Greenwich
    if (i == 0) return "GMT";
    return std::string("GMT") + (i < 0 ? " - " : " + ") + TwoDigits(std::abs(i) / 2) +
           (std::abs(i) % 2 ? ":30" : ":00");
}

int ZoneOffsetMinutes(const std::string& zoneText) {
    if (zoneText == "GMT") return 0;
    const auto hours = zoneText.size() > 6 ? StrProc::LeadingNumber(zoneText.substr(6)) : 0.0;
    const auto minutes = zoneText.size() > 9 ? StrProc::LeadingNumber(zoneText.substr(9)) : 0.0;
    // Only the list's own texts name a zone; anything else (hours beyond a day, minutes beyond
    // an hour) is read as Greenwich rather than as an offset no clock has.
    if (!(hours >= 0 && minutes >= 0 && minutes < 60 && hours * 60 + minutes <= 24 * 60)) return 0;
    const int offset = static_cast<int>(hours * 60 + minutes);
    return zoneText.find('-') != std::string::npos ? -offset : offset;
}

double AjdToCjd(double ajd, const TimeFrame& frame) { return CjdOfAjd(ajd, frame.OffsetInEffect()); }

double CjdToAjd(double cjd, const TimeFrame& frame) { return AjdOfCjd(cjd, frame.OffsetInEffect()); }

namespace {
std::string ClockText(double ajd, const TimeFrame& frame, double dayStart) {
    double x = AjdToCjd(ajd, frame);
    if (dayStart != 0.0) {
        x -= dayStart;
        if (x < 0) x += 1;
    }
    // Just below a whole day, and negative, x less its floor rounds to a whole 1: the moment is
    // still of the day before, whose last minute it shows.
    return DatePr2::FormatTimeOfDay(std::min(x - std::floor(x), std::nextafter(1.0, 0.0)));
}
}  // namespace

std::string TimeOfDayText(double ajd, const TimeFrame& frame, const CalendarDescriptor& calendar) {
    return ClockText(ajd, frame, calendar.dayStart);
}

std::string TimeOfDayText(double ajd, const TimeFrame& frame) { return ClockText(ajd, frame, 0.0); }

std::string FrameMarker(const TimeFrame& frame) {
    if (frame.zoneOffsetMinutes != 0) return frame.greenwich ? " (GMT)" : " (local)";
    return frame.greenwich ? " (GMT=local)" : " (local=GMT)";
}

int ZoneOffsetOfIndex(int index) { return index >= 0 && index < kZoneCount ? (index - kGmtIndex) * 30 : 0; }

int ZoneIndexOfOffset(int offsetMinutes) {
    if (offsetMinutes % 30 != 0) return -1;
    const int index = kGmtIndex + offsetMinutes / 30;
    return index >= 0 && index < kZoneCount ? index : -1;
}

std::string TimeLineText(double ajd, const TimeFrame& frame, const CalendarDescriptor& entryCalendar) {
    const std::string t = TimeOfDayText(ajd, frame, entryCalendar);
    if (entryCalendar.dayStart != 0.0)
        return t + (frame.greenwich ? " (Greenwich " : " (local ") + std::string(entryCalendar.code) + ")";
    return t + FrameMarker(frame);
}

std::string WithTimeOfDay(const std::string& dateBox, double ajd, const TimeFrame& frame,
                          const CalendarDescriptor& calendar) {
    if (dateBox.size() <= 2) return dateBox;
    std::string text = dateBox;
    const auto colon = text.find(':');
    // Cutting three characters before the colon removes "hh:mm" and its blank; a colon among
    // the first two characters leaves nothing of the text.
    if (colon != std::string::npos) text = StrProc::SafeLeft(text, static_cast<long long>(colon) - 2);
    text = StrProc::Trim(text);
    return text + " " + TimeOfDayText(ajd, frame, calendar);
}

}  // namespace TimeZones
