// Compute as the window and the tool run it: what each outcome leaves in the boxes, and the
// pieces it is made of.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ComputeMoment.h"

namespace {
constexpr double kNoonJan1 = 2451545.0;  // 2000-01-01 12:00 GMT

ComputeRequest Request(const std::string& date, const std::string& days = "", bool plus = true) {
    ComputeRequest request;
    request.dateBox = date;
    request.daysBox = days;
    request.plus = plus;
    return request;
}
}  // namespace

TEST(ComputeMoment, Outcomes) {
    struct Row {
        const char* name;
        ComputeRequest request;
        ComputeResult::Outcome outcome;
        EntryError error;
        double ajd;
        const char* dateBox;
        int entryCalendar;
    };
    using O = ComputeResult::Outcome;
    ComputeRequest shown = Request("2000-01-01 CE");
    shown.displayed = kNoonJan1;
    ComputeRequest shownZeroDays = Request("2000-01-01", "0");
    shownZeroDays.displayed = kNoonJan1;
    ComputeRequest arcEntry = Request("4696-11-25");
    arcEntry.entryCalendar = CalendarTable::ARC;
    const Row rows[] = {
        {"plain entry", Request(" 2000-01-01 ce "), O::Moment, EntryError::None, kNoonJan1, "2000-01-01 CE", 0},
        {"plus days", Request("2000-01-01 CE", " 7 "), O::Moment, EntryError::None, kNoonJan1 + 7, "2000-01-01 CE", 0},
        {"minus days", Request("2000-01-01 CE", "1.5", false), O::Moment, EntryError::None, kNoonJan1 - 1.5,
         "2000-01-01 CE", 0},
        {"empty date box", Request("   ", "3"), O::Refused, EntryError::NoDate, 0, "", -1},
        {"bad days", Request("2000-01-01 ce", "3 days"), O::Refused, EntryError::InvalidDays, 0, "2000-01-01 ce", -1},
        {"bad date", Request("2000-02-30 ce"), O::Refused, EntryError{6}, 0, "2000-02-30 CE", -1},
        {"the moment on show", shown, O::NothingToDo, EntryError::None, kNoonJan1, "2000-01-01 CE", 0},
        {"on show, with 0 days", shownZeroDays, O::Moment, EntryError::None, kNoonJan1, "2000-01-01 CE", 0},
        {"code assumed", arcEntry, O::Moment, EntryError::None, std::nan(""), "4696-11-25 ARC", 2},
        {"too early", Request("-3300-01-01 CE"), O::OutOfRange, EntryError::None, 0, "-3300-01-01 CE", 0},
        {"pushed past the end", Request("5999-12-31 CE", "2"), O::OutOfRange, EntryError::None, 0, "5999-12-31 CE", 0},
    };
    for (const Row& r : rows) {
        const ComputeResult result = ComputeMoment(r.request);
        EXPECT_EQ(result.outcome, r.outcome) << r.name;
        EXPECT_EQ(result.error, r.error) << r.name;
        EXPECT_EQ(result.dateBox, r.dateBox) << r.name;
        EXPECT_EQ(result.entryCalendar, r.entryCalendar) << r.name;
        if (r.outcome == O::Moment && std::isfinite(r.ajd)) EXPECT_NEAR(result.ajd, r.ajd, 1e-9) << r.name;
        EXPECT_EQ(result.Ok(), result.message.empty()) << r.name;
    }
}

TEST(ComputeMoment, MessagesAndTitles) {
    const ComputeResult refused = ComputeMoment(Request("2000-13-01 CE"));
    EXPECT_EQ(refused.title, kEntryErrorTitle);
    EXPECT_EQ(refused.message, EntryErrorText(EntryError{6}));
    ComputeRequest again = Request("2000-01-01 CE");
    again.displayed = kNoonJan1;
    EXPECT_EQ(ComputeMoment(again).message, "Nothing to do!");
    EXPECT_EQ(ComputeMoment(again).title, "Compute date");
    const ComputeResult late = ComputeMoment(Request("6000-01-02 CE"));
    EXPECT_EQ(late.title, kRangeTitle);
    EXPECT_EQ(late.message, "Resulting date is later than 6000-01-01 CE.");
    EXPECT_EQ(ComputeMoment(Request("2000-01-01", "-2", false)).operation, "Convert date minus -2 days");
}

TEST(ComputeMoment, TheFrameTurnsLocalEntriesIntoGreenwichMoments) {
    ComputeRequest east = Request("2000-01-01 CE 05:30");
    east.frame = TimeFrame{false, 330};
    EXPECT_NEAR(ComputeMoment(east).ajd, kNoonJan1 - 0.5, 1e-9);
    east.frame.greenwich = true;
    EXPECT_NEAR(ComputeMoment(east).ajd, kNoonJan1 - 0.5 + 330 / 1440.0, 1e-9);
}

TEST(ComputeMoment, DaysAmountsAndOperationTexts) {
    EXPECT_FALSE(ReadDaysAmount("")->present);
    EXPECT_DOUBLE_EQ(ReadDaysAmount("+1,000")->value, 1000.0);
    EXPECT_DOUBLE_EQ(ReadDaysAmount("-2.5")->value, -2.5);
    EXPECT_FALSE(ReadDaysAmount("1-2").has_value());
    EXPECT_FALSE(ReadDaysAmount("3 days").has_value());
    EXPECT_EQ(OperationText("", true), "Convert date");
    EXPECT_EQ(OperationText("1", true), "Convert date plus 1 day");
    EXPECT_EQ(OperationText("-1", false), "Convert date minus -1 day");
    EXPECT_EQ(OperationText("2.5", true), "Convert date plus 2.5 days");
    EXPECT_EQ(OperationText("+1,000", true), "Convert date plus +1,000 days");
}

TEST(ComputeMoment, RangeAndDeltaT) {
    EXPECT_EQ(RangeMessage(dblEarliestAJD), "");
    EXPECT_EQ(RangeMessage(dblLatestAJD), "");
    EXPECT_EQ(RangeMessage(dblEarliestAJD - 1e-6), "Resulting date is earlier than -3200-01-01 CE.");
    EXPECT_EQ(RangeMessage(dblLatestAJD + 1e-6), "Resulting date is later than 6000-01-01 CE.");
    EXPECT_NE(RangeMessage(std::nan("")), "");
    EXPECT_EQ(DeltaTText(1440.5), "More than 24 hours");
    EXPECT_EQ(DeltaTText(1.1), "1 minute");
    EXPECT_EQ(DeltaTText(62.5), "1 hour and 2 minutes");  // halves to even
}

