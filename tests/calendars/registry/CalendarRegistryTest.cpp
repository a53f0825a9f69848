// The calendar registry: one consistent descriptor per notation, whose readers, texts and
// steps agree with each other over the accepted range.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "calendars/registry/CalendarRegistry.h"
#include "support/AcceptedRange.h"

namespace {
constexpr int32_t kFirstDay = static_cast<int32_t>(dblEarliestAJD) + 1;
constexpr int32_t kLastDay = static_cast<int32_t>(dblLatestAJD) - 1;

long long Field(const DateLabel& label, const std::string& name) {
    for (const auto& [field, value] : label.fields)
        if (field == name) return value;
    return -1;
}
}  // namespace

TEST(CalendarRegistry, OneDescriptorPerIndexWithDistinctNames) {
    std::set<std::string_view> codes, labels, titles;
    ASSERT_EQ(CalendarRegistry::Count(), CalendarTable::kBuiltInCount);
    for (int i = 0; i < CalendarRegistry::Count(); ++i) {
        const CalendarDescriptor& calendar = *CalendarRegistry::Calendars()[static_cast<size_t>(i)];
        EXPECT_EQ(calendar.index, i);
        EXPECT_EQ(CalendarTable::CalendarIndex(calendar.code), i);
        EXPECT_EQ(calendar.readDate == nullptr, calendar.julianDateCount) << calendar.code;
        EXPECT_EQ(calendar.labelOfDay == nullptr, calendar.julianDateCount) << calendar.code;
        codes.insert(calendar.code);
        labels.insert(calendar.labelName);
        titles.insert(calendar.title);
    }
    EXPECT_EQ(codes.size(), 9u);
    EXPECT_EQ(labels.size(), 9u);
    EXPECT_EQ(titles.size(), 9u);
    // The date frame's rows and the step list keep their order (the saved state holds the
    // step's index).
    std::string rows, steps, pages;
    for (const CalendarDescriptor* row : CalendarRegistry::DisplayOrder()) rows += std::string(row->code) + " ";
    for (const CalendarDescriptor* c : CalendarRegistry::ListOrder()) steps += std::string(c->code) + " ";
    for (const CalendarDescriptor* c : CalendarRegistry::LunationPageCalendars()) pages += std::string(c->code) + " ";
    EXPECT_EQ(rows, "CE JC ARC VO LLT DVG QLW CJD AJD ");
    EXPECT_EQ(steps, "CE ARC VO DVG LLT QLW ");
    EXPECT_EQ(pages, "ARC VO DVG LLT QLW ");
    EXPECT_EQ(CalendarRegistry::CodeList(), "CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW");
    EXPECT_EQ(CalendarTable::CalendarIndex("ce"), -1);
    EXPECT_EQ(&CalendarRegistry::Calendar(99), &CalendarRegistry::Calendar(CalendarTable::CE));
}

// A date's plain text, read back by the same calendar's reader, is the same day.
TEST(CalendarRegistry, EveryCalendarReadsBackItsOwnTexts) {
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        if (calendar->julianDateCount) continue;
        for (int32_t day = kFirstDay; day <= kLastDay; day += 9973) {
            const DateLabel label = calendar->labelOfDay(day);
            const std::string text = label.shortText.substr(0, label.shortText.rfind(' '));
            int32_t read = 0;
            ASSERT_EQ(calendar->readDate(text, read), 0) << calendar->code << " " << label.shortText;
            EXPECT_EQ(read, day) << calendar->code << " " << label.shortText;
            EXPECT_FALSE(label.caption.empty()) << calendar->code << " " << day;
        }
    }
}

// Each step moves the right way, and from the first day of one of the first twelve months it
// comes back exactly (no such month of a year or cycle lacks a first day).
TEST(CalendarRegistry, StepsMoveBothWaysAndReturn) {
    int checked = 0;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        for (const CalendarStep& step : calendar->steps) {
            for (int32_t day = kFirstDay + 800; day <= kLastDay - 800; day += 7919) {
                const auto forward = step.apply(day, true);
                const auto back = step.apply(day, false);
                ASSERT_TRUE(forward && back) << calendar->code << " " << step.unit << " " << day;
                EXPECT_GT(*forward, day) << calendar->code << " " << step.unit;
                EXPECT_LT(*back, day) << calendar->code << " " << step.unit;
                const DateLabel label = calendar->labelOfDay(day);
                // (An LLT "day" is the day of its triday: the first triday's first day then.)
                if (Field(label, "day") != 1 || Field(label, "month") > 12 || Field(label, "triday") > 1) continue;
                EXPECT_EQ(step.apply(*forward, false), day) << calendar->code << " " << step.unit << " " << day;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
    EXPECT_NE(CalendarRegistry::StepOf(CalendarTable::QLW, "week"), nullptr);
    EXPECT_NE(CalendarRegistry::StepOf(CalendarTable::DVG, "cycle"), nullptr);
    EXPECT_EQ(CalendarRegistry::StepOf(CalendarTable::ARC, "cycle"), nullptr);
    EXPECT_EQ(CalendarRegistry::StepOf(CalendarTable::AJD, "month"), nullptr);
}

// A VO cycle step onto a year that lacks the 13th month fits the date into the 12th, as a
// year step does.
TEST(CalendarRegistry, CycleStepFitsAMissingMonth) {
    const CalendarDescriptor& vo = CalendarRegistry::Calendar(CalendarTable::VO);
    const auto cycle = CalendarRegistry::StepOf(CalendarTable::VO, "cycle");
    int fitted = 0;
    for (int32_t day = kFirstDay + 30000; day <= kLastDay - 30000 && fitted < 3; day += 29) {
        const DateLabel label = vo.labelOfDay(day);
        if (Field(label, "month") != 13) continue;
        const auto moved = cycle(day, true);
        ASSERT_TRUE(moved);
        const DateLabel after = vo.labelOfDay(*moved);
        EXPECT_EQ(Field(after, "cycle"), Field(label, "cycle") + 1);
        EXPECT_EQ(Field(after, "year"), Field(label, "year"));
        if (Field(after, "month") == 12) ++fitted;
    }
}
