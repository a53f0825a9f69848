// Tests of the lunation page: cell placement and page lengths over whole runs of lunations,
// the day texts of every calendar at month and year ends, titles, year-and-month lines, today,
// the lunar-week six-hour shift, the time frame and both ends of the lunation range.
#include <gtest/gtest.h>

#include <string>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/lunation/LunationPage.h"
#include "dates/DatePr2.h"

using namespace LunationPage;

namespace {

constexpr int32_t kJan1st2000 = 2451545;
const int kCalendars[] = {CalendarTable::ARC, CalendarTable::VO, CalendarTable::LLT, CalendarTable::DVG, CalendarTable::QLW};

class LunationPageTest : public ::testing::Test {
protected:
};

int32_t DayOf(int year, int month, int day) {
    CalendarDate d{year, month, day, DAYCALC_GREGORIAN, 0, 1};
    return DatePr2::DateToJdn(d);
}

// The day number of a typed date of one of the lunar calendars (through its own module).
int32_t DayNumberOf(int calendar, const std::string& text) {
    switch (calendar) {
        case CalendarTable::ARC: {
            CalendarDate d{0, 0, 0, 'R', 0, 0};
            EXPECT_EQ(DatePr2::ParseDate(text, d), 1) << text;
            EXPECT_TRUE(ArcCal::ArcDateToJdn(d)) << text;
            return d.jdn;
        }
        case CalendarTable::VO: {
            VoDate d{};
            EXPECT_TRUE(VoCal::ParseVoDate(text, d) && VoCal::VoDateToJdn(d)) << text;
            return d.jdn;
        }
        case CalendarTable::LLT: {
            LltDate d{};
            EXPECT_TRUE(LltCal::ParseLltDate(text, d) && LltCal::LltDateToJdn(d)) << text;
            return d.jdn;
        }
        case CalendarTable::DVG: {
            DVGCal::DvgDate d{};
            EXPECT_TRUE(DVGCal::ParseDvgDate(text, d)) << text;
            return d.jdn;
        }
        default: {
            QLWC::QlwDate d{};
            EXPECT_EQ(QLWC::ParseQlwDate(text, d), QLWC::QlwOk) << text;
            return d.jdn;
        }
    }
}

// The Greenwich page of the calendar that shows the day, and the day on it.
const Day* FindDay(const Page& page, int32_t dayNumber) {
    for (const Day& day : page.dayCells)
        if (day.dayNumber == dayNumber) return &day;
    return nullptr;
}

Page PageWithDay(int calendar, int32_t dayNumber, int32_t today = 0) {
    const int32_t n = Syzyg::LunationAt(static_cast<double>(dayNumber));  // noon of the day
    for (int32_t m : {n, n + 1, n - 1}) {
        Page page = ComputePage(m, calendar, today, 0);
        if (FindDay(page, dayNumber)) return page;
    }
    ADD_FAILURE() << "no page holds day " << dayNumber;
    return {};
}

}  // namespace

// Every page of a run of lunations at the start, the middle and the end of the range, in every
// calendar and in three time frames: 29 or 30 days in the used cells, days in order, and each
// page ending the day before the next one starts.
TEST_F(LunationPageTest, PagesTileTheDaysInEveryCalendarAndFrame) {
    const int32_t runs[][2] = {{kEarliestLunation, kEarliestLunation + 14}, {-20, 20}, {kLatestLunation - 14, kLatestLunation}};
    for (int calendar : kCalendars)
        for (int offset : {0, 14 * 60, -12 * 60})
            for (const auto& run : runs) {
                Page previous;
                for (int32_t n = run[0]; n <= run[1]; ++n) {
                    const Page page = ComputePage(n, calendar, 0, offset);
                    SCOPED_TRACE(testing::Message() << "calendar " << calendar << " offset " << offset << " lunation " << n);
                    ASSERT_TRUE(page.days == 29 || page.days == 30) << page.days;
                    ASSERT_EQ(static_cast<int>(page.dayCells.size()), page.days);
                    for (size_t i = 0; i < page.dayCells.size(); ++i) {
                        const Day& day = page.dayCells[i];
                        EXPECT_TRUE(IsCellUsed(day.cell, page.days));
                        EXPECT_EQ(day.dayOfLunation, static_cast<int>(i) + 1);
                        EXPECT_EQ(day.dayNumber, page.firstDayNumber + static_cast<int32_t>(i));
                        EXPECT_EQ(day.pictureFile, "day" + std::to_string(day.cell + 1) + ".gif");
                    }
                    if (n > run[0]) {
                        EXPECT_EQ(previous.firstDayNumber + previous.days, page.firstDayNumber);
                    }
                    previous = page;
                }
            }
}

