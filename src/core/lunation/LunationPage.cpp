#include "core/lunation/LunationPage.h"

#include <algorithm>
#include <cmath>

#include "astro/Syzyg.h"
#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/registry/CalendarRegistry.h"
#include "dates/DatePr2.h"
#include "support/JulianDates.h"

namespace LunationPage {

namespace {

// The day of the new moon of lunation n in the time frame, counted from the calendar's day start.
int32_t NewMoonDay(int32_t lunation, int calendar, int offsetMinutes) {
    EclipseData record{};
    const double dayStart = CalendarRegistry::IsIndex(calendar) ? CalendarRegistry::Calendar(calendar).dayStart : 0.0;
    const double x = CjdOfAjd(Syzyg::PhaseTime(lunation, 0, record), offsetMinutes) - dayStart;
    return static_cast<int32_t>(std::floor(x));
}

std::string CommonEraLine(const CalendarDate& date, int weekday) {
    return DatePr2::WeekdayName(weekday).substr(0, 3) + " " + DatePr2::MonthName(date.month).substr(0, 3) +
           CalendarGlue::Blank(date.day);
}

const LunationPageTexts* PageTexts(int calendar) {
    return CalendarRegistry::IsIndex(calendar) ? CalendarRegistry::Calendar(calendar).lunationPage : nullptr;
}

LunationCellTexts CalendarTextsOf(int calendar, int32_t dayNumber) {
    const LunationPageTexts* texts = PageTexts(calendar);
    return texts ? texts->cell(dayNumber) : LunationCellTexts{"Undefined calendar", ""};
}

}  // namespace

int CalendarOfListEntry(int listIndex) {
    const auto calendars = CalendarRegistry::LunationPageCalendars();
    return listIndex >= 0 && listIndex < static_cast<int>(calendars.size()) ? calendars[static_cast<size_t>(listIndex)]->index
                                                                            : -1;
}

int ListEntryOfCalendar(int calendar) {
    const auto calendars = CalendarRegistry::LunationPageCalendars();
    for (size_t i = 0; i < calendars.size(); ++i)
        if (calendars[i]->index == calendar) return static_cast<int>(i);
    return -1;
}

int CalendarOfCode(const std::string& code) {
    for (const CalendarDescriptor* calendar : CalendarRegistry::LunationPageCalendars())
        if (calendar->code == code) return calendar->index;
    return -1;
}

std::string PageCalendarCodes(const std::string& separator, const std::string& lastSeparator) {
    const auto calendars = CalendarRegistry::LunationPageCalendars();
    std::string codes;
    for (size_t i = 0; i < calendars.size(); ++i) {
        if (i > 0) codes += i + 1 == calendars.size() && !lastSeparator.empty() ? lastSeparator : separator;
        codes += calendars[i]->code;
    }
    return codes;
}

std::string LimitMessageTitle(bool next) { return std::string("Show ") + (next ? "next" : "previous") + " lunation"; }

// A calendar without a page of its own: the narrow columns.
constexpr int kDefaultCellWidth = 110;

int CellWidth(int calendar) {
    const LunationPageTexts* texts = PageTexts(calendar);
    return texts ? texts->cellWidth : kDefaultCellWidth;
}

int PageWidth(int calendar) { return 2 * kGridLeft + kCellsPerRow * CellWidth(calendar); }

bool IsCellUsed(int cell, int days) {
    if (cell < 0 || cell >= kCellCount) return false;
    const int row = cell / kCellsPerRow;
    const int column = cell % kCellsPerRow;
    return column < 7 || row == 1 || (row == 3 && days == 30);
}

const Day* Page::Today() const {
    for (const Day& day : dayCells)
        if (day.today) return &day;
    return nullptr;
}

int32_t FirstDayOfLunation(int32_t lunation, int calendar, int offsetMinutes) {
    return NewMoonDay(lunation, calendar, offsetMinutes);
}

std::string YearAndMonthText(int32_t first, int32_t last) {
    const CalendarDate a = DatePr2::DateOfJdn(first, DAYCALC_GREGORIAN);
    const CalendarDate b = DatePr2::DateOfJdn(last, DAYCALC_GREGORIAN);
    const std::string monthA = DatePr2::MonthName(a.month), monthB = DatePr2::MonthName(b.month);
    if (a.year != b.year)
        return monthA + " " + std::to_string(a.year) + " - " + monthB + " " + std::to_string(b.year);
    if (a.month != b.month) return monthA + "-" + monthB + " " + std::to_string(a.year);
    return monthA + " " + std::to_string(a.year);
}

Page ComputePage(int32_t lunation, int calendar, int32_t todayDayNumber, int offsetMinutes) {
    Page page;
    page.lunation = lunation;
    page.calendar = calendar;
    // Start and end are both taken in the page's own time frame, so that a page is the same
    // however it was reached and always runs from one new moon's day to the day before the next.
    page.firstDayNumber = NewMoonDay(lunation, calendar, offsetMinutes);
    const int32_t end = lunation < INT32_MAX ? NewMoonDay(lunation + 1, calendar, offsetMinutes) : page.firstDayNumber;
    // A synodic month lasts 29.27 to 29.83 days, so the page has 29 or 30 days; the clamp only
    // keeps the grid safe from a broken phase time.
    page.days = std::clamp(end - page.firstDayNumber, 0, 30);
    page.dayCells.reserve(static_cast<size_t>(page.days));

    std::string titleMonth;
    int k = 0;
    for (int cell = 0; cell < kCellCount && k < page.days; ++cell) {
        if (!IsCellUsed(cell, page.days)) continue;
        ++k;
        Day day;
        day.cell = cell;
        day.dayOfLunation = k;
        day.dayNumber = page.firstDayNumber + (k - 1);
        day.today = day.dayNumber == todayDayNumber;
        day.dayNumberText = std::to_string(k) + (k < 10 ? " " : "");
        const CalendarDate ce = DatePr2::DateOfJdn(day.dayNumber, DAYCALC_GREGORIAN);
        const int weekday = DatePr2::DayOfWeek(day.dayNumber);
        day.commonEraLine = CommonEraLine(ce, weekday);
        day.weekend = weekday == 6 || weekday == 0;
        LunationCellTexts texts = CalendarTextsOf(calendar, day.dayNumber);
        day.calendarLine = std::move(texts.line);
        if (cell == 15) titleMonth = std::move(texts.monthName);
        day.pictureFile = "day" + std::to_string(cell + 1) + ".gif";
        page.dayCells.push_back(std::move(day));
    }
    page.title = "Lunation " + std::to_string(lunation);
    if (!titleMonth.empty()) page.title += " (" + titleMonth + ")";
    if (!page.dayCells.empty())
        page.yearAndMonth = YearAndMonthText(page.dayCells.front().dayNumber, page.dayCells.back().dayNumber);
    return page;
}

}  // namespace LunationPage
