// The nine notations of a moment: one descriptor each, with everything the window, the
// command-line tool, the log and the searches need to know about it. Code that treats every
// notation alike iterates Calendars(); a new notation is one more descriptor.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/EntryError.h"

namespace CalendarTable {

// The index of a notation: stored in the saved state and the history, so fixed.
enum Index : int { CE = 0, JC = 1, ARC = 2, VO = 3, LLT = 4, DVG = 5, CJD = 6, AJD = 7, QLW = 8 };
inline constexpr int intNumCalendars = 9;

// The index whose code equals code exactly (case matters), or -1.
int CalendarIndex(std::string_view code);

}  // namespace CalendarTable

// The texts of one day (or, for CJD and AJD, one moment) in one notation.
struct DateLabel {
    std::string shortText;  // "2001-12-31 CE", "2,455,900.9200 AJD"
    std::string caption;    // "2001-12-31 CE (Monday, December 31, 2001)"
    std::string toolTip;
    // The numbers behind the date (name, value), for scripted use.
    std::vector<std::pair<std::string, long long>> fields;
};

// One step of a calendar's own arithmetic, from day number to day number: the date one unit
// on or back, fitted as that calendar fits a date its target lacks. nullopt when the date
// cannot be moved (the cycle number at the end of its 32-bit range).
using CalendarStepFn = std::optional<int32_t> (*)(int32_t jdn, bool forward);
struct CalendarStep {
    std::string_view unit;  // "week", "month", "year", "century", "cycle"
    CalendarStepFn apply;
};

struct CalendarDescriptor {
    CalendarTable::Index index;
    std::string_view code;       // "ARC": what an entry names it by
    std::string_view name;       // "Archetypes Calendar date"
    std::string_view title;      // "Archetypes Calendar:": the title of its row in the window
    std::string_view labelName;  // "lblArchetypesDate": object name of its label pair
    // CJD and AJD count days and fractions; the others are calendar dates of a civil day.
    bool julianDateCount = false;
    // Its days begin at 06:00 of the civil day (the lunar week calendar).
    bool dayStartsAtSixHours = false;
    // The day number of a typed date (the entry's text before the code): None and jdn set,
    // or the entry error of that calendar. nullptr for the Julian date counts.
    EntryError (*readDate)(const std::string& text, int32_t& jdn) = nullptr;
    // The texts of a civil day (for QLW a lunar-week day). nullptr for the Julian date counts.
    DateLabel (*labelOfDay)(int32_t jdn) = nullptr;
    std::span<const CalendarStep> steps;
};

namespace CalendarRegistry {

// In index order.
const std::array<const CalendarDescriptor*, CalendarTable::intNumCalendars>& Calendars();
// The descriptor of index 0..8 (CE for anything else).
const CalendarDescriptor& Calendar(int index);
// The rows of the window's date frame, top to bottom.
inline constexpr std::array<CalendarTable::Index, CalendarTable::intNumCalendars> kDisplayOrder = {
    CalendarTable::CE,  CalendarTable::JC,  CalendarTable::ARC, CalendarTable::VO,  CalendarTable::LLT,
    CalendarTable::DVG, CalendarTable::QLW, CalendarTable::CJD, CalendarTable::AJD};
// The step of the given unit ("month") of a calendar, or nullptr when it has none.
CalendarStepFn StepOf(int index, std::string_view unit);

}  // namespace CalendarRegistry

// The descriptors, one per notation (each defined beside its conversions).
namespace CalendarDescriptors {
const CalendarDescriptor& CommonEra();
const CalendarDescriptor& JulianCalendar();
const CalendarDescriptor& Archetypes();
const CalendarDescriptor& Solilunar();
const CalendarDescriptor& Triday();
const CalendarDescriptor& Goddess();
const CalendarDescriptor& ChronologicalJulianDate();
const CalendarDescriptor& AstronomicalJulianDate();
const CalendarDescriptor& LunarWeek();
}  // namespace CalendarDescriptors