TEST_F(LunationPageTest, CellPlacement) {
    struct Row {
        int days;
        int usedCells;
        int lastCell;
    } rows[] = {{29, 29, 30}, {30, 30, 31}};
    for (const Row& row : rows) {
        int used = 0, last = -1;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (IsCellUsed(cell, row.days)) ++used, last = cell;
        }
        EXPECT_EQ(used, row.usedCells);
        EXPECT_EQ(last, row.lastCell);
        EXPECT_FALSE(IsCellUsed(7, row.days));
        EXPECT_FALSE(IsCellUsed(23, row.days));
        EXPECT_TRUE(IsCellUsed(15, row.days));
    }
    // Lunation -1 (1999-12-07 to 2000-01-05) has 30 days, lunation 2 (from 2000-03-06) 29.
    const Page thirty = ComputePage(-1, CalendarTable::ARC, 0, 0);
    const Page twentyNine = ComputePage(2, CalendarTable::ARC, 0, 0);
    ASSERT_EQ(thirty.days, 30);
    ASSERT_EQ(twentyNine.days, 29);
    EXPECT_EQ(thirty.dayCells.back().cell, 31);
    EXPECT_EQ(twentyNine.dayCells.back().cell, 30);
    EXPECT_EQ(thirty.dayCells[7].cell, 8);
    EXPECT_EQ(thirty.dayCells[7].pictureFile, "day9.gif");
    EXPECT_EQ(thirty.dayCells[14].cell, 15);
    EXPECT_EQ(thirty.dayCells[22].cell, 24);
    EXPECT_EQ(thirty.dayCells[8].dayNumberText, "9 ");
    EXPECT_EQ(thirty.dayCells[9].dayNumberText, "10");
    EXPECT_EQ(CellWidth(CalendarTable::DVG), 129);
    EXPECT_EQ(CellWidth(CalendarTable::LLT), 129);
    EXPECT_EQ(CellWidth(CalendarTable::QLW), 110);
    EXPECT_EQ(PageWidth(CalendarTable::ARC), 920);
}

// The calendar line of a day given by its typed date, at month and year ends of each calendar.
TEST_F(LunationPageTest, CalendarLines) {
    struct Row {
        int calendar;
        const char* date;
        const char* line;
    } rows[] = {
        {CalendarTable::ARC, "4696-11-25", "Dionysus 25"},
        {CalendarTable::ARC, "4695-13-10", "Persephone 10"},  // a year of 13 months
        {CalendarTable::ARC, "4696-01-01", "Apollo 1"},
        {CalendarTable::VO, "104-06-07-29", "Tirvane 29"},
        {CalendarTable::VO, "104-02-13-05", "Zorathel 5"},  // year 2 of cycle 104 has 13 months
        {CalendarTable::VO, "104-03-01-01", "Navoreth 1"},
        {CalendarTable::LLT, "8-123-07-05-2", "Zoe 5 Mellephan."},
        {CalendarTable::LLT, "8-123-12-09-3", "Nora 9 Eleleth"},
        {CalendarTable::LLT, "8-124-01-01-1", "Sophie 1 Armedon"},
        {CalendarTable::DVG, "1-94-08-25", "Hathor 25"},
        {CalendarTable::DVG, "1-94-13-30", "Maria 30"},
        {CalendarTable::DVG, "1-95-01-01", "Athena 1"},
        {CalendarTable::QLW, "5001-01-3-3", "Day3 W3 Brevolt"},
        {CalendarTable::QLW, "5001-01-1-1", "Day1 W1 Brevolt"},
        {CalendarTable::QLW, "5001-01-1-5", "Day5 W1 Brevolt"},
        {CalendarTable::QLW, "5001-05-3-6", "9day W3 Fendrow"},  // a nine-day week
        {CalendarTable::QLW, "5001-05-3-7", "Herday W3 Fendrow"},
        {CalendarTable::QLW, "5001-02-1-1", "Day1 W1 Corven"},
        {CalendarTable::QLW, "5000-13-1-1", "Day1 W1 Dunha"},  // 5000 has 13 months
    };
    for (const Row& row : rows) {
        const int32_t dayNumber = DayNumberOf(row.calendar, row.date);
        const Page page = PageWithDay(row.calendar, dayNumber);
        const Day* day = FindDay(page, dayNumber);
        ASSERT_NE(day, nullptr) << row.date;
        EXPECT_EQ(day->calendarLine, row.line) << row.date;
    }
}

