#include <gtest/gtest.h>

#include <cmath>

#include "calendars/registry/CalendarRegistry.h"
#include "core/EntryParser.h"

namespace {
int Code(EntryError error) { return static_cast<int>(error); }

EntryContext Context(int entryCalendar = CalendarTable::CE) {
    EntryContext c;
    c.entryCalendar = entryCalendar;
    c.frame = TimeFrame{false, 0};
    return c;
}
constexpr double kNoonJan1 = 2451545.0;  // 2000-01-01 12:00 GMT
}  // namespace

TEST(EntryGrammar, AcceptedForms) {
    struct Row { const char* entry; int calendar; double ajd; const char* box; };
    const Row rows[] = {
        {"2000-01-01 ce 15:55", CalendarTable::CE, kNoonJan1 + (3 * 60 + 55) / 1440.0, "2000-01-01 CE 15:55"},
        {"2000-01-01 CE", CalendarTable::CE, kNoonJan1, "2000-01-01 CE"},
        {"2000-01-01 CE 9:30", CalendarTable::CE, kNoonJan1 - 2.5 / 24, "2000-01-01 CE 9:30"},
        {"  2000 - 01 - 01 CE  ", CalendarTable::CE, kNoonJan1, "2000 - 01 - 01 CE"},
        {"1999-12-19 JC", CalendarTable::JC, kNoonJan1, "1999-12-19 JC"},
        {"2,455,900.920 AJD", CalendarTable::AJD, 2455900.92, "2,455,900.920 AJD"},
        {"2451545.5 CJD", CalendarTable::CJD, kNoonJan1, "2451545.5 CJD"},
        {"-44-03-15 jc", CalendarTable::JC, 1705061.0, "-44-03-15 JC"},
        {"2000-01-01 CE 10:75", CalendarTable::CE, kNoonJan1 - 0.75 / 24, "2000-01-01 CE 10:75"},
        {"2000-01-01 CE 00:00 trailing words", CalendarTable::CE, kNoonJan1 - 0.5,
         "2000-01-01 CE 00:00 TRAILING WORDS"},
    };
    for (const Row& r : rows) {
        const EntryResult result = ParseDateEntry(r.entry, Context());
        ASSERT_EQ(Code(result.error), 0) << r.entry;
        EXPECT_EQ(result.calendarIndex, r.calendar) << r.entry;
        EXPECT_NEAR(result.ajd, r.ajd, 1e-9) << r.entry;
        EXPECT_EQ(result.dateBox, r.box) << r.entry;
    }
}

TEST(EntryGrammar, EveryErrorCodeIsReachable) {
    struct Row { const char* entry; int error; };
    const Row rows[] = {
        {"", 1},
        {"CE 2003-12-31", 1},
        {"2003-12-31 15:55", 2},
        {"2003-12-31 CEX", 2},
        {"2455900.92 AJD 12:00", 3},
        {"2003-12-31 CE 24:00", 4},
        {"1:30 CE", 4},
        {":30 CE", 1},
        {"1:30", 4},
        {"2003/12/31 CE", 5},
        {"2003.12.31 CE", 5},
        {"2003-02-30 CE", 6},
        {"2003-12 CE", 6},
        {"2003-02-30 JC", 7},
        {"1-2-3 CJD", 12},
        {"2003-12-31 15:55 CE", 13},
    };
    for (const Row& r : rows) EXPECT_EQ(Code(ParseDateEntry(r.entry, Context()).error), r.error) << r.entry;
}

TEST(EntryGrammar, EntryWithoutCodeUsesTheEntryCalendar) {
    const EntryResult jc = ParseDateEntry("2003-12-31", Context(CalendarTable::JC));
    ASSERT_EQ(Code(jc.error), 0);
    EXPECT_EQ(jc.calendarIndex, CalendarTable::JC);
    EXPECT_EQ(jc.dateBox, "2003-12-31 JC");
    const EntryResult ajd = ParseDateEntry("2451545", Context(CalendarTable::AJD));
    ASSERT_EQ(Code(ajd.error), 0);
    EXPECT_DOUBLE_EQ(ajd.ajd, 2451545.0);
}

TEST(EntryGrammar, EmptyEntryWithDaysTakesTheDisplayedMoment) {
    EntryContext c = Context();
    c.daysBoxEmpty = false;
    c.entryCalendarDateText = "2000-01-01 CE 12:00";
    const EntryResult r = ParseDateEntry("  ", c);
    ASSERT_EQ(Code(r.error), 0);
    EXPECT_DOUBLE_EQ(r.ajd, kNoonJan1);
    EXPECT_EQ(r.dateBox, "2000-01-01 CE 12:00");
}

