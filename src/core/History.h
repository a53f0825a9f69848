// The history of results: the text of an entry, the frame it names, and the list of the
// eight newest entries.
#pragma once
#include <string>
#include <vector>

#include "core/DateDisplay.h"
#include "core/TimeFrame.h"

namespace History {

// "2003-12-31 CE 15:55 (local = GMT+05:30)": the entry calendar's date text, the first five
// characters of the time line unless the calendar is a Julian date count, then the frame and
// the zone list text without blanks.
std::string EntryText(const std::string& dateText, bool julianDateCount, const std::string& timeLine, bool greenwich,
                      const std::string& zoneText);

// The entry text of a displayed moment in a frame, with the entry calendar's date text, the
// moment's time line and the frame's zone: what the history shows for it.
std::string EntryTextOf(const DateDisplay& display, int entryCalendar, const TimeFrame& frame);

// The zone list text of any offset in minutes east of Greenwich, as the history writes it:
// "GMT", "GMT+05:30", "GMT-08:00".
std::string CompactZoneText(int offsetMinutes);

// What an entry's text says of its frame: Greenwich or local time, and the offset of its zone
// ("GMT+hh:mm" / "GMT-hh:mm", 0 when it names none).
struct EntryFrame {
    bool greenwich = false;
    int zoneOffsetMinutes = 0;
    // The zone list index of the offset, clamped to the list (the list runs in half hours).
    int ZoneIndex() const;
};
EntryFrame FrameOfEntry(const std::string& entryText);

// The entries the history keeps.
inline constexpr size_t kCapacity = 8;

// The newest results, oldest first, each with the eclipse type it was added with.
class List {
public:
    struct Item {
        std::string text;
        int eclipseType = 0;
    };
    explicit List(size_t capacity = kCapacity) : capacity_(capacity) {}
    // Appends text unless it repeats the newest entry (then nothing changes and the result is
    // empty); the oldest entry goes when the list is full. Returns the text added.
    std::string Add(const std::string& text, int eclipseType);
    const std::vector<Item>& Items() const { return items_; }

private:
    size_t capacity_;
    std::vector<Item> items_;
};

}  // namespace History
