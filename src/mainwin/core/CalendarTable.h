// The nine notations of a moment in their fixed order, with their codes and descriptions.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace CalendarTable {

enum Index : int { CE = 0, JC = 1, ARC = 2, VO = 3, LLT = 4, DVG = 5, CJD = 6, AJD = 7, QLW = 8 };

inline constexpr int intNumCalendars = 9;

// The order matters: the entry grammar searches the codes in it, and the index is what the
// saved state and the history store.
inline constexpr std::array<std::string_view, intNumCalendars> strCalendarCode = {
    "CE", "JC", "ARC", "VO", "LLT", "DVG", "CJD", "AJD", "QLW"};

inline constexpr std::array<std::string_view, intNumCalendars> strCalendarName = {
    "Common Era date",
    "Julian date",
    "Archetypes Calendar date",
    "Varnel-Ostrik Solilunar Calendar date",
    "Lunar Liberalia Triday Calendar date",
    "Dunhale-Varnel Goddess Calendar date",
    "chronological Julian date",
    "astronomical Julian date",
    "Quillon Lunar Week Calendar"};

// The index whose code equals code exactly (case matters), or -1.
int CalendarIndex(std::string_view code);

}  // namespace CalendarTable
