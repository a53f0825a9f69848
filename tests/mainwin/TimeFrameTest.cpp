#include <gtest/gtest.h>

#include <cmath>

#include "mainwin/core/CalendarTable.h"
#include "mainwin/core/ComputeSteps.h"
#include "mainwin/core/TimeFrame.h"

using namespace TimeZones;

TEST(TimeZones, ZoneListTextsAndOffsets) {
    const std::pair<int, const char*> rows[] = {{0, "GMT - 12:00"}, {1, "GMT - 11:30"}, {23, "GMT - 00:30"},
                                                {24, "GMT"},         {25, "GMT + 00:30"}, {47, "GMT + 11:30"},
                                                {48, "GMT + 12:00"}};
    for (const auto& [index, text] : rows) EXPECT_EQ(ZoneListText(index), text);
    for (int i = 0; i < kZoneCount; ++i) EXPECT_EQ(ZoneOffsetMinutes(ZoneListText(i)), (i - 24) * 30) << i;
    EXPECT_EQ(ZoneOffsetMinutes("GMT + 05:30"), 330);
    EXPECT_EQ(ZoneOffsetMinutes("GMT - 03:30"), -210);
}

TEST(TimeZones, JulianDatesOfTheFrames) {
    const double ajd = 2451544.5;  // midnight GMT
    EXPECT_DOUBLE_EQ(AjdToCjd(ajd, {true, 330}), ajd + 0.5);
    EXPECT_DOUBLE_EQ(AjdToCjd(ajd, {false, 0}), ajd + 0.5);
    EXPECT_DOUBLE_EQ(AjdToCjd(ajd, {false, 330}), ajd + 0.5 + 330 / 1440.0);
    for (TimeFrame f : {TimeFrame{true, -480}, TimeFrame{false, -480}, TimeFrame{false, 720}})
        EXPECT_NEAR(CjdToAjd(AjdToCjd(ajd, f), f), ajd, 1e-9);
}

TEST(TimeZones, TimeLine) {
    const double midnightGmt = 2451544.5;
    EXPECT_EQ(TimeLineText(midnightGmt, {false, 0}, false, false, ""), "00:00 (local=GMT)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 0}, false, false, ""), "00:00 (GMT=local)");
    EXPECT_EQ(TimeLineText(midnightGmt, {false, 330}, false, false, ""), "05:30 (local)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 330}, false, false, ""), "00:00 (GMT)");
    // Lunar-week days run 06:00 to 06:00: civil 05:00 reads 23:00 of the day before.
    EXPECT_EQ(TimeLineText(midnightGmt + 5 / 24.0, {false, 0}, true, false, ""), "23:00 (local QLW)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 0}, true, false, ""), "18:00 (Greenwich QLW)");
    // The live clock shows the computer's clock, turned into GMT when Greenwich is chosen.
    EXPECT_EQ(TimeLineText(0, {true, 60}, false, true, "00:30"), "23:30 (GMT)");
    EXPECT_EQ(TimeLineText(0, {false, 60}, false, true, "14:28"), "14:28 (local)");
    EXPECT_EQ(TimeLineText(0, {false, 60}, true, true, "05:10"), "23:10 (local QLW)");
}

TEST(TimeZones, TimeLineClickAppendsTheDisplayedTime) {
    const double ajd = 2451545.0 + 2 / 24.0 + 28 / 1440.0;  // 14:28 GMT
    EXPECT_EQ(WithTimeOfDay("2003-12-31 CE 09:00", ajd, {false, 0}, false), "2003-12-31 CE 14:28");
    EXPECT_EQ(WithTimeOfDay("2003-12-31 CE", ajd, {false, 0}, false), "2003-12-31 CE 14:28");
    EXPECT_EQ(WithTimeOfDay("", ajd, {false, 0}, false), "");
    EXPECT_EQ(WithTimeOfDay("ab", ajd, {false, 0}, false), "ab");
    EXPECT_NO_THROW(WithTimeOfDay("1:30 CE", ajd, {false, 0}, false));
}

TEST(ComputeSteps, DaysAmountsAndOperationTexts) {
    EXPECT_FALSE(ComputeSteps::ReadDaysAmount("")->present);
    EXPECT_DOUBLE_EQ(ComputeSteps::ReadDaysAmount("+1,000")->value, 1000.0);
    EXPECT_DOUBLE_EQ(ComputeSteps::ReadDaysAmount("-2.5")->value, -2.5);
    EXPECT_FALSE(ComputeSteps::ReadDaysAmount("1-2").has_value());
    EXPECT_FALSE(ComputeSteps::ReadDaysAmount("3 days").has_value());
    EXPECT_EQ(ComputeSteps::OperationText("", true), "Convert date");
    EXPECT_EQ(ComputeSteps::OperationText("1", true), "Convert date plus 1 day");
    EXPECT_EQ(ComputeSteps::OperationText("-1", false), "Convert date minus -1 day");
    EXPECT_EQ(ComputeSteps::OperationText("2.5", true), "Convert date plus 2.5 days");
    EXPECT_EQ(ComputeSteps::OperationText("+1,000", true), "Convert date plus +1,000 days");
}

TEST(ComputeSteps, RangeAndDeltaT) {
    EXPECT_EQ(ComputeSteps::RangeMessage(dblEarliestAJD), "");
    EXPECT_EQ(ComputeSteps::RangeMessage(dblLatestAJD), "");
    EXPECT_EQ(ComputeSteps::RangeMessage(dblEarliestAJD - 1e-6), "Resulting date is earlier than -3200-01-01 CE.");
    EXPECT_EQ(ComputeSteps::RangeMessage(dblLatestAJD + 1e-6), "Resulting date is later than 6000-01-01 CE.");
    EXPECT_NE(ComputeSteps::RangeMessage(std::nan("")), "");
    EXPECT_EQ(ComputeSteps::DeltaTText(1440.5), "More than 24 hours");
    EXPECT_EQ(ComputeSteps::DeltaTText(1.1), "1 minute");
    EXPECT_EQ(ComputeSteps::DeltaTText(62.5), "1 hour and 2 minutes");  // halves to even
}

TEST(CalendarTable, CalendarIndex) {
    EXPECT_EQ(CalendarTable::CalendarIndex("QLW"), 8);
    EXPECT_EQ(CalendarTable::CalendarIndex("CE"), 0);
    EXPECT_EQ(CalendarTable::CalendarIndex("ce"), -1);
    EXPECT_EQ(CalendarTable::CalendarIndex("XYZ"), -1);
}
