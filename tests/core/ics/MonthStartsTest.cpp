// The months of the calendar files against a day-by-day reading of the calendars through the
// registry's fields, across cycle and era boundaries.
#include <gtest/gtest.h>

#include <vector>

#include "calendars/registry/CalendarRegistry.h"
#include "core/ics/MonthStarts.h"

namespace {

long long Field(const DateLabel& label, const std::string& name) {
    for (const auto& [field, value] : label.fields)
        if (field == name) return value;
    return 1;  // a calendar without weeks or tridays: every day is in the first
}

// Day 1 of the month (in its first triday, in its first week).
bool FirstOfMonth(int calendar, int32_t day) {
    const DateLabel label = CalendarRegistry::Calendar(calendar).labelOfDay(day);
    return Field(label, "day") == 1 && Field(label, "triday") == 1 && Field(label, "week") == 1;
}

constexpr int32_t kYear = 365;
constexpr int32_t kJan1st2000 = 2451545;

}  // namespace

TEST(MonthStarts, AgreeWithADayByDayReading) {
    struct Row {
        int calendar;
        int32_t first, last;
    } rows[] = {
        {CalendarTable::ARC, kJan1st2000 - 60 * kYear, kJan1st2000 + 60 * kYear},
        {CalendarTable::ARC, 1721426 - 3 * kYear, 1721426 + 3 * kYear},  // around the year 1
        {CalendarTable::VO, kJan1st2000 - 60 * kYear, kJan1st2000 + 60 * kYear},
        {CalendarTable::LLT, 2408318 - 30 * kYear, 2408318 + 30 * kYear},  // cycle 0 begins in 1881
        {CalendarTable::DVG, 2415611 - 30 * kYear, 2415611 + 30 * kYear},  // cycle 1 begins in 1901
        {CalendarTable::QLW, kJan1st2000 - 8 * kYear, kJan1st2000 + 8 * kYear},
    };
    for (const Row& row : rows) {
        std::vector<int32_t> scanned;
        for (int32_t day = row.first; day <= row.last; ++day)
            if (FirstOfMonth(row.calendar, day)) scanned.push_back(day);
        const std::vector<Ics::MonthStart> months = Ics::MonthStarts(row.calendar, row.first, row.last);
        std::vector<int32_t> walked;
        for (const Ics::MonthStart& month : months) walked.push_back(month.firstDay);
        EXPECT_EQ(walked, scanned) << CalendarRegistry::Calendar(row.calendar).code << " from " << row.first;
        for (size_t i = 0; i + 1 < months.size(); ++i) {
            ASSERT_EQ(months[i].firstDay + months[i].days, months[i + 1].firstDay) << i;
            EXPECT_TRUE(months[i].days >= 27 && months[i].days <= 30) << months[i].days;
        }
    }
    EXPECT_TRUE(Ics::MonthStarts(CalendarTable::CE, kJan1st2000, kJan1st2000 + kYear).empty());
    EXPECT_TRUE(Ics::MonthStarts(CalendarTable::ARC, kJan1st2000, kJan1st2000 - 1).empty());
}

TEST(MonthStarts, TextsOfAMonth) {
    // 2024-01-11 CE is the first day of Persephone, the thirteenth month of 4720 ARC.
    const std::vector<Ics::MonthStart> months = Ics::MonthStarts(CalendarTable::ARC, 2460321, 2460321);
    ASSERT_EQ(months.size(), 1u);
    EXPECT_EQ(months[0].monthName, "Persephone");
    EXPECT_EQ(months[0].month, 13);
    EXPECT_EQ(months[0].yearText, "4720");
    EXPECT_EQ(months[0].firstDate, "4720-13-01 ARC");
    EXPECT_EQ(months[0].lastDate, "4720-13-30 ARC");
    EXPECT_EQ(months[0].days, 30);
}
