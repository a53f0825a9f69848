#include <gtest/gtest.h>

#include <cmath>

#include "calendars/registry/CalendarRegistry.h"
#include "core/TimeFrame.h"

using namespace TimeZones;

namespace {
// The clock of a calendar whose days begin at midnight, and of the lunar week calendar's.
const CalendarDescriptor& kCivil = CalendarRegistry::Calendar(CalendarTable::CE);
const CalendarDescriptor& kQlw = CalendarRegistry::Calendar(CalendarTable::QLW);
}  // namespace

TEST(TimeZones, ZoneListTextsAndOffsets) {
    const std::pair<int, const char*> rows[] = {{0, "GMT - 12:00"}, {1, "GMT - 11:30"}, {23, "GMT - 00:30"},
                                                {24, "GMT"},         {25, "GMT + 00:30"}, {47, "GMT + 11:30"},
                                                {48, "GMT + 12:00"}};
    for (const auto& [index, text] : rows) EXPECT_EQ(ZoneListText(index), text);
    for (int i = 0; i < kZoneCount; ++i) EXPECT_EQ(ZoneOffsetMinutes(ZoneListText(i)), (i - 24) * 30) << i;
    EXPECT_EQ(ZoneOffsetMinutes("GMT + 05:30"), 330);
    EXPECT_EQ(ZoneOffsetMinutes("GMT - 03:30"), -210);
    // Texts the list never holds stay within a day (the fuzzer found these).
    for (const char* hostile : {"GMT + 99999999999", "GMT - 52:00", "GMT + 05:75", "GMT + 24:01", "\xd4\xcf\xdc" "5:\xc0" "30"})
        EXPECT_EQ(ZoneOffsetMinutes(hostile), 0) << hostile;
    EXPECT_EQ(ZoneOffsetMinutes("MG +5:35:30"), 0);  // 35 hours: no zone
    EXPECT_EQ(ZoneOffsetMinutes("GMT + 99999999999999999999"), 0);  // no overflowing cast
    EXPECT_EQ(ZoneOffsetMinutes("GMT + -99999999999999999999"), 0);
    // Texts no list holds never give an offset of a day or more.
    EXPECT_EQ(ZoneOffsetMinutes("+1\x01" "00 -70"), 0);
    EXPECT_EQ(ZoneOffsetMinutes("GMT + " + std::string(400, '9')), 0);
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
    EXPECT_EQ(TimeLineText(midnightGmt, {false, 0}, kCivil), "00:00 (local=GMT)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 0}, kCivil), "00:00 (GMT=local)");
    EXPECT_EQ(TimeLineText(midnightGmt, {false, 330}, kCivil), "05:30 (local)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 330}, kCivil), "00:00 (GMT)");
    // Lunar-week days run 06:00 to 06:00: civil 05:00 reads 23:00 of the day before.
    EXPECT_EQ(TimeLineText(midnightGmt + 5 / 24.0, {false, 0}, kQlw), "23:00 (local QLW)");
    EXPECT_EQ(TimeLineText(midnightGmt, {true, 0}, kQlw), "18:00 (Greenwich QLW)");
}

// Moments a few units of the last place around a midnight, in every frame, read as a time of
// day (a fraction of a day that rounds to 1 once could not).
TEST(TimeZones, TheTimeOfDayAroundMidnightIsATime) {
    for (int zone = -24; zone <= 24; ++zone) {
        for (bool greenwich : {false, true}) {
            const TimeFrame frame{greenwich, 30 * zone};
            for (double midnight : {0.0, 2451545.0}) {
                double ajd = CjdToAjd(midnight, frame);
                for (int i = 0; i < 16; ++i) ajd = std::nextafter(ajd, -1e9);
                for (int i = 0; i < 32; ++i, ajd = std::nextafter(ajd, 1e9)) {
                    const std::string time = TimeOfDayText(ajd, frame);
                    EXPECT_TRUE(time == "23:59" || time == "00:00") << time << " " << zone << " " << greenwich;
                }
            }
        }
    }
}

TEST(TimeZones, ZoneIndexOfAnOffset) {
    for (int i = 0; i < kZoneCount; ++i) EXPECT_EQ(ZoneIndexOfOffset(ZoneOffsetMinutes(ZoneListText(i))), i) << i;
    // Offsets the list lacks: quarter hours, and beyond twelve hours.
    for (int offset : {345, -45, 13 * 60, -12 * 60 - 30, 14 * 60}) EXPECT_EQ(ZoneIndexOfOffset(offset), -1) << offset;
}

TEST(TimeZones, TimeLineClickAppendsTheDisplayedTime) {
    const double ajd = 2451545.0 + 2 / 24.0 + 28 / 1440.0;  // 14:28 GMT
    EXPECT_EQ(WithTimeOfDay("2003-12-31 CE 09:00", ajd, {false, 0}, kCivil), "2003-12-31 CE 14:28");
    EXPECT_EQ(WithTimeOfDay("2003-12-31 CE", ajd, {false, 0}, kCivil), "2003-12-31 CE 14:28");
    EXPECT_EQ(WithTimeOfDay("", ajd, {false, 0}, kCivil), "");
    EXPECT_EQ(WithTimeOfDay("ab", ajd, {false, 0}, kCivil), "ab");
    EXPECT_NO_THROW(WithTimeOfDay("1:30 CE", ajd, {false, 0}, kCivil));
}

TEST(CalendarTable, CalendarIndex) {
    EXPECT_EQ(CalendarTable::CalendarIndex("QLW"), 8);
    EXPECT_EQ(CalendarTable::CalendarIndex("CE"), 0);
    EXPECT_EQ(CalendarTable::CalendarIndex("ce"), -1);
    EXPECT_EQ(CalendarTable::CalendarIndex("XYZ"), -1);
}