TEST(EntryGrammar, LocalZoneAndHistoryEntries) {
    EntryContext c = Context();
    c.frame = TimeFrame{false, 330};
    const EntryResult local = ParseDateEntry("2000-01-01 CE 17:30", c);
    ASSERT_EQ(Code(local.error), 0);
    EXPECT_NEAR(local.ajd, kNoonJan1, 1e-9);

    c.restoringHistory = true;
    const EntryResult history = ParseDateEntry("2003-12-31 CE 15:55 (local = GMT+05:30)", c);
    EXPECT_EQ(Code(history.error), 0);
    EXPECT_FALSE(history.dateBoxChanged);
    const EntryResult julian = ParseDateEntry("2,451,545.0000 AJD (Greenwich; local = GMT-08:00)", c);
    ASSERT_EQ(Code(julian.error), 0);
    EXPECT_DOUBLE_EQ(julian.ajd, 2451545.0);
}

TEST(EntryGrammar, CalendarsNotYetConvertibleGiveTheirError) {
    // Well-formed entries of every code reach their own calendar.
    EXPECT_EQ(Code(ParseDateEntry("2003-12-31 CE", Context()).error), 0);
}

TEST(EntryGrammar, ErrorTexts) {
    EXPECT_EQ(EntryErrorText(EntryError(2)), "Calendar must be specified (one of CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW).");
    EXPECT_EQ(EntryErrorText(EntryError(15)), "Invalid QLW date.  QLW dates must be in the form: year-month-week-day");
    EXPECT_EQ(EntryErrorText(EntryError(0)), "Unknown error.");
    EXPECT_EQ(EntryErrorText(EntryError(20)), "Unknown error.");
}

TEST(EntryGrammar, HostileTextsNeverCrash) {
    const std::string hostile[] = {std::string(100000, '9') + " CE", std::string(5000, '-') + "CJD",
                                   "9:", "99:", "-:", "0:0 CE", std::string(3000, ':'), "1(",
                                   "-1-1-1-1 QLW", "1 CE 99999999999999999999:99999999999",
                                   std::string("\xff\xfe\x00 CE", 6), "1AJD(", "99999999999999999999 AJD"};
    for (const std::string& text : hostile) {
        const EntryResult r = ParseDateEntry(text, Context());
        EXPECT_GE(Code(r.error), 0);
    }
}

TEST(EntryGrammar, LunarCalendarEntries) {
    struct Row { const char* entry; int calendar; double ajd; };
    const Row rows[] = {
        {"4696-11-25 ARC", CalendarTable::ARC, kNoonJan1},
        {"1-94-08-25 DVG", CalendarTable::DVG, kNoonJan1},
        {"94-8-25 dvg", CalendarTable::DVG, kNoonJan1},
        {"104-05-09-24 VO", CalendarTable::VO, kNoonJan1},
        {"104-06-07-29 VO 6:30", CalendarTable::VO, 2451845.0 - 5.5 / 24},
        {"122-12-09-1 LLT", CalendarTable::LLT, kNoonJan1},
        {"0-122-12-09-1 LLT", CalendarTable::LLT, kNoonJan1},
    };
    for (const Row& r : rows) {
        const EntryResult result = ParseDateEntry(r.entry, Context());
        ASSERT_EQ(Code(result.error), 0) << r.entry;
        EXPECT_EQ(result.calendarIndex, r.calendar) << r.entry;
        EXPECT_NEAR(result.ajd, r.ajd, 1e-9) << r.entry;
    }
    const std::pair<const char*, int> rejected[] = {
        {"442-13-01 ARC", 8}, {"442-10-30 ARC", 8}, {"4696-11 ARC", 8},
        {"104-05-13-01 VO", 9}, {"104-05-09 VO", 9}, {"122-06-10-1 LLT", 10},
        {"7-05-2 LLT", 10}, {"1-10-13-30 DVG", 11}, {"-0-1-1-1 DVG", 11}};
    for (const auto& [entry, error] : rejected) EXPECT_EQ(Code(ParseDateEntry(entry, Context()).error), error) << entry;
}

TEST(EntryGrammar, LunarWeekEntriesBeginTheirDayAtSixInTheMorning) {
    const EntryResult noon = ParseDateEntry("5001-01-3-3 QLW", Context());
    ASSERT_EQ(Code(noon.error), 0);
    EXPECT_EQ(noon.calendarIndex, CalendarTable::QLW);
    // 12:00 on the lunar-week clock is 18:00 on the civil clock of the same day number ...
    const double civilDay = std::floor(noon.ajd + 0.5);
    EXPECT_NEAR(noon.ajd + 0.5 - civilDay, 0.75, 1e-9);
    // ... and 20:00 is 02:00 of the next civil day.
    const EntryResult late = ParseDateEntry("5001-01-3-3 QLW 20:00", Context());
    ASSERT_EQ(Code(late.error), 0);
    EXPECT_NEAR(late.ajd + 0.5, civilDay + 1 + 2 / 24.0, 1e-9);
    const std::pair<const char*, int> rejected[] = {
        {"5001-01-3 QLW", 15}, {"5001-01-5-1 QLW", 17}, {"5001-01-1-10 QLW", 18}, {"5001-14-1-1 QLW", 16}};
    for (const auto& [entry, error] : rejected) EXPECT_EQ(Code(ParseDateEntry(entry, Context()).error), error) << entry;
}
