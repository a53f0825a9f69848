#include "core/History.h"

#include <algorithm>
#include <cstdlib>

#include "support/StrProc.h"

namespace History {

std::string EntryText(const std::string& dateText, bool julianDateCount, const std::string& timeLine, bool greenwich,
                      const std::string& zoneText) {
    std::string text = dateText;
    if (!julianDateCount) text += " " + StrProc::SafeLeft(timeLine, 5);
    text += greenwich ? " (Greenwich; local = " : " (local = ";
    return text + StrProc::RemoveSpaces(zoneText) + ")";
}

std::string EntryTextOf(const DateDisplay& display, int entryCalendar, const TimeFrame& frame) {
    const CalendarDescriptor& calendar = CalendarRegistry::Calendar(entryCalendar);
    return EntryText(display.Label(calendar.index).shortText, calendar.julianDateCount,
                     TimeZones::TimeLineText(display.ajd, frame, calendar), frame.greenwich,
                     CompactZoneText(frame.zoneOffsetMinutes));
}

std::string CompactZoneText(int offsetMinutes) {
    if (offsetMinutes == 0) return "GMT";
    const int minutes = std::abs(offsetMinutes);
    const auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return std::string("GMT") + (offsetMinutes < 0 ? "-" : "+") + two(minutes / 60) + ":" + two(minutes % 60);
}

int EntryFrame::ZoneIndex() const {
    return std::clamp(zoneOffsetMinutes / 30 + TimeZones::kGmtIndex, 0, TimeZones::kZoneCount - 1);
}

EntryFrame FrameOfEntry(const std::string& entryText) {
    EntryFrame frame;
    frame.greenwich = entryText.find("Greenwich;") != std::string::npos;
    const auto plus = entryText.find("GMT+");
    const auto minus = entryText.find("GMT-");
    const auto p = plus != std::string::npos ? plus : minus;
    if (p == std::string::npos) return frame;
    // Hours from p + 4, minutes from p + 7; each reading stops where the number does.
    const double hours = StrProc::LeadingNumber(entryText.substr(p + 4));
    const double minutes = p + 7 < entryText.size() ? StrProc::LeadingNumber(entryText.substr(p + 7)) : 0.0;
    const double offset = 60 * hours + minutes;
    // A hand-made entry cannot name an offset beyond a day.
    frame.zoneOffsetMinutes = static_cast<int>(std::clamp(offset, 0.0, 1440.0)) * (plus != std::string::npos ? 1 : -1);
    return frame;
}

std::string List::Add(const std::string& text, int eclipseType) {
    if (!items_.empty() && items_.back().text == text) return {};
    if (items_.size() >= capacity_) items_.erase(items_.begin());
    items_.push_back({text, eclipseType});
    return text;
}

}  // namespace History
