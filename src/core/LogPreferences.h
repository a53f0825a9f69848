// What a log entry includes and how it writes each calendar item: the log preferences window
// edits them, the saved state keeps them, the log entry builder reads them.
#pragma once
#include <array>

struct LogPreferences {
    // The include boxes, in the order the saved state writes them.
    enum Item : int { CE, JC, ARC, VO, LLT, DVG, CJD, AJD, PhaseOfMoon, LunationAndAge, QLW, kItemCount };
    // true: "calendar=date" (the first format); false: "date calendar,".
    bool calendarEqualsDate = true;
    // Every item but QLW is included by default.
    std::array<bool, kItemCount> include = {true, true, true, true, true, true, true, true, true, true, false};
};
