#include <gtest/gtest.h>

#include "core/DateDisplay.h"

using namespace CalendarTable;

TEST(DateDisplay, CommonEraJulianAndJulianDates) {
    const double ajd = 2452275.0 + 2 / 24.0 + 28 / 1440.0;  // 2001-12-31 14:28 GMT
    const DateDisplay d = ComputeAllDates(ajd, {false, 0}, NumberFormat{});
    EXPECT_EQ(d.labels[CE].shortText, "2001-12-31 CE");
    EXPECT_EQ(d.labels[CE].caption, "2001-12-31 CE (Monday, December 31, 2001)");
    EXPECT_EQ(d.labels[CE].toolTip, "The 31st day of December in the year 2001 in the Common Era Calendar");
    EXPECT_EQ(d.labels[JC].caption, "2001-12-18 JC (Monday, December 18, 2001)");
    EXPECT_EQ(d.labels[AJD].caption, "2,452,275.1028 AJD");
    EXPECT_EQ(d.labels[CJD].caption, "2,452,275.6028 CJD");
    EXPECT_EQ(DateBoxTextOfLabel(d, CE, {false, 0}), "2001-12-31 CE 14:28");
    EXPECT_EQ(DateBoxTextOfLabel(d, AJD, {false, 0}), "2,452,275.1028 AJD");
}

TEST(DateDisplay, UserNumberFormat) {
    EXPECT_EQ(FormatJulianNumber(2455900.92, NumberFormat{',', "."}), "2.455.900,9200");
    EXPECT_EQ(FormatJulianNumber(552283.0, NumberFormat{}), "552,283.0000");
    EXPECT_EQ(FormatJulianNumber(999.99996, NumberFormat{}), "1,000.0000");
}

TEST(DateDisplay, LocalMidnightChangesTheCivilDay) {
    const double ajd = 2451544.5 - 1 / 1440.0;  // 23:59 GMT on 1999-12-31
    EXPECT_EQ(ComputeAllDates(ajd, {false, 0}, {}).labels[CE].shortText, "1999-12-31 CE");
    EXPECT_EQ(ComputeAllDates(ajd, {false, 60}, {}).labels[CE].shortText, "2000-01-01 CE");
    EXPECT_EQ(ComputeAllDates(ajd, {true, 60}, {}).labels[CE].shortText, "1999-12-31 CE");
}

TEST(DateDisplay, LunarCalendarLabels) {
    const DateDisplay d = ComputeAllDates(2451545.0, {false, 0}, NumberFormat{});
    EXPECT_EQ(d.labels[ARC].shortText, "4696-11-25 ARC");
    EXPECT_EQ(d.labels[ARC].caption, "4696-11-25 ARC (Mars Day, Dionysus 25,  4696)");
    EXPECT_EQ(d.labels[ARC].toolTip, "The 25th day of Dionysus in the year 4696");
    EXPECT_EQ(d.labels[DVG].caption, "1-94-08-25 DVG (Saturday, Hathor 25, 1-94)");
    EXPECT_EQ(d.labels[DVG].toolTip, "The 25th day of Hathor in the year 94 of cycle 1");
    EXPECT_EQ(d.labels[VO].shortText, "104-05-09-24 VO");
    EXPECT_EQ(d.labels[LLT].shortText, "122-12-09-1 LLT");
    EXPECT_EQ(DateBoxTextOfLabel(d, DVG, {false, 0}), "1-94-08-25 DVG 12:00");
    EXPECT_EQ(DateBoxTextOfLabel(d, LLT, {false, 0}), "122-12-09-1 LLT 12:00");
}

TEST(DateDisplay, LunarWeekLabelUsesTheSixOClockDay) {
    // 2001-04-10 at 05:00 is still the lunar-week day that began on 2001-04-09 at 06:00.
    const double morning = 2452009.5 + 5 / 24.0;
    const DateDisplay early = ComputeAllDates(morning, {false, 0}, NumberFormat{});
    const DateDisplay later = ComputeAllDates(morning + 2 / 24.0, {false, 0}, NumberFormat{});
    EXPECT_EQ(early.dayNumbers[QLW] + 1, later.dayNumbers[QLW]);
    EXPECT_EQ(early.civilDay, later.civilDay);
    EXPECT_EQ(later.labels[QLW].caption, "5001-01-3-3 QLW (Daythree in Weekthree of Brevolt, 5001)");
    EXPECT_EQ(later.labels[QLW].shortText, "5001-01-3-3 QLW");
    EXPECT_EQ(DateBoxTextOfLabel(later, QLW, {false, 0}), "5001-01-3-3 QLW 01:00");
}