// A page across a lunar calendar's year end: the last day of the old year, then day 1.
TEST_F(LunationPageTest, PagesAcrossLunarYearEnds) {
    struct Row {
        int calendar;
        const char* firstOfYear;
        const char* lastLine;  // the day before
        const char* firstLine;
    } rows[] = {
        {CalendarTable::ARC, "4696-01-01", "Persephone 30", "Apollo 1"},
        {CalendarTable::VO, "104-03-01-01", "Zorathel 29", "Navoreth 1"},
        {CalendarTable::LLT, "8-124-01-01-1", "Nora 9 Eleleth", "Sophie 1 Armedon"},  // 9 tridays in month 12 of 123,
        {CalendarTable::DVG, "1-95-01-01", "Maria 30", "Athena 1"},
        {CalendarTable::QLW, "5001-01-1-1", "Moonday W4 Dunha", "Day1 W1 Brevolt"},
    };
    for (const Row& row : rows) {
        const int32_t first = DayNumberOf(row.calendar, row.firstOfYear);
        const Page page = PageWithDay(row.calendar, first);
        const Day* day = FindDay(page, first);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->calendarLine, row.firstLine) << row.firstOfYear;
        // The day before, on this page or at the end of the previous one.
        const Page before = day->dayOfLunation > 1 ? page : ComputePage(page.lunation - 1, row.calendar, 0, 0);
        ASSERT_NE(FindDay(before, first - 1), nullptr);
        EXPECT_EQ(FindDay(before, first - 1)->calendarLine, row.lastLine) << row.firstOfYear;
    }
}

TEST_F(LunationPageTest, CommonEraLinesAcrossTheYearEnd) {
    const Page page = ComputePage(-1, CalendarTable::ARC, 0, 0);  // 1999-12-07 to 2000-01-05
    struct Row {
        int32_t dayNumber;
        const char* line;
        bool weekend;
    } rows[] = {
        {DayOf(1999, 12, 7), "Tue Dec 7", false},  {DayOf(1999, 12, 11), "Sat Dec 11", true},
        {DayOf(1999, 12, 31), "Fri Dec 31", false}, {kJan1st2000, "Sat Jan 1", true},
        {DayOf(2000, 1, 2), "Sun Jan 2", true},     {DayOf(2000, 1, 3), "Mon Jan 3", false},
    };
    for (const Row& row : rows) {
        const Day* day = FindDay(page, row.dayNumber);
        ASSERT_NE(day, nullptr) << row.line;
        EXPECT_EQ(day->commonEraLine, row.line);
        EXPECT_EQ(day->weekend, row.weekend) << row.line;
    }
}

