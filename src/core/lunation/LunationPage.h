// The lunation page: one lunation laid out as a calendar page of 4 rows of 8 cells, each day
// with its day of the lunation, its date in one of the lunar calendars and its Common Era date.
// Plain C++: the window, the command line and the benchmark all build the page here and only
// draw it themselves.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace LunationPage {

// The calendar of each entry of the window's list of lunation-page calendars (the registry's
// lunation-page calendars in order); -1 (an undefined calendar) for any other entry.
int CalendarOfListEntry(int listIndex);
// The list entry of a calendar; -1 when a page cannot be drawn in it.
int ListEntryOfCalendar(int calendar);
// A code of a calendar a page can be drawn in ("ARC", "VO", ...) -> calendar-table index; -1
// for anything else.
int CalendarOfCode(const std::string& code);
// "ARC|VO|DVG|LLT|QLW": the codes a page can be drawn in, joined by separator (the last two by
// lastSeparator when one is given).
std::string PageCalendarCodes(const std::string& separator, const std::string& lastSeparator = "");

// The lunations whose pages can be shown: those of the accepted moments (the end of -3201 to
// 6000-01-01 CE).
inline constexpr int32_t kEarliestLunation = -64316;
inline constexpr int32_t kLatestLunation = 49472;
inline constexpr const char* kEarliestMessage = "This is the earliest lunation which can be displayed.";
inline constexpr const char* kLatestMessage = "This is the latest lunation which can be displayed.";
// "Show previous lunation" / "Show next lunation": the title of the two limit messages.
std::string LimitMessageTitle(bool next);

// The page geometry in pixels at 100 % scale.
inline constexpr int kCellCount = 32;
inline constexpr int kCellsPerRow = 8;
inline constexpr int kRows = 4;
inline constexpr int kCellHeight = 122;
inline constexpr int kGridTop = 80;
inline constexpr int kGridLeft = 20;
inline constexpr int kDayNumberDy = 52;
inline constexpr int kCalendarLineDy = kDayNumberDy + 28;    // 80
inline constexpr int kCommonEraLineDy = kCalendarLineDy + 14;  // 94
inline constexpr int kTitleTop = 10;
inline constexpr int kYearAndMonthTop = 40;
// The width of a column in the calendar (its descriptor's; calendars with longer cells get
// wider columns).
int CellWidth(int calendar);
// 2 x GridLeft + 8 columns.
int PageWidth(int calendar);
// The grid's bottom edge: GridTop + 4 rows.
inline constexpr int kGridBottom = kGridTop + kRows * kCellHeight;

// Whether grid cell 0..31 holds a day on a page of `days` days: columns 0 to 6 always, the
// eighth column only in row 1 and, on a 30-day page, in row 3. Cells 7 and 23 never do.
bool IsCellUsed(int cell, int days);

// One day of the page.
struct Day {
    int cell = 0;              // grid cell 0..31 (row cell / 8, column cell % 8)
    int dayOfLunation = 0;     // 1..30
    int32_t dayNumber = 0;     // civil day number (for QLW: the QLW day number)
    bool today = false;
    std::string dayNumberText;  // "7 ", "15": one blank after a one-digit day
    std::string calendarLine;   // "Dionysus 25", "Zoe 5 Mellephan.", "Herday W2 Corven"
    std::string commonEraLine;  // "Sat Jan 1", "Fri Dec 31"
    bool weekend = false;       // Saturday or Sunday: the Common Era line is underlined
    // "day1.gif" .. "day32.gif": the Moon picture of the cell.
    std::string pictureFile;
};

struct Page {
    int32_t lunation = 0;
    int calendar = -1;
    int32_t firstDayNumber = 0;
    int days = 0;  // 29 or 30
    std::string title;        // "Lunation 0 (Maria)"
    std::string yearAndMonth;  // "December 1999 - January 2000"
    std::vector<Day> dayCells;
    // The day on today's cell, or nullptr.
    const Day* Today() const;
};

// The time frame of the page: minutes east of Greenwich of the chosen zone for local time,
// 0 for Greenwich time.
inline constexpr int FrameOffsetMinutes(bool greenwich, int zoneOffsetMinutes) {
    return greenwich ? 0 : zoneOffsetMinutes;
}

// The first day number of lunation n's page: the day of its new moon in the time frame, counted
// from the calendar's day start (for the lunar week calendar, the day six hours earlier).
int32_t FirstDayOfLunation(int32_t lunation, int calendar, int offsetMinutes);

// The page of lunation n in the calendar (a calendar-table index; any other index gives the
// calendar lines "Undefined calendar"). todayDayNumber marks today's cell. The lunation must lie
// within kEarliestLunation..kLatestLunation.
Page ComputePage(int32_t lunation, int calendar, int32_t todayDayNumber, int offsetMinutes);

// The year-and-month line of a page running from day number first to last:
// "December 1999 - January 2000", "January-February 2000" or "January 2000".
std::string YearAndMonthText(int32_t first, int32_t last);

}  // namespace LunationPage
