#include "core/lunation/LunationPage.h"

#include <algorithm>
#include <cmath>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "dates/DatePr2.h"

namespace LunationPage {

namespace {

constexpr std::array<const char*, 5> kCodes = {"ARC", "VO", "DVG", "LLT", "QLW"};

// A lunar-week day begins at 06:00, a quarter of a day after the civil midnight.
constexpr double kQlwDayStart = 0.25;

// The number written with one leading blank when it is not negative: " 5", "-5".
std::string Blank(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

// The day of the chronological Julian date of new moon n in the time frame.
int32_t NewMoonDay(int32_t lunation, int calendar, int offsetMinutes) {
    EclipseData record{};
    double x = SolEq::CjdAtOffset(Syzyg::PhaseTime(lunation, 0, record), offsetMinutes);
    if (calendar == kQlw) x -= kQlwDayStart;
    return static_cast<int32_t>(std::floor(x));
}

std::string CommonEraLine(const CalendarDate& date, int weekday) {
    return DatePr2::WeekdayName(weekday).substr(0, 3) + " " + DatePr2::MonthName(date.month).substr(0, 3) +
           Blank(date.day);
}

// The calendar line of a day and, for the title, the full name of its month.
struct CalendarTexts {
    std::string line, monthName;
};

CalendarTexts CalendarTextsOf(int calendar, int32_t dayNumber) {
    switch (calendar) {
        case kArc: {
            CalendarDate d{0, 0, 0, 'R', dayNumber, 0};
            ArcCal::JdnToArcDate(d);
            const std::string month = ArcCal::ArcMonthName(d.month);
            return {month + Blank(d.day), month};
        }
        case kVo: {
            VoDate d{};
            d.jdn = dayNumber;
            VoCal::JdnToVoDate(d);
            const std::string month = VoCal::VoMonthName(d.month);
            return {month + Blank(d.day), month};
        }
        case kDvg: {
            DVGCal::DvgDate d{};
            d.jdn = dayNumber;
            DVGCal::JdnToDvgDate(d);
            const std::string month = DVGCal::DvgMonthName(d.month);
            return {month + Blank(d.day), month};
        }
        case kLlt: {
            LltDate d{};
            d.jdn = dayNumber;
            LltCal::JdnToLltDate(d);
            std::string name = LltCal::LltDayName(d.day);  // "Sophiesday" -> "Sophie"
            if (name.size() > 4) name.resize(name.size() - 4);
            return {name + Blank(d.triday) + " " + LltCal::LltShortMonthName(d.month), LltCal::LltMonthName(d.month)};
        }
        case kQlw: {
            QLWC::QlwDate d{};
            d.jdn = dayNumber;
            // The day names read the week lengths this conversion leaves in the module.
            QLWC::JdnToQlwDate(d);
            std::string name = d.day <= 5 ? "Day" + std::to_string(d.day) : QLWC::QlwDayName(d);
            if (name == "Nineday") name = "9day";
            return {name + " W" + std::to_string(d.week) + " " + QLWC::QlwShortMonthName(d.month),
                    QLWC::QlwMonthName(d.month)};
        }
        default:
            return {"Undefined calendar", ""};
    }
}

}  // namespace

int CalendarOfListEntry(int listIndex) {
    return listIndex >= 0 && listIndex < static_cast<int>(kCalendarOfListEntry.size())
               ? kCalendarOfListEntry[static_cast<size_t>(listIndex)]
               : -1;
}

int CalendarOfCode(const std::string& code) {
    for (size_t i = 0; i < kCodes.size(); ++i)
        if (code == kCodes[i]) return kCalendarOfListEntry[i];
    return -1;
}

std::string CodeOfCalendar(int calendar) {
    for (size_t i = 0; i < kCodes.size(); ++i)
        if (calendar == kCalendarOfListEntry[i]) return kCodes[i];
    return "";
}

std::string LimitMessageTitle(bool next) { return std::string("Show ") + (next ? "next" : "previous") + " lunation"; }

int CellWidth(int calendar) { return calendar == kDvg || calendar == kLlt ? 129 : 110; }

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
        CalendarTexts texts = CalendarTextsOf(calendar, day.dayNumber);
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
