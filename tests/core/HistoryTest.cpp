// The history's entry texts, the frame read back from them, and the list of the newest eight.
#include <gtest/gtest.h>

#include "core/History.h"

using namespace History;

TEST(History, EntryTexts) {
    struct Row {
        const char* date;
        bool julian;
        const char* timeLine;
        bool greenwich;
        const char* zone;
        const char* text;
    };
    const Row rows[] = {
        {"2003-12-31 CE", false, "15:55 (local)", false, "GMT + 05:30", "2003-12-31 CE 15:55 (local = GMT+05:30)"},
        {"2003-12-31 CE", false, "07:55 (GMT)", true, "GMT - 08:00", "2003-12-31 CE 07:55 (Greenwich; local = GMT-08:00)"},
        {"5001-01-3-3 QLW", false, "06:00 (local QLW)", false, "GMT", "5001-01-3-3 QLW 06:00 (local = GMT)"},
        {"2,455,900.9200 AJD", true, "22:04 (GMT=local)", true, "GMT", "2,455,900.9200 AJD (Greenwich; local = GMT)"},
        {"2,455,901.4200 CJD", true, "22:04 (local)", false, "GMT + 12:00", "2,455,901.4200 CJD (local = GMT+12:00)"},
    };
    for (const Row& r : rows) EXPECT_EQ(EntryText(r.date, r.julian, r.timeLine, r.greenwich, r.zone), r.text);
    EXPECT_EQ(CompactZoneText(0), "GMT");
    EXPECT_EQ(CompactZoneText(330), "GMT+05:30");
    EXPECT_EQ(CompactZoneText(-480), "GMT-08:00");
    EXPECT_EQ(CompactZoneText(-30), "GMT-00:30");
}

TEST(History, FrameOfAnEntry) {
    struct Row {
        const char* text;
        bool greenwich;
        int offset;
        int index;
    };
    const Row rows[] = {
        {"2003-12-31 CE 15:55 (local = GMT+05:30)", false, 330, 35},
        {"2003-12-31 CE 07:55 (Greenwich; local = GMT-08:00)", true, -480, 8},
        {"2,455,900.9200 AJD (Greenwich; local = GMT)", true, 0, 24},
        {"2003-12-31 CE 15:55 (local = GMT-00:30)", false, -30, 23},
        {"2003-12-31 CE 15:55 (local = GMT+12:00)", false, 720, 48},
        // Hand-made or damaged texts stay inside the zone list.
        {"2003-12-31 CE (local = GMT+99:00)", false, 1440, 48},
        {"2003-12-31 CE (local = GMT-", false, 0, 24},
        {"no zone at all", false, 0, 24},
    };
    for (const Row& r : rows) {
        const EntryFrame frame = FrameOfEntry(r.text);
        EXPECT_EQ(frame.greenwich, r.greenwich) << r.text;
        EXPECT_EQ(frame.zoneOffsetMinutes, r.offset) << r.text;
        EXPECT_EQ(frame.ZoneIndex(), r.index) << r.text;
    }
}

TEST(History, KeepsTheNewestEightAndSkipsARepeatOfTheNewest) {
    List list;
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(list.Add("entry " + std::to_string(i), i), "entry " + std::to_string(i));
    ASSERT_EQ(list.Items().size(), 8u);
    EXPECT_EQ(list.Items().front().text, "entry 2");
    EXPECT_EQ(list.Items().back().eclipseType, 9);
    // The newest again: nothing added. An older one again: added as new.
    EXPECT_EQ(list.Add("entry 9", 0), "");
    EXPECT_EQ(list.Items().size(), 8u);
    EXPECT_EQ(list.Add("entry 8", 0), "entry 8");
    EXPECT_EQ(list.Items().back().text, "entry 8");
    EXPECT_EQ(list.Items().front().text, "entry 3");
}
