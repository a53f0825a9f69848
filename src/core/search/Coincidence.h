// Days on which the Archetypes, Varnel-Ostrik, Lunar Liberalia Triday and Dunhale-Varnel
// calendars begin a month together, and the walk from one such day to the next.
#pragma once
#include <cstdint>
#include <optional>

namespace Search {

// True when the civil day is day 1 of its ARC month, day 1 of its triday in the LLT calendar
// and day 1 of its DVG month. (The walk below visits only the first days of VO months.)
bool CoincidenceOfFirsts(int32_t jdn);

// The first VO month start after (next) or before (previous) the civil day jdn that is a
// coincidence, looking no further than the day number limit (inclusive); nullopt when there is
// none up to it. From a coincidence day itself the walk finds the one after or before it.
std::optional<int32_t> FindCoincidence(int32_t jdn, bool next, int32_t limitJdn);

}  // namespace Search