TEST_F(LunationPageTest, TitlesAndYearAndMonthLines) {
    struct Row {
        int32_t lunation;
        int calendar;
        const char* title;
        const char* yearAndMonth;
    } rows[] = {
        {-1, CalendarTable::ARC, "Lunation -1 (Dionysus)", "December 1999 - January 2000"},
        {0, CalendarTable::VO, "Lunation 0 (Wyndral)", "January-February 2000"},
        {0, CalendarTable::LLT, "Lunation 0 (Armedon)", "January-February 2000"},
        {0, CalendarTable::DVG, "Lunation 0 (Inanna)", "January-February 2000"},
        {2, CalendarTable::QLW, "Lunation 2 (Brevolt)", "March-April 2000"},
        {kEarliestLunation, CalendarTable::ARC, "Lunation -64316 (Dionysus)", "December -3201 - January -3200"},
        {kLatestLunation, CalendarTable::QLW, "Lunation 49472 (Kolvane)", "December 5999 - January 6000"},
        {0, 6, "Lunation 0", "January-February 2000"},  // not a lunar calendar
    };
    for (const Row& row : rows) {
        const Page page = ComputePage(row.lunation, row.calendar, 0, 0);
        EXPECT_EQ(page.title, row.title);
        EXPECT_EQ(page.yearAndMonth, row.yearAndMonth);
    }
    EXPECT_EQ(ComputePage(0, 6, 0, 0).dayCells[3].calendarLine, "Undefined calendar");
    EXPECT_EQ(YearAndMonthText(DayOf(2000, 3, 1), DayOf(2000, 3, 29)), "March 2000");
}

TEST_F(LunationPageTest, TodayIsMarkedOnlyOnItsOwnPage) {
    const Page withToday = ComputePage(-1, CalendarTable::DVG, kJan1st2000, 0);
    ASSERT_NE(withToday.Today(), nullptr);
    EXPECT_EQ(withToday.Today()->dayNumber, kJan1st2000);
    EXPECT_EQ(withToday.Today()->dayOfLunation, 26);
    int marked = 0;
    for (const Day& day : withToday.dayCells) marked += day.today;
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(ComputePage(0, CalendarTable::DVG, kJan1st2000, 0).Today(), nullptr);
    // The day before the next page starts is still today's page; the next one is not.
    EXPECT_NE(ComputePage(-1, CalendarTable::DVG, DayOf(2000, 1, 5), 0).Today(), nullptr);
    EXPECT_EQ(ComputePage(-1, CalendarTable::DVG, DayOf(2000, 1, 6), 0).Today(), nullptr);
}

// New moon of lunation 2: 2000-03-06 05:17 GMT. The lunar-week day of that moment is still
// March 5 (its days begin at 06:00), so its page starts a day earlier; a zone far enough west
// moves every calendar's page back to March 5, and an eastern zone keeps March 6.
TEST_F(LunationPageTest, FirstDayInTheTimeFrameAndTheLunarWeekShift) {
    struct Row {
        int calendar;
        int offsetMinutes;
        int32_t firstDay;
    } rows[] = {
        {CalendarTable::ARC, 0, DayOf(2000, 3, 6)},         {CalendarTable::QLW, 0, DayOf(2000, 3, 5)},
        {CalendarTable::ARC, -6 * 60, DayOf(2000, 3, 5)},   {CalendarTable::ARC, 10 * 60, DayOf(2000, 3, 6)},
        {CalendarTable::QLW, 60, DayOf(2000, 3, 6)},        {CalendarTable::LLT, -5 * 60 - 30, DayOf(2000, 3, 5)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FirstDayOfLunation(2, row.calendar, row.offsetMinutes), row.firstDay)
            << row.calendar << " " << row.offsetMinutes;
        EXPECT_EQ(ComputePage(2, row.calendar, 0, row.offsetMinutes).firstDayNumber, row.firstDay);
    }
}

TEST_F(LunationPageTest, CalendarCodesAndListEntries) {
    EXPECT_EQ(CalendarOfListEntry(0), CalendarTable::ARC);
    EXPECT_EQ(CalendarOfListEntry(2), CalendarTable::DVG);
    EXPECT_EQ(CalendarOfListEntry(3), CalendarTable::LLT);
    EXPECT_EQ(CalendarOfListEntry(4), CalendarTable::QLW);
    EXPECT_EQ(CalendarOfListEntry(5), -1);
    EXPECT_EQ(CalendarOfListEntry(-1), -1);
    for (int calendar : kCalendars) {
        EXPECT_EQ(CalendarOfCode(std::string(CalendarRegistry::Calendar(calendar).code)), calendar);
        EXPECT_EQ(CalendarOfListEntry(ListEntryOfCalendar(calendar)), calendar);
    }
    EXPECT_EQ(CalendarOfCode("CE"), -1);
    EXPECT_EQ(LimitMessageTitle(false), "Show previous lunation");
    EXPECT_EQ(LimitMessageTitle(true), "Show next lunation");
}
