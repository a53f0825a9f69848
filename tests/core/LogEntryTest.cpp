// Log entries: the calendar items in both formats, the Moon line, the extra text and the
// empty line after each entry.
#include <gtest/gtest.h>

#include "core/DateDisplay.h"
#include "core/LogEntry.h"

namespace {
LogEntry::Display DisplayOf(double ajd, int entryCalendar) {
    const DateDisplay dates = ComputeAllDates(ajd, TimeFrame{false, 0}, NumberFormat{});
    LogEntry::Display display;
    for (const DateLabel& label : dates.labels) display.dateLabels.push_back(label.caption);
    display.phaseLabel = "Crescent moon (waxing), 23.4%";
    display.ageLabel = "[157] 3 days, 4 hrs, 5 mins (10.7%)";
    display.entryCalendar = entryCalendar;
    return display;
}
// Only the given calendars (and Moon boxes) ticked.
enum Moon { kPhase = -1, kLunation = -2 };
LogPreferences Only(std::initializer_list<int> items, bool calendarEqualsDate = true) {
    LogPreferences preferences;
    preferences.SetAll(false);
    preferences.calendarEqualsDate = calendarEqualsDate;
    for (int item : items) {
        if (item == kPhase) preferences.phaseOfMoon = true;
        else if (item == kLunation) preferences.lunationAndAge = true;
        else preferences.SetIncluded(item, true);
    }
    return preferences;
}
constexpr double kMoment = 2456283.0;  // 2012-12-21 12:00 GMT
}  // namespace

TEST(LogEntry, CalendarEqualsDate) {
    const std::string entry = LogEntry::Entry("2012-12-21 JC 12:00 (local = GMT)", "Convert date", "",
                                              DisplayOf(kMoment, CalendarTable::JC), LogPreferences{}, "\r\n");
    EXPECT_EQ(entry.substr(0, entry.find("ARC=")),
              "Convert date\r\n2012-12-21 JC 12:00 (local = GMT)\r\nCE=2012-12-21  ");
    EXPECT_EQ(entry.find("JC="), std::string::npos);  // the entry calendar is the date line
    EXPECT_NE(entry.find("CJD=2,456,283.5000  AJD=2,456,283.0000\r\n"), std::string::npos);
    EXPECT_EQ(entry.find("QLW="), std::string::npos);  // not included by default
    EXPECT_NE(entry.find("\r\nCrescent moon (waxing), illum. =  23.4%, lunat. and age = [157] 3 days, 4 hrs, 5 mins "
                         "(10.7%).\r\n\r\n"),
              std::string::npos);
}

TEST(LogEntry, DateThenCalendar) {
    const LogPreferences preferences =
        Only({CalendarTable::CE, CalendarTable::JC, CalendarTable::ARC, CalendarTable::QLW, CalendarTable::AJD}, false);
    const std::string entry =
        LogEntry::Entry("x", "Now", "", DisplayOf(kMoment, CalendarTable::VO), preferences, "\n");
    // Every date before its long form in parentheses (an item that reads back as an entry), AJD
    // whole.
    EXPECT_EQ(entry, "Now\nx\n2012-12-21 CE, 2012-12-08 JC, 4709-12-08 ARC, 5012-10-2-2 QLW, 2,456,283.0000 AJD\n\n");
}

TEST(LogEntry, MoonLineAndExtra) {
    const auto display = DisplayOf(kMoment, CalendarTable::CE);
    EXPECT_EQ(LogEntry::Entry("d", "op", "", display, Only({}), "\n"), "op\nd\n\n");
    EXPECT_EQ(LogEntry::Entry("d", "op", "Total lunar eclipse", display, Only({}), "\n"), "op\nd\nTotal lunar eclipse\n\n");
    EXPECT_EQ(LogEntry::Entry("d", "op", "", display, Only({kLunation}), "\n"),
              "op\nd\nLunation and age = [157] 3 days, 4 hrs, 5 mins (10.7%).\n\n");
    EXPECT_EQ(LogEntry::Entry("d", "op", "", display, Only({kPhase}), "\n"),
              "op\nd\nCrescent moon (waxing), illum. =  23.4%.\n\n");
    EXPECT_EQ(LogEntry::Header("Selvanor", "\r\n"), std::string("Selvanor\r\n") + LogEntry::kDocumentationAddress + "\r\n\r\n");
}

// For every entry calendar and both formats: every included calendar but the entry calendar
// is written, once, on one line.
TEST(LogEntry, EveryEntryCalendarInBothFormats) {
    LogPreferences all;
    all.SetAll(true);
    for (bool calendarEqualsDate : {true, false}) {
        all.calendarEqualsDate = calendarEqualsDate;
        for (int entryCalendar = 0; entryCalendar < CalendarRegistry::Count(); ++entryCalendar) {
            const std::string entry = LogEntry::Entry("date", "op", "", DisplayOf(kMoment, entryCalendar), all, "\n");
            const size_t start = std::string("op\ndate\n").size();
            const std::string line = entry.substr(start, entry.find('\n', start) - start);
            for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
                const std::string code(calendar->code);
                const std::string marker = calendarEqualsDate ? code + "=" : " " + code;
                const bool present = line.find(marker) != std::string::npos;
                EXPECT_EQ(present, calendar->index != entryCalendar) << code << " in " << line;
            }
        }
    }
}
