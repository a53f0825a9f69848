// The move steps: the clamps, the time of day kept in the frame, the lunar-week steps around
// 06:00 and the year ends, the steps near the ends of the accepted moments, and the texts of
// a move.
#include <gtest/gtest.h>

#include <cmath>

#include "calendars/registry/CalendarRegistry.h"
#include "dates/DatePr2.h"
#include "core/History.h"
#include "core/MoveOnce.h"
#include "support/AcceptedRange.h"

namespace {

using MoveSteps::MoveOnce;
constexpr TimeFrame kGreenwich{true, 0};
constexpr TimeFrame kIndia{false, 330};

// The moment of a date typed in a calendar ("2003-01-31", CE) at a time of day in the frame.
double MomentOf(const std::string& date, int calendar, double timeOfDay, const TimeFrame& frame) {
    int32_t jdn = 0;
    EXPECT_EQ(CalendarRegistry::Calendar(calendar).readDate(date, jdn), 0) << date;
    // A lunar-week day starts at 06:00: its earlier hours belong to the next civil day.
    const double civil = jdn + (timeOfDay < CalendarRegistry::Calendar(calendar).dayStart ? 1.0 : 0.0);
    return TimeZones::CjdToAjd(civil + timeOfDay, frame);
}

std::string ShortText(double ajd, int calendar, const TimeFrame& frame) {
    return ComputeAllDates(ajd, frame, NumberFormat{}).labels[static_cast<size_t>(calendar)].shortText;
}

double TimeOfDay(double ajd, const TimeFrame& frame) {
    const double x = TimeZones::AjdToCjd(ajd, frame);
    return x - std::floor(x);
}

class MoveOnceTest : public ::testing::Test {};

struct ClampRow {
    const char* from;
    const char* step;
    bool forward;
    const char* to;
};

TEST_F(MoveOnceTest, CommonEraStepsLowerTheDayUntilTheDateExists) {
    const ClampRow rows[] = {
        {"2003-01-31", "1 CE month", true, "2003-02-28 CE"},   {"2004-01-31", "1 CE month", true, "2004-02-29 CE"},
        {"2004-03-31", "1 CE month", false, "2004-02-29 CE"},  {"2003-12-31", "1 CE month", true, "2004-01-31 CE"},
        {"2004-01-15", "1 CE month", false, "2003-12-15 CE"},  {"2004-05-31", "1 CE month", false, "2004-04-30 CE"},
        {"2004-02-29", "1 CE year", true, "2005-02-28 CE"},    {"2004-02-29", "1 CE year", false, "2003-02-28 CE"},
        {"2000-02-29", "1 CE century", true, "2100-02-28 CE"}, {"2000-02-29", "1 CE century", false, "1900-02-28 CE"},
        {"0-02-29", "1 CE year", false, "-1-02-28 CE"},        {"1-01-01", "1 CE century", false, "-99-01-01 CE"},
    };
    for (const ClampRow& row : rows) {
        const double from = MomentOf(row.from, CalendarTable::CE, 0.5, kGreenwich);
        const auto result = MoveOnce(from, MoveSteps::StepIndex(row.step), row.forward, kGreenwich, CalendarTable::AJD);
        ASSERT_TRUE(result.moved) << row.from << " " << row.step;
        EXPECT_EQ(ShortText(result.ajd, CalendarTable::CE, kGreenwich), row.to) << row.from << " " << row.step;
        EXPECT_EQ(result.entryCalendar, CalendarTable::CE);
    }
}

TEST_F(MoveOnceTest, LengthsOfTimeAddToTheMomentAndKeepTheEntryCalendar) {
    const double from = 2452640.3;
    const double lengths[] = {1.0 / 1440, 1.0 / 24, 1.0};
    for (int step = 0; step < 3; ++step) {
        for (bool forward : {true, false}) {
            const auto result = MoveOnce(from, step, forward, kIndia, CalendarTable::VO);
            EXPECT_DOUBLE_EQ(result.ajd, from + (forward ? 1 : -1) * lengths[step]) << step;
            EXPECT_EQ(result.entryCalendar, CalendarTable::VO);
        }
    }
}

// However many steps of a minute or an hour, a moment on a whole minute stays on one: the time
// of day never reads a minute short.
TEST_F(MoveOnceTest, LengthsOfTimeKeepAWholeMinuteOverManySteps) {
    for (int step : {0, 1}) {
        for (bool forward : {true, false}) {
            double moment = MomentOf("2000-01-01", CalendarTable::CE, 0.0, kIndia);
            const double minutes = std::nearbyint(moment * 1440);
            const int size = step == 0 ? 1 : 60;
            for (int n = 1; n <= 20000; ++n) {
                moment = MoveOnce(moment, step, forward, kIndia, CalendarTable::CE).ajd;
                ASSERT_EQ(moment, (minutes + (forward ? n : -n) * size) / 1440) << step << " " << n;
            }
            EXPECT_EQ(TimeZones::TimeLineText(moment, kIndia, CalendarRegistry::Calendar(CalendarTable::CE)), step == 0 ? (forward ? "21:20 (local)" : "02:40 (local)")
                                                                                  : (forward ? "08:00 (local)" : "16:00 (local)"));
        }
    }
}

// Every calendar step lands on the day its calendar's own step gives, keeps the time of day
// of the chosen frame and makes the step's calendar the entry calendar.
TEST_F(MoveOnceTest, CalendarStepsKeepTheTimeOfDayInTheFrame) {
    for (const TimeFrame& frame : {kGreenwich, kIndia, TimeFrame{false, -480}}) {
        for (double time : {0.0, 0.2499, 0.25, 0.6632, 0.9993}) {
            for (int32_t day = static_cast<int32_t>(dblEarliestAJD) + 1000; day < dblLatestAJD; day += 99991) {
                const double from = TimeZones::CjdToAjd(day + time, frame);
                for (const MoveSteps::StepRule& rule : MoveSteps::Steps()) {
                    if (rule.calendar < 0) continue;
                    const double dayStart = CalendarRegistry::Calendar(rule.calendar).dayStart;
                    const int32_t shownDay = time < dayStart ? day - 1 : day;
                    for (bool forward : {true, false}) {
                        const auto result = MoveOnce(from, rule, forward, frame, CalendarTable::CE);
                        ASSERT_TRUE(result.moved);
                        const DateDisplay after = ComputeAllDates(result.ajd, frame, NumberFormat{});
                        EXPECT_EQ(after.dayNumbers[static_cast<size_t>(rule.calendar)], *rule.apply(shownDay, forward))
                            << rule.text << " from day " << day << " at " << time;
                        EXPECT_NEAR(TimeOfDay(result.ajd, frame), time, 1e-6) << rule.text;
                        EXPECT_EQ(forward, result.ajd > from) << rule.text;
                        EXPECT_EQ(result.entryCalendar, rule.calendar);
                    }
                }
            }
        }
    }
}

// The QLW date on show after a QLW step is the moved QLW date, also before 06:00 (when the
// civil day still belongs to the previous lunar-week day) and across the QLW year ends.
TEST_F(MoveOnceTest, LunarWeekStepsLandOnTheMovedLunarWeekDate) {
    const char* dates[] = {"5003-01-1-1", "5002-12-4-6", "5002-13-4-1", "5005-13-1-1", "5001-06-2-5"};
    for (const TimeFrame& frame : {kGreenwich, kIndia}) {
        for (const char* date : dates) {
            int32_t jdn = 0;
            ASSERT_EQ(CalendarRegistry::Calendar(CalendarTable::QLW).readDate(date, jdn), 0) << date;
            for (double time : {0.0, 0.2, 0.2499, 0.25, 0.5, 0.99}) {
                const double from = MomentOf(date, CalendarTable::QLW, time, frame);
                ASSERT_EQ(ComputeAllDates(from, frame, NumberFormat{}).dayNumbers[CalendarTable::QLW], jdn);
                for (const char* unit : {"week", "month", "year"}) {
                    const int step = MoveSteps::StepIndex(std::string("1 QLW ") + unit);
                    for (bool forward : {true, false}) {
                        const auto expected = CalendarRegistry::StepOf(CalendarTable::QLW, unit)(jdn, forward);
                        const auto result = MoveOnce(from, step, forward, frame, CalendarTable::CE);
                        ASSERT_TRUE(expected && result.moved);
                        EXPECT_EQ(ComputeAllDates(result.ajd, frame, NumberFormat{}).dayNumbers[CalendarTable::QLW], *expected)
                            << date << " " << unit << " " << forward << " at " << time;
                        EXPECT_NEAR(TimeOfDay(result.ajd, frame), time, 1e-6);
                    }
                }
            }
        }
    }
}

// Over the whole range: forward then back comes home whenever the forward step did not have
// to fit the day (checked through the CE day of month, which must then be kept).
TEST_F(MoveOnceTest, CommonEraStepsComeBackOverTheRange) {
    const auto dayOfMonth = [](double ajd) {
        return DatePr2::DateOfJdn(static_cast<int32_t>(std::floor(TimeZones::AjdToCjd(ajd, kIndia))), DAYCALC_GREGORIAN)
            .day;
    };
    int exact = 0;
    for (int32_t day = static_cast<int32_t>(dblEarliestAJD) + 40000; day < dblLatestAJD - 40000; day += 5) {
        const double from = TimeZones::CjdToAjd(day + 0.3, kIndia);
        for (int step = 3; step <= 5; ++step) {
            const auto there = MoveOnce(from, step, true, kIndia, 0);
            if (dayOfMonth(there.ajd) != dayOfMonth(from)) {
                EXPECT_GE(dayOfMonth(from), 29) << day;  // only the month ends are fitted
                continue;
            }
            EXPECT_NEAR(MoveOnce(there.ajd, step, false, kIndia, 0).ajd, from, 1e-6) << day << " " << step;
            ++exact;
        }
    }
    EXPECT_GT(exact, 1800000);
}

// Near both ends of the accepted moments every step can be made; the move that crosses an
// end is reported by RangeMessage, also for a cycle step.
TEST_F(MoveOnceTest, StepsNearTheRangeEndsAreMadeAndReported) {
    for (double end : {dblEarliestAJD, dblLatestAJD}) {
        for (double offset : {-400.0, -1.0, 0.0, 1.0, 400.0}) {
            for (const MoveSteps::StepRule& rule : MoveSteps::Steps())
                for (bool forward : {true, false})
                    EXPECT_TRUE(MoveOnce(end + offset, rule, forward, kGreenwich, 0).moved)
                        << rule.text << " from " << end + offset;
        }
    }
    for (const char* cycle : {"1 VO cycle", "1 DVG cycle", "1 LLT cycle"}) {
        const auto late = MoveOnce(dblLatestAJD - 1, MoveSteps::StepIndex(cycle), true, kGreenwich, 0);
        EXPECT_EQ(MoveSteps::RangeMessage(late.ajd), "Latest date exceeded.") << cycle;
        const auto early = MoveOnce(dblEarliestAJD + 1, MoveSteps::StepIndex(cycle), false, kGreenwich, 0);
        EXPECT_EQ(MoveSteps::RangeMessage(early.ajd), "Earliest date exceeded.") << cycle;
    }
    EXPECT_EQ(MoveSteps::RangeMessage(dblLatestAJD), "");
    EXPECT_EQ(MoveSteps::RangeMessage(dblEarliestAJD), "");
    EXPECT_FALSE(MoveOnce(2451545.0, 20, true, kGreenwich, 0).moved);
    EXPECT_FALSE(MoveOnce(NAN, 3, true, kGreenwich, 0).moved);
}

TEST_F(MoveOnceTest, TextsOfAMove) {
    const std::vector<MoveSteps::StepRule> steps = MoveSteps::Steps();
    ASSERT_EQ(steps.size(), 20u);
    EXPECT_EQ(MoveSteps::StepDescription(steps[3], true, true), "Move forward 1 CE month repeatedly.");
    EXPECT_EQ(MoveSteps::StepDescription(steps[0], false, false), "Move back 1 minute.");
    EXPECT_EQ(steps[13].text, "1 DVG cycle");  // the saved state holds the index
    EXPECT_EQ(MoveSteps::StepIndex("1 QLW year"), 19);
    EXPECT_EQ(MoveSteps::StepIndex("1 qlw year"), -1);

    const double ajd = MomentOf("2003-12-31", CalendarTable::CE, 15.0 / 24 + 55.0 / 1440, kIndia);
    const DateDisplay display = ComputeAllDates(ajd, kIndia, NumberFormat{});
    EXPECT_EQ(History::EntryTextOf(display, CalendarTable::CE, kIndia), "2003-12-31 CE 15:55 (local = GMT+05:30)");
    EXPECT_EQ(History::EntryTextOf(display, CalendarTable::AJD, TimeFrame{true, -480}).find(" AJD (Greenwich; local = GMT-08:00)") != std::string::npos, true);
    const DateDisplay greenwich = ComputeAllDates(ajd, kGreenwich, NumberFormat{});
    EXPECT_EQ(History::EntryTextOf(greenwich, CalendarTable::QLW, kGreenwich).substr(greenwich.labels[8].shortText.size()),
              " 04:25 (Greenwich; local = GMT)");
}

}  // namespace
