// The window's texts of the sky from a place: the day's rises and sets, the tool tip, and the
// eclipse lines, seen and not seen.
#include <gtest/gtest.h>

#include "astro/Syzyg.h"
#include "core/place/SkyLines.h"

namespace {
const Place kParis{48.866667, 2.333333, 35};
const TimeFrame kParisSummer{false, 120};
}  // namespace

TEST(SkyLines, RiseSetLine) {
    struct Row {
        const char* name;
        Place place;
        double ajd;
        TimeFrame frame;
        const char* line;
    };
    const Row rows[] = {
        {"Paris, both bodies", kParis, 2460482.0, kParisSummer,
         "Sun: rises 05:46, sets 21:57 \xC2\xB7 Moon: sets 03:54, rises 21:05, below the horizon"},
        {"Paris, no moonset", kParis, 2460470.0, kParisSummer,
         "Sun: rises 05:47, sets 21:52 \xC2\xB7 Moon: rises 06:53, no set, 61\xC2\xB0 high"},
        {"Paris, no moonrise", kParis, 2460486.0, kParisSummer,
         "Sun: rises 05:47, sets 21:58 \xC2\xB7 Moon: sets 07:52, no rise, below the horizon"},
        {"Resolute, midnight sun", {74.695556, -94.829167, 20}, 2460432.0, {false, -300},
         "Sun: up all day \xC2\xB7 Moon: down all day, below the horizon"},
    };
    for (const Row& r : rows) EXPECT_EQ(SkyLines::RiseSetLine(r.place, r.ajd, r.frame), r.line) << r.name;
}

TEST(SkyLines, ToolTip) {
    const std::string now = SkyLines::ToolTip(kParis, 2460482.0);
    EXPECT_EQ(now, "Sun: altitude 64.5\xC2\xB0, azimuth 184.1\xC2\xB0\nMoon: altitude -61.5\xC2\xB0, azimuth 47.1\xC2\xB0");
    // Far from today delta T is uncertain by minutes and the tip says so.
    EXPECT_NE(SkyLines::ToolTip(kParis, 1000000.0).find("\nDelta T is uncertain by \xC2\xB1"), std::string::npos);
}

TEST(SkyLines, EclipseLines) {
    struct Row {
        const char* label;
        Place place;
        int32_t lunation;
        int phase;
        TimeFrame frame;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"Dallas", {32.7767, -96.797, 139}, 300, 0, {false, -300},
         {"Seen from Dallas: partial 12:23\xE2\x80\x93" "15:02 (local), magnitude 1.01, Sun 65\xC2\xB0 high at maximum",
          "Total 13:40\xE2\x80\x93" "13:44, 3 min 49 s"}},
        {"Paris", kParis, 300, 0, kParisSummer, {"Not seen from Paris (below the horizon)"}},
        {"Dallas", {32.7767, -96.797, 139}, 306, 0, {false, -300}, {"Not seen from Dallas (outside the Moon's penumbra)"}},
        {"New York", {40.7142, -74.0064, 10}, 265, 0, {false, -240},
         {"Seen from New York: partial 04:38\xE2\x80\x93" "06:30 (local), magnitude 0.80, Sun 1\xC2\xB0 high at maximum",
          "The Sun rises at 05:24 during the eclipse"}},
        {"Tokyo", {35.654444, 139.744722, 40}, 282, 2, {false, 540}, {"Seen from Tokyo: Moon 40\xC2\xB0 high at greatest eclipse"}},
        {"Chicago", {41.85, -87.65, 0}, 282, 2, {true, -300},
         {"Seen from Chicago: Moon 17\xC2\xB0 high at greatest eclipse", "The Moon sets at 12:40 (GMT) during the umbral phase"}},
        {"Paris", kParis, 282, 2, kParisSummer, {"Not seen from Paris (below the horizon)"}},
    };
    for (const Row& r : rows) {
        EclipseData record{};
        Syzyg::PhaseTimeTdt(r.lunation, r.phase, record);
        const double greatestUt = record.greatest - Syzyg::DeltaTAt(record.greatest) / 1440.0;
        EXPECT_EQ(SkyLines::EclipseLines(r.label, r.place, record, greatestUt, r.frame), r.lines) << r.label;
    }
}
