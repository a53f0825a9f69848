// The registry of notations: the nine the program is built with, in the order of the calendar
// table (CE, JC, ARC, VO, LLT, DVG, CJD, AJD, QLW), and any registered after them. Code that
// treats every notation alike iterates it; nothing else names a notation.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendars/descriptor/CalendarDescriptor.h"

namespace CalendarTable {

// The index of a notation: stored in the saved state and the history, so fixed. The values are
// the descriptors' own; this names them for the few places that must (the defaults of a fresh
// window, the saved state's fixed layout) and for tests.
enum Index : int { CE = 0, JC = 1, ARC = 2, VO = 3, LLT = 4, DVG = 5, CJD = 6, AJD = 7, QLW = 8 };
// The notations the program is built with (the saved state holds their log boxes).
inline constexpr int kBuiltInCount = 9;
// The entry calendar of a fresh window.
inline constexpr int kDefaultEntryCalendar = CE;

// The index whose code equals code exactly (case matters), or -1.
int CalendarIndex(std::string_view code);

}  // namespace CalendarTable

namespace CalendarRegistry {

// Every notation, in index order (the order in which the entry grammar looks for codes).
std::span<const CalendarDescriptor* const> Calendars();
int Count();
// The descriptor of an index; the first one (CE) for an index that names none.
const CalendarDescriptor& Calendar(int index);
bool IsIndex(int index);

// Adds a notation after the others; its index is set to the next free one and returned. The
// descriptor must outlive the program (a static). For start-up (and tests): the lists built from
// the registry are built anew each time they are asked for.
int Register(CalendarDescriptor& descriptor);

// The rows of the window's date frame, top to bottom; also the order of a log entry's items.
std::vector<const CalendarDescriptor*> DisplayOrder();
// The calendars with steps, in the order of the step list; the lunation-page list follows the
// same order.
std::vector<const CalendarDescriptor*> ListOrder();
// The calendars a lunation page can be drawn in, in the order of the window's list.
std::vector<const CalendarDescriptor*> LunationPageCalendars();

// The step of the given unit ("month") of a calendar, or nullptr when it has none.
CalendarStepFn StepOf(int index, std::string_view unit);
// The message of a refusal number of any notation; empty when none has it.
std::string_view RefusalMessage(int number);

// "CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW": the codes in index order (last joined by
// lastJoin, the others by ", ").
std::string CodeList(std::string_view lastJoin = " and ");

}  // namespace CalendarRegistry
